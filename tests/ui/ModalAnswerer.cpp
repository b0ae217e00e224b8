#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace veltrano::test {

ModalAnswerer::ModalAnswerer(QString language) : m_language(std::move(language)) {
    m_poll.setInterval(5);
    QObject::connect(&m_poll, &QTimer::timeout, [this] { answer(); });
    m_poll.start();
}

ModalAnswerer::~ModalAnswerer() {
    m_poll.stop();
}

void ModalAnswerer::answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (m_answering || modal == nullptr || !modal->isVisible()) {
        return;
    }
    m_answering = true;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        answerMessage(*box);
    } else if (modal->objectName() == QLatin1String("frmLang")) {
        answerLanguageWindow(*modal);
    }
    m_answering = false;
}

void ModalAnswerer::answerLanguageWindow(QWidget& window) {
    ++languageWindows;
    languageWindowCaption = window.windowTitle();
    languageWindowFlags = window.windowFlags();
    languageWindowSize = window.size();
    languageWindowFrame = window.frameGeometry();
    auto* list = window.findChild<QComboBox*>(QStringLiteral("cmbLang"));
    auto* ok = window.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    languageListGeometry = list->geometry();
    okButtonGeometry = ok->geometry();
    if (whileLanguageWindowOpen) {
        whileLanguageWindowOpen(window);
    }
    // Down on the list moves from "english" to "deutsch".
    if (m_language == QLatin1String("deutsch")) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    QTest::mouseClick(ok, Qt::LeftButton);
}

void ModalAnswerer::answerMessage(QMessageBox& box) {
    messages.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) {
        QTest::mouseClick(ok, Qt::LeftButton);
    } else {
        box.done(0);
    }
}

}  // namespace veltrano::test
