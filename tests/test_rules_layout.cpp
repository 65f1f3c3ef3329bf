// SPDX-License-Identifier: GPL-3.0-or-later
// The rules window as it first opens, and "item<TAB>text" lines that line up
// at the document's tab stops.

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "rules/rtfreader.h"
#include "support/fakedialogs.h"
#include "support/testmain.h"
#include "ui/frmrules.h"

using namespace pathwick;

namespace {

// Where the text after the last tab of block begins, from the text's left edge, in pixels.
qreal AfterTab(const QTextBlock& block) {
    block.document()->documentLayout()->blockBoundingRect(block.document()->lastBlock());
    const int position = static_cast<int>(block.text().lastIndexOf(QLatin1Char('\t'))) + 1;
    return block.layout()->lineForTextPosition(position).cursorToX(position) +
           block.layout()->position().x() - block.document()->documentMargin();
}

}  // namespace

class TestRulesLayout : public QObject {
    Q_OBJECT

    testing::FakeDialogs dialogs_;
    RulesWindow rules_{dialogs_, {PATHWICK_SOURCE_DIR "/resources"}};

private slots:
    void rulesWindowOpensAtTheStartEveryTime() {
        for (int opening = 1; opening <= 2; ++opening) {
            frmRules* window = rules_.Show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const auto* box = window->findChild<QTextEdit*>(QStringLiteral("rtbRules"));
            QVERIFY(box->verticalScrollBar()->maximum() > 0);
            QCOMPARE(box->verticalScrollBar()->value(), 0);
            QCOMPARE(box->textCursor().position(), 0);
            QVERIFY(!box->textCursor().hasSelection());
            rules_.Close();
        }
    }

    void tabsStopWhereTheParagraphSays_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("twips");  // where the text after the tab begins
        QTest::newRow("paragraph's stop") << QByteArray("\\tx2880 a\\tab X") << 2880;
        QTest::newRow("stops in any order") << QByteArray("\\tx3000\\tx900 a\\tab\\tab X") << 3000;
        QTest::newRow("past the last stop") << QByteArray("\\tx300 a\\tab\\tab X") << 720;
        QTest::newRow("default width") << QByteArray("\\deftab1440 a\\tab X") << 1440;
        QTest::newRow("hanging indent") << QByteArray("\\li2000\\fi-2000 a\\tab X") << 2000;
        QTest::newRow("indented") << QByteArray("\\li600\\fi300\\tx3000 a\\tab X") << 3000;
        QTest::newRow("default, indented") << QByteArray("\\li300 a\\tab X") << 720;
        QTest::newRow("reset by pard") << QByteArray("\\tx3000\\par\\pard a\\tab X") << 720;
    }

    void tabsStopWhereTheParagraphSays() {
        QFETCH(QByteArray, rtf);
        QFETCH(int, twips);
        QTextDocument document;
        document.setTextWidth(1000);
        QVERIFY(ReadRtf("{\\rtf1\\ansi\\pard " + rtf + "}", document));
        QCOMPARE(qRound(AfterTab(document.lastBlock())), qRound(twips / 15.0));
    }

    void rulesListsLineUpWhereTheirLinesContinue() {
        const QTextDocument& document =
            *rules_.Show()->findChild<QTextEdit*>(QStringLiteral("rtbRules"))->document();
        int lines = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (!block.text().contains(QLatin1Char('\t'))) continue;
            ++lines;
            QVERIFY2(qAbs(AfterTab(block) - block.blockFormat().leftMargin()) < 1,
                     qPrintable(block.text()));
        }
        QCOMPARE(lines, 9);  // four function keys, five file commands
    }
};

PATHWICK_TEST_CLASS(TestRulesLayout)
#include "test_rules_layout.moc"
