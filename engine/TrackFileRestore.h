#pragma once

#include <string>
#include <vector>

#include "engine/BackupCatalogue.h"
#include "engine/RunContext.h"
#include "engine/TrackFilePair.h"

namespace veltrano {

enum class RestoreOutcome {
    Completed,  // the files are as they were before the chosen run (or would be: dry run)
    FileError,  // a check, read, backup or write failed; each track file is old or new whole
    NoSuchRun   // no run made a copy with that stamp; nothing was changed
};

struct RestoreResult {
    RestoreOutcome outcome = RestoreOutcome::Completed;
    // The "*** ..." lines, oldest first, without line ends.
    std::vector<std::u16string> problems;
};

// Puts a route's track files back as they were just before the run with a given stamp: each
// file gets its earliest copy made by that run or a later one. The current state of a file is
// backed up first, the usual way, so a restore is itself undone by another restore; the .tit
// is replaced first, and put back when the .tdb cannot follow. Its lines go into the protocol.
class TrackFileRestore {
  public:
    // `state` carries the route folder, the RouteID, the language and its backup folder.
    TrackFileRestore(RunState& state, RunHost& host, FileSystem& fileSystem, const Clock& clock,
                     bool dryRun)
        : m_context{state, host, fileSystem, clock, RunOptions{dryRun, false}, {}} {}

    RestoreResult restore(const std::string& stamp);

  private:
    // The earliest copy of a file made by the run `firstRun` or a later one; null when no run
    // since changed it, so it stays as it is.
    static const BackupCopy* sourceOf(const TrackFile& file, const BackupCatalogue& catalogue,
                                      std::size_t firstRun);
    RestoreResult finish(RestoreOutcome outcome);
    void reportNoSuchRun(const std::string& stamp, const BackupCatalogue& catalogue);
    bool checksPass(TrackFilePair& files, const BackupCopy* titSource, const BackupCopy* tdbSource);
    bool backupNamesAreFree(const BackupCatalogue& catalogue, const TrackFile& first);
    bool putBack(TrackFilePair& files, TrackFile& file, const BackupCopy& source);
    void prependLine(const std::u16string& line);

    RunContext m_context;
};

}  // namespace veltrano
