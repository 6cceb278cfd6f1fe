#include "CORLOptionMenuWrapper.h"

#include "CORLConversions.h"
#include <cmath>

namespace Orlund
{
CORLOptionMenuWrapper::CORLOptionMenuWrapper(ORLBaseControl* c, CORLControlListener* l,
                                             ORLMasterGraphicalEngine* e)
    : CORLEngineViewLink<ORLEngineOptionMenu>(c, l, e)
{
    viewValue = 0.0f;
}

void CORLOptionMenuWrapper::addEntry(const char* text, int32_t index, int32_t style)
{
    Entry entry{toJuceText(text), style};
    if (index < 0 || index >= static_cast<int32_t>(entries.size()))
        entries.push_back(entry);
    else
        entries.insert(entries.begin() + index, entry);
}

void CORLOptionMenuWrapper::setEntryState(int32_t state, int32_t index)
{
    if (index < 0 || index >= static_cast<int32_t>(entries.size()))
        return;
    Entry& entry = entries[static_cast<size_t>(index)];
    switch (state)
    {
    case kEnabled:
        entry.enabled = true;
        break;
    case kDisabled:
        entry.enabled = false;
        break;
    case kChecked:
        entry.checked = true;
        break;
    case kUnchecked:
        entry.checked = false;
        break;
    default:
        break;
    }
}

void CORLOptionMenuWrapper::setCurrent(int32_t index)
{
    setViewValue(index);
}

int32_t CORLOptionMenuWrapper::getCurrent()
{
    return static_cast<int32_t>(std::lround(viewValue));
}

juce::PopupMenu CORLOptionMenuWrapper::buildMenu() const
{
    juce::PopupMenu menu;
    for (size_t i = 0; i < entries.size(); ++i)
    {
        const Entry& entry = entries[i];
        if (entry.style == 1)
            menu.addSectionHeader(entry.text);
        else if (entry.style == 2)
            menu.addSeparator();
        else
            menu.addItem(static_cast<int>(i) + 1, entry.text, entry.enabled, entry.checked);
    }
    return menu;
}

void CORLOptionMenuWrapper::choose(int itemId)
{
    if (itemId <= 0 || itemId > static_cast<int>(entries.size()))
        return;
    if (listener)
        listener->beginEdit(tag);
    viewValue = static_cast<float>(itemId - 1);
    if (listener)
        listener->valueChanged(tag, viewValue);
    if (listener)
        listener->endEdit(tag);
}

void CORLOptionMenuWrapper::removeAllEntries()
{
    entries.clear();
}

void CORLOptionMenuWrapper::mouseDown(const juce::MouseEvent& e)
{
    if (e.mods.isLeftButtonDown())
        popup();
}

void CORLOptionMenuWrapper::popup()
{
    if (entries.empty())
        return;
    juce::Component::SafePointer<CORLOptionMenuWrapper> self(this);
    buildMenu().showMenuAsync(juce::PopupMenu::Options().withTargetComponent(this),
                              [self](int result)
                              {
                                  if (self)
                                      self->choose(result);
                              });
}
} // namespace Orlund
