#pragma once

#include "desktop/WindowView.h"

namespace veltrano {

// frmLang as its model sees it: a list and an OK button. Escape and the window manager's close
// do nothing; only the model closes it.
//
// showCentred() shows the window modally: it returns once closeWindow() has been called from
// one of its event handlers.
class LanguageWindowView : public WindowView {
  public:
    // Ends the modal showing.
    virtual void closeWindow() = 0;
};

}  // namespace veltrano
