#pragma once

#include <string>
#include <vector>

namespace veltrano::test {

struct CliResult {
    int exitStatus;  // -1 when it ended by a signal or did not end in time
    std::string out, err;
};

// The built veltrano-cli started as a script starts it, in `folder` (empty: the test's own),
// reading nothing, its stdout and stderr going to files, so neither is a terminal. Through the
// shell on POSIX; with CreateProcessW on Windows, each word quoted as its C runtime reads it.
CliResult runCli(const std::vector<std::string>& arguments, const std::string& folder = "");

}  // namespace veltrano::test
