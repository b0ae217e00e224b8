#include "desktop/UndoLastRun.h"

#include <filesystem>

#include "app/ExitStatus.h"
#include "desktop/LanguageWindow.h"
#include "desktop/UndoCaptions.h"
#include "desktop/UndoLastRunView.h"
#include "engine/BackupCopyName.h"
#include "engine/BackupFolders.h"
#include "engine/RunContext.h"
#include "engine/TrackFileRestore.h"
#include "platform/NativePath.h"
#include "platform/TextCodec.h"

namespace veltrano {

UndoLastRun::UndoLastRun(UndoLastRunView& view)
    : UndoLastRun(view, std::make_unique<FileSystem>(), std::make_unique<Clock>()) {}

UndoLastRun::UndoLastRun(UndoLastRunView& view, std::unique_ptr<FileSystem> fileSystem,
                         std::unique_ptr<Clock> clock)
    : UndoLastRun(view, *fileSystem, *clock, NativePath::utf8(std::filesystem::current_path())) {
    m_ownFileSystem = std::move(fileSystem);
    m_ownClock = std::move(clock);
}

UndoLastRun::UndoLastRun(UndoLastRunView& view, FileSystem& fileSystem, const Clock& clock,
                         std::string routePath)
    : m_view(view),
      m_fileSystem(fileSystem),
      m_clock(clock),
      m_listing(fileSystem),
      m_routeCheck(m_state, m_listing, fileSystem, view) {
    m_state.gstrRoutePath = std::move(routePath);
}

UndoLastRun::~UndoLastRun() = default;

void UndoLastRun::run() {
    {
        LanguageWindow language(m_state);
        m_view.openLanguageWindowModally(language);
    }
    m_state.gstrSaveFolder = BackupFolders::forLanguage(m_state.isGerman());
    // No start-up notice: the user has asked for the undo already.
    if (!m_routeCheck.subCheckRouteFolder(false)) {
        return;  // the check has shown its message and ended the program
    }
    m_view.endProgram(undoNewestRun());
}

int UndoLastRun::undoNewestRun() {
    const UndoCaptions& captions = UndoCaptions::of(m_state.isGerman());
    BackupCatalogue catalogue(m_fileSystem, m_state.gstrRoutePath, m_state.gstrRouteName);
    std::string failedPath;
    if (const IoResult read = catalogue.read(failedPath); !read) {
        m_view.showMessage(RunContext::readFailureLine(m_state, failedPath, read));
        return ExitStatus::kFileError;
    }
    if (catalogue.runs().empty()) {
        m_view.showMessage(filled(captions.nothingToUndo,
                                  {{u"{routeId}", m_state.gstrRouteName},
                                   {u"{route}", TextCodec::fromUtf8(m_state.gstrRoutePath)}}));
        return ExitStatus::kRouteFolderUnusable;
    }
    const BackupRun& newest = catalogue.runs().back();
    if (!m_view.askYesNo(aboutRun(captions.question, newest))) {
        return ExitStatus::kCompleted;
    }
    const RestoreResult result =
        TrackFileRestore(m_state, *this, m_fileSystem, m_clock, false).restore(newest.stamp());
    if (result.outcome == RestoreOutcome::Completed) {
        m_view.showMessage(aboutRun(captions.undone, newest));
        return ExitStatus::kCompleted;
    }
    std::u16string problems;
    for (const std::u16string& line : result.problems) {
        problems += (problems.empty() ? u"" : u"\r\n") + line;
    }
    m_view.showMessage(filled(aboutRun(captions.notUndone, newest), {{u"{problems}", problems}}));
    // The copies went between the listing and the restore: there is no such run any more.
    return result.outcome == RestoreOutcome::NoSuchRun ? ExitStatus::kRouteFolderUnusable
                                                       : ExitStatus::kFileError;
}

std::u16string UndoLastRun::aboutRun(const char16_t* text, const BackupRun& run) const {
    const std::tm local = BackupCopyName::localTimeOf(run.stamp());
    std::u16string files;
    for (const std::optional<BackupCopy>* copy : {&run.tit, &run.tdb}) {
        if (*copy) {
            files +=
                (files.empty() ? u"  " : u"\r\n  ") + m_state.gstrRouteName + (*copy)->extension;
        }
    }
    return filled(text, {{u"{date}", TextCodec::fromUtf8(m_clock.shortDate(local))},
                         {u"{time}", TextCodec::fromUtf8(m_clock.longTime(local))},
                         {u"{files}", files},
                         {u"{route}", TextCodec::fromUtf8(m_state.gstrRoutePath)}});
}

// Names are filled in in the order given, and a later one is looked for in the parts already
// filled in: callers give the route folder, the one part a user names, last.
std::u16string UndoLastRun::filled(
    std::u16string text, const std::vector<std::pair<std::u16string, std::u16string>>& parts) {
    for (const auto& [name, part] : parts) {
        for (std::size_t at = text.find(name); at != std::u16string::npos;
             at = text.find(name, at + part.size())) {
            text.replace(at, name.size(), part);
        }
    }
    return text;
}

bool UndoLastRun::checkRouteFolderSilently() {
    return m_routeCheck.subCheckRouteFolder(false);
}

}  // namespace veltrano
