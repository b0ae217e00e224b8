#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

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

// All three windows' views in one: every call is written to `log` as one line, texts in UTF-8
// with CR LF shown as \r\n. The box text is kept; modal windows and pending events run hooks.
class RecordingView : public MainWindowView {
  public:
    void setCaption(ControlId c, const std::u16string& s) override { note("caption", c, s); }
    void setToolTip(ControlId c, const std::u16string& s) override { note("tip", c, s); }
    void setEnabled(ControlId c, bool on) override { note("enabled", c, on ? u"1" : u"0"); }
    void setVisible(ControlId c, bool on) override { note("visible", c, on ? u"1" : u"0"); }
    void setPosition(ControlId c, int left, int top) override;
    void setListItems(ControlId c, const std::vector<std::u16string>& items) override;
    void setListIndex(ControlId c, int index) override;
    void setWindowCaption(const std::u16string& s) override { line("frmHaupt caption " + utf8(s)); }
    void showCentred() override { line("frmHaupt showCentred"); }
    void setTimerInterval(ControlId c, int ms) override;
    std::u16string boxText() override { return box; }
    void insertAtBoxFront(const std::u16string& text) override;
    void replaceBoxText(const std::u16string& text) override;
    void selectAllText(ControlId c) override { note("selectAll", c, u""); }
    void setBusyPointer(bool busy) override { line(busy ? "busy 1" : "busy 0"); }
    void repaint() override { line("repaint"); }
    void processPendingEvents() override;
    void openLanguageWindowModally(LanguageWindow& window) override;
    HelpWindowView& createHelpWindow(HelpWindow& window) override;
    void showMessage(const std::u16string& text) override { line("message " + utf8(text)); }
    void endProgram(int status) override { line("end " + std::to_string(status)); }

    // The log from line `from` on, with `routePath` written as <route>.
    std::string logText(const std::string& routePath = {}, std::size_t from = 0) const;
    void line(const std::string& text) { log.push_back(text); }
    void note(const char* what, ControlId control, const std::u16string& value);
    static std::string utf8(const std::u16string& text);

    std::vector<std::string> log;
    std::u16string box;
    std::function<void(LanguageWindow&)> onLanguageWindow;
    std::function<void()> onPendingEvents;
    int helpWindowsMade = 0;
    HelpWindow* help = nullptr;

  private:
    struct SmallWindow : LanguageWindowView, HelpWindowView {
        explicit SmallWindow(RecordingView& owner, const char* name)
            : m_owner(owner), m_name(name) {}
        void setCaption(ControlId c, const std::u16string& s) override {
            m_owner.note("caption", c, s);
        }
        void setToolTip(ControlId c, const std::u16string& s) override {
            m_owner.note("tip", c, s);
        }
        void setEnabled(ControlId c, bool on) override { m_owner.setEnabled(c, on); }
        void setVisible(ControlId c, bool on) override { m_owner.setVisible(c, on); }
        void setPosition(ControlId c, int left, int top) override {
            m_owner.setPosition(c, left, top);
        }
        void setListItems(ControlId c, const std::vector<std::u16string>& i) override {
            m_owner.setListItems(c, i);
        }
        void setListIndex(ControlId c, int index) override { m_owner.setListIndex(c, index); }
        void setWindowCaption(const std::u16string& s) override;
        void showCentred() override;
        void closeWindow() override { m_owner.line(m_name + " close"); }
        void bringToFront() override { m_owner.line(m_name + " bringToFront"); }
        RecordingView& m_owner;
        std::string m_name;
        LanguageWindow* language = nullptr;
    };
    SmallWindow m_frmLang{*this, "frmLang"};
    SmallWindow m_frmHilfe{*this, "frmHilfe"};
};

}  // namespace veltrano::test
