#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/InputFile.h"
#include "platform/IoResult.h"
#include "platform/OutputFile.h"

namespace veltrano {

// Names of the direct entries of a folder, in the order the platform enumerates them.
struct FolderEntries {
    std::vector<std::string> subfolders;
    std::vector<std::string> files;
};

// Puts a new file's content into `file` piece by piece, so a file of any size is written
// without first being held whole; the first failure it returns ends the write.
using ContentWriter = std::function<IoResult(OutputFile& file)>;

// The file-system service of a run. Every primitive is virtual so that tests can make any
// one of them fail; the composite operations (atomic replace, backup copy, lookup) are built
// only from the primitives, so a failure injected there reaches them too.
// Paths are UTF-8 text (handed to Windows as UTF-16); names are bare names without a folder.
class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // --- primitives ---------------------------------------------------------------------
    virtual bool folderExists(const std::string& path);
    // True for a regular file (a link to one counts); false for folders and missing paths.
    virtual bool fileExists(const std::string& path);
    virtual IoResult listFolder(const std::string& path, FolderEntries& entries);
    // The size of the file `path` in bytes; meaningless after a failure.
    virtual IoResult fileSize(const std::string& path, std::uintmax_t& size);
    // The whole file; built from openInput() and the file's reads.
    virtual IoResult readFile(const std::string& path, std::string& bytes);
    virtual IoResult openInput(const std::string& path, std::unique_ptr<InputFile>& file);
    virtual IoResult createFolder(const std::string& path);
    // Creates `path`, which must not exist, for writing. The new file gets the permission bits
    // and, where the process may give it, the owner of `permissionsFrom` when that file exists.
    virtual IoResult createFile(const std::string& path, const std::string& permissionsFrom,
                                std::unique_ptr<OutputFile>& file);
    // Creates `path` (which must not exist), lets `content` write it, flushes it to disk and
    // closes it, from createFile() and the file's steps; after a failure the new file is
    // removed. The new file gets the permission bits of `permissionsFrom` when that file exists.
    virtual IoResult writeNewFile(const std::string& path, const ContentWriter& content,
                                  const std::string& permissionsFrom);
    // Renames `from` over `to` in one step and makes the rename durable.
    virtual IoResult renameOver(const std::string& from, const std::string& to);
    virtual IoResult removeFile(const std::string& path);
    // Makes the entries of folder `path` durable (a folder just created in it, for one).
    virtual IoResult flushFolder(const std::string& path);
    // True when `path` is, or passes through, a symbolic link that resolves outside `root`.
    virtual bool leadsOutside(const std::string& path, const std::string& root);

    // --- composites ---------------------------------------------------------------------
    // Replaces `path` with `bytes`: temporary file beside it, flushed, renamed over it. On
    // any failure the old file is untouched and the temporary file is gone.
    IoResult replaceFile(const std::string& path, std::string_view bytes);
    IoResult replaceFile(const std::string& path, const ContentWriter& content);
    // Copies `source` byte for byte to `destination` (replacing it) by the same atomic route,
    // in blocks, so a copy costs no more memory for a large file than for a small one.
    IoResult copyFile(const std::string& source, const std::string& destination);
    // The whole file as text, decoded by TextCodec::decodeWholeFile's rules. A UTF-16LE file,
    // the form track files are written in, is read straight into the text on a little-endian
    // machine: no second copy of a large file is ever made.
    IoResult readText(const std::string& path, std::u16string& text);
    // The name under which `name` exists in `folder`: the exact name when it exists, else the
    // one entry that matches without regard to ASCII letter case; empty when there is none
    // (or more than one).
    std::string findEntry(const std::string& folder, const std::string& name);
    // `folder` joined with the name `name` has there: the one found by findEntry(), or `name`
    // itself when no entry matches (the path then names a file that does not exist).
    std::string resolvePath(const std::string& folder, const std::string& name);
    // The path of the regular file that findEntry() finds for `name` in `folder`; empty when
    // that entry is missing or is no regular file. Asks each question once.
    std::string resolveFile(const std::string& folder, const std::string& name);
    // Removes temporary files of an earlier, killed run (".veltrano-*.tmp") from `folder`.
    void removeStaleTemporaryFiles(const std::string& folder);

    // The temporary name used while replacing `path`: hidden, and never ending in a route
    // file extension, so a left-over one cannot disturb the route check.
    static std::string temporaryPathFor(const std::string& path);
    // A writer of `bytes` in one piece.
    static ContentWriter contentOf(std::string_view bytes);
    static std::string join(const std::string& folder, const std::string& name);
    static char separator();

  private:
    struct FoundEntry {
        std::string name;  // empty: none, or more than one
        bool isFile = false;
    };
    FoundEntry lookUp(const std::string& folder, const std::string& name);
};

}  // namespace veltrano
