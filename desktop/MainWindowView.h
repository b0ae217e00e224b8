#pragma once

#include <string>

#include "desktop/WindowView.h"

namespace veltrano {

class HelpWindow;
class HelpWindowView;
class LanguageWindow;

// frmHaupt as its model sees it. Besides the controls every window has, the main window has two
// timers, the protocol box txtAnzeige, the busy pointer, the message box and the end of the
// program, and it makes the other two windows.
//
// Texts are std::u16string (UTF-16) with CR LF line ends, positions twips (see WindowView).
// Events come back as calls on MainWindow (see there).
class MainWindowView : public WindowView {
  public:
    // Timer1 or tmrBlinken: ticks every `milliseconds` from now on; 0 stops the timer.
    virtual void setTimerInterval(ControlId timer, int milliseconds) = 0;

    // The protocol box: its whole text (CR LF line ends, whatever the toolkit keeps).
    virtual std::u16string boxText() = 0;
    // Puts `text` in front of the box text. Afterwards the caret and the view stand at the
    // start, where the newest lines are.
    virtual void insertAtBoxFront(const std::u16string& text) = 0;
    // Replaces the box text; caret and view at the start as after an insert.
    virtual void replaceBoxText(const std::u16string& text) = 0;
    // Selects the whole text of a text box.
    virtual void selectAllText(ControlId box) = 0;

    // The hourglass over the window while a run works.
    virtual void setBusyPointer(bool busy) = 0;
    // Asks for the window to be painted anew (at the next chance to paint).
    virtual void repaint() = 0;
    // Runs the events that are waiting (input, timers, paints), then returns.
    virtual void processPendingEvents() = 0;

    // Makes the language window, bound to `window` so its events reach that model, and calls
    // window.show(view); that returns when OK has closed it. The front then destroys it.
    virtual void openLanguageWindowModally(LanguageWindow& window) = 0;
    // Makes the help window, bound to `window`, hidden. Called once per program run; the view
    // lives as long as the main window.
    virtual HelpWindowView& createHelpWindow(HelpWindow& window) = 0;

    // A modal box with `text`, an OK button only, no icon, caption "Veltrano"; returns when
    // the user has closed it.
    virtual void showMessage(const std::u16string& text) = 0;
    // Ends the process at once with `exitStatus`: no further handler of any window runs. A test
    // view records it and returns; the model then returns at once.
    virtual void endProgram(int exitStatus) = 0;
};

}  // namespace veltrano
