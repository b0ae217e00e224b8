#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "StartedProgram.h"
#include "Texts.h"

namespace veltrano::test {
namespace {

QString copyHintAndHeading(bool german) {
    return german ? QStringLiteral(
                        "Kopieren Sie dieses Programm direkt in das Verzeichnis der Strecke in "
                        "welcher die Pickups geändert weren sollen!\r\n\r\n"
                        "Probleme mit den Dateien der Strecke:\r\n\r\n")
                  : QStringLiteral(
                        "Copy this program to the route directory where the PickUps should be "
                        "corrected!\r\n\r\n"
                        "Some trouble with the files of the route:\r\n\r\n");
}

TEST(StartUp, OkAtOnceInAUsableFolderGivesACentredEnglishWindow) {
    TempRoute route;
    makeStartableRoute(route);
    StartedProgram program(route);
    frmHaupt& window = program.window();

    EXPECT_TRUE(program.endings().empty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(utf8(window.windowTitle()), "Veltrano Tq© V 1.4.2");
    EXPECT_EQ(program.answerer().languageWindows, 1);
    EXPECT_EQ(utf8(program.answerer().languageWindowCaption), "Veltrano Tq© V 1.4.2");

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint offset = window.frameGeometry().center() - screen.center();
    EXPECT_LE(std::abs(offset.x()), 1);
    EXPECT_LE(std::abs(offset.y()), 1);

    EXPECT_EQ(utf8(program.control<QLabel>("lblZeit")->text()), "");
    const std::string folder = std::filesystem::current_path().string();
    EXPECT_EQ(utf8(program.control<QLabel>("lblCopyPfad")->text()), folder);
    EXPECT_EQ(program.state().gstrRoutePath, folder);
    EXPECT_EQ(std::filesystem::canonical(folder), std::filesystem::canonical(route.path()));

    auto* fillLevel = program.control<QComboBox>("cmbFuellstand");
    EXPECT_EQ(fillLevel->currentIndex(), 0);
    EXPECT_EQ(utf8(fillLevel->currentText()), "100% without Label");
    EXPECT_EQ(program.state().gvarFuellstand, 0);
    EXPECT_EQ(program.state().garrFuellstandCode,
              (std::vector<std::u16string>{u"0", u"1", u"2", u"4", u"8"}));

    EXPECT_EQ(program.state().gstrLanguage, "english");
    EXPECT_EQ(utf8(program.control<QComboBox>("cmbLang")->currentText()), "english");
    EXPECT_EQ(program.state().gstrSaveFolder, u"_Saved_tdb_und_tit_files_before_pickup_correction");
    EXPECT_EQ(utf8(program.control<QPushButton>("cmdCorrectPickups")->text()), "Correct Pickups");

    ASSERT_EQ(program.answerer().messages.size(), 1u);
    const SeenMessage& notice = program.answerer().messages[0];
    EXPECT_EQ(utf8(notice.text), utf8(englishNotice()));
    EXPECT_EQ(utf8(notice.caption), "Veltrano");
    EXPECT_EQ(notice.icon, QMessageBox::NoIcon);
    EXPECT_EQ(notice.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST(StartUp, GermanChosenInTheLanguageWindowGivesAGermanWindow) {
    TempRoute route;
    makeStartableRoute(route);
    StartedProgram program(route, "deutsch");

    EXPECT_TRUE(program.window().isVisible());
    EXPECT_EQ(program.state().gstrLanguage, "deutsch");
    EXPECT_EQ(utf8(program.control<QComboBox>("cmbLang")->currentText()), "deutsch");
    EXPECT_EQ(program.state().gstrSaveFolder, u"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur");
    EXPECT_EQ(utf8(program.control<QPushButton>("cmdCorrectPickups")->text()),
              "Pickups korrigieren");
    EXPECT_EQ(utf8(program.control<QComboBox>("cmbFuellstand")->currentText()),
              "100% ohne Anzeige");
    EXPECT_EQ(program.state().gvarFuellstand, 0);
    EXPECT_EQ(utf8(program.window().windowTitle()), "Veltrano Tq© V 1.4.2");
    ASSERT_EQ(program.answerer().messages.size(), 1u);
    EXPECT_EQ(utf8(program.answerer().messages[0].text), utf8(germanNotice()));
}

TEST(StartUp, Timer1AlreadyTicksWhileTheLanguageWindowIsOpen) {
    TempRoute route;
    makeStartableRoute(route);
    bool timerActive = false;
    bool mainWindowVisible = true;
    int ticksWhileOpen = 0;
    StartedProgram program(route, "english", [&](StartedProgram& started) {
        started.answerer().whileLanguageWindowOpen = [&](QWidget&) {
            auto* timer = started.window().findChild<QTimer*>("Timer1");
            timerActive = timer->isActive() && timer->interval() == 500;
            mainWindowVisible = started.window().isVisible();
            const auto connection =
                QObject::connect(timer, &QTimer::timeout, [&] { ++ticksWhileOpen; });
            QTest::qWait(1100);
            QObject::disconnect(connection);
        };
    });
    EXPECT_TRUE(timerActive);
    EXPECT_FALSE(mainWindowVisible);
    EXPECT_GE(ticksWhileOpen, 1);
    EXPECT_TRUE(program.window().isVisible());
}

struct UnusableFolderCase {
    const char* language;
    bool german;
};

void PrintTo(const UnusableFolderCase& value, std::ostream* out) {
    *out << value.language;
}

class UnusableFolder : public testing::TestWithParam<UnusableFolderCase> {};

TEST_P(UnusableFolder, ListsTheMissingEntriesAndEndsBeforeTheWindowShows) {
    TempRoute route;
    StartedProgram program(route, GetParam().language);

    ASSERT_EQ(program.answerer().messages.size(), 1u);
    const QString expected =
        copyHintAndHeading(GetParam().german) +
        (GetParam().german
             ? QStringLiteral("- *.trk nicht vorhanden\r\n- *.tit nicht vorhanden\r\n"
                              "- *.tdb nicht vorhanden\r\n- WORLD Verzeichnis nicht gefunden\r\n"
                              "\r\nDas Program wird beendet!\r\n\r\n")
             : QStringLiteral("- *.trk is missed\r\n- *.tit is missed\r\n- *.tdb is missed\r\n"
                              "- WORLD directory is missed\r\n"
                              "\r\nProgram will be cancelled now!\r\n\r\n"));
    EXPECT_EQ(utf8(program.answerer().messages[0].text), utf8(expected));
    EXPECT_EQ(program.endings(), std::vector<int>{2});
    EXPECT_EQ(program.shows(), 0);
    EXPECT_FALSE(program.window().isVisible());
    EXPECT_EQ(utf8(program.control<QLabel>("lblCopyPfad")->text()), "");
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, UnusableFolder,
                         testing::Values(UnusableFolderCase{"english", false},
                                         UnusableFolderCase{"deutsch", true}));

struct NoWorldFileCase {
    const char* language;
    const char* message;
};

void PrintTo(const NoWorldFileCase& value, std::ostream* out) {
    *out << value.language;
}

class NoWorldFile : public testing::TestWithParam<NoWorldFileCase> {};

TEST_P(NoWorldFile, EndsAfterTheNoticeWithoutShowingTheWindow) {
    TempRoute route;
    route.makeUsableRoute();
    // Neither an upper-case ending nor another kind of file counts as a world file.
    route.writeBytes("WORLD/w-000000+000000.W", "SIMISA@@@@@@@@@@JINX0w0t______\r\n");
    route.writeBytes("WORLD/readme.txt", "not a world file");
    route.writeBytes("WORLD/w-000001+000000.w.bak", "");
    StartedProgram program(route, GetParam().language);

    ASSERT_EQ(program.answerer().messages.size(), 2u);
    EXPECT_EQ(
        utf8(program.answerer().messages[0].text),
        utf8(QLatin1String(GetParam().language) == QLatin1String("deutsch") ? germanNotice()
                                                                            : englishNotice()));
    EXPECT_EQ(utf8(program.answerer().messages[1].text), GetParam().message);
    EXPECT_EQ(utf8(program.answerer().messages[1].caption), "Veltrano");
    EXPECT_EQ(program.endings(), std::vector<int>{2});
    EXPECT_EQ(program.shows(), 0);
    EXPECT_FALSE(program.window().isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, NoWorldFile,
    testing::Values(
        NoWorldFileCase{"english",
                        "Can't find any .w file in WORLD directory! Program will be cancelled!"},
        NoWorldFileCase{"deutsch",
                        "Keine .w-Dateien im WORLD Verzeichnis zu finden! Das Programm wird "
                        "beendet!"}));

}  // namespace
}  // namespace veltrano::test
