#pragma once

#include <string>

#include "engine/Protocol.h"

namespace veltrano {

// Everything a correction run needs from the front that hosts it: the desktop window, the
// terminal, or a test. The run never shows a window or ends the process itself.
class RunHost {
  public:
    virtual ~RunHost() = default;

    // The status line (lblZeit).
    virtual void setStatusLine(const std::u16string& text) = 0;
    // The text the protocol box holds now; the user may have edited it between runs.
    virtual std::u16string protocolBoxText() = 0;
    // The protocol box is to show `protocol` (a show: the box text becomes the protocol).
    virtual void showProtocol(const Protocol& protocol) = 0;
    // A yield point: pending window events may run here. Called very often; must be cheap.
    virtual void yieldToEvents() = 0;
    // Interval of the busy-animation timer in ms; 0 stops it.
    virtual void setAnimationInterval(int milliseconds) = 0;
    virtual void setBusyPointer(bool busy) = 0;
    virtual void repaint() = 0;
    // Value of the change-all option: 1 ticked, 0 not. Read anew for every record.
    virtual int changeAllValue() = 0;
    // The silent route-folder check at the start of a run. True: the folder passed and
    // gstrRouteName is set. False: the front has shown the problem message and the program
    // is to end; the run then returns at once, having read and written nothing.
    virtual bool checkRouteFolderSilently() = 0;
};

}  // namespace veltrano
