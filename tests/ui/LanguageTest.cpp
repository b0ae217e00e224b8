#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "StartedProgram.h"
#include "Texts.h"
#include "platform/TextCodec.h"

namespace veltrano::test {
namespace {

// Every text a language switch sets, as the window shows it.
std::vector<std::string> languageTexts(StartedProgram& program) {
    auto* fillLevel = program.control<QComboBox>("cmbFuellstand");
    std::vector<std::string> texts{
        TextCodec::toUtf8(program.state().gstrSaveFolder),
        utf8(program.control<QLabel>("lblRouteIs")->text()),
        utf8(program.control<QPushButton>("cmdCorrectPickups")->text()),
        utf8(program.control<QPushButton>("cmdCorrectPickups")->toolTip()),
        utf8(program.control<QPushButton>("cmdHelp")->text()),
        utf8(program.control<QPushButton>("cmdHelp")->toolTip()),
        utf8(program.control<QLabel>("lblFuelstand")->text()),
        utf8(fillLevel->toolTip())};
    for (int i = 0; i < fillLevel->count(); ++i) {
        texts.push_back(utf8(fillLevel->itemText(i)));
    }
    texts.push_back(utf8(program.control<QCheckBox>("chkChangeAll")->text()));
    texts.push_back(utf8(program.control<QCheckBox>("chkChangeAll")->toolTip()));
    texts.push_back(utf8(program.control<QPushButton>("cmdClear")->toolTip()));
    texts.push_back(utf8(program.control<QPushButton>("cmdQuit")->toolTip()));
    texts.push_back(utf8(program.control<QPlainTextEdit>("txtAnzeige")->toolTip()));
    texts.push_back(utf8(program.control<QPushButton>("cmdClear")->text()));
    texts.push_back(utf8(program.control<QPushButton>("cmdQuit")->text()));
    return texts;
}

// German and English, in the order a language switch sets them.
const std::pair<const char*, const char*> kTexts[] = {
    {"_Save_tdb_und_tit_Dateien_vor_Pickup_Korrektur",
     "_Saved_tdb_und_tit_files_before_pickup_correction"},
    {"Route ist:", "Route is:"},
    {"Pickups korrigieren", "Correct Pickups"},
    {" Klick auf Hilfe Button ", " Click on Help button "},
    {"Hilfe", "Help"},
    {" Hilfe ", " Help "},
    {"Füllstand:", "Fuel level:"},
    {" Klick auf Hilfe Button ", " Click on Help button "},
    {"100% ohne Anzeige", "100% without Label"},
    {"  0% mit Anzeige", "  0% with Label"},
    {" 25% mit Anzeige", " 25% with Label"},
    {" 50% mit Anzeige", " 50% with Label"},
    {"100% mit Anzeige", "100% with Label"},
    {"Ändere alle Pickups", "Change all pickups"},
    {" Klick auf Hilfe Button ", " Click on Help button "},
    {" Protokolltext löschen ", " Clear protokoll text above "},
    {" Programmende ", " Abbort Program "},
    {" Liste gefundener und korrigierter Pickups ", " List of found and corrected pickups "},
    {"Clear", "Clear"},
    {"Quit", "Quit"}};

std::vector<std::string> textsIn(bool german) {
    std::vector<std::string> texts;
    for (const auto& [germanText, englishText] : kTexts) {
        texts.emplace_back(german ? germanText : englishText);
    }
    return texts;
}

const std::vector<std::string> kGermanTexts = textsIn(true);
const std::vector<std::string> kEnglishTexts = textsIn(false);

class LanguageSwitch : public testing::Test {
  protected:
    void SetUp() override {
        makeStartableRoute(m_route);
        m_program = std::make_unique<StartedProgram>(m_route);
    }

    // A choice in a drop-down list with the keyboard, as a user makes it.
    void pressDown(const char* list, int times) {
        auto* combo = m_program->control<QComboBox>(list);
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(combo, Qt::Key_Down);
        }
    }
    void pressUp(const char* list, int times) {
        auto* combo = m_program->control<QComboBox>(list);
        for (int i = 0; i < times; ++i) {
            QTest::keyClick(combo, Qt::Key_Up);
        }
    }

    TempRoute m_route;
    std::unique_ptr<StartedProgram> m_program;
};

TEST_F(LanguageSwitch, EveryTextFollowsTheListAndClearAndQuitStayEnglish) {
    EXPECT_EQ(languageTexts(*m_program), kEnglishTexts);
    pressDown("cmbLang", 1);
    EXPECT_EQ(m_program->state().gstrLanguage, "deutsch");
    EXPECT_EQ(languageTexts(*m_program), kGermanTexts);
    pressUp("cmbLang", 1);
    EXPECT_EQ(m_program->state().gstrLanguage, "english");
    EXPECT_EQ(languageTexts(*m_program), kEnglishTexts);
    // Neither the caption nor the two labels that other steps write change with the language.
    EXPECT_EQ(utf8(m_program->window().windowTitle()), "Veltrano Tq© V 1.4.2");
    EXPECT_EQ(utf8(m_program->control<QLabel>("lblZeit")->text()), "");
}

TEST_F(LanguageSwitch, KeepsTheChosenFillLevel) {
    pressDown("cmbFuellstand", 3);
    auto* fillLevel = m_program->control<QComboBox>("cmbFuellstand");
    ASSERT_EQ(utf8(fillLevel->currentText()), " 50% with Label");
    ASSERT_EQ(m_program->state().gvarFuellstand, 3);

    pressDown("cmbLang", 1);
    EXPECT_EQ(fillLevel->currentIndex(), 3);
    EXPECT_EQ(utf8(fillLevel->currentText()), " 50% mit Anzeige");
    EXPECT_EQ(m_program->state().gvarFuellstand, 3);

    pressDown("cmbFuellstand", 1);
    pressUp("cmbLang", 1);
    EXPECT_EQ(utf8(fillLevel->currentText()), "100% with Label");
    EXPECT_EQ(m_program->state().gvarFuellstand, 4);
}

TEST_F(LanguageSwitch, EachFillLevelChoiceIsStoredAndNoSelectionStoresZero) {
    auto* fillLevel = m_program->control<QComboBox>("cmbFuellstand");
    for (int index = 1; index <= 4; ++index) {
        pressDown("cmbFuellstand", 1);
        EXPECT_EQ(m_program->state().gvarFuellstand, index);
    }
    // Down on the last item stays there.
    pressDown("cmbFuellstand", 1);
    EXPECT_EQ(m_program->state().gvarFuellstand, 4);
    fillLevel->setCurrentIndex(-1);
    EXPECT_EQ(m_program->state().gvarFuellstand, 0);
}

TEST_F(LanguageSwitch, EmptyLanguageMeansEnglishAndAnUnknownOneChangesNoText) {
    pressDown("cmbLang", 1);
    pressDown("cmbFuellstand", 2);
    m_program->window().subSetLanguage("");
    EXPECT_EQ(languageTexts(*m_program), kEnglishTexts);
    EXPECT_EQ(m_program->state().gvarFuellstand, 2);

    m_program->window().subSetLanguage("deutsch");
    m_program->window().subSetLanguage("Deutsch");
    m_program->window().subSetLanguage("français");
    EXPECT_EQ(languageTexts(*m_program), kGermanTexts);
    EXPECT_EQ(m_program->state().gvarFuellstand, 2);
}

TEST_F(LanguageSwitch, TheLanguageReachesTheMessagesOfTheNextRunCheck) {
    pressDown("cmbLang", 1);
    // The route loses its track item table: the run's check reports it in German.
    std::filesystem::remove(std::filesystem::path(m_route.path()) / "TESTROUTE.tit");
    QTest::mouseClick(m_program->control<QPushButton>("cmdCorrectPickups"), Qt::LeftButton);
    ASSERT_EQ(m_program->answerer().messages.size(), 2u);
    EXPECT_EQ(utf8(m_program->answerer().messages[1].text),
              "Probleme mit den Dateien der Strecke:\r\n\r\n- *.tit nicht vorhanden\r\n"
              "\r\nDas Program wird beendet!\r\n\r\n");
    EXPECT_EQ(m_program->endings(), std::vector<int>{2});
}

}  // namespace
}  // namespace veltrano::test
