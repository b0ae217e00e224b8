#include "RecordingView.h"

#include "desktop/LanguageWindow.h"
#include "platform/TextCodec.h"
#include "tests/support/Golden.h"

namespace veltrano::test {

std::string logForm(const std::u16string& text) {
    return replacedAll(replacedAll(TextCodec::toUtf8(text), "\r", "\\r"), "\n", "\\n");
}

void RecordingLanguageView::showCentred() {
    say("showCentred");
    onShow(*model);
    model->click(ControlId::frmLang_cmdOK);
}

void RecordingView::insertAtBoxFront(const std::u16string& text) {
    write("box insert " + logForm(text));
    box.insert(0, text);
    onBoxChanged();
}

void RecordingView::replaceBoxText(const std::u16string& text) {
    write("box replace " + logForm(text));
    box = text;
    onBoxChanged();
}

void RecordingView::processPendingEvents() {
    write("events");
    onPendingEvents();
}

void RecordingView::openLanguageWindowModally(LanguageWindow& window) {
    frmLang.model = &window;
    window.show(frmLang);
}

HelpWindowView& RecordingView::createHelpWindow(HelpWindow& window) {
    help = &window;
    write("frmHilfe made");
    return frmHilfe;
}

std::string RecordingView::logText(const std::string& routePath, std::size_t from) {
    frmLang.flush();
    frmHilfe.flush();
    flush();
    std::string text;
    for (std::size_t i = from; i < log.size(); ++i) {
        text += replacedAll(log[i], routePath, "<route>") + "\n";
    }
    return text;
}

}  // namespace veltrano::test
