#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ModalAnswerer.h"
#include "tests/support/TempRoute.h"
#include "ui/DesktopProgramControl.h"
#include "ui/frmHaupt.h"

namespace veltrano::test {

// The smallest route the program starts in: a usable route folder and one world file.
void makeStartableRoute(const TempRoute& route);
// A copy of the demo route of the repository, whose run finds, reports and changes pickups.
void copyDemoRoute(const TempRoute& route);

// The desktop program started in `route` as its working directory, as main() starts it, with
// the start-up's dialogs answered and the end of the program recorded instead of carried out.
class StartedProgram {
  public:
    // `beforeLoad` runs once the window exists, just before its start-up.
    explicit StartedProgram(const TempRoute& route, const QString& language = "english",
                            const std::function<void(StartedProgram&)>& beforeLoad = {});
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    frmHaupt& window() { return *m_window; }
    RunState& state() { return m_window->state(); }
    ModalAnswerer& answerer() { return m_answerer; }
    const std::vector<int>& endings() const { return m_endings; }
    // How often the main window was shown.
    int shows() const;

    template <typename Control>
    Control* control(const char* name) {
        auto* found = m_window->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw std::runtime_error(std::string("no control ") + name);
        }
        return found;
    }

    // The whole text of the protocol box, line ends as the program writes them.
    QString boxText() { return QString::fromStdU16String(m_window->protocolBoxText()); }
    QString protocolText() const {
        return QString::fromStdU16String(m_window->state().gstrProtokoll.text());
    }

    // Starts a run with a click on the run button and waits until the window has released its
    // controls again.
    void runOnce(Qt::MouseButton button = Qt::LeftButton);
    bool waitUntilIdle(int timeoutMs = 1500);

  private:
    std::filesystem::path m_previousDirectory;
    ModalAnswerer m_answerer;
    std::vector<int> m_endings;
    DesktopProgramControl m_program;
    std::unique_ptr<QObject> m_showCounter;
    std::unique_ptr<frmHaupt> m_window;
};

// Occurrences of `needle` in `haystack`.
int countOf(const QString& haystack, const QString& needle);

}  // namespace veltrano::test
