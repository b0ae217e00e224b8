#pragma once

#include <chrono>
#include <future>
#include <string>
#include <utility>
#include <vector>

#include "engine/CorrectionRun.h"
#include "engine/ProtocolTexts.h"
#include "engine/RunHost.h"
#include "engine/RunState.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace veltrano {

// What every phase of a run works with, handed down by CorrectionRun.
struct RunContext {
    RunState& state;
    RunHost& host;
    FileSystem& fileSystem;
    const Clock& clock;
    RunOptions options;
    // The "*** ..." lines of this run, oldest first, without line ends.
    std::vector<std::u16string> problems;

    // Puts a problem line in front of the protocol: `line` CR LF, or, during the track
    // database pass, CR LF `line` (the count line above it has no line end of its own).
    void reportProblem(const std::u16string& line, bool duringCatalogue = false);
    // The file error lines, naming the file as built and the operating system's cause.
    void reportReadFailure(const std::string& path, const IoResult& failure,
                           bool duringCatalogue = false);
    // That line alone, in the state's language, for a caller outside a run.
    static std::u16string readFailureLine(const RunState& state, const std::string& path,
                                          const IoResult& failure);
    // `fileUnchanged`: the write failed before the file was touched (otherwise the line ends
    // after the cause).
    void reportWriteFailure(const std::string& path, const IoResult& failure, bool fileUnchanged);
    void show() { host.showProtocol(state.gstrProtokoll); }
    // Runs `step` on a helper thread and passes yield points while it works, so the window
    // stays live through a step that cannot be cut into pieces (reading, decoding, copying or
    // writing and flushing a whole track file). The step touches only what it is given and
    // returns; the run state and the protocol stay on this thread.
    template <typename Step>
    auto whileYielding(Step&& step) {
        auto result = std::async(std::launch::async, std::forward<Step>(step));
        while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
            host.yieldToEvents();
        }
        return result.get();
    }
    // The protocol's lines in the current language.
    ProtocolTexts texts() const { return ProtocolTexts(state.isGerman()); }
};

}  // namespace veltrano
