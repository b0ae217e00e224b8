#include "engine/BackupCatalogue.h"

#include <algorithm>
#include <tuple>

#include "engine/BackupFolders.h"
#include "platform/TextCodec.h"

namespace veltrano {

namespace {

// Oldest first; in one second a folder's .tit copy comes before its .tdb copy, as a run makes
// them.
bool madeEarlier(const BackupCopy& a, const BackupCopy& b) {
    const bool aIsTdb = a.extension == u".tdb";
    const bool bIsTdb = b.extension == u".tdb";
    return std::tie(a.stamp, a.folder, aIsTdb) < std::tie(b.stamp, b.folder, bIsTdb);
}

}  // namespace

IoResult BackupCatalogue::read(std::string& failedPath) {
    m_runs.clear();
    std::vector<BackupCopy> copies;
    for (const char* folder : BackupFolders::kBoth) {
        IoResult collected = collect(folder, copies, failedPath);
        if (!collected) {
            return collected;
        }
    }
    group(std::move(copies));
    return IoResult::success();
}

IoResult BackupCatalogue::collect(const std::string& folder, std::vector<BackupCopy>& copies,
                                  std::string& failedPath) {
    const std::string path = m_fileSystem.resolvePath(m_routePath, folder);
    if (!m_fileSystem.folderExists(path)) {
        return IoResult::success();
    }
    FolderEntries entries;
    IoResult listed = m_fileSystem.listFolder(path, entries);
    if (!listed) {
        failedPath = path;
        return listed;
    }
    for (const std::string& name : entries.files) {
        std::optional<BackupCopy> copy = copyOf(folder, name);
        if (!copy) {
            continue;
        }
        copy->path = m_fileSystem.resolvePath(path, name);
        // A copy whose size cannot be told is a failed read, not a copy that is not there.
        IoResult sized = m_fileSystem.fileSize(copy->path, copy->size);
        if (!sized) {
            failedPath = copy->path;
            return sized;
        }
        copies.push_back(std::move(*copy));
    }
    return IoResult::success();
}

std::optional<BackupCopy> BackupCatalogue::copyOf(const std::string& folder,
                                                  const std::string& name) const {
    const std::optional<BackupCopyName> copyName =
        BackupCopyName::read(name, TextCodec::toUtf8(m_routeId));
    if (!copyName) {
        return std::nullopt;
    }
    BackupCopy copy;
    copy.stamp = copyName->stamp();
    copy.extension = TextCodec::fromUtf8(copyName->extension());
    copy.folder = folder;
    return copy;
}

void BackupCatalogue::group(std::vector<BackupCopy> copies) {
    std::sort(copies.begin(), copies.end(), madeEarlier);
    // A run that replaces the .tit replaces the .tdb after it, into the same folder: a .tit
    // copy waits for the next .tdb copy unless another .tit copy comes first.
    std::optional<BackupRun> open;
    for (BackupCopy& copy : copies) {
        const bool joinsOpenRun =
            open && copy.extension == u".tdb" && open->folder() == copy.folder;
        if (open && !joinsOpenRun) {
            m_runs.push_back(std::move(*open));
            open.reset();
        }
        if (joinsOpenRun) {
            open->tdb = std::move(copy);
            m_runs.push_back(std::move(*open));
            open.reset();
        } else if (copy.extension == u".tit") {
            open = BackupRun{std::move(copy), std::nullopt};
        } else {
            m_runs.push_back(BackupRun{std::nullopt, std::move(copy)});
        }
    }
    if (open) {
        m_runs.push_back(std::move(*open));
    }
}

std::optional<std::size_t> BackupCatalogue::runWithStamp(const std::string& stamp) const {
    for (std::size_t i = 0; i < m_runs.size(); ++i) {
        if (m_runs[i].hasStamp(stamp)) {
            return i;
        }
    }
    return std::nullopt;
}

std::pair<const BackupRun*, const BackupRun*> BackupCatalogue::nearestRuns(
    const std::string& stamp) const {
    const BackupRun* before = nullptr;
    for (const BackupRun& run : m_runs) {
        if (run.stamp() > stamp) {
            return {before, &run};
        }
        before = &run;
    }
    return {before, nullptr};
}

}  // namespace veltrano
