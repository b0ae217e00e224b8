#include "desktop/YieldPacer.h"

#include <condition_variable>
#include <mutex>
#include <stop_token>

namespace veltrano {

void YieldPacer::start() {
    stop();
    m_due.store(true, std::memory_order_relaxed);
    m_thread = std::jthread([this](std::stop_token stopToken) {
        std::mutex mutex;
        std::condition_variable_any wake;
        std::unique_lock lock(mutex);
        while (!stopToken.stop_requested()) {
            // Returns early only when stop is requested; a timeout is the normal beat.
            if (wake.wait_for(lock, stopToken, m_period,
                              [&stopToken] { return stopToken.stop_requested(); })) {
                break;
            }
            m_due.store(true, std::memory_order_relaxed);
        }
    });
}

void YieldPacer::stop() {
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
    m_due.store(false, std::memory_order_relaxed);
}

}  // namespace veltrano
