#include "desktop/ProtocolBoxFeed.h"

#include "desktop/MainWindowView.h"
#include "desktop/PaceClock.h"

namespace veltrano {

namespace {

// Marks the box writes as the program's own for as long as it lives.
class WritingBox {
  public:
    explicit WritingBox(bool& writing) : m_writing(writing) { m_writing = true; }
    ~WritingBox() { m_writing = false; }
    WritingBox(const WritingBox&) = delete;
    WritingBox& operator=(const WritingBox&) = delete;

  private:
    bool& m_writing;
};

}  // namespace

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

    const WritingBox writing(m_writing);
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
    {
        const WritingBox writing(m_writing);
        m_view.replaceBoxText(u"");
    }
    m_pending = nullptr;
    m_shownLength = 0;
    m_boxHoldsShownProtocol = true;
}

void ProtocolBoxFeed::boxChanged() {
    if (!m_writing) {
        m_boxHoldsShownProtocol = false;
    }
}

}  // namespace veltrano
