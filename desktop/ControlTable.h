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
    Dialog,    // the default dialog face of buttons, lists and labels
    Protocol,  // the fixed-pitch face of the protocol box and the help pictures' lines
};

// A font as the design names it. Texts are UTF-16.
struct FontDesign {
    const char16_t* face;
    // Faces of the same look, in order, for a system that lacks the design's face.
    std::span<const char16_t* const> standIns;
    double points;
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
    // Face and size of a font, for every front alike.
    static const FontDesign& font(FontId font);
    static double points(FontId id) { return font(id).points; }
};

}  // namespace veltrano
