#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"

namespace veltrano {

// veltrano-cli from its arguments to its exit status: the route folder check, the start-up
// test for world files and one correction run, with the protocol printed at the end.
class CliProgram {
  public:
    static constexpr int kExitCompleted = 0;
    static constexpr int kExitFileError = 1;
    static constexpr int kExitRouteFolderUnusable = 2;
    static constexpr int kExitBadCommandLine = 64;

    // `errorIsTerminal`: the error stream is a terminal, so the live status line and the
    // duration are shown there.
    CliProgram(std::ostream& output, std::ostream& errorOutput, bool errorIsTerminal)
        : m_output(output), m_errorOutput(errorOutput), m_errorIsTerminal(errorIsTerminal) {}

    // `arguments` are those after the program name.
    int run(const std::vector<std::string>& arguments);

  private:
    int correctPickups(const CliOptions& options);

    std::ostream& m_output;
    std::ostream& m_errorOutput;
    bool m_errorIsTerminal;
};

}  // namespace veltrano
