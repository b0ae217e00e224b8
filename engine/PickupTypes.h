#pragma once

#include <string>
#include <string_view>

namespace veltrano {

// One kind of pickup as a world file numbers it and a track file codes it.
struct PickupType {
    long long number;  // the first value of a world file's PickupType item
    long long code;    // the last three digits of a track file's PickupTrItemData field
    // The protocol names, padded on the left so the protocol's columns line up.
    const char16_t* german;
    const char16_t* english;
    // Fuel pickups carry the chosen fill level; freight and mail pickups never do.
    bool usesFillLevel;
};

// The eight pickup types, and what stands for any other type.
class PickupTypes {
  public:
    // The type with this number (1 to 8); null for any other.
    static const PickupType* withNumber(long long number);
    // The type with this number or track-file code (80 to 400); null for any other.
    static const PickupType* withNumberOrCode(long long value);
    // The protocol name of `type`; null names any other type.
    static std::u16string name(const PickupType* type, bool german);
    // The three digits a track file writes for `type`; null writes "000".
    static std::u16string codeText(const PickupType* type);
};

}  // namespace veltrano
