#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "desktop/ControlTable.h"
#include "desktop/HelpWindowView.h"
#include "desktop/LanguageWindow.h"
#include "desktop/LanguageWindowView.h"
#include "desktop/MainWindowView.h"
#include "desktop/PaceClock.h"
#include "platform/TextCodec.h"
#include "tests/support/Golden.h"

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
inline std::string logForm(const std::u16string& text) {
    return replacedAll(replacedAll(TextCodec::toUtf8(text), "\r", "\\r"), "\n", "\\n");
}

// What a control shows, as far as the log tells.
struct Shown {
    bool enabled;
    bool visible;
    int left;
    int top;
};

// Writes every call a window's model makes on its view to a shared log, one line a call. The
// controls start as designed; a change of what one shows (enabled, visible, place) is written
// when anything else happens, as the next paint shows it, so calls a user cannot tell apart (two
// moves in one frame, a flag set to what it was) write one line or none.
template <typename View>
class Recorder : public View {
  public:
    Recorder(std::vector<std::string>& log, std::string name)
        : m_log(log), m_name(std::move(name)) {
        for (const ControlDesign& design : ControlTable::controls()) {
            m_shown[slot(design.id)] = {true, design.visible, design.place.left, design.place.top};
        }
        m_written = m_shown;
    }
    void setCaption(ControlId c, const std::u16string& s) override {
        line(c, "caption " + logForm(s));
    }
    void setToolTip(ControlId c, const std::u16string& s) override { line(c, "tip " + logForm(s)); }
    void setEnabled(ControlId c, bool on) override { m_shown[slot(c)].enabled = on; }
    void setVisible(ControlId c, bool on) override { m_shown[slot(c)].visible = on; }
    void setPosition(ControlId c, int left, int top) override {
        m_shown[slot(c)].left = left;
        m_shown[slot(c)].top = top;
    }
    void setListItems(ControlId c, const std::vector<std::u16string>& items) override {
        std::u16string all;
        for (const std::u16string& item : items) {
            all += u"[" + item + u"]";
        }
        line(c, "items " + logForm(all));
    }
    void setListIndex(ControlId c, int i) override { line(c, "index " + std::to_string(i)); }
    void setWindowCaption(const std::u16string& s) override { say("caption " + logForm(s)); }
    void showCentred() override { say("showCentred"); }

    void say(const std::string& what) { write(m_name + " " + what); }
    void line(ControlId c, const std::string& what) {
        write(m_name + "." + ControlTable::control(c).name + " " + what);
    }
    void write(const std::string& entry) {
        flush();
        m_log.push_back(entry);
    }
    // Writes what each control shows differently since the last write.
    void flush() {
        for (const ControlDesign& design : ControlTable::controls()) {
            Shown& was = m_written[slot(design.id)];
            const Shown& is = m_shown[slot(design.id)];
            const auto show = [&](bool changed, const std::string& what) {
                if (changed) {
                    m_log.push_back(m_name + "." + design.name + " " + what);
                }
            };
            show(is.enabled != was.enabled, "enabled " + std::to_string(is.enabled));
            show(is.visible != was.visible, "visible " + std::to_string(is.visible));
            show(is.left != was.left || is.top != was.top,
                 "position " + std::to_string(is.left) + "," + std::to_string(is.top));
            was = is;
        }
    }

  private:
    static std::size_t slot(ControlId c) { return static_cast<std::size_t>(indexOf(c)); }

    std::vector<std::string>& m_log;
    std::string m_name;
    std::array<Shown, kControlCount> m_shown{};
    std::array<Shown, kControlCount> m_written{};
};

// The language window's showing runs `onShow` as the user, then OK.
struct RecordingLanguageView : Recorder<LanguageWindowView> {
    using Recorder::Recorder;
    void showCentred() override {
        say("showCentred");
        onShow(*model);
        model->click(ControlId::frmLang_cmdOK);
    }
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
    void insertAtBoxFront(const std::u16string& t) override {
        setBox("insert " + logForm(t), t + box);
    }
    void replaceBoxText(const std::u16string& t) override { setBox("replace " + logForm(t), t); }
    void selectAllText(ControlId c) override { line(c, "selectAll"); }
    void setBusyPointer(bool busy) override { say(busy ? "busy 1" : "busy 0"); }
    void repaint() override { say("repaint"); }
    void processPendingEvents() override {
        write("events");
        onPendingEvents();
    }
    void openLanguageWindowModally(LanguageWindow& window) override {
        frmLang.model = &window;
        window.show(frmLang);
    }
    HelpWindowView& createHelpWindow(HelpWindow& window) override {
        help = &window;
        write("frmHilfe made");
        return frmHilfe;
    }
    void showMessage(const std::u16string& t) override { write("message " + logForm(t)); }
    void endProgram(int status) override { write("end " + std::to_string(status)); }

    // The log from line `from` on, with `routePath` written as <route>.
    std::string logText(const std::string& routePath, std::size_t from = 0) {
        frmLang.flush();
        frmHilfe.flush();
        flush();
        std::string text;
        for (std::size_t i = from; i < log.size(); ++i) {
            text += replacedAll(log[i], routePath, "<route>") + "\n";
        }
        return text;
    }
    void setBox(const std::string& what, std::u16string text) {
        write("box " + what);
        box = std::move(text);
        onBoxChanged();
    }

    std::vector<std::string> log;
    std::u16string box;
    std::function<void()> onPendingEvents = [] {};
    // A text box raises its change event for the program's writes as well.
    std::function<void()> onBoxChanged = [] {};
    RecordingLanguageView frmLang{log, "frmLang"};
    RecordingHelpView frmHilfe{log, "frmHilfe"};
    HelpWindow* help = nullptr;
};

}  // namespace veltrano::test
