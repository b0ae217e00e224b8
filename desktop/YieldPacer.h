#pragma once

#include <atomic>
#include <chrono>
#include <thread>

#include "desktop/PaceClock.h"

namespace veltrano {

// The real beat of a run's yield points. The run passes a yield point for every character of a
// track database, far too often to read the clock each time (a clock reading costs more than the
// work between two yields); a small helper thread raises a flag once per period instead, so a
// yield that is not due costs one atomic load. The thread touches nothing but that flag.
class YieldPacer : public PaceClock {
  public:
    explicit YieldPacer(std::chrono::milliseconds period) : m_period(period) {}
    ~YieldPacer() override { stop(); }
    YieldPacer(const YieldPacer&) = delete;
    YieldPacer& operator=(const YieldPacer&) = delete;

    void start() override;
    void stop() override;
    bool running() const { return m_thread.joinable(); }

    bool takeDue() override {
        if (!m_due.load(std::memory_order_relaxed)) {
            return false;
        }
        m_due.store(false, std::memory_order_relaxed);
        return true;
    }
    std::chrono::steady_clock::time_point now() const override {
        return std::chrono::steady_clock::now();
    }

  private:
    std::chrono::milliseconds m_period;
    std::atomic<bool> m_due{false};
    std::jthread m_thread;
};

}  // namespace veltrano
