#pragma once

#include <functional>
#include <string>

#include "engine/RunContext.h"

namespace veltrano {

// One of the route's two track files while it is being replaced.
struct TrackFile {
    std::u16string extension;  // ".tit" or ".tdb"
    std::string name;          // the name found on disk, or the one looked for when missing
    std::string path;          // route folder and that name
    std::string backupPath;    // the copy made just before it was replaced
    bool replaced = false;
};

// The route's .tit and .tdb, replaced both or neither: each is backed up and then replaced
// atomically, the .tit first; when the .tdb cannot follow, the .tit goes back to its copy.
// A run and a restore replace their files through this one piece.
class TrackFilePair {
  public:
    // Resolves both files in the route folder; a file found under another letter case keeps
    // the name it has on disk.
    explicit TrackFilePair(RunContext& context);

    TrackFile& itemTable() { return m_itemTable; }
    TrackFile& database() { return m_database; }

    // True when neither file nor the backup folder is a link leading out of the route folder;
    // otherwise the problem line is in the protocol and nothing may be written. Checked before
    // each file is replaced; the first check comes before either is touched, so a refusal
    // changes nothing at all. `first`, the file about to be written, is looked at first.
    bool writesStayInside(const TrackFile& first);
    // Backs `file` up, then lets `write` replace it (off the window's thread) by an atomic
    // step. False after a failure, with its line in the protocol; the file is then unchanged.
    bool replace(TrackFile& file, const std::function<IoResult(const std::string& path)>& write);
    // Both or neither: puts a replaced .tit back to its copy when the .tdb could not follow.
    void undo();

  private:
    TrackFile resolve(const char16_t* extension) const;

    RunContext& m_context;
    TrackFile m_itemTable;
    TrackFile m_database;
};

}  // namespace veltrano
