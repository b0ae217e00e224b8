#pragma once

#include <string>

#include "tests/reference/ReferenceState.h"

namespace veltrano::reference {

// Phase 2, item by item: every Pickup object of the listed world files goes into the four
// per-pickup arrays and gets its found line in the protocol.
class ReferenceWorldScan {
  public:
    explicit ReferenceWorldScan(ReferenceState& state) : m_state(state) {}

    // False when a world file could not be read (the problem line is in the protocol).
    bool scan();

    static std::u16string fctTypeNumToTypeString(const std::u16string& intTypeNum, bool german);

  private:
    enum class Header { PlainText, Compressed, Unreadable };

    bool scanFile(std::size_t i);
    Header fctIsUncompressed(const std::string& path);
    bool readItems(const std::string& path, const std::u16string& worldFile);
    void handleItem(const std::u16string& s, const std::u16string& worldFile);
    void readFailure(const std::string& path, const IoResult& failure);

    ReferenceState& m_state;
    bool m_inBlock = false;
};

}  // namespace veltrano::reference
