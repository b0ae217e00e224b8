#pragma once

#include <string>
#include <vector>

#include "engine/BackupCatalogue.h"
#include "engine/RunContext.h"

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
    struct Target {
        std::u16string extension;
        std::string path;
        const BackupCopy* source = nullptr;  // null: unchanged since the run, stays as it is
        std::string backupPath;
        bool replaced = false;
    };

    RestoreResult finish(RestoreOutcome outcome);
    void reportNoSuchRun(const std::string& stamp, const BackupCatalogue& catalogue);
    Target target(const char16_t* extension, const BackupCatalogue& catalogue,
                  std::size_t firstRun) const;
    bool checksPass(const Target& itemTable, const Target& database);
    bool backupNamesAreFree(const BackupCatalogue& catalogue, const Target& first);
    bool putBack(Target& file);
    void undo(Target& itemTable);
    void prependLine(const std::u16string& line);

    RunContext m_context;
};

}  // namespace veltrano
