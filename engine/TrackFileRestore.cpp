#include "engine/TrackFileRestore.h"

#include <chrono>
#include <memory>
#include <thread>
#include <utility>

#include "engine/TrackFileBackup.h"
#include "platform/TextCodec.h"

namespace veltrano {

namespace {

constexpr const char16_t* kCrLf = u"\r\n";

std::u16string utf16(const std::string& text) {
    return TextCodec::fromUtf8(text);
}

std::string stampOf(const ClockReading& reading) {
    return Clock::yymmdd(reading.local) + "-" + Clock::hhmmss(reading.local);
}

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
    prependLine(m_context.text(u"Stelle die Streckendateien wieder her, wie sie vor dem Lauf ",
                               u"Restore the track files as they were before the run ") +
                utf16(catalogue.runs()[*run].stamp()) + m_context.text(u" waren:", u":"));

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
            prependLine(u" " + utf16(file->path) +
                        m_context.text(u" ist seit diesem Lauf unver\u00e4ndert und bleibt, wie "
                                       u"sie ist.",
                                       u" is unchanged since that run and stays as it is."));
        } else if (!putBack(files, *file, *source)) {
            files.undo();
            return finish(RestoreOutcome::FileError);
        }
    }
    if (m_context.options.dryRun) {
        prependLine(m_context.text(u" Probelauf: es wurde keine Datei ge\u00e4ndert.",
                                   u" Dry run: no file was changed."));
    }
    prependLine(m_context.text(u"fertig!", u"ready!"));
    return finish(RestoreOutcome::Completed);
}

RestoreResult TrackFileRestore::finish(RestoreOutcome outcome) {
    m_context.show();
    return RestoreResult{outcome, std::move(m_context.problems)};
}

void TrackFileRestore::reportNoSuchRun(const std::string& stamp, const BackupCatalogue& catalogue) {
    std::u16string line =
        m_context.text(u"*** Kein Lauf mit dem Stempel ", u"*** No run has the stamp ") +
        utf16(stamp);
    const auto [before, after] = catalogue.nearestRuns(stamp);
    if (!before && !after) {
        line +=
            m_context.text(u"; die Strecke hat keine Sicherungen.", u"; the route has no backups.");
    } else if (before && after) {
        line +=
            m_context.text(u"; die n\u00e4chsten L\u00e4ufe sind ", u"; the nearest runs are ") +
            utf16(before->stamp()) + m_context.text(u" und ", u" and ") + utf16(after->stamp()) +
            u".";
    } else {
        line += m_context.text(u"; der n\u00e4chste Lauf ist ", u"; the nearest run is ") +
                utf16((before ? before : after)->stamp()) + u".";
    }
    m_context.reportProblem(
        line + m_context.text(u" Es wurde nichts ge\u00e4ndert.", u" Nothing was changed."));
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
        const std::string now = stampOf(m_context.clock.now());
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
        m_context.text(u"*** Sicherung von ", u"*** Backup of ") + utf16(first.path) +
        m_context.text(u" fehlgeschlagen: ", u" failed: ") +
        u"a backup of this second exists already" +
        m_context.text(u". Die Datei bleibt unver\u00e4ndert.", u". The file is left unchanged."));
    return false;
}

bool TrackFileRestore::putBack(TrackFilePair& files, TrackFile& file, const BackupCopy& source) {
    if (m_context.options.dryRun) {
        prependLine(
            u" " + utf16(file.path) +
            m_context.text(u" w\u00fcrde wiederhergestellt aus ", u" would be restored from ") +
            utf16(source.path) + u".");
        return true;
    }
    FileSystem& fileSystem = m_context.fileSystem;
    const std::string& sourcePath = source.path;
    const bool replaced = files.replace(file, [&fileSystem, &sourcePath](const std::string& path) {
        return fileSystem.copyFile(sourcePath, path);
    });
    if (replaced) {
        prependLine(u" " + utf16(file.path) +
                    m_context.text(u" wiederhergestellt aus ", u" restored from ") +
                    utf16(source.path) + u".");
    }
    return replaced;
}

void TrackFileRestore::prependLine(const std::u16string& line) {
    m_context.state.gstrProtokoll.prepend(line + kCrLf);
    m_context.show();
}

}  // namespace veltrano
