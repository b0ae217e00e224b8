// io-floor: the least a correction run of a route can cost on this machine, as cat and cp
// would do it. It reads every file the run reads once (the .trk, the two track files, every
// world file) and writes what the run writes: a backup copy of each track file and its new
// content, each into a temporary file that is flushed to disk and renamed into place, as the
// run does it, into a scratch folder so the route stays as it is. All through one small
// buffer, so no memory is spent on holding a file whole.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBufferSize = 1 << 20;

int openOrThrow(const fs::path& path, int flags, mode_t mode = 0) {
    const int descriptor = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    if (descriptor < 0) {
        throw std::runtime_error("cannot open " + path.string() + ": " + std::strerror(errno));
    }
    return descriptor;
}

// Reads the whole file through `buffer`, handing every piece to `use`; returns the byte count.
template <typename Use>
std::size_t readThrough(const fs::path& path, std::vector<char>& buffer, Use use) {
    const int descriptor = openOrThrow(path, O_RDONLY);
    std::size_t total = 0;
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer.data(), buffer.size());
        if (got < 0) {
            ::close(descriptor);
            throw std::runtime_error("cannot read " + path.string());
        }
        if (got == 0) {
            break;
        }
        use(buffer.data(), static_cast<std::size_t>(got));
        total += static_cast<std::size_t>(got);
    }
    ::close(descriptor);
    return total;
}

void syncFolder(const fs::path& folder) {
    const int descriptor = openOrThrow(folder, O_RDONLY | O_DIRECTORY);
    ::fsync(descriptor);
    ::close(descriptor);
}

// `source` copied to a temporary file beside `target`, flushed, renamed over `target`, the
// folder entry flushed.
std::size_t copyDurably(const fs::path& source, const fs::path& target, std::vector<char>& buffer) {
    const fs::path temporary = target.parent_path() / ("." + target.filename().string() + ".tmp");
    const int descriptor = openOrThrow(temporary, O_CREAT | O_TRUNC | O_WRONLY, 0644);
    const std::size_t total = readThrough(source, buffer, [&](const char* data, std::size_t size) {
        while (size > 0) {
            const ssize_t put = ::write(descriptor, data, size);
            if (put <= 0) {
                throw std::runtime_error("cannot write " + temporary.string());
            }
            data += put;
            size -= static_cast<std::size_t>(put);
        }
    });
    ::fsync(descriptor);
    ::close(descriptor);
    fs::rename(temporary, target);
    syncFolder(target.parent_path());
    return total;
}

fs::path findTrackFile(const fs::path& route, const std::string& extension) {
    for (const auto& entry : fs::directory_iterator(route)) {
        if (entry.is_regular_file() && entry.path().extension() == extension) {
            return entry.path();
        }
    }
    throw std::runtime_error("no " + extension + " file in " + route.string());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: io-floor ROUTE_DIR SCRATCH_DIR\n";
        return 64;
    }
    try {
        const fs::path route = argv[1];
        const fs::path scratch = argv[2];
        fs::create_directories(scratch);
        std::vector<char> buffer(kBufferSize);
        const auto ignore = [](const char*, std::size_t) {};

        const fs::path itemTable = findTrackFile(route, ".tit");
        const fs::path database = findTrackFile(route, ".tdb");
        std::size_t bytesRead = readThrough(findTrackFile(route, ".trk"), buffer, ignore);
        bytesRead += readThrough(itemTable, buffer, ignore);
        bytesRead += readThrough(database, buffer, ignore);
        for (const auto& entry : fs::directory_iterator(route / "WORLD")) {
            if (entry.is_regular_file()) {
                bytesRead += readThrough(entry.path(), buffer, ignore);
            }
        }
        // The backup and the new content of each track file, the .tit first as in a run.
        std::size_t bytesWritten = copyDurably(itemTable, scratch / "backup.tit", buffer);
        bytesWritten += copyDurably(itemTable, scratch / "route.tit", buffer);
        bytesWritten += copyDurably(database, scratch / "backup.tdb", buffer);
        bytesWritten += copyDurably(database, scratch / "route.tdb", buffer);
        std::cout << bytesRead << " bytes read, " << bytesWritten << " bytes written\n";
    } catch (const std::exception& error) {
        std::cerr << "io-floor: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
