#include "ORLOptionMenu.h"

#include "ORLEngineView.h"

ORLOptionMenu::ORLOptionMenu(const ORLRect& r, int32_t t)
    : ORLBaseControl(r, t, nullptr, kORLKindOptionMenu)
{
}

ORLEngineOptionMenu* ORLOptionMenu::menuView() const
{
    return dynamic_cast<ORLEngineOptionMenu*>(engineView);
}

void ORLOptionMenu::addEntry(const char* text, int32_t index, int32_t style)
{
    if (auto* view = menuView())
        view->addEntry(text, index, style);
}

void ORLOptionMenu::setEntryState(int32_t state, int32_t index)
{
    if (auto* view = menuView())
        view->setEntryState(state, index);
}

void ORLOptionMenu::setCurrent(int32_t index)
{
    if (auto* view = menuView())
        view->setCurrent(index);
}

void ORLOptionMenu::removeAllEntries()
{
    if (auto* view = menuView())
        view->removeAllEntries();
}

void ORLOptionMenu::popup()
{
    if (auto* view = menuView())
        view->popup();
}

int32_t ORLOptionMenu::getCurrent()
{
    auto* view = menuView();
    return view ? view->getCurrent() : 0;
}
