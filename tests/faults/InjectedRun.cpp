#include "tests/faults/InjectedRun.h"

#include "app/FolderListing.h"
#include "app/RouteFolderCheck.h"
#include "app/WorldFileTest.h"
#include "cli/CliProgram.h"
#include "platform/TextCodec.h"
#include "tests/support/FakeRunHost.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RecordingProgramControl.h"

namespace veltrano::test {

InjectedRun InjectedRun::start(const std::string& routeFolder, bool german,
                               const std::vector<Fault>& faults) {
    RunState state;
    state.gstrRoutePath = routeFolder;
    state.gstrLanguage = german ? "deutsch" : "english";
    state.gstrSaveFolder = german ? u"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur"
                                  : u"_Saved_tdb_und_tit_files_before_pickup_correction";
    FaultyFileSystem fileSystem;
    for (const Fault& fault : faults) {
        fileSystem.inject(fault);
    }

    InjectedRun outcome;
    FolderListing listing(fileSystem);
    RecordingProgramControl program;
    RouteFolderCheck check(state, listing, fileSystem, program);
    if (!check.subCheckRouteFolder(false) ||
        !WorldFileTest(state, listing, fileSystem, program).passes()) {
        outcome.unusable = true;
        outcome.message =
            program.messages.empty() ? "" : TextCodec::toUtf8(program.messages.back());
        outcome.endStatus = program.endStatus;
    } else {
        FixedClock clock;
        FakeRunHost host(state, fileSystem);
        outcome.result = CorrectionRun(state, host, fileSystem, clock).run();
        if (outcome.result.outcome == RunOutcome::RouteFolderUnusable) {
            outcome.unusable = true;
            outcome.message = host.program.messages.empty()
                                  ? ""
                                  : TextCodec::toUtf8(host.program.messages.back());
            outcome.endStatus = host.program.endStatus;
        }
        for (const std::u16string& line : outcome.result.problems) {
            outcome.problems.push_back(TextCodec::toUtf8(line));
        }
        outcome.protocol = TextCodec::toUtf8(state.gstrProtokoll.text());
        outcome.frontIdle = !state.gblnRunning && !host.animationIntervals.empty() &&
                            host.animationIntervals.back() == 0 && !host.busyPointer.empty() &&
                            !host.busyPointer.back();
    }
    outcome.calls = fileSystem.calls();
    outcome.faultsFired = fileSystem.faultsFired();
    return outcome;
}

int InjectedRun::exitStatus() const {
    if (unusable) {
        return CliProgram::kExitRouteFolderUnusable;
    }
    return result.outcome == RunOutcome::FileError ? CliProgram::kExitFileError
                                                   : CliProgram::kExitCompleted;
}

std::string readyFrame(bool german) {
    return std::string(151, '=') + "\r\n" +
           (german ? "--- ENDE 04.12.2026 06:10:23 " + std::string(122, '-')
                   : "--- END 04.12.2026 06:10:23 " + std::string(123, '-')) +
           "\r\n\r\n" + (german ? "fertig!" : "ready!") + "\r\n\r\n";
}

}  // namespace veltrano::test
