#pragma once

#include <chrono>

namespace veltrano {

// The beat of a run in the desktop program: when a yield point is to let the window process its
// events, and how long ago the protocol box was last written. Tests step it by hand.
class PaceClock {
  public:
    virtual ~PaceClock() = default;

    // Due at once, then again every period until stop().
    virtual void start() = 0;
    virtual void stop() = 0;
    // True once per period: the caller is to process events now. Called for every yield point
    // of a run, so it must cost next to nothing.
    virtual bool takeDue() = 0;
    // A monotonic reading, for spacing the writes to the protocol box.
    virtual std::chrono::steady_clock::time_point now() const = 0;
};

}  // namespace veltrano
