#pragma once

#include <string>
#include <vector>

#include "engine/RunHost.h"
#include "engine/RunState.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace veltrano {

struct RunContext;

struct RunOptions {
    // The whole run without any backup, temporary file or write.
    bool dryRun = false;
    // World files stored as UTF-16 text, compressed text, binary or compressed binary are
    // decoded into an 8-bit text and scanned as that. Otherwise every file is read as 8-bit
    // text: one in another form counts as compressed, except an uncompressed binary file,
    // which passes the header test and yields no pickup.
    bool readAllWorldFiles = false;
};

enum class RunOutcome {
    Completed,           // the run reached its end normally
    FileError,           // a file error ended the run in order (END frame written)
    RouteFolderUnusable  // the silent route check failed; nothing was read or written
};

struct RunResult {
    RunOutcome outcome = RunOutcome::Completed;
    // The "*** ..." lines this run put into the protocol, oldest first, without line ends.
    std::vector<std::u16string> problems;
};

// One correction run, from the start frame through the three phases to the end frame.
class CorrectionRun {
  public:
    CorrectionRun(RunState& state, RunHost& host, FileSystem& fileSystem, const Clock& clock,
                  RunOptions options = {});

    RunResult run();

  private:
    void startArrays();
    void writeStartFrame();
    bool runPhases(RunContext& context);
    void writeEndFrame();

    RunState& m_state;
    RunHost& m_host;
    FileSystem& m_fileSystem;
    const Clock& m_clock;
    RunOptions m_options;
};

}  // namespace veltrano
