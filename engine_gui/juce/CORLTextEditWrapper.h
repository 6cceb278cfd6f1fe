#pragma once

#include "CORLTextLabelWrapper.h"
#include "ORLSystemBox.h"

namespace Orlund
{
// The text edit view (kind 11): shows its text like a label; a left press opens an
// ORLSystemBox over it for one edit. The taken text becomes the control's text and is
// reported, framed by the begin and end of the edit gesture. Main (UI) thread.
class CORLTextEditWrapper : public CORLTextLabelWrapper
{
  public:
    CORLTextEditWrapper(ORLBaseControl* control, CORLControlListener* listener,
                        ORLMasterGraphicalEngine* engine);
    ~CORLTextEditWrapper() override;

    void mouseDown(const juce::MouseEvent& e) override;
    // Opens the field (does nothing while one is open or the view is not in a panel).
    void beginEditing() override;
    ORLSystemBox* getSystemBox() const { return box.get(); }

  private:
    void endEditing(bool taken);

    std::unique_ptr<ORLSystemBox> box;
    // A field that has ended; freed at the next edit, never inside its own callback.
    std::unique_ptr<ORLSystemBox> retired;
};
} // namespace Orlund
