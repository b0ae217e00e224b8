#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "StartedProgram.h"
#include "Texts.h"
#include "ui/frmHilfe.h"

namespace veltrano::test {
namespace {

class HelpWindow : public testing::Test {
  protected:
    void SetUp() override {
        makeStartableRoute(m_route);
        m_program = std::make_unique<StartedProgram>(m_route);
    }

    void clickHelp() {
        QTest::mouseClick(m_program->control<QPushButton>("cmdHelp"), Qt::LeftButton);
    }
    void chooseLanguage(int index) {
        auto* list = m_program->control<QComboBox>("cmbLang");
        QTest::keyClick(list, index == 1 ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(list->currentIndex(), index);
    }
    static std::vector<QWidget*> helpWindows() {
        std::vector<QWidget*> found;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("frmHilfe")) {
                found.push_back(window);
            }
        }
        return found;
    }
    QLabel* picture(const char* name) {
        return m_program->window().helpWindow()->findChild<QLabel*>(name);
    }

    TempRoute m_route;
    std::unique_ptr<StartedProgram> m_program;
};

TEST_F(HelpWindow, EnglishShowsOnlyTheEnglishPictureAtTheGermanOnesPlace) {
    EXPECT_EQ(m_program->window().helpWindow(), nullptr);
    clickHelp();
    frmHilfe* help = m_program->window().helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(utf8(help->windowTitle()), "Help for Veltrano");
    EXPECT_TRUE(picture("imgDeu")->isHidden());
    EXPECT_TRUE(picture("imgEng")->isVisible());
    EXPECT_EQ(picture("imgEng")->geometry(), QRect(9, 9, 598, 420));
    EXPECT_EQ(picture("imgEng")->pixmap().size(), QSize(598, 420));
    EXPECT_EQ(help->size(), QSize(664, 448));
}

TEST_F(HelpWindow, GermanShowsOnlyTheGermanPicture) {
    chooseLanguage(1);
    clickHelp();
    frmHilfe* help = m_program->window().helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(utf8(help->windowTitle()), "Hilfe zu Veltrano");
    EXPECT_TRUE(picture("imgDeu")->isVisible());
    EXPECT_TRUE(picture("imgEng")->isHidden());
    EXPECT_EQ(picture("imgDeu")->geometry(), QRect(9, 9, 643, 422));
    EXPECT_EQ(picture("imgDeu")->pixmap().size(), QSize(643, 422));
}

TEST_F(HelpWindow, IsModelessCentredWithIconAndCloseButtonButNoOtherButtons) {
    clickHelp();
    frmHilfe* help = m_program->window().helpWindow();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(help->parentWidget(), nullptr);
    const Qt::WindowFlags flags = help->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(help->windowIcon().isNull());
    const QPoint offset =
        help->frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE(std::abs(offset.x()), 1);
    EXPECT_LE(std::abs(offset.y()), 1);
    // The main window stays usable beside it.
    QTest::mouseClick(m_program->control<QPushButton>("cmdClear"), Qt::LeftButton);
    QTest::keyClick(m_program->control<QComboBox>("cmbFuellstand"), Qt::Key_Down);
    EXPECT_EQ(m_program->state().gvarFuellstand, 1);
}

TEST_F(HelpWindow, StaysOneWindowAndKeepsItsLanguageUntilClosed) {
    clickHelp();
    frmHilfe* first = m_program->window().helpWindow();
    chooseLanguage(1);
    clickHelp();
    clickHelp();
    EXPECT_EQ(m_program->window().helpWindow(), first);
    EXPECT_EQ(helpWindows().size(), 1u);
    EXPECT_EQ(utf8(first->windowTitle()), "Help for Veltrano");
    EXPECT_TRUE(picture("imgEng")->isVisible());

    first->close();
    EXPECT_FALSE(first->isVisible());
    clickHelp();
    EXPECT_EQ(m_program->window().helpWindow(), first);
    EXPECT_EQ(helpWindows().size(), 1u);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(utf8(first->windowTitle()), "Hilfe zu Veltrano");
    EXPECT_TRUE(picture("imgDeu")->isVisible());
    EXPECT_TRUE(picture("imgEng")->isHidden());
    EXPECT_EQ(picture("imgDeu")->pos(), QPoint(9, 9));
}

TEST_F(HelpWindow, QuitWithTheHelpWindowOpenEndsTheProgram) {
    clickHelp();
    ASSERT_TRUE(m_program->window().helpWindow()->isVisible());
    QTest::mouseClick(m_program->control<QPushButton>("cmdQuit"), Qt::LeftButton);
    EXPECT_EQ(m_program->endings(), std::vector<int>{0});
}

}  // namespace
}  // namespace veltrano::test
