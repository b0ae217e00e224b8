#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include "StartedProgram.h"
#include "Texts.h"

namespace veltrano::test {
namespace {

class ProtocolBox : public testing::Test {
  protected:
    void SetUp() override {
        copyDemoRoute(m_route);
        m_program = std::make_unique<StartedProgram>(m_route);
        m_box = m_program->control<QPlainTextEdit>("txtAnzeige");
    }

    int runsInBox() { return countOf(m_program->boxText(), "--- START "); }

    void typeIntoBox(const QString& keys) { QTest::keyClicks(m_box, keys); }

    TempRoute m_route;
    std::unique_ptr<StartedProgram> m_program;
    QPlainTextEdit* m_box = nullptr;
};

TEST_F(ProtocolBox, AfterARunItHoldsExactlyTheProtocolNewestAtTheTop) {
    m_program->runOnce();
    const QString box = m_program->boxText();
    EXPECT_EQ(utf8(box), utf8(m_program->protocolText()));
    EXPECT_TRUE(box.startsWith(QString(151, u'=') + "\r\n--- END "));
    EXPECT_TRUE(box.endsWith(QString(151, u'=') + "\r\n\r\n"));
    EXPECT_TRUE(box.contains("found in w-005678+014567.w"));
    // The view shows the top, where the newest lines stand.
    EXPECT_EQ(m_box->textCursor().position(), 0);
    EXPECT_EQ(m_box->verticalScrollBar()->value(), 0);
}

TEST_F(ProtocolBox, TwoRunsAccumulateNewestRunFirst) {
    m_program->runOnce();
    const QString first = m_program->boxText();
    m_program->runOnce();
    const QString both = m_program->boxText();
    EXPECT_EQ(runsInBox(), 2);
    EXPECT_EQ(utf8(both), utf8(m_program->protocolText()));
    // The second block stands in front of the first, one empty line between them.
    ASSERT_TRUE(both.endsWith(first));
    EXPECT_TRUE(both.left(both.size() - first.size()).endsWith(QString(151, u'=') + "\r\n\r\n"));
    // The second run found nothing left to change, which its own block says.
    EXPECT_NE(both.left(both.size() - first.size()), first);
}

TEST_F(ProtocolBox, ClearEmptiesBoxAndProtocolSoTheNextRunStandsAlone) {
    m_program->runOnce();
    QTest::mouseClick(m_program->control<QPushButton>("cmdClear"), Qt::LeftButton);
    EXPECT_EQ(m_box->toPlainText(), QString());
    EXPECT_EQ(m_program->protocolText(), QString());
    m_program->runOnce();
    EXPECT_EQ(runsInBox(), 1);
    EXPECT_EQ(utf8(m_program->boxText()), utf8(m_program->protocolText()));
}

TEST_F(ProtocolBox, ABoxEmptiedByHandOrLeftWithSpacesDropsTheOldProtocol) {
    for (const QString& leftInBox : {QString(), QString("   ")}) {
        SCOPED_TRACE(utf8(leftInBox));
        m_program->runOnce();
        QTest::keyClick(m_box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_box, Qt::Key_Delete);
        typeIntoBox(leftInBox);
        ASSERT_EQ(m_box->toPlainText(), leftInBox);
        // The protocol itself is still there until the next run looks at the box.
        EXPECT_GE(countOf(m_program->protocolText(), "--- START "), 1);
        m_program->runOnce();
        EXPECT_EQ(runsInBox(), 1);
        EXPECT_EQ(utf8(m_program->boxText()), utf8(m_program->protocolText()));
    }
}

TEST_F(ProtocolBox, ALoneLineEndKeepsTheOldProtocolAndTheEditDisappears) {
    m_program->runOnce();
    const QString first = m_program->protocolText();
    QTest::keyClick(m_box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(m_box, Qt::Key_Return);
    ASSERT_EQ(m_program->boxText(), QString("\r\n"));
    m_program->runOnce();
    EXPECT_EQ(runsInBox(), 2);
    EXPECT_TRUE(m_program->boxText().endsWith(first));
    EXPECT_EQ(utf8(m_program->boxText()), utf8(m_program->protocolText()));
}

TEST_F(ProtocolBox, WordsTypedIntoTheBoxAreOverwrittenByTheNextRun) {
    m_program->runOnce();
    m_box->moveCursor(QTextCursor::Start);
    typeIntoBox("my note ");
    ASSERT_TRUE(m_program->boxText().startsWith("my note "));
    m_program->runOnce();
    EXPECT_FALSE(m_program->boxText().contains("my note"));
    EXPECT_EQ(runsInBox(), 2);
    EXPECT_EQ(utf8(m_program->boxText()), utf8(m_program->protocolText()));
}

TEST_F(ProtocolBox, CtrlASelectsEverythingAndTypesNothing) {
    // Empty box: nothing to select, nothing typed.
    QTest::keyClick(m_box, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(m_box->textCursor().selectionStart(), 0);
    EXPECT_EQ(m_box->textCursor().selectionEnd(), 0);
    EXPECT_EQ(m_box->toPlainText(), QString());

    m_program->runOnce();
    const QString before = m_box->toPlainText();
    QTest::keyClick(m_box, Qt::Key_A, Qt::ControlModifier);
    const QTextCursor selection = m_box->textCursor();
    EXPECT_EQ(selection.selectionStart(), 0);
    EXPECT_EQ(selection.selectionEnd(), before.size());
    EXPECT_EQ(m_box->toPlainText(), before);
}

TEST_F(ProtocolBox, DuringARunTheBoxFollowsEveryStep) {
    QString boxAtFirstYield;
    QString protocolAtFirstYield;
    QTimer::singleShot(0, &m_program->window(), [&] {
        // What the box holds at this moment; it keeps lines apart with single line feeds.
        boxAtFirstYield = m_box->toPlainText();
        protocolAtFirstYield = m_program->protocolText().replace("\r\n", "\n");
    });
    m_program->runOnce();
    EXPECT_EQ(utf8(boxAtFirstYield), utf8(protocolAtFirstYield));
    EXPECT_TRUE(boxAtFirstYield.startsWith("\nLook up for pickups in tdb file\n"));
    EXPECT_FALSE(boxAtFirstYield.contains("--- END "));
}

}  // namespace
}  // namespace veltrano::test
