#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "desktop/ControlTable.h"
#include "desktop/HelpWindowView.h"
#include "desktop/LanguageWindowView.h"
#include "desktop/MainWindowView.h"
#include "desktop/PaceClock.h"

namespace veltrano::test {

// A beat stepped by hand: due only when a test says so, time moving only when told.
struct SteppedPace : PaceClock {
    void start() override { due = true; }
    void stop() override { due = false; }
    bool takeDue() override { return std::exchange(due, false); }
    std::chrono::steady_clock::time_point now() const override { return time; }
    bool due = false;
    std::chrono::steady_clock::time_point time{};
};

// Texts in UTF-8 with CR and LF shown as \r and \n, so one call is one line of a log.
std::string logForm(const std::u16string& text);

// Writes every call a window's model makes on its view to a shared log, one line a call.
template <typename View>
class Recorder : public View {
  public:
    Recorder(std::vector<std::string>& log, std::string name)
        : m_log(log), m_name(std::move(name)) {}
    void setCaption(ControlId c, const std::u16string& s) override { note(c, "caption", s); }
    void setToolTip(ControlId c, const std::u16string& s) override { note(c, "tip", s); }
    void setEnabled(ControlId c, bool on) override { note(c, "enabled", on ? u"1" : u"0"); }
    void setVisible(ControlId c, bool on) override { note(c, "visible", on ? u"1" : u"0"); }
    void setPosition(ControlId c, int left, int top) override {
        line(c, "position " + std::to_string(left) + "," + std::to_string(top));
    }
    void setListItems(ControlId c, const std::vector<std::u16string>& items) override {
        std::u16string all;
        for (const std::u16string& item : items) {
            all += u"[" + item + u"]";
        }
        note(c, "items", all);
    }
    void setListIndex(ControlId c, int i) override { line(c, "index " + std::to_string(i)); }
    void setWindowCaption(const std::u16string& s) override { say("caption " + logForm(s)); }
    void showCentred() override { say("showCentred"); }

    void say(const std::string& what) { m_log.push_back(m_name + " " + what); }
    void note(ControlId c, const char* what, const std::u16string& s) {
        line(c, std::string(what) + " " + logForm(s));
    }
    void line(ControlId c, const std::string& what) {
        m_log.push_back(m_name + "." + ControlTable::control(c).name + " " + what);
    }

  private:
    std::vector<std::string>& m_log;
    std::string m_name;
};

// The language window's showing runs `onShow` as the user, then OK.
struct RecordingLanguageView : Recorder<LanguageWindowView> {
    using Recorder::Recorder;
    void showCentred() override;
    void closeWindow() override { say("close"); }
    LanguageWindow* model = nullptr;
    std::function<void(LanguageWindow&)> onShow = [](LanguageWindow&) {};
};

struct RecordingHelpView : Recorder<HelpWindowView> {
    using Recorder::Recorder;
    void bringToFront() override { say("bringToFront"); }
};

// The main window's view keeps the box text; pending events run a test's hook.
class RecordingView : public Recorder<MainWindowView> {
  public:
    RecordingView() : Recorder(log, "frmHaupt") {}
    void setTimerInterval(ControlId c, int n) override { line(c, "interval " + std::to_string(n)); }
    std::u16string boxText() override { return box; }
    void insertAtBoxFront(const std::u16string& text) override;
    void replaceBoxText(const std::u16string& text) override;
    void selectAllText(ControlId c) override { line(c, "selectAll"); }
    void setBusyPointer(bool busy) override { say(busy ? "busy 1" : "busy 0"); }
    void repaint() override { say("repaint"); }
    void processPendingEvents() override;
    void openLanguageWindowModally(LanguageWindow& window) override;
    HelpWindowView& createHelpWindow(HelpWindow& window) override;
    void showMessage(const std::u16string& t) override { log.push_back("message " + logForm(t)); }
    void endProgram(int status) override { log.push_back("end " + std::to_string(status)); }

    // The log from line `from` on, with `routePath` written as <route>.
    std::string logText(const std::string& routePath, std::size_t from = 0) const;

    std::vector<std::string> log;
    std::u16string box;
    std::function<void()> onPendingEvents = [] {};
    RecordingLanguageView frmLang{log, "frmLang"};
    RecordingHelpView frmHilfe{log, "frmHilfe"};
    HelpWindow* help = nullptr;
};

}  // namespace veltrano::test
