#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "desktop/ControlTable.h"
#include "win32/DisplayScale.h"
#include "win32/PictureControl.h"
#include "win32/ToolTips.h"

namespace veltrano {

// The native controls of one window, made from the control table: each at its design place
// at the window's resolution, with its id, font, colours, caption, list items and visibility.
// The window's view sets them through here; their events reach the window that owns them.
class ChildControls {
  public:
    ChildControls(WindowId window, HWND parent, const DisplayScale& scale);

    HWND handle(ControlId control) const;
    // The control a native control or frame is, if it is one of this window's.
    std::optional<ControlId> controlOf(HWND native) const;
    // The control after (or before) `focused` in the tab order that can take the focus now:
    // visible and enabled. The order wraps; the first (last) when `focused` is none of them.
    HWND nextInTabOrder(HWND focused, bool backwards) const;

    void setCaption(ControlId control, const std::u16string& caption);
    void setToolTip(ControlId control, const std::u16string& tip);
    void setEnabled(ControlId control, bool enabled);
    void setVisible(ControlId control, bool visible);
    void setPosition(ControlId control, int leftTwips, int topTwips);
    // Every control placed, sized and given its font anew at another resolution.
    void layOut(const DisplayScale& scale);
    void setListItems(ControlId list, const std::vector<std::u16string>& items);
    void setListIndex(ControlId list, int index);
    // What an Image or PictureBox shows.
    void setPainter(ControlId picture, PictureControl::Painter painter);

    // The answer to WM_CTLCOLOREDIT and WM_CTLCOLORSTATIC: the control's own colours set on
    // the device context and its background brush, or nullptr where it has the system's.
    HBRUSH colours(HWND native, HDC dc);

  private:
    void create(const ControlDesign& design);
    HWND createNative(const ControlDesign& design, HWND parent);
    // The native window's place: a drop-down list's includes its open list.
    RECT nativePlace(const ControlDesign& design) const;
    void setFont(const ControlDesign& design);
    HBRUSH brush(COLORREF colour);

    HWND m_parent;
    DisplayScale m_scale;
    // Each control's place as the design gives it and the program has moved it.
    std::array<TwipsRect, kControlCount> m_places{};
    // This window's controls that take the focus, in tab order.
    std::vector<ControlId> m_tabOrder;
    ToolTips m_tips;
    std::array<HWND, kControlCount> m_handles{};
    std::array<std::unique_ptr<PictureControl>, kControlCount> m_pictures;
    std::map<COLORREF, HBRUSH> m_brushes;
};

}  // namespace veltrano
