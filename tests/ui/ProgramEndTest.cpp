#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "ModalAnswerer.h"
#include "Texts.h"
#include "ui/DesktopProgramControl.h"
#include "ui/frmHaupt.h"
#include "ui/frmHilfe.h"

namespace veltrano::test {
namespace {

TEST(ProgramControl, AMessageIsAnOkOnlyBoxWithoutIconCaptionedVeltrano) {
    ModalAnswerer answerer;
    std::vector<int> endings;
    DesktopProgramControl program([&](int status) { endings.push_back(status); });
    program.showMessage(u"Zeile eins\r\n\r\n- *.tdb <nicht> vorhanden\r\n");

    ASSERT_EQ(answerer.messages.size(), 1u);
    EXPECT_EQ(utf8(answerer.messages[0].caption), "Veltrano");
    EXPECT_EQ(answerer.messages[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(answerer.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(utf8(answerer.messages[0].text), "Zeile eins\r\n\r\n- *.tdb <nicht> vorhanden\r\n");
    EXPECT_FALSE(program.endRequested());
    EXPECT_TRUE(endings.empty());

    program.endProgram(2);
    EXPECT_TRUE(program.endRequested());
    EXPECT_EQ(endings, std::vector<int>{2});
}

// These let the program really end, in a fresh copy of this test program: its exit status is
// what a shell sees. Exit handlers make any other way out visible: they turn the status into 77.
// The program only reads the folders it starts in here, so the repository's own serve.
void failIfExitHandlersRun() {
    std::atexit([] { std::_Exit(77); });
}

std::filesystem::path sourceFolder(const char* relative) {
    const char* source = std::getenv("VELTRANO_SOURCE_DIR");
    return std::filesystem::path(source != nullptr ? source : VELTRANO_TEST_SOURCE_DIR) / relative;
}

TEST(ProgramEnd, AnUnusableFolderEndsTheProcessWithStatusTwo) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto startInUnusableFolder = [] {
        failIfExitHandlersRun();
        // Holds the demo route, but is none itself.
        std::filesystem::current_path(sourceFolder("examples"));
        ModalAnswerer answerer;
        DesktopProgramControl program;
        frmHaupt window(program);
        window.Form_Load();
        std::exit(99);
    };
    EXPECT_EXIT(startInUnusableFolder(), testing::ExitedWithCode(2), "");
}

TEST(ProgramEnd, QuitWithTheHelpWindowOpenEndsTheProcessWithStatusZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto quitWithHelpOpen = [] {
        failIfExitHandlersRun();
        std::filesystem::current_path(sourceFolder("examples/demo-route"));
        ModalAnswerer answerer;
        DesktopProgramControl program;
        frmHaupt window(program);
        window.Form_Load();
        QTest::mouseClick(window.findChild<QPushButton*>("cmdHelp"), Qt::LeftButton);
        if (window.helpWindow() == nullptr || !window.helpWindow()->isVisible()) {
            std::exit(98);
        }
        QTest::mouseClick(window.findChild<QPushButton*>("cmdQuit"), Qt::LeftButton);
        std::exit(99);
    };
    EXPECT_EXIT(quitWithHelpOpen(), testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace veltrano::test
