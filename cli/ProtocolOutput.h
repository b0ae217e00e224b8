#pragma once

#include <string>
#include <string_view>

namespace veltrano {

// The protocol as the terminal prints it. The protocol grows at the front, so its text reads
// from the newest line down; a terminal reader expects the oldest line first.
class ProtocolOutput {
  public:
    // The protocol's lines (split at CR LF; a final CR LF ends the last line) in reverse
    // order, each followed by LF, as UTF-8.
    static std::string oldestFirst(std::u16string_view protocol);
    // The protocol exactly as the protocol box shows it, CR LF kept, as UTF-8.
    static std::string newestFirst(std::u16string_view protocol);
};

}  // namespace veltrano
