// Loaded into the started veltrano (LD_PRELOAD), a user of its start-up: it writes each window
// that comes up to stderr ("window: " and its name),
// answers a modal window with its first button and, in the main window, quits.

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

void answerWhatComesUp() {
    static const QWidget* last = nullptr;
    QWidget* window = QApplication::activeModalWidget();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (window == nullptr && top->objectName() == "frmHaupt" && top->isVisible()) {
            window = top;
        }
    }
    if (window == nullptr || window == last || !window->isVisible()) {
        return;
    }
    last = window;
    std::fprintf(stderr, "window: %s\n", window->objectName().toUtf8().constData());
    auto* button = window->objectName() == "frmHaupt" ? window->findChild<QPushButton*>("cmdQuit")
                                                      : window->findChild<QPushButton*>();
    if (button != nullptr) {
        button->click();
    }
}

void startUser() {
    auto* timer = new QTimer(QCoreApplication::instance());
    QObject::connect(timer, &QTimer::timeout, answerWhatComesUp);
    timer->start(50);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startUser)
