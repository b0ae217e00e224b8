#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/CorrectionRun.h"
#include "tests/faults/FaultyFileSystem.h"

namespace veltrano::test {

// What veltrano-cli does with a route folder, step for step (route check, world-file test, one
// correction run), on a file system with faults injected, and what came of it.
struct InjectedRun {
    // Runs in English or German with the fixed test clock.
    static InjectedRun start(const std::string& routeFolder, bool german,
                             const std::vector<Fault>& faults);

    // The route check or the world-file test refused the folder (veltrano-cli: exit 2).
    bool unusable = false;
    std::string message;  // the message then shown, UTF-8
    int endStatus = -1;

    RunResult result;
    std::vector<std::string> problems;  // the run's "*** ..." lines, UTF-8, oldest first
    std::string protocol;               // UTF-8, newest first as kept
    // After the run: not running, the animation stopped, the normal pointer back.
    bool frontIdle = false;

    std::vector<FileCall> calls;
    std::size_t faultsFired = 0;

    // veltrano-cli's exit status for this outcome.
    int exitStatus() const;
};

// The frame the protocol starts with after every run that reached its end: the equals line,
// the END line with the test clock's date and time, and "ready!".
std::string readyFrame(bool german);

}  // namespace veltrano::test
