#pragma once

#include <string>

#include "tests/reference/ReferenceState.h"

namespace veltrano::reference {

// Phase 3 with the backups: every world pickup's id is looked up afresh from the first
// character of the .tit and then of the .tdb, its field is found by walking forward, and the
// whole text is rebuilt at every rewritten field.
class ReferenceRewriting {
  public:
    explicit ReferenceRewriting(ReferenceState& state) : m_state(state) {}

    // False when a file error ended the phase (the problem line is in the protocol).
    bool run();

    static std::u16string newFieldText(const std::u16string& capacity, const std::u16string& type,
                                       const std::vector<std::u16string>& fillLevelCodes,
                                       int fillLevel);

  private:
    struct TrackFile {
        std::u16string extension;
        std::string path;
        std::u16string nameOnDisk;
        std::u16string text;
        std::string backupPath;
        bool written = false;
    };

    TrackFile trackFile(const char16_t* extension) const;
    bool pass(TrackFile& file, bool tdb);
    void rewriteRecord(TrackFile& file, std::size_t i, bool tdb);
    bool writeBack(TrackFile& file, const TrackFile& partner);
    bool staysInside(const TrackFile& file, const TrackFile& partner);
    std::string backUp(const TrackFile& file);
    void putBack(const TrackFile& itemTable);

    ReferenceState& m_state;
    bool m_changed = false;
    bool m_linksChecked = false;
};

}  // namespace veltrano::reference
