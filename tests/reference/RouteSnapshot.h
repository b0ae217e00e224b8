#pragma once

#include <map>
#include <set>
#include <string>

namespace veltrano::reference {

// Everything a route folder holds: each file's bytes and each folder, by path relative to the
// route folder ("WORLD/w-005678+014567.w"). Two runs left the same result exactly when their
// snapshots are equal, backups (names and bytes) included.
class RouteSnapshot {
  public:
    static RouteSnapshot take(const std::string& folder);
    // Empties `folder` and puts this snapshot's folders and files into it.
    void writeInto(const std::string& folder) const;
    // Where the two differ first, in words; empty when they are equal.
    static std::string difference(const RouteSnapshot& expected, const RouteSnapshot& actual);

    bool operator==(const RouteSnapshot&) const = default;

    std::map<std::string, std::string> files;
    std::set<std::string> folders;
};

}  // namespace veltrano::reference
