#pragma once

#include <atomic>
#include <chrono>
#include <thread>

namespace veltrano {

// Says when a run's yield point is due to let the window process its events again. The run
// passes a yield point for every character of a track database, far too often to read the
// clock each time (a clock reading costs more than the work between two yields); a small
// helper thread raises a flag once per period instead, so a yield that is not due costs one
// atomic load. The thread touches nothing but that flag.
class YieldPacer {
  public:
    explicit YieldPacer(std::chrono::milliseconds period) : m_period(period) {}
    ~YieldPacer() { stop(); }
    YieldPacer(const YieldPacer&) = delete;
    YieldPacer& operator=(const YieldPacer&) = delete;

    // Due at once, then again every period until stop().
    void start();
    void stop();
    bool running() const { return m_thread.joinable(); }

    // True once per period: the caller is to process events now.
    bool takeDue() {
        if (!m_due.load(std::memory_order_relaxed)) {
            return false;
        }
        m_due.store(false, std::memory_order_relaxed);
        return true;
    }

  private:
    std::chrono::milliseconds m_period;
    std::atomic<bool> m_due{false};
    std::jthread m_thread;
};

}  // namespace veltrano
