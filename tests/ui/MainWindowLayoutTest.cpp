#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "StartedProgram.h"
#include "Texts.h"

namespace veltrano::test {
namespace {

struct Placement {
    const char* name;
    const char* kind;
    const char* parent;
    QRect pixels;
};

// Twips divided by 15, worked out by hand from the layout table.
const Placement kPlacements[] = {
    {"Picture1", "QFrame", "frmHaupt", {1044, 758, 79, 25}},
    {"cmdQuit", "QPushButton", "Picture1", {2, 2, 75, 21}},
    {"Picture2", "QFrame", "frmHaupt", {850, 29, 175, 25}},
    {"cmdCorrectPickups", "QPushButton", "Picture2", {2, 2, 171, 21}},
    {"lblCopyPfad", "QLabel", "frmHaupt", {66, 6, 990, 15}},
    {"txtAnzeige", "QPlainTextEdit", "frmHaupt", {4, 77, 1121, 665}},
    {"lblZeit", "QLabel", "frmHaupt", {76, 60, 1036, 14}},
    {"cmdHelp", "QPushButton", "frmHaupt", {1050, 4, 70, 21}},
    {"cmbLang", "QComboBox", "frmHaupt", {1048, 31, 73, 21}},
    {"lblRouteIs", "QLabel", "frmHaupt", {7, 6, 53, 15}},
    {"cmbFuellstand", "QComboBox", "frmHaupt", {693, 31, 128, 21}},
    {"chkChangeAll", "QCheckBox", "frmHaupt", {509, 31, 115, 21}},
    {"lblFuelstand", "QLabel", "frmHaupt", {640, 35, 49, 17}},
    {"cmdClear", "QPushButton", "frmHaupt", {5, 749, 118, 20}},
    {"imgRunning01", "QLabel", "frmHaupt", {6, 44, 30, 29}},
    {"imgRunning02", "QLabel", "frmHaupt", {108, 24, 30, 29}},
    {"imgRunning03", "QLabel", "frmHaupt", {149, 25, 30, 29}},
    {"imgRunning04", "QLabel", "frmHaupt", {187, 24, 30, 29}},
};

class MainWindowLayout : public testing::Test {
  protected:
    void SetUp() override {
        makeStartableRoute(m_route);
        m_program = std::make_unique<StartedProgram>(m_route);
    }

    TempRoute m_route;
    std::unique_ptr<StartedProgram> m_program;
};

TEST_F(MainWindowLayout, EveryControlStandsWhereTheTableSays) {
    EXPECT_EQ(m_program->window().size(), QSize(1128, 788));
    for (const Placement& placement : kPlacements) {
        SCOPED_TRACE(placement.name);
        auto* control = m_program->control<QWidget>(placement.name);
        EXPECT_TRUE(control->inherits(placement.kind));
        EXPECT_EQ(control->parentWidget()->objectName(), QLatin1String(placement.parent));
        EXPECT_EQ(control->geometry(), placement.pixels);
    }
}

TEST_F(MainWindowLayout, TheTitleBarOffersNoCloseMinimiseOrMaximiseButton) {
    const Qt::WindowFlags flags = m_program->window().windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(m_program->window().windowIcon().isNull());

    // A close request from outside (the window manager) does not close it: Quit is the way.
    m_program->window().close();
    EXPECT_TRUE(m_program->window().isVisible());
    EXPECT_TRUE(m_program->endings().empty());
}

TEST_F(MainWindowLayout, TheTwoButtonsShowATwoPixelFrameInTheirColour) {
    const struct {
        const char* frame;
        QColor colour;
    } frames[] = {{"Picture1", QColor(255, 0, 0)}, {"Picture2", QColor(0, 255, 0)}};
    for (const auto& expected : frames) {
        SCOPED_TRACE(expected.frame);
        const QImage image = m_program->control<QFrame>(expected.frame)->grab().toImage();
        const int middle = image.height() / 2;
        EXPECT_EQ(image.pixelColor(0, middle), expected.colour);
        EXPECT_EQ(image.pixelColor(1, middle), expected.colour);
        EXPECT_EQ(image.pixelColor(image.width() - 2, middle), expected.colour);
        EXPECT_EQ(image.pixelColor(image.width() / 2, 1), expected.colour);
        EXPECT_NE(image.pixelColor(image.width() / 2, middle), expected.colour);
    }
}

TEST_F(MainWindowLayout, TheProtocolBoxIsGreenCourierOnLightGreyAndWrapsLongLines) {
    auto* box = m_program->control<QPlainTextEdit>("txtAnzeige");
    EXPECT_EQ(box->font().family(), QLatin1String("Courier New"));
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 8.25);
    EXPECT_EQ(box->font().weight(), QFont::Normal);
    EXPECT_TRUE(QFontInfo(box->font()).fixedPitch());
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(224, 224, 224));
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0, 128, 0));
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_FALSE(box->isReadOnly());

    // The only control with a face of its own.
    for (const char* name : {"cmdQuit", "lblZeit", "cmbLang", "chkChangeAll"}) {
        EXPECT_EQ(m_program->control<QWidget>(name)->font(), QApplication::font()) << name;
    }
}

TEST_F(MainWindowLayout, IdleWindowShowsTheFirstAnimationFrameAndRunsOnlyTimer1) {
    auto* timer1 = m_program->window().findChild<QTimer*>("Timer1");
    auto* blinken = m_program->window().findChild<QTimer*>("tmrBlinken");
    ASSERT_NE(timer1, nullptr);
    ASSERT_NE(blinken, nullptr);
    EXPECT_TRUE(timer1->isActive());
    EXPECT_EQ(timer1->interval(), 500);
    EXPECT_FALSE(blinken->isActive());
    EXPECT_EQ(blinken->interval(), 0);
    EXPECT_TRUE(m_program->control<QLabel>("imgRunning01")->isVisible());
    for (const char* hidden : {"imgRunning02", "imgRunning03", "imgRunning04"}) {
        EXPECT_TRUE(m_program->control<QLabel>(hidden)->isHidden()) << hidden;
    }
    for (const char* frame : {"imgRunning01", "imgRunning02", "imgRunning03", "imgRunning04"}) {
        EXPECT_EQ(m_program->control<QLabel>(frame)->pixmap().size(), QSize(30, 29)) << frame;
    }
    EXPECT_FALSE(m_program->control<QCheckBox>("chkChangeAll")->isChecked());
    EXPECT_FALSE(m_program->control<QComboBox>("cmbLang")->isEditable());
    EXPECT_FALSE(m_program->control<QComboBox>("cmbFuellstand")->isEditable());
}

TEST_F(MainWindowLayout, TabWalksTheControlsInTheirOrder) {
    frmHaupt& window = m_program->window();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    m_program->control<QWidget>("Picture1")->setFocus();
    const std::vector<std::string> expected{
        "Picture1", "cmdQuit",       "Picture2",     "cmdCorrectPickups", "txtAnzeige", "cmdHelp",
        "cmbLang",  "cmbFuellstand", "chkChangeAll", "cmdClear",          "Picture1"};
    std::vector<std::string> visited;
    for (std::size_t step = 0; step < expected.size(); ++step) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        visited.push_back(QApplication::focusWidget()->objectName().toStdString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(MainWindowLayout, TheLanguageWindowIsSmallModalAndHasNoCloseButton) {
    const ModalAnswerer& answerer = m_program->answerer();
    EXPECT_EQ(answerer.languageWindowSize, QSize(269, 135));
    const QPoint offset = answerer.languageWindowFrame.center() -
                          QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE(std::abs(offset.x()), 1);
    EXPECT_LE(std::abs(offset.y()), 1);
    EXPECT_EQ(answerer.languageListGeometry, QRect(90, 30, 98, 21));
    EXPECT_EQ(answerer.okButtonGeometry, QRect(90, 88, 97, 20));
    EXPECT_TRUE(answerer.languageWindowFlags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(answerer.languageWindowFlags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(answerer.languageWindowFlags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(answerer.languageWindowFlags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST(LanguageWindow, EscapeAndCloseLeaveItOpenOnlyOkCloses) {
    TempRoute route;
    makeStartableRoute(route);
    bool stillOpenAfterEscape = false;
    bool stillOpenAfterClose = false;
    QStringList items;
    StartedProgram program(route, "deutsch", [&](StartedProgram& started) {
        started.answerer().whileLanguageWindowOpen = [&](QWidget& languageWindow) {
            auto* list = languageWindow.findChild<QComboBox*>("cmbLang");
            for (int i = 0; i < list->count(); ++i) {
                items << list->itemText(i);
            }
            QTest::keyClick(&languageWindow, Qt::Key_Escape);
            stillOpenAfterEscape = languageWindow.isVisible();
            languageWindow.close();
            stillOpenAfterClose = languageWindow.isVisible();
        };
    });
    EXPECT_TRUE(stillOpenAfterEscape);
    EXPECT_TRUE(stillOpenAfterClose);
    EXPECT_EQ(items, (QStringList{"english", "deutsch"}));
    EXPECT_EQ(program.state().gstrLanguage, "deutsch");
    EXPECT_TRUE(program.window().isVisible());
}

}  // namespace
}  // namespace veltrano::test
