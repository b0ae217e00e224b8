#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veltrano::test {

// A route folder in a fresh temporary directory, removed again when the test ends.
// Paths given to the helpers are relative to the route folder.
class TempRoute {
  public:
    TempRoute();
    ~TempRoute();
    TempRoute(const TempRoute&) = delete;
    TempRoute& operator=(const TempRoute&) = delete;

    const std::string& path() const { return m_path; }
    std::string pathOf(const std::string& relative) const;

    void makeFolder(const std::string& relative) const;
    void writeBytes(const std::string& relative, std::string_view bytes) const;
    // UTF-8 source text stored as UTF-16LE with byte-order mark, as routes store track files.
    void writeUtf16(const std::string& relative, std::string_view utf8Text) const;
    std::string readBytes(const std::string& relative) const;
    // Names in a folder of the route, sorted.
    std::vector<std::string> list(const std::string& relative = "") const;

    // A minimal usable route: Route.trk with RouteID ( <routeId> ), empty track files
    // named after it and a WORLD folder.
    void makeUsableRoute(const std::string& routeId = "TESTROUTE") const;

  private:
    std::string m_path;
};

}  // namespace veltrano::test
