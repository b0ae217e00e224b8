#include "engine/TrackFileBackup.h"

#include "engine/BackupCopyName.h"
#include "engine/BackupFolders.h"
#include "platform/TextCodec.h"

namespace veltrano {

std::string TrackFileBackup::folderPath() const {
    return m_context.fileSystem.resolvePath(m_context.state.gstrRoutePath,
                                            TextCodec::toUtf8(m_context.state.gstrSaveFolder));
}

std::string TrackFileBackup::backUp(const std::string& sourcePath,
                                    const std::u16string& extension) {
    FileSystem& fileSystem = m_context.fileSystem;
    const std::string folder = folderPath();
    IoResult result = IoResult::success();
    if (!fileSystem.folderExists(folder)) {
        result = fileSystem.createFolder(folder);
        // The new folder's entry reaches the disk before any file is renamed into place, so
        // a crash can never leave a replaced track file whose backup folder is lost.
        if (result) {
            result = fileSystem.flushFolder(m_context.state.gstrRoutePath);
        }
    }
    std::string backupPath;
    if (result) {
        // Date and time come from one reading, so the name never mixes two seconds.
        const BackupCopyName name(BackupCopyName::stampOf(m_context.clock.now()),
                                  TextCodec::toUtf8(m_context.state.gstrRouteName),
                                  TextCodec::toUtf8(extension));
        backupPath = fileSystem.resolvePath(folder, name.text());
        // A copy of a large track file, flushed to disk, is done off the window's thread.
        result = m_context.whileYielding([&fileSystem, &sourcePath, &backupPath] {
            return fileSystem.copyFile(sourcePath, backupPath);
        });
    }
    if (!result) {
        m_context.reportProblem(m_context.texts().backupFailure(sourcePath, result.cause()));
        return {};
    }
    return backupPath;
}

void TrackFileBackup::removeStaleTemporaryFiles(FileSystem& fileSystem, const std::string& route) {
    fileSystem.removeStaleTemporaryFiles(route);
    for (const char* folder : BackupFolders::kBoth) {
        const std::string path = fileSystem.resolvePath(route, folder);
        if (fileSystem.folderExists(path)) {
            fileSystem.removeStaleTemporaryFiles(path);
        }
    }
}

}  // namespace veltrano
