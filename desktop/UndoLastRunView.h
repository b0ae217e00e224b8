#pragma once

#include <string>

#include "app/ProgramControl.h"

namespace veltrano {

class LanguageWindow;

// What undoing the last run needs from a desktop front: the language window as at start-up, a
// question, and the message box and program end every start-up check uses.
class UndoLastRunView : public ProgramControl {
  public:
    // Makes the language window, bound to `window`, and calls window.show(view); that returns
    // when OK has closed it.
    virtual void openLanguageWindowModally(LanguageWindow& window) = 0;
    // A modal box with `text`, Yes and No buttons, Yes the default so Enter answers yes; no
    // icon, caption "Veltrano". True for Yes.
    virtual bool askYesNo(const std::u16string& text) = 0;
};

}  // namespace veltrano
