#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/FolderListing.h"
#include "app/RouteFolderCheck.h"
#include "engine/BackupCatalogue.h"
#include "engine/RunState.h"
#include "engine/WindowlessRunHost.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

namespace veltrano {

class UndoLastRunView;

// The desktop program started to undo the route's last run: the language window as at
// start-up, the route folder check, then a question naming the newest run in the route's
// backup folders (both languages') and its track files. Yes puts the files back as a restore
// of that run does, the current files backed up first; the outcome is shown in a message box.
// The program ends with the exit status veltrano-cli would give.
class UndoLastRun : private WindowlessRunHost {
  public:
    // With the real file system and clock, on the folder the program was started in.
    explicit UndoLastRun(UndoLastRunView& view);
    // With the given services, which must outlive this object.
    UndoLastRun(UndoLastRunView& view, FileSystem& fileSystem, const Clock& clock,
                std::string routePath);
    ~UndoLastRun() override;
    UndoLastRun(const UndoLastRun&) = delete;
    UndoLastRun& operator=(const UndoLastRun&) = delete;

    // The whole undo, up to the end of the program through the view.
    void run();

  private:
    UndoLastRun(UndoLastRunView& view, std::unique_ptr<FileSystem> fileSystem,
                std::unique_ptr<Clock> clock);

    // Everything after the route check; returns the exit status.
    int undoNewestRun();
    // `text` with the run's date, time and track files, the route folder and RouteID filled in.
    std::u16string aboutRun(const char16_t* text, const BackupRun& run) const;
    static std::u16string filled(
        std::u16string text, const std::vector<std::pair<std::u16string, std::u16string>>& parts);

    // The restore runs without a window to show its protocol in.
    bool checkRouteFolderSilently() override;

    UndoLastRunView& m_view;
    std::unique_ptr<FileSystem> m_ownFileSystem;
    std::unique_ptr<Clock> m_ownClock;
    FileSystem& m_fileSystem;
    const Clock& m_clock;
    RunState m_state;
    FolderListing m_listing;
    RouteFolderCheck m_routeCheck;
};

}  // namespace veltrano
