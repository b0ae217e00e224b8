#pragma once

#include <string>
#include <vector>

namespace veltrano::test {

// How veltrano-cli is started.
struct CliStart {
    std::vector<std::string> arguments;
    std::string workingDirectory;  // empty: the test's own
};

// What became of a finished veltrano-cli.
struct CliResult {
    int exitStatus = -1;  // -1 when it ended by a signal
    std::string out;      // stdout
    std::string err;      // stderr
};

// Runs the built veltrano-cli as a separate process, stdout and stderr to pipes (so neither is
// a terminal, as in a script).
class CliRunner {
  public:
    CliResult run(const CliStart& start);
};

}  // namespace veltrano::test
