// The rules window as a player first meets it: the document from its start,
// and lists whose "item<TAB>text" lines line up at the document's tab stops.

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "support/fakedialogs.h"
#include "support/testmain.h"
#include "ui/frmrules.h"
#include "ui/rtfreader.h"

using namespace pathwick;
using pathwick::testing::FakeDialogs;

namespace {

// Where the character at position of block begins, in document pixels.
qreal XOf(const QTextBlock& block, int position) {
    const QTextLayout* layout = block.layout();
    const QTextLine line = layout->lineForTextPosition(position);
    return layout->position().x() + line.cursorToX(position);
}

// Where the text after the first tab of block begins.
qreal XAfterTab(const QTextBlock& block) {
    return XOf(block, static_cast<int>(block.text().indexOf(QLatin1Char('\t'))) + 1);
}

// Lays the whole document out at its width.
void LayOut(QTextDocument& document) {
    document.documentLayout()->blockBoundingRect(document.lastBlock());
}

}  // namespace

class TestRulesLayout : public QObject {
    Q_OBJECT

private slots:
    void rulesWindowOpensAtTheStartEveryTime() {
        FakeDialogs dialogs;
        RulesWindow rules(dialogs, {PATHWICK_SOURCE_DIR "/resources"});
        for (int opening = 1; opening <= 2; ++opening) {
            frmRules* window = rules.Show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const auto* box = window->findChild<QTextEdit*>(QStringLiteral("rtbRules"));
            QVERIFY(box->verticalScrollBar()->maximum() > 0);  // there is an end to scroll to
            QCOMPARE(box->textCursor().position(), 0);
            QVERIFY(!box->textCursor().hasSelection());
            QCOMPARE(box->verticalScrollBar()->value(), 0);
            rules.Close();
            QTRY_VERIFY(rules.Window() == nullptr);
        }
        QCOMPARE(dialogs.shown.size(), 0);
    }

    void tabsStopWhereTheParagraphSays_data() {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("twips");  // where the text after the tab begins
        QTest::newRow("stop of the paragraph") << QByteArray("\\pard\\tx2880 a\\tab X") << 2880;
        QTest::newRow("second stop") << QByteArray("\\pard\\tx900\\tx3000 a\\tab\\tab X") << 3000;
        QTest::newRow("stops in any order") << QByteArray("\\pard\\tx3000\\tx900 a\\tab X") << 900;
        QTest::newRow("past the last stop") << QByteArray("\\pard\\tx300 a\\tab\\tab X") << 720;
        QTest::newRow("default width") << QByteArray("\\deftab1440\\pard a\\tab X") << 1440;
        QTest::newRow("default of rich text") << QByteArray("\\pard a\\tab X") << 720;
        QTest::newRow("hanging indent") << QByteArray("\\pard\\li2000\\fi-2000 a\\tab X") << 2000;
        QTest::newRow("stop beyond an indent")
            << QByteArray("\\pard\\li600\\tx3000 a\\tab X") << 3000;
        QTest::newRow("stop beyond an indented first line")
            << QByteArray("\\pard\\li600\\fi300\\tx3000 a\\tab X") << 3000;
        QTest::newRow("default width beyond an indent")
            << QByteArray("\\pard\\li300 a\\tab X") << 720;
        QTest::newRow("reset by pard") << QByteArray("\\pard\\tx3000\\par\\pard a\\tab X") << 720;
    }

    void tabsStopWhereTheParagraphSays() {
        QFETCH(QByteArray, rtf);
        QFETCH(int, twips);
        QTextDocument document;
        document.setTextWidth(1000);
        QVERIFY(ReadRtf("{\\rtf1\\ansi " + rtf + "\\par\\pard Z}", document));
        LayOut(document);
        QTextBlock block = document.lastBlock().previous();
        QVERIFY(block.text().endsWith(QLatin1Char('X')));
        const qreal left = XOf(document.lastBlock(), 0);  // the text's left edge
        QCOMPARE(qRound(XOf(block, static_cast<int>(block.text().size()) - 1) - left),
                 qRound(twips / 15.0));
    }

    void rulesListsLineUpWhereTheirLinesContinue() {
        FakeDialogs dialogs;
        RulesWindow rules(dialogs, {PATHWICK_SOURCE_DIR "/resources"});
        frmRules* window = rules.Show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTextDocument& document = *window->findChild<QTextEdit*>("rtbRules")->document();
        LayOut(document);
        int lists = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (!block.text().contains(QLatin1Char('\t'))) continue;
            ++lists;
            // The text after the tab begins where a second line of the paragraph would.
            const qreal indent = block.layout()->position().x() + block.blockFormat().leftMargin();
            QVERIFY2(qAbs(XAfterTab(block) - indent) < 1, qPrintable(block.text()));
        }
        QCOMPARE(lists, 9);  // four function keys, five file commands
    }
};

PATHWICK_TEST_MAIN(TestRulesLayout)
#include "test_rules_layout.moc"
