#pragma once

#include <string>
#include <string_view>

#include "engine/RunContext.h"

namespace veltrano {

// Second phase of a run: reads the world files named by the track database and records every
// Pickup object (type, capacity, track item id, world file) in the four per-pickup arrays.
class WorldFileScan {
  public:
    explicit WorldFileScan(RunContext& context) : m_context(context) {}

    // Scans every file of garrWorldFiles. False when a world file could not be read (the
    // problem line is in the protocol).
    bool scan();

    // True when the first input item of folderPath + name contains "SIMISA@@@@@@@@@@JIN"; with
    // the run option readAllWorldFiles, the first item of the file's decoded text when it is
    // stored as UTF-16 or compressed text. `folderPath` ends in a separator. A read failure
    // counts as false and is remembered for the caller (readFailure()).
    bool fctIsUncompressed(const std::string& folderPath, const std::u16string& name);
    const IoResult& readFailure() const { return m_readFailure; }

    // The display text of a pickup type number (1 to 8) or track-file type code (80 to 400);
    // anything else, also a text that is no whole number, gives the default text.
    static std::u16string fctTypeNumToTypeString(std::u16string_view intTypeNum, bool german);
    static std::u16string fctTypeNumToTypeString(long long intTypeNum, bool german);

    // Grows the four per-pickup arrays together to the bounds 0 to n, keeping their contents.
    void subRedimPickupArrays(long long n);

    // Applies the item rules to one input item `item` of world file `worldFile`.
    void handleItem(const std::u16string& item, const std::u16string& worldFile);
    // Starts a new world file: no pickup object is open.
    void resetBlock() { m_inPickup = false; }

  private:
    bool scanFile(std::size_t index, std::size_t count);
    bool readPickups(const std::string& path, const std::u16string& name, std::size_t index,
                     std::size_t count);
    std::string worldFolder();

    RunContext& m_context;
    bool m_inPickup = false;
    IoResult m_readFailure = IoResult::success();
    std::string m_worldFolder;
    bool m_worldFolderResolved = false;
};

}  // namespace veltrano
