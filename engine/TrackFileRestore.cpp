#include "engine/TrackFileRestore.h"

#include <chrono>
#include <memory>
#include <thread>
#include <utility>

#include "engine/BackupCopyName.h"
#include "engine/TrackFileBackup.h"

namespace veltrano {

namespace {

constexpr const char16_t* kCrLf = u"\r\n";

}  // namespace

RestoreResult TrackFileRestore::restore(const std::string& stamp) {
    RunState& state = m_context.state;
    if (!m_context.options.dryRun) {
        TrackFileBackup::removeStaleTemporaryFiles(m_context.fileSystem, state.gstrRoutePath);
    }
    BackupCatalogue catalogue(m_context.fileSystem, state.gstrRoutePath, state.gstrRouteName);
    std::string failedFolder;
    const IoResult read = catalogue.read(failedFolder);
    if (!read) {
        m_context.reportReadFailure(failedFolder, read);
        return finish(RestoreOutcome::FileError);
    }
    const std::optional<std::size_t> run = catalogue.runWithStamp(stamp);
    if (!run) {
        reportNoSuchRun(stamp, catalogue);
        return finish(RestoreOutcome::NoSuchRun);
    }
    prependLine(m_context.texts().restoreHeading(catalogue.runs()[*run].stamp()));

    TrackFilePair files(m_context);
    const BackupCopy* titSource = sourceOf(files.itemTable(), catalogue, *run);
    const BackupCopy* tdbSource = sourceOf(files.database(), catalogue, *run);
    if (!checksPass(files, titSource, tdbSource)) {
        return finish(RestoreOutcome::FileError);
    }
    const TrackFile& first = titSource ? files.itemTable() : files.database();
    if (!m_context.options.dryRun && (titSource || tdbSource) &&
        !backupNamesAreFree(catalogue, first)) {
        return finish(RestoreOutcome::FileError);
    }
    for (auto [file, source] :
         {std::pair{&files.itemTable(), titSource}, std::pair{&files.database(), tdbSource}}) {
        if (!source) {
            prependLine(m_context.texts().unchangedSinceRun(file->path));
        } else if (!putBack(files, *file, *source)) {
            files.undo();
            return finish(RestoreOutcome::FileError);
        }
    }
    if (m_context.options.dryRun) {
        prependLine(m_context.texts().dryRun());
    }
    prependLine(m_context.texts().ready());
    return finish(RestoreOutcome::Completed);
}

RestoreResult TrackFileRestore::finish(RestoreOutcome outcome) {
    m_context.show();
    return RestoreResult{outcome, std::move(m_context.problems)};
}

void TrackFileRestore::reportNoSuchRun(const std::string& stamp, const BackupCatalogue& catalogue) {
    const auto [before, after] = catalogue.nearestRuns(stamp);
    m_context.reportProblem(m_context.texts().noSuchRun(stamp, before ? before->stamp() : "",
                                                        after ? after->stamp() : ""));
}

const BackupCopy* TrackFileRestore::sourceOf(const TrackFile& file,
                                             const BackupCatalogue& catalogue,
                                             std::size_t firstRun) {
    const std::vector<BackupRun>& runs = catalogue.runs();
    for (std::size_t i = firstRun; i < runs.size(); ++i) {
        const std::optional<BackupCopy>& copy =
            file.extension == u".tit" ? runs[i].tit : runs[i].tdb;
        if (copy) {
            return &*copy;
        }
    }
    return nullptr;
}

bool TrackFileRestore::checksPass(TrackFilePair& files, const BackupCopy* titSource,
                                  const BackupCopy* tdbSource) {
    // Everything that can be checked is checked before the first file is touched, so a refusal
    // changes nothing at all.
    if (!files.writesStayInside(files.itemTable())) {
        return false;
    }
    for (const BackupCopy* source : {titSource, tdbSource}) {
        std::unique_ptr<InputFile> input;
        const IoResult opened =
            source ? m_context.fileSystem.openInput(source->path, input) : IoResult::success();
        if (!opened) {
            m_context.reportReadFailure(source->path, opened);
            return false;
        }
    }
    return true;
}

bool TrackFileRestore::backupNamesAreFree(const BackupCatalogue& catalogue,
                                          const TrackFile& first) {
    // A backup made in the second of an existing copy would take that copy's name in its own
    // folder, or make its stamp name two runs across the folders; the restore waits for the
    // next second instead.
    for (int attempt = 0; attempt < 25; ++attempt) {
        const std::string now = BackupCopyName::stampOf(m_context.clock.now());
        bool taken = false;
        for (const BackupRun& run : catalogue.runs()) {
            taken = taken || run.hasStamp(now);
        }
        if (!taken) {
            return true;
        }
        m_context.host.yieldToEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    m_context.reportProblem(
        m_context.texts().backupFailure(first.path, "a backup of this second exists already"));
    return false;
}

bool TrackFileRestore::putBack(TrackFilePair& files, TrackFile& file, const BackupCopy& source) {
    if (m_context.options.dryRun) {
        prependLine(m_context.texts().wouldBeRestoredFrom(file.path, source.path));
        return true;
    }
    FileSystem& fileSystem = m_context.fileSystem;
    const std::string& sourcePath = source.path;
    const bool replaced = files.replace(file, [&fileSystem, &sourcePath](const std::string& path) {
        return fileSystem.copyFile(sourcePath, path);
    });
    if (replaced) {
        prependLine(m_context.texts().restoredFrom(file.path, source.path));
    }
    return replaced;
}

void TrackFileRestore::prependLine(const std::u16string& line) {
    m_context.state.gstrProtokoll.prepend(line + kCrLf);
    m_context.show();
}

}  // namespace veltrano
