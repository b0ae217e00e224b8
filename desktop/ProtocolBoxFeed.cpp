#include "desktop/ProtocolBoxFeed.h"

#include "desktop/MainWindowView.h"
#include "desktop/PaceClock.h"

namespace veltrano {

void ProtocolBoxFeed::show(const Protocol& protocol) {
    m_pending = &protocol;
    if (!m_lastWrite || m_pace.now() - *m_lastWrite >= kPeriod) {
        flush();
    }
}

void ProtocolBoxFeed::flush() {
    if (m_pending == nullptr) {
        return;
    }
    const Protocol& protocol = *m_pending;
    m_pending = nullptr;
    m_lastWrite = m_pace.now();

    if (m_boxHoldsShownProtocol && protocol.length() >= m_shownLength) {
        // Even with nothing new the caret and the view go back to the start.
        m_view.insertAtBoxFront(protocol.newestSince(m_shownLength));
    } else {
        m_view.replaceBoxText(protocol.text());
    }
    m_shownLength = protocol.length();
    m_boxHoldsShownProtocol = true;
}

void ProtocolBoxFeed::clear() {
    m_view.replaceBoxText(u"");
    m_pending = nullptr;
    m_shownLength = 0;
    m_boxHoldsShownProtocol = true;
}

}  // namespace veltrano
