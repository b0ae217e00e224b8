#include "platform/FileSystem.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/FileSystemNative.h"
#include "platform/NativePath.h"
#include "platform/TextCodec.h"

namespace veltrano {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kReadBlockSize = 64 * 1024;
// Large enough that a copy of a track file takes few system calls, small enough to stay in
// the processor's cache between the read and the write.
constexpr std::size_t kCopyBlockSize = 1024 * 1024;
constexpr bool kLittleEndian = std::endian::native == std::endian::little;
constexpr char kTemporaryPrefix[] = ".veltrano-";
constexpr char kTemporarySuffix[] = ".tmp";

IoResult fromErrorCode(const std::error_code& error) {
    if (error.category() == std::system_category()) {
        return native::systemError(error.value());
    }
    if (error.category() == std::generic_category()) {
        return IoResult::fromErrno(error.value());
    }
    return IoResult::failure(error.message());
}

bool isFolderEntry(const fs::directory_entry& entry) {
    std::error_code ignored;
    return entry.is_directory(ignored);
}

bool isFileEntry(const fs::directory_entry& entry) {
    std::error_code ignored;
    return entry.is_regular_file(ignored);
}

// Writes, flushes and closes a freshly created file; the first failure counts.
IoResult fillNewFile(OutputFile& file, const ContentWriter& content) {
    IoResult result = content(file);
    if (result) {
        result = file.flush();
    }
    // close() can report a delayed write error; it counts like any other.
    IoResult closed = file.close();
    return result ? closed : result;
}

bool isWithin(const fs::path& path, const fs::path& root) {
    auto pathPart = path.begin();
    for (const auto& rootPart : root) {
        // A trailing separator of the root is an empty last element.
        if (rootPart.empty()) {
            continue;
        }
        if (pathPart == path.end() || *pathPart != rootPart) {
            return false;
        }
        ++pathPart;
    }
    return true;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringAsciiCase(const std::string& left, const std::string& right) {
    return std::ranges::equal(left, right, {}, lowerAscii, lowerAscii);
}

// ".veltrano-<name>.<pid>.tmp" and nothing looser: a user's own file must never match.
bool isTemporaryName(const std::string& name) {
    const std::string prefix = kTemporaryPrefix;
    const std::string suffix = kTemporarySuffix;
    if (name.size() <= prefix.size() + suffix.size() ||
        name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    const std::string middle =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const std::size_t dot = middle.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == middle.size()) {
        return false;
    }
    return middle.find_first_not_of("0123456789", dot + 1) == std::string::npos;
}

// Writes `content` to the temporary file beside `target` and renames it over `target`; the
// temporary file is gone afterwards whatever happened.
IoResult writeBeside(FileSystem& fileSystem, const std::string& target,
                     const ContentWriter& content, const std::string& permissionsFrom) {
    const std::string temporary = FileSystem::temporaryPathFor(target);
    if (fileSystem.fileExists(temporary)) {
        IoResult removed = fileSystem.removeFile(temporary);
        if (!removed) {
            return removed;
        }
    }
    IoResult written = fileSystem.writeNewFile(temporary, content, permissionsFrom);
    if (!written) {
        if (fileSystem.fileExists(temporary)) {
            (void)fileSystem.removeFile(temporary);
        }
        return written;
    }
    IoResult renamed = fileSystem.renameOver(temporary, target);
    if (!renamed) {
        (void)fileSystem.removeFile(temporary);
    }
    return renamed;
}

// The size the file has now, or 0 when it cannot be told; only a hint for reserving room.
std::size_t sizeHint(const std::string& path) {
    std::error_code ignored;
    const std::uintmax_t size = fs::file_size(NativePath::of(path), ignored);
    return ignored ? 0 : static_cast<std::size_t>(size);
}

// Appends the rest of `file` to `bytes`; on failure `bytes` is empty.
IoResult readRest(InputFile& file, const std::string& path, std::string& bytes) {
    // Room for the last, empty read too: growing past the size would copy the whole file.
    bytes.reserve(sizeHint(path) + kReadBlockSize);
    std::size_t got{};
    IoResult result = IoResult::success();
    do {
        const std::size_t start = bytes.size();
        bytes.resize(start + kReadBlockSize);
        result = file.read(bytes.data() + start, kReadBlockSize, got);
        bytes.resize(start + got);
    } while (result && got > 0);
    if (!result) {
        bytes.clear();
    }
    return result;
}

bool isUtf16LeMark(const char (&mark)[2]) {
    return static_cast<unsigned char>(mark[0]) == 0xFF &&
           static_cast<unsigned char>(mark[1]) == 0xFE;
}

// The rest of a UTF-16LE file read into `text` as it is, its code units being the bytes in
// this machine's order; an odd last byte is dropped, as decoding would drop it.
IoResult readUtf16LeRest(InputFile& file, const std::string& path, std::u16string& text) {
    constexpr std::size_t kBlockUnits = kReadBlockSize / 2;
    // The byte-order mark, already read, leaves a unit to spare.
    text.reserve(sizeHint(path) / 2 + kBlockUnits + 1);
    std::size_t bytes = 0;
    std::size_t got{};
    IoResult result = IoResult::success();
    do {
        // Blocks start on the byte after the last one read, which may be the middle of a unit.
        text.resize(bytes / 2 + kBlockUnits + 1);
        result = file.read(reinterpret_cast<char*>(text.data()) + bytes, kReadBlockSize, got);
        bytes += got;  // a failed read's count goes with the text it empties
    } while (result && got > 0);
    text.resize(result ? bytes / 2 : 0);
    return result;
}

// Copies the rest of `input` into `output` through one block-sized buffer.
IoResult copyThrough(InputFile& input, OutputFile& output) {
    std::vector<char> buffer(kCopyBlockSize);
    std::size_t got{};
    do {
        IoResult result = input.read(buffer.data(), buffer.size(), got);
        if (result && got > 0) {
            result = output.write(buffer.data(), got);
        }
        if (!result) {
            return result;
        }
    } while (got > 0);
    return IoResult::success();
}

}  // namespace

bool FileSystem::folderExists(const std::string& path) {
    std::error_code ignored;
    return fs::is_directory(NativePath::of(path), ignored);
}

bool FileSystem::fileExists(const std::string& path) {
    std::error_code ignored;
    return fs::is_regular_file(NativePath::of(path), ignored);
}

IoResult FileSystem::listFolder(const std::string& path, FolderEntries& entries) {
    entries = FolderEntries{};
    std::error_code error;
    fs::directory_iterator it(NativePath::of(path), error);
    // Anything that is neither (sockets, dangling links) cannot be a route file or folder.
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string name = NativePath::utf8(it->path().filename());
        if (isFolderEntry(*it)) {
            entries.subfolders.push_back(name);
        } else if (isFileEntry(*it)) {
            entries.files.push_back(name);
        }
    }
    if (error) {
        entries = FolderEntries{};
        return fromErrorCode(error);
    }
    return IoResult::success();
}

IoResult FileSystem::fileSize(const std::string& path, std::uintmax_t& size) {
    std::error_code error;
    size = fs::file_size(NativePath::of(path), error);
    return error ? fromErrorCode(error) : IoResult::success();
}

IoResult FileSystem::readFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::unique_ptr<InputFile> file;
    IoResult result = openInput(path, file);
    if (result) {
        result = readRest(*file, path, bytes);
    }
    return result;
}

IoResult FileSystem::openInput(const std::string& path, std::unique_ptr<InputFile>& file) {
    auto opened = std::make_unique<InputFile>();
    IoResult result = opened->open(path);
    file = result ? std::move(opened) : nullptr;
    return result;
}

IoResult FileSystem::createFile(const std::string& path, const std::string& permissionsFrom,
                                std::unique_ptr<OutputFile>& file) {
    auto created = std::make_unique<OutputFile>();
    IoResult result = created->create(path, permissionsFrom);
    file = result ? std::move(created) : nullptr;
    return result;
}

IoResult FileSystem::writeNewFile(const std::string& path, const ContentWriter& content,
                                  const std::string& permissionsFrom) {
    std::unique_ptr<OutputFile> file;
    IoResult result = createFile(path, permissionsFrom, file);
    if (!result) {
        return result;
    }
    result = fillNewFile(*file, content);
    file.reset();
    if (!result) {
        // Half a file must never stay behind under a name a later step could take for whole.
        (void)removeFile(path);
    }
    return result;
}

bool FileSystem::leadsOutside(const std::string& path, const std::string& root) {
    std::error_code error;
    const fs::path resolvedRoot = native::resolvedPath(root, error);
    const fs::path resolved = error ? fs::path() : native::resolvedPath(path, error);
    // A path that cannot be resolved (a link loop, no permission) is not trusted for writing.
    if (error) {
        return true;
    }
    return !isWithin(resolved, resolvedRoot);
}

IoResult FileSystem::replaceFile(const std::string& path, std::string_view bytes) {
    return writeBeside(*this, path, contentOf(bytes), path);
}

IoResult FileSystem::replaceFile(const std::string& path, const ContentWriter& content) {
    return writeBeside(*this, path, content, path);
}

IoResult FileSystem::copyFile(const std::string& source, const std::string& destination) {
    std::unique_ptr<InputFile> input;
    IoResult opened = openInput(source, input);
    if (!opened) {
        return opened;
    }
    return writeBeside(
        *this, destination, [&input](OutputFile& output) { return copyThrough(*input, output); },
        source);
}

IoResult FileSystem::readText(const std::string& path, std::u16string& text) {
    text.clear();
    std::unique_ptr<InputFile> file;
    IoResult result = openInput(path, file);
    if (!result) {
        return result;
    }
    // The first two bytes tell whether the rest can go straight into the text.
    char mark[2] = {};
    std::size_t marked{};
    // A read fills its buffer unless the file ends first.
    result = file->read(mark, sizeof mark, marked);
    if (result && marked == sizeof mark && isUtf16LeMark(mark) && kLittleEndian) {
        return readUtf16LeRest(*file, path, text);
    }
    std::string bytes(mark, marked);
    if (result) {
        result = readRest(*file, path, bytes);
    }
    if (result) {
        text = TextCodec::decodeWholeFile(bytes);
    }
    return result;
}

ContentWriter FileSystem::contentOf(std::string_view bytes) {
    return [bytes](OutputFile& file) { return file.write(bytes.data(), bytes.size()); };
}

std::string FileSystem::resolvePath(const std::string& folder, const std::string& name) {
    const std::string onDisk = findEntry(folder, name);
    return join(folder, onDisk.empty() ? name : onDisk);
}

std::string FileSystem::resolveFile(const std::string& folder, const std::string& name) {
    const FoundEntry found = lookUp(folder, name);
    return found.isFile ? join(folder, found.name) : std::string();
}

std::string FileSystem::findEntry(const std::string& folder, const std::string& name) {
    return lookUp(folder, name).name;
}

FileSystem::FoundEntry FileSystem::lookUp(const std::string& folder, const std::string& name) {
    const std::string exact = join(folder, name);
    if (fileExists(exact)) {
        return {native::storedName(exact, name), true};
    }
    if (folderExists(exact)) {
        return {native::storedName(exact, name), false};
    }
    FolderEntries entries;
    if (!listFolder(folder, entries)) {
        return {};
    }
    FoundEntry found;
    int matches = 0;
    for (const auto* names : {&entries.subfolders, &entries.files}) {
        for (const std::string& entry : *names) {
            if (equalIgnoringAsciiCase(entry, name)) {
                found = {entry, names == &entries.files};
                ++matches;
            }
        }
    }
    return matches == 1 ? found : FoundEntry{};
}

void FileSystem::removeStaleTemporaryFiles(const std::string& folder) {
    FolderEntries entries;
    if (!listFolder(folder, entries)) {
        return;
    }
    for (const std::string& name : entries.files) {
        if (isTemporaryName(name)) {
            // One that cannot be removed only costs a hidden file; the run's own temporary
            // names carry its own process id and are cleared before use.
            (void)removeFile(join(folder, name));
        }
    }
}

std::string FileSystem::temporaryPathFor(const std::string& path) {
    const std::size_t cut = native::lastSeparator(path);
    const std::string folder = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    return folder + kTemporaryPrefix + name + "." + std::to_string(native::processId()) +
           kTemporarySuffix;
}

std::string FileSystem::join(const std::string& folder, const std::string& name) {
    return folder + separator() + name;
}

}  // namespace veltrano
