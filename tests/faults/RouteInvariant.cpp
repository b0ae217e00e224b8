#include "tests/faults/RouteInvariant.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <utility>

namespace fs = std::filesystem;

namespace veltrano::test {

namespace {

const char* const kBackupFolders[] = {"_Saved_tdb_und_tit_files_before_pickup_correction",
                                      "_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur"};

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return "<unreadable>";
    }
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return in ? bytes : "<unreadable>";
}

std::string shortened(const std::string& bytes) {
    return std::to_string(bytes.size()) + " bytes";
}

}  // namespace

std::map<std::string, std::string> snapshotTree(const std::string& folder) {
    std::map<std::string, std::string> entries;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(folder, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        const std::string relative = fs::relative(it->path(), folder).generic_string();
        std::error_code ignored;
        if (it->is_symlink(ignored)) {
            entries[relative] = "<link> " + fs::read_symlink(it->path(), ignored).string();
            it.disable_recursion_pending();
        } else if (it->is_directory(ignored)) {
            entries[relative] = "<folder>";
        } else {
            entries[relative] = bytesOf(it->path());
        }
    }
    return entries;
}

bool isTemporaryName(const std::string& name) {
    static const std::regex pattern(R"(\.veltrano-.+\.[0-9]+\.tmp)");
    return std::regex_match(name, pattern);
}

RouteInvariant::RouteInvariant(std::string routeFolder, std::string routeId, std::string newTit,
                               std::string newTdb)
    : m_folder(std::move(routeFolder)),
      m_routeId(std::move(routeId)),
      m_newTit(std::move(newTit)),
      m_newTdb(std::move(newTdb)),
      m_before(snapshotTree(m_folder)) {
    m_oldTit = current(".tit");
    m_oldTdb = current(".tdb");
}

std::string RouteInvariant::current(const std::string& extension) const {
    return bytesOf(fs::path(m_folder) / (m_routeId + extension));
}

bool RouteInvariant::titIsOld() const {
    return current(".tit") == m_oldTit;
}
bool RouteInvariant::titIsNew() const {
    return current(".tit") == m_newTit;
}
bool RouteInvariant::tdbIsOld() const {
    return current(".tdb") == m_oldTdb;
}
bool RouteInvariant::tdbIsNew() const {
    return current(".tdb") == m_newTdb;
}

bool RouteInvariant::isBackupFolder(const std::string& name) const {
    for (const char* folder : kBackupFolders) {
        if (name == folder) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> RouteInvariant::violations(bool temporaryFilesAllowed) const {
    std::vector<std::string> found;
    const std::string titName = m_routeId + ".tit";
    const std::string tdbName = m_routeId + ".tdb";
    const std::regex backupName(
        "_Datum-[0-9]{6}_Uhrzeit-[0-9]{6}_" +
        std::regex_replace(m_routeId, std::regex(R"([.^$|()\[\]{}*+?\\])"), R"(\$&)") +
        R"(\.(tit|tdb))");
    bool titBackedUp = false;
    bool tdbBackedUp = false;

    const auto now = snapshotTree(m_folder);
    for (const auto& [relative, bytes] : now) {
        const fs::path path(relative);
        const std::string name = path.filename().string();
        const std::string parent = path.parent_path().generic_string();
        if (isTemporaryName(name) && (parent.empty() || isBackupFolder(parent))) {
            if (!temporaryFilesAllowed) {
                found.push_back("temporary file left behind: " + relative);
            }
            continue;
        }
        if (isBackupFolder(parent)) {
            std::smatch match;
            if (!std::regex_match(name, match, backupName)) {
                found.push_back("unexpected file in a backup folder: " + relative);
                continue;
            }
            const bool tit = match[1] == "tit";
            if (bytes != (tit ? m_oldTit : m_oldTdb)) {
                found.push_back("incomplete or wrong backup " + relative + " (" + shortened(bytes) +
                                ")");
            }
            (tit ? titBackedUp : tdbBackedUp) = true;
            continue;
        }
        if (relative == titName || relative == tdbName) {
            continue;
        }
        if (parent.empty() && isBackupFolder(name) && bytes == "<folder>") {
            continue;
        }
        auto before = m_before.find(relative);
        if (before == m_before.end()) {
            found.push_back("new entry in the route folder: " + relative);
        } else if (before->second != bytes) {
            found.push_back("changed: " + relative);
        }
    }
    for (const auto& [relative, bytes] : m_before) {
        // Left-overs of a killed run are there to be cleared away.
        if (now.find(relative) == now.end() && !isTemporaryName(fs::path(relative).filename())) {
            found.push_back("gone: " + relative);
        }
    }

    const std::string tit = current(".tit");
    const std::string tdb = current(".tdb");
    if (tit != m_oldTit && tit != m_newTit) {
        found.push_back(titName + " is neither old nor new (" + shortened(tit) + ")");
    }
    if (tdb != m_oldTdb && tdb != m_newTdb) {
        found.push_back(tdbName + " is neither old nor new (" + shortened(tdb) + ")");
    }
    if (tit != m_oldTit && !titBackedUp) {
        found.push_back(titName + " was replaced without a complete backup");
    }
    if (tdb != m_oldTdb && !tdbBackedUp) {
        found.push_back(tdbName + " was replaced without a complete backup");
    }
    return found;
}

std::string describe(const std::vector<std::string>& violations) {
    std::string text;
    for (const std::string& violation : violations) {
        text += "\n  " + violation;
    }
    return text;
}

}  // namespace veltrano::test
