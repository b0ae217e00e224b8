#include "desktop/DesktopProgramControl.h"

#include "desktop/MainWindowView.h"

namespace veltrano {

void DesktopProgramControl::showMessage(const std::u16string& text) {
    m_view.showMessage(text);
}

void DesktopProgramControl::endProgram(int exitStatus) {
    m_view.endProgram(exitStatus);
}

}  // namespace veltrano
