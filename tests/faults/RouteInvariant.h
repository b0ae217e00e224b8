#pragma once

#include <map>
#include <string>
#include <vector>

namespace veltrano::test {

// Every entry below `folder` by relative path: a file's bytes, "<folder>" for a folder and
// "<link> target" for a symbolic link (never followed).
std::map<std::string, std::string> snapshotTree(const std::string& folder);

// ".veltrano-<name>.<pid>.tmp": the only names a run writes besides track files and backups.
bool isTemporaryName(const std::string& name);

// The promise a run makes about a route's files, whatever happens to it: each track file holds
// exactly its old bytes or exactly its complete new bytes; a track file that changed has a
// complete backup of its old bytes; every backup is complete; no temporary file is left
// behind; nothing else in the route folder changed.
class RouteInvariant {
  public:
    // Takes the route as it is now as the old state; `newTit` and `newTdb` are the bytes a run
    // that was not disturbed writes.
    RouteInvariant(std::string routeFolder, std::string routeId, std::string newTit,
                   std::string newTdb);

    // What breaks the promise now, one text per finding; empty when it holds. A killed
    // process cannot clean up, so `temporaryFilesAllowed` lets well-named temporary files pass.
    std::vector<std::string> violations(bool temporaryFilesAllowed = false) const;

    bool titIsOld() const;
    bool titIsNew() const;
    bool tdbIsOld() const;
    bool tdbIsNew() const;
    const std::string& oldTit() const { return m_oldTit; }
    const std::string& oldTdb() const { return m_oldTdb; }

  private:
    std::string current(const std::string& extension) const;
    bool isBackupFolder(const std::string& name) const;

    std::string m_folder;
    std::string m_routeId;
    std::string m_oldTit;
    std::string m_oldTdb;
    std::string m_newTit;
    std::string m_newTdb;
    std::map<std::string, std::string> m_before;
};

// The violations joined for a failure message.
std::string describe(const std::vector<std::string>& violations);

}  // namespace veltrano::test
