#include "ORLFrame.h"

#include "CORLArtworkPainter.h"
#include "CORLConversions.h"
#include "CORLFontWrapper.h"
#include "ORLSharedFonts.h"

namespace Orlund
{
namespace
{
constexpr int32_t kMouseBits = 0x30E;
constexpr int32_t kKeyBits = 0xF0;

juce::Component* innermostAt(juce::Component& parent, juce::Point<int> p,
                             const juce::Component* skip)
{
    for (int i = parent.getNumChildComponents(); --i >= 0;)
    {
        juce::Component* child = parent.getChildComponent(i);
        if (child == skip || !child->isVisible() || !child->getBounds().contains(p))
            continue;
        return innermostAt(*child, p - child->getPosition(), skip);
    }
    return &parent;
}
} // namespace

ORLFrame::ORLFrame(int width, int height, juce::Colour background) : backgroundColour(background)
{
    setSize(width, height);
    setOpaque(true);
    addMouseListener(this, true);
    hint.setInterceptsMouseClicks(false, false);
    addChildComponent(hint);
}

ORLFrame::~ORLFrame()
{
    removeMouseListener(this);
}

void ORLFrame::setBackgroundImage(const CORLBitmap& image)
{
    backgroundImage = image;
    repaint();
}

void ORLFrame::paint(juce::Graphics& g)
{
    g.fillAll(backgroundColour);
    paintArtwork(g, *this, backgroundImage, backgroundImage.getImage().getBounds(), {});
}

ORLPoint ORLFrame::getPointerPosition()
{
    const auto p = getMouseXYRelative();
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

int32_t ORLFrame::getCurrentButtons()
{
    const auto mods = juce::ModifierKeys::getCurrentModifiersRealtime();
    int32_t state = 0;
    if (mods.isLeftButtonDown())
        state |= kORLLeftButton;
    if (mods.isMiddleButtonDown())
        state |= kORLMiddleButton;
    if (mods.isRightButtonDown())
        state |= kORLRightButton;
    if (mods.isShiftDown())
        state |= kORLShift;
    if (mods.isCtrlDown())
        state |= kORLControl;
    if (mods.isAltDown())
        state |= kORLAlt;
    return (state & kMouseBits & lastButtons) | (state & kKeyBits);
}

const void* ORLFrame::findViewAt(ORLPoint p)
{
    return innermostAt(*this, {static_cast<int>(p.x), static_cast<int>(p.y)}, &hint);
}

std::string ORLFrame::getTooltip(const void* view)
{
    auto* component = static_cast<juce::Component*>(const_cast<void*>(view));
    if (auto* client = dynamic_cast<juce::TooltipClient*>(component))
        return client->getTooltip().toStdString();
    return {};
}

void ORLFrame::HintBubble::paint(juce::Graphics& g)
{
    g.fillAll(juce::Colour(255, 255, 225));
    g.setColour(juce::Colour(100, 100, 100));
    g.drawRect(getLocalBounds());
    g.setColour(juce::Colours::black);
    g.setFont(fontOf(ORLGetSharedFont(12)));
    g.drawText(text, getLocalBounds().reduced(4, 0), juce::Justification::centredLeft, true);
}

void ORLFrame::showHint(const std::string& text, const ORLRect& area)
{
    // Like a system tooltip: under the pointer's hint area, kept inside the window.
    hint.text = toJuceText(text.c_str());
    const juce::Font font = fontOf(ORLGetSharedFont(12));
    const int width = juce::jmin(getWidth(), font.getStringWidth(hint.text) + 10);
    const int height = 18;
    int x = static_cast<int>(area.left);
    int y = static_cast<int>(area.bottom) + 4;
    x = juce::jlimit(0, juce::jmax(0, getWidth() - width), x);
    if (y + height > getHeight())
        y = static_cast<int>(area.top) - height - 2;
    hint.setBounds(x, y, width, height);
    hint.toFront(false);
    hint.setVisible(true);
    hint.repaint();
}

void ORLFrame::hideHint()
{
    hint.setVisible(false);
}

void ORLFrame::notePointer(int32_t buttons)
{
    pointerInside = 1;
    lastButtons = buttons;
}

void ORLFrame::notePointerLeft()
{
    pointerInside = 0;
    lastButtons = 0;
}

void ORLFrame::mouseEnter(const juce::MouseEvent& e)
{
    notePointer(toButtonState(e, false));
}

void ORLFrame::mouseMove(const juce::MouseEvent& e)
{
    notePointer(toButtonState(e, false));
}

void ORLFrame::mouseDown(const juce::MouseEvent& e)
{
    notePointer(toButtonState(e, false));
}

void ORLFrame::mouseDrag(const juce::MouseEvent& e)
{
    notePointer(toButtonState(e, false));
}

void ORLFrame::mouseUp(const juce::MouseEvent&)
{
    notePointer(0);
}

void ORLFrame::mouseExit(const juce::MouseEvent& e)
{
    // Moving from one view to another also exits a view; only leaving the window counts.
    if (!getLocalBounds().contains(e.getEventRelativeTo(this).getPosition()))
        notePointerLeft();
}
} // namespace Orlund
