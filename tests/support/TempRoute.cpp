#include "tests/support/TempRoute.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/TextCodec.h"

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/time.h>
#endif

namespace fs = std::filesystem;

namespace veltrano::test {

namespace {

// A folder of a new name in the temporary directory (the Windows C runtime has no mkdtemp): two
// random draws make a clash with another test's folder unlikely, and a clash is refused.
std::string newTemporaryFolder() {
    std::random_device random;
    const fs::path folder =
        fs::temp_directory_path() /
        ("veltrano-test-" + std::to_string(random()) + "-" + std::to_string(random()));
    if (!fs::create_directory(folder)) {
        throw std::runtime_error("cannot create a temporary route folder");
    }
    return folder.string();
}

// A write, a buffer or a loop that never ends (a broken loop) stops the test at these limits,
// instead of filling the disk or the memory or waiting out the test's timeout: the process gets
// SIGXFSZ or SIGXCPU, or an allocation fails. Builds with a sanitizer (the fuzz targets too)
// leave memory and time open: its shadow memory and its checks need both.
void limitRunaways() {
#ifndef _WIN32
    const rlimit files{rlim_t{1} << 30, rlim_t{1} << 30};
    (void)::setrlimit(RLIMIT_FSIZE, &files);
#ifdef VELTRANO_LIMIT_RUNAWAYS
    const rlimit memory{rlim_t{2} << 30, rlim_t{2} << 30};
    (void)::setrlimit(RLIMIT_AS, &memory);
    rusage used{};
    ::getrusage(RUSAGE_SELF, &used);
    // The busiest test takes 2 s of processor time in a debug build.
    const rlimit seconds{static_cast<rlim_t>(used.ru_utime.tv_sec + used.ru_stime.tv_sec + 10),
                         RLIM_INFINITY};
    (void)::setrlimit(RLIMIT_CPU, &seconds);
#endif
#endif
}

}  // namespace

TempRoute::TempRoute() : m_path((limitRunaways(), newTemporaryFolder())) {}

TempRoute::~TempRoute() {
    std::error_code ignored;
    // Tests may leave read-only entries behind; make them removable first.
    for (auto it = fs::recursive_directory_iterator(m_path, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(m_path, ignored);
}

std::string TempRoute::pathOf(const std::string& relative) const {
    if (relative.empty()) {
        return m_path;
    }
    // Joined as the program joins, so paths compare equal to those in its messages.
    std::string path = m_path + FileSystem::separator() + relative;
    std::replace(path.begin(), path.end(), '/', FileSystem::separator());
    return path;
}

void TempRoute::makeFolder(const std::string& relative) const {
    fs::create_directories(NativePath::of(pathOf(relative)));
}

void TempRoute::writeBytes(const std::string& relative, std::string_view bytes) const {
    const fs::path target = NativePath::of(pathOf(relative));
    fs::create_directories(target.parent_path());
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + NativePath::utf8(target));
    }
}

void TempRoute::writeUtf16(const std::string& relative, std::string_view utf8Text) const {
    writeBytes(relative, TextCodec::encodeUtf16LeWithBom(TextCodec::fromUtf8(utf8Text)));
}

std::string TempRoute::readBytes(const std::string& relative) const {
    std::ifstream in(NativePath::of(pathOf(relative)), std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + pathOf(relative));
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> TempRoute::list(const std::string& relative) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(NativePath::of(pathOf(relative)))) {
        names.push_back(NativePath::utf8(entry.path().filename()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

void TempRoute::makeUsableRoute(const std::string& routeId) const {
    writeBytes("Route.trk", "Tr_RouteFile (\r\n\tRouteID ( " + routeId + " )\r\n)\r\n");
    writeUtf16(routeId + ".tdb", "SIMISA@@@@@@@@@@JINX0T0t______\r\n\r\nTrackDB (\r\n)\r\n");
    writeUtf16(routeId + ".tit", "SIMISA@@@@@@@@@@JINX0T0t______\r\n\r\nTrItemTable (\r\n)\r\n");
    makeFolder("WORLD");
}

}  // namespace veltrano::test
