#pragma once

#include "desktop/WindowView.h"

namespace veltrano {

// frmHilfe as its model sees it: two pictures, one per language (their content comes from
// HelpPictureContent). Modeless, with a close button; when the user closes it the front hides
// it and calls HelpWindow::Form_Unload.
class HelpWindowView : public WindowView {
  public:
    // Shows the window where it stands and brings it in front of the others.
    virtual void bringToFront() = 0;
};

}  // namespace veltrano
