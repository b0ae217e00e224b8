#pragma once

#include <string>
#include <vector>

#include "desktop/ControlId.h"

namespace veltrano {

// What every window of the desktop program lets its model do to it. The model decides, the
// view only shows: it never runs a handler on its own account.
//
// Texts are std::u16string (UTF-16), lines end in CR LF, as the model keeps them; positions are
// twips (15 twips are one pixel at 96 dpi). Each front converts to its toolkit's forms.
class WindowView {
  public:
    virtual ~WindowView() = default;

    // The caption of a label, button or check box.
    virtual void setCaption(ControlId control, const std::u16string& caption) = 0;
    virtual void setToolTip(ControlId control, const std::u16string& tip) = 0;
    virtual void setEnabled(ControlId control, bool enabled) = 0;
    virtual void setVisible(ControlId control, bool visible) = 0;
    // Moves a control; its size stays. Twips, relative to its parent's client area.
    virtual void setPosition(ControlId control, int left, int top) = 0;
    // Replaces the items of a list; no item is selected afterwards.
    virtual void setListItems(ControlId list, const std::vector<std::u16string>& items) = 0;
    // Selects an item by program. The view does not report this change back as the user's: the
    // model runs the list's click handler itself.
    virtual void setListIndex(ControlId list, int index) = 0;

    // The window's title bar.
    virtual void setWindowCaption(const std::u16string& caption) = 0;
    // Shows the window in the middle of the screen (its outer size counts).
    virtual void showCentred() = 0;
};

}  // namespace veltrano
