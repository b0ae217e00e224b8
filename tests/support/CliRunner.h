#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace veltrano::test {

// How veltrano-cli is started: where, with what, and under which limits.
struct CliStart {
    std::vector<std::string> arguments;
    std::string workingDirectory;  // empty: the test's own
    // Larger files cannot be written (write(2) fails with EFBIG); negative: no limit.
    long long fileSizeLimit = -1;
    // Started as the unprivileged user "nobody", whom permission bits do stop.
    bool unprivileged = false;
    // The program to start; empty: the veltrano-cli of this build.
    std::string program;
};

// What became of a finished veltrano-cli.
struct CliResult {
    int exitStatus = -1;     // -1 when it ended by a signal
    int signal = 0;          // the signal that ended it, or 0
    std::string out;         // stdout
    std::string err;         // stderr
    long maxResidentKb = 0;  // peak memory
};

// Runs the built veltrano-cli as a separate process, stdout and stderr to pipes (so neither is
// a terminal, as in a script).
class CliRunner {
  public:
    CliResult run(const CliStart& start);
    // Starts it and returns at once; finish() waits for it.
    pid_t launch(const CliStart& start);
    CliResult finish(pid_t process);

    // The user id of "nobody", the one unprivileged runs use.
    static constexpr uid_t kNobody = 65534;

  private:
    // The read ends of stdout and stderr of each launched program.
    std::map<pid_t, std::pair<int, int>> m_pipes;
};

}  // namespace veltrano::test
