#include "CORLTextEditWrapper.h"

#include "ORLTextControl.h"

namespace Orlund
{
CORLTextEditWrapper::CORLTextEditWrapper(ORLBaseControl* c, CORLControlListener* l,
                                         ORLMasterGraphicalEngine* e)
    : CORLTextLabelWrapper(c, l, e)
{
    setInterceptsMouseClicks(true, false);
}

CORLTextEditWrapper::~CORLTextEditWrapper()
{
    if (box)
        box->onEnd = nullptr;
}

void CORLTextEditWrapper::mouseDown(const juce::MouseEvent& e)
{
    if (e.mods.isLeftButtonDown())
        beginEditing();
}

void CORLTextEditWrapper::beginEditing()
{
    auto* parent = getParentComponent();
    if (box || !parent)
        return;
    retired.reset();
    if (listener)
        listener->beginEdit(tag);

    const auto& textEdit = *static_cast<ORLTextControl*>(control.get());
    const auto place = ORLSystemBox::placeFor(textEdit.getRect(), getFont().getHeightInPoints());
    ORLSystemBox::Style style;
    style.font = getFont();
    style.textColor = getFontColor();
    style.justification = getJustification();
    // Taken at the window's scale, so the field's background stays as sharp as the panel.
    style.background = parent->createComponentSnapshot(
        place, false, juce::Component::getApproximateScaleFactorForComponent(parent));

    box = std::make_unique<ORLSystemBox>(getText(), style);
    box->onEnd = [this](bool taken) { endEditing(taken); };
    box->setBounds(place);
    parent->addAndMakeVisible(*box);
    box->grabKeyboardFocus();
}

void CORLTextEditWrapper::endEditing(bool taken)
{
    const juce::String result = box->getResultText();
    box->setVisible(false);
    if (auto* parent = box->getParentComponent())
        parent->removeChildComponent(box.get());
    retired = std::move(box);
    if (taken)
    {
        static_cast<ORLTextControl*>(control.get())->setText(result.toRawUTF8());
        reportValue();
    }
    if (listener)
        listener->endEdit(tag);
}
} // namespace Orlund
