#include "app/WorldFileTest.h"

#include "app/ExitStatus.h"

namespace veltrano {

bool WorldFileTest::passes() {
    const std::string& route = m_state.gstrRoutePath;
    // The folder is found in any letter case, as the route check counts it; the names of the
    // world files themselves must end in ".w" exactly.
    const std::string folder = m_fileSystem.resolvePath(route, "WORLD");
    // A folder that is not there lists nothing.
    m_listing.subListFolder(folder, false, ".w", true);
    for (long long i = 1; i <= m_listing.gintFolderCount; ++i) {
        if (m_listing.garrFolderList[static_cast<std::size_t>(i)].ends_with(".w")) {
            return true;
        }
    }
    m_program.showMessage(
        m_state.isGerman()
            ? u"Keine .w-Dateien im WORLD Verzeichnis zu finden! Das Programm wird beendet!"
            : u"Can't find any .w file in WORLD directory! Program will be cancelled!");
    m_program.endProgram(ExitStatus::kRouteFolderUnusable);
    return false;
}

}  // namespace veltrano
