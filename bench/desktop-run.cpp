// desktop-run: one correction run of the desktop program on a route folder, started with a
// click on the run button as a user would, usually on the offscreen platform. Prints two
// figures: the seconds the run took, and the longest time in milliseconds that the event loop
// did not turn during it (measured by a 1 ms timer, whose ticks come only when it turns).
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "qt/frmHaupt.h"

namespace {

// Answers the start-up's modal windows: English in the language window, OK in a message box.
void answerModalWindow() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            ok->click();
        } else {
            box->done(0);
        }
    } else if (auto* ok = modal->findChild<QPushButton*>(QStringLiteral("cmdOK"))) {
        ok->click();
    }
}

void click(QWidget& button) {
    const QPointF inside(button.width() / 2.0, button.height() / 2.0);
    const QPointF global = button.mapToGlobal(inside);
    QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&button, &press);
    QApplication::sendEvent(&button, &release);
}

}  // namespace

int main(int argc, char** argv) {
    // As the desktop program itself starts.
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: desktop-run ROUTE_DIR\n");
        return 64;
    }
    // The desktop program works on the folder it is started in.
    std::filesystem::current_path(argv[1]);

    int endStatus = -1;
    QTimer answerer;
    answerer.setInterval(5);
    QObject::connect(&answerer, &QTimer::timeout, &answerModalWindow);
    answerer.start();

    veltrano::frmHaupt window([&](int status) { endStatus = status; });
    window.Form_Load();
    if (endStatus >= 0) {
        std::fprintf(stderr, "desktop-run: the program ended at start-up (%d)\n", endStatus);
        return 1;
    }
    answerer.stop();

    QElapsedTimer clock;
    bool running = false;
    qint64 lastTurn = 0;
    qint64 longestGap = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (running) {
            longestGap = std::max(longestGap, now - lastTurn);
        }
        lastTurn = now;
    });

    double seconds = 0;
    QTimer::singleShot(50, [&] {
        auto* button = window.findChild<QPushButton*>(QStringLiteral("cmdCorrectPickups"));
        clock.start();
        lastTurn = 0;
        running = true;
        // The run goes on inside the click's handler; the ticker fires at its yield points.
        click(*button);
        const qint64 end = clock.nsecsElapsed();
        running = false;
        longestGap = std::max(longestGap, end - lastTurn);
        seconds = static_cast<double>(end) / 1e9;
        // exit(), not quit(): quit() asks the windows to close first, and the main window
        // refuses that (Quit is its way out).
        QCoreApplication::exit(0);
    });
    ticker.start();
    QApplication::exec();

    if (!window.state().gstrProtokoll.text().starts_with(std::u16string(151, u'='))) {
        std::fprintf(stderr, "desktop-run: the run did not end with its protocol frame\n");
        return 1;
    }
    std::printf("%.3f %.1f\n", seconds, static_cast<double>(longestGap) / 1e6);
    return 0;
}
