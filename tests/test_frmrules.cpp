// SPDX-License-Identifier: GPL-3.0-or-later
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

#include "program/programinfo.h"
#include "program/translations.h"
#include "support/activewindow.h"
#include "support/fakedialogs.h"
#include "support/testmain.h"
#include "ui/frmrules.h"

using namespace pathwick;
using pathwick::testing::FakeDialogs;

namespace {

const QStringList kHeadings = {"INTRODUCTION",     "TRAVELING THE MAZE", "Movement",
                               "Dropping Markers", "MAP VIEW",           "FILE OPERATIONS"};

// A rules document with the given headings, each followed by enough lines of text that every
// heading, the last one too, can be scrolled to the top of the view. The introduction names
// the sub-sections in other capitalisations first, so that only a search that matches case
// finds the headings themselves.
QByteArray LongRules(const QStringList& headings) {
    QByteArray rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 DejaVu Sans;}}\n"
        "\\pard The movement of the mouse, MOVEMENT keys and dropping markers.\\par\n";
    for (const QString& heading : headings) {
        rtf += "\\pard\\b\\fs28 " + heading.toLatin1() + "\\b0\\fs20\\par\n";
        for (int line = 1; line <= 40; ++line)
            rtf += "\\pard Line " + QByteArray::number(line) + " of this section.\\par\n";
    }
    return rtf + "}\n";
}

bool WriteFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

QTextEdit* TextBox(QWidget& window) {
    return window.findChild<QTextEdit*>("rtbRules");
}
QListWidget* Contents(QWidget& window) {
    return window.findChild<QListWidget*>("lstContents");
}

void ClickEntry(QWidget& window, int row) {
    QListWidget* list = Contents(window);
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

// The top of the selection's first line, in viewport pixels.
int SelectionTop(QTextEdit* box) {
    QTextCursor start(box->document());
    start.setPosition(box->textCursor().selectionStart());
    return box->cursorRect(start).top();
}

// The selected heading's line is the first line in view, or, when the view cannot scroll
// that far, the view is at the end of the document with the heading in it.
bool HeadingAtTop(QTextEdit* box, bool allowEnd) {
    const int top = SelectionTop(box);
    if (qAbs(top) <= 1) return true;
    const QScrollBar* bar = box->verticalScrollBar();
    return allowEnd && bar->value() == bar->maximum() && top > 0 && top < box->viewport()->height();
}

}  // namespace

class FrmRulesTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    FakeDialogs dialogs_;

    // A rules window, shown, over a document written to the temporary directory.
    std::unique_ptr<frmRules> OpenWith(const QByteArray& rtf) {
        if (!WriteFile(RulesPathIn(dir_.path()), rtf)) return nullptr;
        auto window = std::make_unique<frmRules>(dialogs_, QStringList{dir_.path()});
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
        return window;
    }

private slots:
    void init() { dialogs_.shown.clear(); }

    void rulesPathInPutsOneSeparatorBeforeTheName_data() {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("path");
        QTest::newRow("plain directory") << "/opt/pathwick"
                                         << "/opt/pathwick/Rules.rtf";
        QTest::newRow("root") << "/"
                              << "/Rules.rtf";
        QTest::newRow("trailing separator") << "/opt/pathwick/"
                                            << "/opt/pathwick/Rules.rtf";
    }
    void rulesPathInPutsOneSeparatorBeforeTheName() {
        QFETCH(QString, dir);
        QFETCH(QString, path);
        QCOMPARE(RulesPathIn(dir), path);
    }

    void findRulesFileTakesTheFirstDirectoryThatHoldsTheDocument() {
        QTemporaryDir empty, first, second;
        QVERIFY(WriteFile(RulesPathIn(first.path()), "{\\rtf1 a}"));
        QVERIFY(WriteFile(RulesPathIn(second.path()), "{\\rtf1 b}"));
        QCOMPARE(FindRulesFile({empty.path(), first.path(), second.path()}),
                 RulesPathIn(first.path()));
    }

    void findRulesFileNamesTheFirstDirectoryWhenNoneHoldsTheDocument() {
        QTemporaryDir a, b;
        QVERIFY(QDir(b.path()).mkdir("Rules.rtf"));  // a folder of that name is no document
        QCOMPARE(FindRulesFile({a.path(), b.path()}), RulesPathIn(a.path()));
        QCOMPARE(FindRulesFile({}), QString());
    }

    void windowHasItsCaptionAndStartsWithNoEntrySelected() {
        auto window = OpenWith(LongRules(kHeadings));
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Pathwick! Rules"));
        QListWidget* list = Contents(*window);
        QStringList entries;
        for (int row = 0; row < list->count(); ++row) entries << list->item(row)->text();
        QCOMPARE(entries, QStringList({"INTRODUCTION", "TRAVELING THE MAZE", "  Movement",
                                       "  Dropping Markers", "MAP VIEW", "FILE OPERATIONS"}));
        list->setFocus();
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!TextBox(*window)->textCursor().hasSelection());
        QCOMPARE(dialogs_.shown.size(), 0);
    }

    void everyEntryJumpsToItsHeadingAtTheTopOfTheView_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < kHeadings.size(); ++row)
            QTest::newRow(qPrintable(kHeadings[row])) << row;
    }
    void everyEntryJumpsToItsHeadingAtTheTopOfTheView() {
        QFETCH(int, row);
        auto window = OpenWith(LongRules(kHeadings));
        QVERIFY(window);
        ClickEntry(*window, row);
        QTextEdit* box = TextBox(*window);
        QCOMPARE(box->textCursor().selectedText(), kHeadings[row]);
        // The heading paragraph itself, not a mention of it in other capitalisation.
        QCOMPARE(box->document()->findBlock(box->textCursor().selectionStart()).text(),
                 kHeadings[row]);
        QVERIFY2(HeadingAtTop(box, false), qPrintable(QString::number(SelectionTop(box))));
    }

    void jumpsWorkUpwardsAsWellAsDownwards() {
        auto window = OpenWith(LongRules(kHeadings));
        QVERIFY(window);
        QTextEdit* box = TextBox(*window);
        for (int row : {5, 2, 4, 0, 3, 1}) {
            ClickEntry(*window, row);
            QCOMPARE(box->textCursor().selectedText(), kHeadings[row]);
            QVERIFY2(HeadingAtTop(box, false), qPrintable(kHeadings[row]));
        }
    }

    // The rules document of each language, its own headings in the list.
    void realRulesDocumentShowsEveryHeadingSelectedAtTheTop_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("heading");  // the third entry's
        const char* const rows[][3] = {{"", "Rules.rtf", "Movement"},
                                       {"de", "Rules.de.rtf", "Bewegung"},
                                       {"fr", "Rules.fr.rtf", "Déplacements"},
                                       {"es", "Rules.es.rtf", "Movimiento"}};
        for (const auto& row : rows)
            QTest::newRow(*row[0] ? row[0] : "en")
                << QString(row[0]) << QString(row[1]) << QString::fromUtf8(row[2]);
    }
    void realRulesDocumentShowsEveryHeadingSelectedAtTheTop() {
        QFETCH(QString, language);
        QFETCH(QString, document);
        QFETCH(QString, heading);
        const Translations translations(QStringList{language});
        frmRules window(dialogs_, {PATHWICK_SOURCE_DIR "/resources"});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(dialogs_.shown.size(), 0);
        QCOMPARE(QFileInfo(window.RulesPath()).fileName(), document);
        QTextEdit* box = TextBox(window);
        QVERIFY(box->verticalScrollBar()->maximum() > 0);  // the document needs scrolling
        auto* list = window.findChild<QListWidget*>(QStringLiteral("lstContents"));
        QCOMPARE(list->item(2)->text(), QStringLiteral("  ") + heading);
        for (int row = 0; row < list->count(); ++row) {
            const QString entry = list->item(row)->text().trimmed();
            ClickEntry(window, row);
            QCOMPARE(box->textCursor().selectedText(), entry);
            // The heading itself, not the same words in the text before it.
            QCOMPARE(box->textCursor().block().text(), entry);
            QVERIFY2(HeadingAtTop(box, true), qPrintable(entry));
        }
    }

    void sameEntryTwiceSelectsTheSameHeading() {
        auto window = OpenWith(LongRules(kHeadings));
        QVERIFY(window);
        QTextEdit* box = TextBox(*window);
        ClickEntry(*window, 4);
        const int start = box->textCursor().selectionStart();
        const int scroll = box->verticalScrollBar()->value();
        // Scroll away and move the cursor, then choose the same entry again.
        box->verticalScrollBar()->setValue(0);
        box->moveCursor(QTextCursor::Start);
        ClickEntry(*window, 4);
        QCOMPARE(box->textCursor().selectionStart(), start);
        QCOMPARE(box->textCursor().selectedText(), QString("MAP VIEW"));
        QCOMPARE(box->verticalScrollBar()->value(), scroll);
    }

    void subEntrySearchesTheHeadingWithoutItsLeadingBlanks() {
        auto window = OpenWith(LongRules(kHeadings));
        QVERIFY(window);
        ClickEntry(*window, 3);
        QCOMPARE(Contents(*window)->item(3)->text(), QString("  Dropping Markers"));
        QCOMPARE(TextBox(*window)->textCursor().selectedText(), QString("Dropping Markers"));
    }

    void keyboardSelectionJumpsToo() {
        auto window = OpenWith(LongRules(kHeadings));
        QVERIFY(window);
        QListWidget* list = Contents(*window);
        ClickEntry(*window, 0);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(TextBox(*window)->textCursor().selectedText(), QString("TRAVELING THE MAZE"));
        QVERIFY(HeadingAtTop(TextBox(*window), false));
    }

    void headingMissingFromTheDocumentChangesNothing() {
        QStringList headings = kHeadings;
        headings.removeAll("MAP VIEW");
        auto window = OpenWith(LongRules(headings));
        QVERIFY(window);
        QTextEdit* box = TextBox(*window);
        ClickEntry(*window, 2);
        const QTextCursor before = box->textCursor();
        const int scroll = box->verticalScrollBar()->value();
        QVERIFY(scroll > 0);
        ClickEntry(*window, 4);  // MAP VIEW
        QCOMPARE(box->textCursor(), before);
        QCOMPARE(box->verticalScrollBar()->value(), scroll);
        QCOMPARE(dialogs_.shown.size(), 0);
    }

    void missingRulesFileIsReportedAndLeavesTheTextEmpty() {
        QTemporaryDir empty;
        frmRules window(dialogs_, {empty.path()});
        QCOMPARE(window.RulesPath(), RulesPathIn(empty.path()));
        QCOMPARE(dialogs_.Count("message"), 1);
        QCOMPARE(dialogs_.shown[0].title, QString("Pathwick! Rules"));
        QVERIFY2(dialogs_.shown[0].text.contains(RulesPathIn(empty.path())),
                 qPrintable(dialogs_.shown[0].text));
        QVERIFY(TextBox(window)->document()->isEmpty());
        // The table of contents still answers, without finding anything.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ClickEntry(window, 0);
        QVERIFY(!TextBox(window)->textCursor().hasSelection());
        QCOMPARE(dialogs_.shown.size(), 1);
    }

    void fileThatIsNotRichTextIsReportedAndLeavesTheTextEmpty() {
        QVERIFY(WriteFile(RulesPathIn(dir_.path()), "INTRODUCTION\nplain text, no rich text\n"));
        frmRules window(dialogs_, {dir_.path()});
        QCOMPARE(dialogs_.Count("message"), 1);
        QVERIFY(dialogs_.shown[0].text.contains(RulesPathIn(dir_.path())));
        QVERIFY(TextBox(window)->document()->isEmpty());
    }

    void secondRequestBringsTheSameWindowForward() {
        RulesWindow rules(dialogs_, {PATHWICK_SOURCE_DIR "/resources"});
        QCOMPARE(rules.Window(), nullptr);
        frmRules* first = rules.Show();
        QVERIFY(first);
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QVERIFY(first->parentWidget() == nullptr);  // modeless beside the game, no owner
        first->showMinimized();
        QTRY_VERIFY(first->isMinimized());
        QCOMPARE(rules.Show(), first);
        QVERIFY(first->isVisible());
        QVERIFY(!first->isMinimized());
        QCOMPARE(dialogs_.shown.size(), 0);
    }

    void closedWindowIsReplacedByANewOneOnTheNextRequest() {
        RulesWindow rules(dialogs_, {PATHWICK_SOURCE_DIR "/resources"});
        QPointer<frmRules> first = rules.Show();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QVERIFY(first->close());
        QCOMPARE(rules.Window(), nullptr);
        QTRY_VERIFY(first.isNull());  // destroyed once closed
        frmRules* second = rules.Show();
        QVERIFY(second);
        QVERIFY(second->isVisible());
        QCOMPARE(rules.Window(), second);
    }

    void escapeClosesTheWindow() {
        RulesWindow rules(dialogs_, {PATHWICK_SOURCE_DIR "/resources"});
        frmRules* window = rules.Show();
        PATHWICK_REQUIRE_ACTIVE_WINDOW(*window);  // a key reaches the active window only
        QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
        QCOMPARE(rules.Window(), nullptr);
    }

    void requestRightAfterClosingGetsAFreshWindow() {
        RulesWindow rules(dialogs_, {PATHWICK_SOURCE_DIR "/resources"});
        QPointer<frmRules> first = rules.Show();
        first->close();
        // The closed window still exists until the event loop runs; it must not be reused.
        QVERIFY(!first.isNull());
        QPointer<frmRules> second = rules.Show();
        QVERIFY(second.data() != first.data());
        QTRY_VERIFY(first.isNull());
        QVERIFY(!second.isNull());
        QVERIFY(second->isVisible());
    }

    void closeClosesTheOpenWindowAndIsHarmlessWithoutOne() {
        RulesWindow rules(dialogs_, {PATHWICK_SOURCE_DIR "/resources"});
        rules.Close();
        QPointer<frmRules> window = rules.Show();
        rules.Close();
        QCOMPARE(rules.Window(), nullptr);
        QTRY_VERIFY(window.isNull());
    }

    void rulesWindowGoesWithItsKeeper() {
        QPointer<frmRules> window;
        {
            RulesWindow rules(dialogs_, {PATHWICK_SOURCE_DIR "/resources"});
            window = rules.Show();
            QVERIFY(!window.isNull());
        }
        QVERIFY(window.isNull());
    }
};

PATHWICK_TEST_CLASS(FrmRulesTest)
#include "test_frmrules.moc"
