#pragma once

#include <span>

#include "desktop/ControlId.h"

namespace veltrano {

enum class WindowId { frmHaupt, frmLang, frmHilfe };

enum class ControlKind {
    PictureBox,  // a coloured frame that holds other controls and takes the focus in turn
    CommandButton,
    Label,
    TextBox,   // multi-line, vertical scroll bar, lines wrap
    ComboBox,  // drop-down list, no typing
    CheckBox,  // the tick box stands to the right of its caption
    Image,     // a picture without a frame; the front draws its content
    Timer,     // no window of its own
};

// A twips rectangle: left, top relative to the parent's client area.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

// 0xRRGGBB, or kSystemColour for the toolkit's own colour.
constexpr int kSystemColour = -1;

enum class FontId {
    Dialog,    // the default dialog face, "MS Sans Serif" (fronts may stand in)
    Protocol,  // "Courier New", normal weight
};

// One control as the window design gives it. Texts are UTF-16.
struct ControlDesign {
    ControlId id;
    const char* name;
    ControlKind kind;
    WindowId window;
    // The PictureBox that holds it; the control's own id when it stands on the window itself.
    ControlId parent;
    TwipsRect place;
    // Position in the tab order of its window; -1 takes no focus.
    int tabIndex;
    int backColour;
    int foreColour;
    FontId font;
    const char16_t* caption;
    // The design list items (lists only).
    std::span<const char16_t* const> items;
    bool visible;
    // Design interval in ms (timers only); 0 is stopped.
    int interval;

    bool onWindow() const { return parent == id; }
};

struct WindowDesign {
    WindowId id;
    const char* name;
    int clientWidth;  // twips
    int clientHeight;
    const char16_t* caption;
};

// The design of the three windows, from which every front creates its controls.
class ControlTable {
  public:
    static const ControlDesign& control(ControlId id);
    // Every control, in ControlId order.
    static std::span<const ControlDesign> controls();
    static const WindowDesign& window(WindowId id);
    // The size of a font in points, for every front alike.
    static double points(FontId font);
};

}  // namespace veltrano
