#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "desktop/HelpPictureContent.h"
#include "desktop/HelpWindow.h"
#include "qt/HelpPicture.h"
#include "qt/QtControls.h"
#include "qt/WheelPictures.h"
#include "qt/frmHaupt.h"
#include "tests/support/TempRoute.h"

namespace veltrano::test {
namespace {

// The program started as main() starts it, in a startable route; the start-up's modal windows
// are answered as a user would, first trying Escape on each.
class QtFront : public ::testing::Test {
  protected:
    QtFront() : m_previous(std::filesystem::current_path()) {
        route.makeUsableRoute();
        route.writeBytes("WORLD/w-000000+000000.w",
                         "SIMISA@@@@@@@@@@JINX0w0t______\r\n\r\nTr_Worldfile (\r\n)\r\n");
        std::filesystem::current_path(route.path());
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [this] { answer(); });
        answerer.start(10);
        window.Form_Load();
    }
    ~QtFront() override { std::filesystem::current_path(m_previous); }

    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        for (const QWidget* child : modal->findChildren<QWidget*>()) {
            if (modal->objectName() == "frmLang" && child->isVisible()) {
                languageWindowShows << child->objectName();
            }
        }
        QTest::keyClick(modal, Qt::Key_Escape);
        modals.push_back(modal->objectName() + (modal->isVisible() ? " stays" : " goes"));
        // A message box has only OK, which Escape answers too.
        if (auto* ok = modal->findChild<QPushButton*>("cmdOK"); ok && modal->isVisible()) {
            ok->click();
        }
    }
    QWidget& control(const char* name) { return *window.findChild<QWidget*>(name); }
    static constexpr const char* kFrames[] = {"imgRunning01", "imgRunning02", "imgRunning03",
                                              "imgRunning04"};

    TempRoute route;
    std::vector<int> endings;
    QStringList modals;
    QStringList languageWindowShows;
    frmHaupt window{[this](int status) { endings.push_back(status); }};

  private:
    std::filesystem::path m_previous;
};

TEST_F(QtFront, WindowsShowAsDesignedCentredModalOrWithACloseButtonAndOnlyQuitEndsTheProgram) {
    EXPECT_EQ(modals, QStringList({"frmLang stays", "msgVeltrano goes"}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(1128, 788));
    EXPECT_NEAR(window.frameGeometry().center().x(), window.screen()->geometry().center().x(), 1);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(window.close());
    EXPECT_EQ(control("Picture2").geometry(), QRect(850, 29, 175, 25));
    EXPECT_EQ(control("cmdCorrectPickups").geometry(), QRect(2, 2, 171, 21));
    EXPECT_EQ(control("txtAnzeige").geometry(), QRect(4, 77, 1121, 665));
    // Every control shows but the busy wheel's later frames; the route label names the route.
    QStringList hidden;
    for (const ControlDesign& design : ControlTable::controls()) {
        if (design.window == WindowId::frmHaupt && design.kind != ControlKind::Timer &&
            !control(design.name).isVisible()) {
            hidden << design.name;
        }
    }
    EXPECT_EQ(hidden, QStringList({"imgRunning02", "imgRunning03", "imgRunning04"}));
    EXPECT_EQ(languageWindowShows, QStringList({"cmbLang", "cmdOK"}));
    EXPECT_EQ(static_cast<QLabel&>(control("lblCopyPfad")).text().toStdString(),
              std::filesystem::current_path().string());
    // The box is drawn in a fixed-pitch face of 8.25 points, 11 pixels at 96 dots an inch.
    const QFontInfo boxFace(control("txtAnzeige").font());
    EXPECT_TRUE(boxFace.fixedPitch()) << boxFace.family().toStdString();
    EXPECT_EQ(boxFace.pixelSize(), 11);
    // A list given new items shows none until one is selected.
    window.setListItems(ControlId::cmbFuellstand, {u"a", u"b"});
    EXPECT_EQ(static_cast<QComboBox&>(control("cmbFuellstand")).currentIndex(), -1);
    // The frames show their colour around the buttons they hold.
    const QImage shown = window.grab().toImage();
    EXPECT_EQ(shown.pixelColor(control("Picture1").pos() + QPoint(1, 1)), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(control("Picture2").pos() + QPoint(1, 1)), QColor(Qt::green));

    QTest::mouseClick(&control("cmdHelp"), Qt::LeftButton);
    QWidget* help = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        help = top->objectName() == "frmHilfe" && top->isVisible() ? top : help;
    }
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), "Help for Veltrano");
    EXPECT_TRUE(help->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(help->close());
    EXPECT_FALSE(window.model().helpWindow()->loaded());
    QTest::mouseClick(&control("cmdQuit"), Qt::LeftButton);
    EXPECT_EQ(endings, std::vector<int>{0});
}

TEST_F(QtFront, RunButtonStartsARunOnAMouseReleaseButNotOnAKeyChangeAllAsTicked) {
    auto& changeAll = static_cast<QCheckBox&>(control("chkChangeAll"));
    changeAll.click();
    EXPECT_EQ(window.model().changeAllValue(), 1);
    changeAll.click();
    EXPECT_EQ(window.model().changeAllValue(), 0);
    QWidget& run = control("cmdCorrectPickups");
    QTest::keyClick(&run, Qt::Key_Space);
    QTest::keyClick(&run, Qt::Key_Return);
    EXPECT_TRUE(window.state().gstrProtokoll.empty());
    QTest::mouseClick(&run, Qt::RightButton);
    EXPECT_FALSE(window.state().gstrProtokoll.empty());
    EXPECT_EQ(window.boxText(), window.state().gstrProtokoll.text());
}

// The model steps the frames (the desktop tests); here the timer follows its interval and a frame
// shows where the first stood.
TEST_F(QtFront, BusyWheelTurnsThroughFourPicturesFromTheFirstInOnePlaceAndStops) {
    auto* blink = window.findChild<QTimer*>("tmrBlinken");
    EXPECT_TRUE(window.findChild<QTimer*>("Timer1")->isActive());
    EXPECT_FALSE(blink->isActive());
    window.model().setAnimationInterval(100);
    EXPECT_TRUE(blink->isActive());
    QMetaObject::invokeMethod(blink, "timeout");
    // The frames the user sees, with where each stands.
    QStringList shown;
    for (const char* name : kFrames) {
        if (const QWidget& image = control(name); image.isVisible()) {
            shown << QStringLiteral("%1 at %2,%3").arg(name).arg(image.x()).arg(image.y());
        }
    }
    EXPECT_EQ(shown, QStringList({"imgRunning02 at 6,44"}));
    window.model().setAnimationInterval(0);
    EXPECT_FALSE(blink->isActive());
    QList<QImage> pictures;
    for (const char* name : kFrames) {
        pictures << static_cast<QLabel&>(control(name)).pixmap().toImage();
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_NE(pictures[i], pictures[(i + 1) % 4]) << "frame " << i + 1 << " turns on";
    }
    // The first stands unturned as the icon does, its spokes level: in red and white alone (the
    // smoothing of its edges left out) it is its own mirror image.
    const QImage first = pictures[0].convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    EXPECT_EQ(first, first.mirrored(false, true));
}

TEST_F(QtFront, TabWalksTheWindowCtrlASelectsTheBoxOtherKeysReachItUndoKeepsTheProgramsText) {
    auto& box = static_cast<QPlainTextEdit&>(control("txtAnzeige"));
    window.replaceBoxText(u"one\r\ntwo");
    window.insertAtBoxFront(u"zero\r\n");
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    control("Picture1").setFocus();
    QStringList walk;
    for (int step = 0; step < 11; ++step) {
        walk << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walk, QStringList({"Picture1", "cmdQuit", "Picture2", "cmdCorrectPickups",
                                 "txtAnzeige", "cmdHelp", "cmbLang", "cmbFuellstand",
                                 "chkChangeAll", "cmdClear", "Picture1"}));
    // Ctrl+A as X11 gives it, with its control character, but on the run button.
    QKeyEvent ctrlA(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    QApplication::sendEvent(&control("cmdCorrectPickups"), &ctrlA);
    EXPECT_FALSE(box.textCursor().hasSelection());
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(box.textCursor().selectedText(), QStringLiteral("zero\u2029one\u2029two"));
    QTest::keyClick(&box, Qt::Key_End);           // a key without a character
    window.selectAllText(ControlId::txtAnzeige);  // as the model asks for it
    EXPECT_EQ(box.textCursor().selectedText(), QStringLiteral("zero\u2029one\u2029two"));
    QTest::keyClick(&box, Qt::Key_End);
    QTest::keyClicks(&box, "aZ");
    EXPECT_EQ(box.toPlainText(), QStringLiteral("zero\none\ntwoaZ"));
    for (const Qt::Key other : {Qt::Key_B, Qt::Key_C}) {
        QTest::keyClick(&box, other, Qt::ControlModifier);
        EXPECT_FALSE(box.textCursor().hasSelection()) << "Ctrl+" << char(other);
    }
    // Undo takes back what the user typed, never what the program wrote.
    for (int undo = 0; undo < 3; ++undo) {
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(box.toPlainText(), QStringLiteral("zero\none\ntwo"));
    // The newest lines, in front, show after a write.
    window.insertAtBoxFront(std::u16string(200, u'\n'));
    EXPECT_EQ(box.verticalScrollBar()->value(), 0);
}

// Each help picture holds all its lines: nothing is drawn into its right margin, its last gap or
// the gap under the first control.
TEST(HelpPictures, EveryLineFitsInsideTheMargins) {
    for (const HelpPictureContent* content :
         {&HelpPictureContent::german(), &HelpPictureContent::english()}) {
        const QImage picture = HelpPicture::draw(*content).toImage();
        // The first section's control, the run button in its green frame, stands first.
        EXPECT_EQ(picture.pixelColor(HelpPictureContent::kMargin, HelpPictureContent::kMargin),
                  QColor(Qt::green));
        const QRect right(content->width - HelpPictureContent::kMargin, 0,
                          HelpPictureContent::kMargin, content->height);
        const QRect bottom(0, content->height - HelpPictureContent::kGapBetweenSections,
                           content->width, HelpPictureContent::kGapBetweenSections);
        const int underFirst =
            HelpPictureContent::kMargin +
            twipsToPixels(ControlTable::control(ControlId::Picture2).place.height);
        const QRect gap(0, underFirst, content->width, HelpPictureContent::kGapBelowControl);
        for (const QRect& margin : {right, bottom, gap}) {
            QImage white = picture.copy(margin);
            white.fill(Qt::white);
            EXPECT_EQ(picture.copy(margin), white) << content->width << " wide, at " << margin.y();
        }
    }
}

// A picture given more room never gets a smaller face: from one size less than the smallest in a
// room too small for any, up to the largest.
TEST(HelpPictures, FaceGrowsWithTheRoomUpToTheLargest) {
    const auto fitting = [](int width, int height) {
        return HelpPicture::fittingPixelSize(
            {width, height, HelpPictureContent::english().sections});
    };
    EXPECT_EQ(fitting(1, 1), HelpPictureContent::kSmallestPixelSize - 1);
    EXPECT_EQ(fitting(10000, 10000), HelpPictureContent::kLargestPixelSize);
    for (int room = 100; room < 2000; room += 10) {
        EXPECT_LE(fitting(room, 10000), fitting(room + 10, 10000)) << room << " wide";
        EXPECT_LE(fitting(10000, room), fitting(10000, room + 10)) << room << " high";
    }
}

// The built veltrano started in a route folder, with a user who answers each window that comes up
// and quits in the main window (tests/qt/StartUpUser.cpp): the windows it met, and its status.
std::string startVeltrano(const QStringList& arguments) {
    const TempRoute route;
    std::filesystem::copy(VELTRANO_DEMO_ROUTE, route.path(),
                          std::filesystem::copy_options::recursive);
    QProcess veltrano;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", VELTRANO_STARTUP_USER);
    veltrano.setProcessEnvironment(environment);
    veltrano.setWorkingDirectory(QString::fromStdString(route.path()));
    veltrano.start(VELTRANO_QT_PATH, arguments);
    const bool ended = veltrano.waitForFinished(30000);
    veltrano.kill();
    QStringList met = QString::fromUtf8(veltrano.readAllStandardError()).split('\n');
    met = met.filter("window: ").replaceInStrings("window: ", "");
    const bool exited = ended && veltrano.exitStatus() == QProcess::NormalExit;
    return met.join(", ").toStdString() + " -> " +
           (exited ? std::to_string(veltrano.exitCode()) : "no end");
}

TEST(StartUp, AValidCommandLineOpensTheWindowsAWrongOneTheUsageAndEnds64) {
    EXPECT_EQ(startVeltrano({"--read-all-world-files"}), "frmLang, msgVeltrano, frmHaupt -> 0");
    EXPECT_EQ(startVeltrano({"-x"}), "msgVeltrano -> 64");
}

// The icon the package ships is the program's own, written where it is told; a place it cannot
// write to ends in 1, a wrong command line in 64.
TEST(ExportIcon, WritesTheWindowIconToTheGivenFile) {
    const TempRoute folder;
    const QString path = QString::fromStdString(folder.pathOf("icon.png"));
    ASSERT_EQ(QProcess::execute(VELTRANO_EXPORT_ICON, {path}), 0);
    EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_ARGB32),
              WheelPictures::iconImage().convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(QProcess::execute(VELTRANO_EXPORT_ICON, {folder.pathOf("no/icon.png").c_str()}), 1);
    EXPECT_EQ(QProcess::execute(VELTRANO_EXPORT_ICON, {}), 64);
}

}  // namespace
}  // namespace veltrano::test

int main(int argc, char** argv) {
    // Headless wherever the tests run, test discovery at build time included.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setFont(veltrano::QtControls::dialogFont());
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
