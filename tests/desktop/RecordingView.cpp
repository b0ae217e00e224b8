#include "RecordingView.h"

#include "desktop/ControlTable.h"
#include "desktop/LanguageWindow.h"
#include "platform/TextCodec.h"

namespace veltrano::test {

std::string RecordingView::utf8(const std::u16string& text) {
    std::string out;
    for (const char c : TextCodec::toUtf8(text)) {
        out += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return out;
}

void RecordingView::note(const char* what, ControlId control, const std::u16string& value) {
    const ControlSpec& spec = ControlTable::control(control);
    const char* window = spec.window == WindowId::frmHaupt  ? "frmHaupt"
                         : spec.window == WindowId::frmLang ? "frmLang"
                                                            : "frmHilfe";
    line(std::string(window) + "." + spec.name + " " + what + " " + utf8(value));
}

void RecordingView::setPosition(ControlId c, int left, int top) {
    note("position", c, TextCodec::fromUtf8(std::to_string(left) + "," + std::to_string(top)));
}

void RecordingView::setListItems(ControlId c, const std::vector<std::u16string>& items) {
    std::u16string all;
    for (const std::u16string& item : items) {
        all += u"[" + item + u"]";
    }
    note("items", c, all);
}

void RecordingView::setListIndex(ControlId c, int index) {
    note("index", c, TextCodec::fromUtf8(std::to_string(index)));
}

void RecordingView::setTimerInterval(ControlId c, int ms) {
    note("interval", c, TextCodec::fromUtf8(std::to_string(ms)));
}

void RecordingView::insertAtBoxFront(const std::u16string& text) {
    line("box insert " + utf8(text));
    box.insert(0, text);
}

void RecordingView::replaceBoxText(const std::u16string& text) {
    line("box replace " + utf8(text));
    box = text;
}

void RecordingView::processPendingEvents() {
    line("events");
    if (onPendingEvents) {
        onPendingEvents();
    }
}

void RecordingView::openLanguageWindowModally(LanguageWindow& window) {
    m_frmLang.language = &window;
    window.show(m_frmLang);
}

HelpWindowView& RecordingView::createHelpWindow(HelpWindow& window) {
    ++helpWindowsMade;
    help = &window;
    line("frmHilfe made");
    return m_frmHilfe;
}

void RecordingView::SmallWindow::setWindowCaption(const std::u16string& s) {
    m_owner.line(m_name + " caption " + utf8(s));
}

// The language window's modal showing: the test's hook acts as the user, or OK at once.
void RecordingView::SmallWindow::showCentred() {
    m_owner.line(m_name + " showCentred");
    if (language == nullptr) {
        return;
    }
    if (m_owner.onLanguageWindow) {
        m_owner.onLanguageWindow(*language);
    }
    language->click(ControlId::frmLang_cmdOK);
}

std::string RecordingView::logText(const std::string& routePath, std::size_t from) const {
    std::string text;
    for (std::size_t i = from; i < log.size(); ++i) {
        std::string entry = log[i];
        for (std::size_t at;
             !routePath.empty() && (at = entry.find(routePath)) != std::string::npos;) {
            entry.replace(at, routePath.size(), "<route>");
        }
        text += entry + "\n";
    }
    return text;
}

}  // namespace veltrano::test
