#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "app/RouteFolderCheck.h"
#include "engine/Protocol.h"
#include "engine/WindowlessRunHost.h"

namespace veltrano {

// Hosts a correction run in a terminal. The status line is drawn as one live line on the error
// stream when that is a terminal; otherwise it is only remembered.
class TerminalRunHost : public WindowlessRunHost {
  public:
    // A restore draws no status line and reads no option: it needs neither flag.
    TerminalRunHost(RouteFolderCheck& routeFolderCheck, std::ostream& errorStream,
                    bool changeAll = false, bool liveStatusLine = false);

    void setStatusLine(const std::u16string& text) override;
    int changeAllValue() override { return m_changeAll ? 1 : 0; }
    bool checkRouteFolderSilently() override;

    // Clears the live line so that what follows on the terminal starts at its left edge.
    void endLiveLine();
    const std::u16string& lastStatusLine() const { return m_statusLine; }

    // `text` cut to fit in `columns` terminal columns: when it is too long its end is kept,
    // since a progress line carries its percentage there.
    static std::u16string fitToWidth(const std::u16string& text, std::size_t columns);
    // The terminal's width: COLUMNS when it holds a sane number, else the classic 80.
    static std::size_t terminalColumns();
    // The width a value of COLUMNS gives (null: none set).
    static std::size_t columnsFrom(const char* columns);

  private:
    RouteFolderCheck& m_routeFolderCheck;
    bool m_changeAll;
    std::ostream& m_errorStream;
    bool m_liveStatusLine;
    bool m_lineDrawn = false;
    std::u16string m_statusLine;
};

}  // namespace veltrano
