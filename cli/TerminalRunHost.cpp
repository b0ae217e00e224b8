#include "cli/TerminalRunHost.h"

#include <cstdlib>
#include <string_view>

#include "platform/TextCodec.h"

namespace veltrano {

namespace {

// Carriage return, then erase to the end of the line: the live line is redrawn in place.
constexpr std::string_view kRedrawLine = "\r\x1b[K";
constexpr std::size_t kDefaultColumns = 80;

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

TerminalRunHost::TerminalRunHost(RouteFolderCheck& routeFolderCheck, std::ostream& errorStream,
                                 bool changeAll, bool liveStatusLine)
    : m_routeFolderCheck(routeFolderCheck),
      m_changeAll(changeAll),
      m_errorStream(errorStream),
      m_liveStatusLine(liveStatusLine) {}

void TerminalRunHost::setStatusLine(const std::u16string& text) {
    m_statusLine = text;
    if (!m_liveStatusLine) {
        return;
    }
    // A line longer than the terminal would wrap, and the redraw would leave its first part
    // standing; one column stays free for the cursor.
    m_errorStream << kRedrawLine << TextCodec::toUtf8(fitToWidth(text, terminalColumns() - 1));
    m_errorStream.flush();
    m_lineDrawn = true;
}

bool TerminalRunHost::checkRouteFolderSilently() {
    return m_routeFolderCheck.subCheckRouteFolder(false);
}

void TerminalRunHost::endLiveLine() {
    if (m_lineDrawn) {
        m_errorStream << kRedrawLine;
        m_errorStream.flush();
        m_lineDrawn = false;
    }
}

std::u16string TerminalRunHost::fitToWidth(const std::u16string& text, std::size_t columns) {
    if (text.size() <= columns || columns < 2) {
        return text;
    }
    std::size_t start = text.size() - (columns - 1);
    if (isLowSurrogate(text[start])) {
        ++start;  // never split a character in two
    }
    return u"\u2026" + text.substr(start);
}

std::size_t TerminalRunHost::terminalColumns() {
    // Shells keep COLUMNS up to date but seldom export it; without it assume the classic width.
    return columnsFrom(std::getenv("COLUMNS"));
}

std::size_t TerminalRunHost::columnsFrom(const char* columns) {
    if (columns != nullptr) {
        char* end = nullptr;
        const long value = std::strtol(columns, &end, 10);
        if (end != columns && *end == '\0' && value >= 20 && value <= 1000) {
            return static_cast<std::size_t>(value);
        }
    }
    return kDefaultColumns;
}

}  // namespace veltrano
