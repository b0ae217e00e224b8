#include "cli/TerminalProgramControl.h"

#include "platform/TextCodec.h"

namespace veltrano {

void TerminalProgramControl::showMessage(const std::u16string& text) {
    m_errorStream << TextCodec::toUtf8(text);
    m_errorStream.flush();
}

void TerminalProgramControl::endProgram(int exitStatus) {
    m_ended = true;
    m_exitStatus = exitStatus;
}

}  // namespace veltrano
