#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "desktop/HelpWindow.h"
#include "qt/QtControls.h"
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
        QTest::keyClick(modal, Qt::Key_Escape);
        modals.push_back(modal->objectName() + (modal->isVisible() ? " stays" : " goes"));
        // A message box has only OK, which Escape answers too.
        if (auto* ok = modal->findChild<QPushButton*>("cmdOK"); ok && modal->isVisible()) {
            ok->click();
        }
    }
    QWidget& control(const char* name) { return *window.findChild<QWidget*>(name); }

    TempRoute route;
    std::vector<int> endings;
    QStringList modals;
    frmHaupt window{[this](int status) { endings.push_back(status); }};

  private:
    std::filesystem::path m_previous;
};

TEST_F(QtFront, WindowsShowCentredModalOrWithACloseButtonAndOnlyQuitEndsTheProgram) {
    EXPECT_EQ(modals, QStringList({"frmLang stays", "msgVeltrano goes"}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(1128, 788));
    EXPECT_NEAR(window.frameGeometry().center().x(), window.screen()->geometry().center().x(), 1);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(window.close());
    EXPECT_EQ(control("Picture2").geometry(), QRect(850, 29, 175, 25));
    EXPECT_EQ(control("cmdCorrectPickups").geometry(), QRect(2, 2, 171, 21));
    EXPECT_EQ(control("txtAnzeige").geometry(), QRect(4, 77, 1121, 665));

    QTest::mouseClick(&control("cmdHelp"), Qt::LeftButton);
    const QWidgetList tops = QApplication::topLevelWidgets();
    const auto found =
        std::ranges::find_if(tops, [](auto* w) { return w->objectName() == "frmHilfe"; });
    ASSERT_NE(found, tops.end());
    QWidget* help = *found;
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Help for Veltrano");
    EXPECT_TRUE(help->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(help->close());
    EXPECT_FALSE(window.model().helpWindow()->loaded());
    QTest::mouseClick(&control("cmdQuit"), Qt::LeftButton);
    EXPECT_EQ(endings, std::vector<int>{0});
}

TEST_F(QtFront, RunButtonStartsARunOnAMouseReleaseButNotOnAKey) {
    QWidget& run = control("cmdCorrectPickups");
    QTest::keyClick(&run, Qt::Key_Space);
    QTest::keyClick(&run, Qt::Key_Return);
    EXPECT_TRUE(window.state().gstrProtokoll.empty());
    QTest::mouseClick(&run, Qt::RightButton);
    EXPECT_FALSE(window.state().gstrProtokoll.empty());
    EXPECT_EQ(window.boxText(), window.state().gstrProtokoll.text());
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
