#pragma once

#include "CORLEngineViewLink.h"
#include "CORLGraphicsContext.h"

namespace Orlund
{
// The generic control view (kinds 1 to 9 and 13): forwards drawing, mouse and wheel to its
// control and is the control's draw context during its draw pass. Mouse states reach the
// control masked with 0x7FE; a press is then offered to the host when the control asks for
// it. Main (UI) thread.
class CORLBaseControlWrapper : public CORLEngineViewLink<ORLEngineView>,
                               public CORLGraphicsContext<ORLDrawContext>
{
  public:
    CORLBaseControlWrapper(ORLBaseControl* control, CORLControlListener* listener,
                           ORLMasterGraphicalEngine* engine);

    void paint(juce::Graphics& g) override;
    void mouseDown(const juce::MouseEvent& e) override;
    void mouseDrag(const juce::MouseEvent& e) override;
    void mouseMove(const juce::MouseEvent& e) override;
    void mouseUp(const juce::MouseEvent& e) override;
    void mouseEnter(const juce::MouseEvent& e) override;
    void mouseExit(const juce::MouseEvent& e) override;
    void mouseWheelMove(const juce::MouseEvent& e, const juce::MouseWheelDetails& w) override;

    // The toolkit's events as the control sees them: panel pixels and button-state bits
    // (masked with 0x7FE here). Answers whether the toolkit should count them as handled.
    bool handleMouseDown(ORLPoint where, int32_t buttons);
    bool handleMouseMoved(ORLPoint where, int32_t buttons);
    bool handleMouseUp(ORLPoint where, int32_t buttons);
    bool handleWheel(ORLPoint where, double notches, int32_t buttons);

  private:
    // Whether the control wanted the moves and the release of the current press.
    bool tracking = false;
};
} // namespace Orlund
