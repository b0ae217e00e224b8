#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/RunContext.h"
#include "platform/WorldItemReader.h"

namespace veltrano {

// Second phase of a run: reads the world files named by the track database and records every
// Pickup object (type, capacity, track item id, world file) in the four per-pickup arrays.
class WorldFileScan {
  public:
    explicit WorldFileScan(RunContext& context) : m_context(context) {}

    // Scans every file of garrWorldFiles. False when a world file could not be read (the
    // problem line is in the protocol).
    bool scan();

    // The display text of a pickup type number (1 to 8) or track-file type code (80 to 400);
    // anything else, also a text that is no whole number, gives the default text.
    static std::u16string fctTypeNumToTypeString(std::u16string_view intTypeNum, bool german);
    static std::u16string fctTypeNumToTypeString(long long intTypeNum, bool german);

    // Grows the four per-pickup arrays together to the bounds 0 to n, keeping their contents.
    void subRedimPickupArrays(long long n);

  private:
    bool scanFile(const std::string& folder, std::size_t index, std::size_t count);
    // Opens the world file once: its first item decides whether it is scanned, and the scan
    // goes on from there. False after a read failure (the problem line is in the protocol).
    bool scanWorldFile(const std::string& path, const std::u16string& name, std::size_t index,
                       std::size_t count);
    IoResult readPickups(WorldItemReader& reader, std::string& item, const std::u16string& name,
                         std::size_t index, std::size_t count);
    void showProgress(const std::u16string& name, std::size_t index, std::size_t count);
    // Decodes an item of an open world file and applies the item rules to it.
    void consider(const WorldItemReader& reader, const std::string& item,
                  const std::u16string& worldFile);
    // Applies the item rules to one input item `item` of world file `worldFile`; the number of
    // the pickup the item completes, if it completes one.
    std::optional<std::size_t> applyItemRules(const std::u16string& item,
                                              const std::u16string& worldFile);
    // The protocol line of a complete pickup, quoting its Position item.
    void reportFound(std::size_t k, const std::u16string& positionItem);

    RunContext& m_context;
    // The in-block flag: from a pickup's opening item up to its Position item.
    bool m_inPickup = false;
};

}  // namespace veltrano
