#pragma once

#include <string>

#include "app/ProgramControl.h"

namespace veltrano {

class MainWindowView;

// Message boxes and the end of the desktop program, as the start-up checks ask for them; both
// go to the main window's view. Ending the program ends the process at once.
class DesktopProgramControl : public ProgramControl {
  public:
    explicit DesktopProgramControl(MainWindowView& view) : m_view(view) {}

    void showMessage(const std::u16string& text) override;
    void endProgram(int exitStatus) override;

  private:
    MainWindowView& m_view;
};

}  // namespace veltrano
