#pragma once

#include <chrono>
#include <cstddef>
#include <optional>

#include "engine/Protocol.h"

namespace veltrano {

class MainWindowView;
class PaceClock;

// Shows the protocol in the box txtAnzeige. Shows come far more often than the screen can
// follow, so a show reaches the box at most once per period, and then only with what is new in
// front; after the user has edited the box, the next show writes the whole text.
class ProtocolBoxFeed {
  public:
    static constexpr std::chrono::milliseconds kPeriod{15};

    ProtocolBoxFeed(MainWindowView& view, const PaceClock& pace) : m_view(view), m_pace(pace) {}

    // The box is to show `protocol`, which must live until the next flush().
    void show(const Protocol& protocol);
    // Writes a show that is still waiting.
    void flush();
    // The box was emptied by program, and the protocol with it.
    void clear();
    // The box text changed. A change the feed's own write raises is overruled as the write
    // ends; any other is the user's edit.
    void boxChanged() { m_boxHoldsShownProtocol = false; }

  private:
    MainWindowView& m_view;
    const PaceClock& m_pace;
    const Protocol* m_pending = nullptr;
    std::optional<std::chrono::steady_clock::time_point> m_lastWrite;
    std::size_t m_shownLength = 0;
    bool m_boxHoldsShownProtocol = true;
};

}  // namespace veltrano
