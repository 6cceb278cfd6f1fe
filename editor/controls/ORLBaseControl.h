#pragma once

#include "ORLDrawContext.h"
#include "ORLGraphicsTypes.h"

#include <cstdint>
#include <memory>

class ORLBitmap;
class ORLEngineView;

// Which toolkit view the engine layer builds for a control.
enum ORLControlKind : int32_t
{
    kORLKindOnOffButton = 2,
    kORLKindKnob = 5,
    kORLKindKickButton = 8,
    kORLKindTextLabel = 10,
    kORLKindTextEdit = 11,
    kORLKindOptionMenu = 12,
    kORLKindMovieMeter = 13,
};

// Common data and default behaviour of the maker's controls. A control knows its rectangle,
// value, image, tag and hint, draws itself through an ORLDrawContext and reacts to the mouse;
// it knows nothing of the toolkit. Its requests (redraw, value change, hint, size) go through
// its ORLEngineView link, and every one is skipped while the control has no link.
// Main (UI) thread only.
class ORLBaseControl
{
  public:
    static constexpr int32_t kHintCapacity = 512;

    // Remembers the image (may be null) for the control's lifetime.
    ORLBaseControl(const ORLRect& rect, int32_t tag, ORLBitmap* image, int32_t kind);
    virtual ~ORLBaseControl();
    ORLBaseControl(const ORLBaseControl&) = delete;
    ORLBaseControl& operator=(const ORLBaseControl&) = delete;

    virtual void setDefaultValue(double value);
    virtual double getDefaultValue();
    // Keeps left and top; width and height become the initial ones times the factor.
    virtual void scale(double factor);
    virtual void draw(ORLDrawContext& context);
    virtual int32_t onMouseDown(ORLPoint where, int32_t buttons);
    virtual int32_t onMouseMoved(ORLPoint where, int32_t buttons);
    virtual int32_t onMouseUp(ORLPoint where, int32_t buttons);
    virtual int32_t onMouseEntered(ORLPoint where, int32_t buttons);
    virtual int32_t onMouseExited(ORLPoint where, int32_t buttons);
    // distance in wheel notches, positive for turning the wheel away from the user.
    virtual bool onWheel(ORLPoint where, double distance, int32_t buttons);

    // Hands v unchanged to the view, then stores it clamped to 0 to 1.
    void setValue(double v);
    double getValue() const { return value; }
    // Keeps at most 511 bytes of the text; null empties the hint. The view shows it as tooltip.
    void setHint(const char* text);
    // The hint text, "" before the first setHint.
    const char* getHint() const;

    int32_t getTag() const { return tag; }
    int32_t getKind() const { return kind; }
    const ORLRect& getRect() const { return rect; }
    ORLBitmap* getImage() const { return image; }
    ORLColor getBackgroundColor() const { return backgroundColor; }
    void setBackgroundColor(ORLColor color) { backgroundColor = color; }
    bool getHostMouseDown() const { return hostMouseDown != 0; }
    void setHostMouseDown(bool offer) { hostMouseDown = offer ? 1 : 0; }

    // Set by the engine layer when it hosts the control in a view, cleared when the view goes.
    void setEngineView(ORLEngineView* view) { engineView = view; }
    ORLEngineView* getEngineView() const { return engineView; }

    // Marks the control's view for redrawing.
    void redraw();

  protected:
    // After every change the user makes: value change to the view, then redraw.
    void notifyAndRedraw();
    static double clampUnit(double v);

    ORLColor backgroundColor{0, 0, 0, 0};
    ORLBitmap* image = nullptr;
    ORLRect rect;
    double value = 0.5;
    int32_t tag;
    int32_t kind;
    double defaultValue;
    uint8_t hostMouseDown = 1;
    ORLEngineView* engineView = nullptr;
    std::unique_ptr<char[]> hint;
    ORLRect initialRect;
};
