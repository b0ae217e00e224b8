#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CliOptions.h"
#include "engine/RunState.h"

namespace veltrano {

// veltrano-cli from its arguments to its exit status: the route folder check, the start-up
// test for world files and one correction run, with the protocol printed at the end.
class CliProgram {
  public:
    // `errorIsTerminal`: the error stream is a terminal, so the live status line and the
    // duration are shown there.
    CliProgram(std::ostream& output, std::ostream& errorOutput, bool errorIsTerminal)
        : m_output(output), m_errorOutput(errorOutput), m_errorIsTerminal(errorIsTerminal) {}

    // `arguments` are those after the program name.
    int run(const std::vector<std::string>& arguments);

  private:
    // What a restore, a listing and a run start with; holds the route's state once it passed.
    struct CheckedRoute;

    int correctPickups(const CliOptions& options);
    int listBackups(const CliOptions& options);
    int restoreRun(const CliOptions& options);
    // The route folder check as at the start of a run. Empty when the folder passed; otherwise
    // the exit status, the message already on the error stream.
    std::optional<int> checkRoute(const CliOptions& options, CheckedRoute& route);
    void printProtocol(const CliOptions& options, const RunState& state,
                       const std::vector<std::u16string>& problems);

    std::ostream& m_output;
    std::ostream& m_errorOutput;
    bool m_errorIsTerminal;
};

}  // namespace veltrano
