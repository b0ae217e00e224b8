#include "engine/TrackFilePair.h"

#include "engine/TrackFileBackup.h"
#include "platform/TextCodec.h"

namespace veltrano {

TrackFilePair::TrackFilePair(RunContext& context)
    : m_context(context), m_itemTable(resolve(u".tit")), m_database(resolve(u".tdb")) {}

TrackFile TrackFilePair::resolve(const char16_t* extension) const {
    const RunState& state = m_context.state;
    TrackFile file;
    file.extension = extension;
    const std::string wanted = TextCodec::toUtf8(state.gstrRouteName + extension);
    const std::string onDisk = m_context.fileSystem.findEntry(state.gstrRoutePath, wanted);
    file.name = onDisk.empty() ? wanted : onDisk;
    file.path = m_context.fileSystem.resolvePath(state.gstrRoutePath, file.name);
    return file;
}

bool TrackFilePair::writesStayInside(const TrackFile& first) {
    const std::string& route = m_context.state.gstrRoutePath;
    const std::string backupFolder = TrackFileBackup(m_context).folderPath();
    const TrackFile& partner = &first == &m_itemTable ? m_database : m_itemTable;
    for (const std::string* path : {&first.path, &partner.path, &backupFolder}) {
        if (m_context.fileSystem.leadsOutside(*path, route)) {
            m_context.reportProblem(m_context.texts().leadsOutside(*path));
            return false;
        }
    }
    return true;
}

bool TrackFilePair::replace(TrackFile& file,
                            const std::function<IoResult(const std::string& path)>& write) {
    if (!writesStayInside(file)) {
        return false;
    }
    file.backupPath = TrackFileBackup(m_context).backUp(file.path, file.extension);
    if (file.backupPath.empty()) {
        return false;
    }
    const std::string& path = file.path;
    const IoResult written = m_context.whileYielding([&write, &path] { return write(path); });
    if (!written) {
        m_context.reportWriteFailure(file.path, written, true);
        return false;
    }
    file.replaced = true;
    return true;
}

void TrackFilePair::undo() {
    if (!m_itemTable.replaced) {
        return;
    }
    FileSystem& fileSystem = m_context.fileSystem;
    const std::string& path = m_itemTable.path;
    const std::string& backupPath = m_itemTable.backupPath;
    const IoResult restored = m_context.whileYielding(
        [&fileSystem, &path, &backupPath] { return fileSystem.copyFile(backupPath, path); });
    if (!restored) {
        m_context.reportWriteFailure(path, restored, false);
        return;
    }
    m_context.reportProblem(m_context.texts().putBackFromBackup(path));
}

}  // namespace veltrano
