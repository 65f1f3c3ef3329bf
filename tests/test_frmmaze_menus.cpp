// SPDX-License-Identifier: GPL-3.0-or-later
// The File and Help menus of the main window, through the menu commands and
// their shortcuts: the dialogs they ask for, saving and opening real files,
// printing, the rules window and the about box.

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <tuple>

#include "support/filegame.h"
#include "support/testmain.h"
#include "support/testwindow.h"
#include "ui/frmrules.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

using Filters = QList<std::pair<QString, QString>>;

const Filters kSaveFilters{{QStringLiteral("Text (*.txt) "), QStringLiteral("*.txt")},
                           {QStringLiteral("Maze file (*.maz) "), QStringLiteral("*.maz")}};
const Filters kOpenFilters{{QStringLiteral("Text (*.txt) "), QStringLiteral("*.txt")},
                           {QStringLiteral("Maze files (*.maz) "), QStringLiteral("*.maz")},
                           {QStringLiteral("All files (*.*) "), QStringLiteral("*")}};

const QString kOpenErrorText =
    QStringLiteral("There was an error opening the file.\r\nNew maze will be generated instead");
const QString kOpenErrorTitle = QStringLiteral("File Open Error");

// Every marker of the game, cell by cell, in list order: (x, y, X, Y, colour).
using MarkerRow = std::tuple<int, int, int, int, Color>;
QList<MarkerRow> AllMarkers(const MazeState& s) {
    QList<MarkerRow> rows;
    for (int x = 1; x <= kMazeSize; ++x)
        for (int y = 1; y <= kMazeSize; ++y) {
            const auto* xs = s.MarkerXs.Find(x, y);
            const auto* ys = s.MarkerYs.Find(x, y);
            const auto* colours = s.MarkerColors.Find(x, y);
            if (!xs) continue;
            for (int i = 0; i < xs->Count(); ++i)
                rows.append({x, y, xs->Items()[i], ys->Items()[i], colours->Items()[i]});
        }
    return rows;
}

// A game worth saving: markers of three colours in two cells and the mouse
// in another cell than the start.
void PlayAGame(TestWindow& w) {
    MazeState& s = w.State();
    s.StartX = s.StartY = 1;
    s.EndX = s.EndY = 25;
    s.grid(12, 13) = 15;
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    w.PressTimes(Qt::Key_Up, 2);
    w.Press(Qt::Key_F1);
    w.PressTimes(Qt::Key_Down, 2);
    w.Press(Qt::Key_F4);
    w.PressTimes(Qt::Key_Left, 14);  // into the western cell
    w.Press(Qt::Key_F3);
}

// Saves w's game to path through "Save As...".
void SaveAs(TestWindow& w, const QString& path) {
    w.dialogs.fileNames = {path};
    w.ui.mnuFileSaveAs->trigger();
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Sets the printer to write a PDF into a folder that does not exist.
bool PrintIntoNowhere(QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-pathwick-folder/no/maze.pdf"));
    return true;
}

}  // namespace

class TestFrmMazeMenus : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void menuCommandAsksForItsDialog_data();
    void menuCommandAsksForItsDialog();
    void shortcutAsksForItsDialog_data();
    void shortcutAsksForItsDialog();

    void saveWithoutAFileShowsSaveAsWithTheMazeFilter();
    void cancelInSaveAsOfAGameWithoutAFileWritesNothing();
    void saveAsWritesTheChosenFileAndShowsIt();
    void saveAfterwardsWritesTheSameFileWithoutADialog();
    void saveAsProposesTheCurrentFile();
    void cancelInSaveAsOfAGameWithAFileWritesNothing();

    void openDialogOffersThreeFiltersAndNoName();
    void cancelInOpenChangesNothing();
    void openingASavedFileRestoresTheGame();
    void openingASavedFileShowsTheMousesCell();
    void openingWhileTheMapShowsRedrawsTheMap();
    void openingABadFileReportsItAndStartsAFreshMaze_data();
    void openingABadFileReportsItAndStartsAFreshMaze();

    void cancelInPrintShowsNothingAndChangesNothing();
    void dialogsAfterACancelledPrintStillReturnOnCancel_data();
    void dialogsAfterACancelledPrintStillReturnOnCancel();
    void failingPrintReportsThePrintError();
    void printingToAFileWritesItWithoutAMessage();

    void rulesTwiceGiveOneWindowBroughtForward();
    void rulesBringBackAMinimisedRulesWindow();
    void rulesWindowIsTitledAndStandsOnItsOwn();

    void aboutShowsItsModalBoxUntilEscape();
};

void TestFrmMazeMenus::cleanup() {
    for (frmRules* rules : RulesWindows()) delete rules;
}

// ---- Which dialog each command asks for -----------------------------------

void TestFrmMazeMenus::menuCommandAsksForItsDialog_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("kind");
    QTest::newRow("New") << "mnuFileNew"
                         << "question";
    QTest::newRow("Open") << "mnuFileOpen"
                          << "open";
    QTest::newRow("Save") << "mnuFileSave"
                          << "save";
    QTest::newRow("Save As") << "mnuFileSaveAs"
                             << "save";
    QTest::newRow("Print") << "mnuFilePrint"
                           << "print";
    QTest::newRow("Exit") << "mnuFileExit"
                          << "question";
}

void TestFrmMazeMenus::menuCommandAsksForItsDialog() {
    QFETCH(QString, action);
    QFETCH(QString, kind);
    TestWindow w;
    w.dialogs.answers = {false};  // questions answered No; dialogs cancelled
    const Snapshot before(w);

    auto* command = w.ui.Named<QAction>(action);
    QVERIFY(command);
    command->trigger();
    QCOMPARE(w.dialogs.shown.size(), 1);
    QCOMPARE(w.dialogs.shown.first().kind, kind);
    PATHWICK_COMPARE_SNAPSHOT(before, w);
    QVERIFY(w->isVisible());
}

void TestFrmMazeMenus::shortcutAsksForItsDialog_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("kind");
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << "question";
    QTest::newRow("Ctrl+O") << int(Qt::Key_O) << "open";
    QTest::newRow("Ctrl+S") << int(Qt::Key_S) << "save";
    QTest::newRow("Ctrl+P") << int(Qt::Key_P) << "print";
}

void TestFrmMazeMenus::shortcutAsksForItsDialog() {
    QFETCH(int, key);
    QFETCH(QString, kind);
    TestWindow w;
    PATHWICK_REQUIRE_ACTIVE_WINDOW(*w);  // shortcuts work in the active window
    w.dialogs.answers = {false};
    const Snapshot before(w);

    w.Press(key, Qt::ControlModifier);
    QCOMPARE(w.dialogs.shown.size(), 1);
    QCOMPARE(w.dialogs.shown.first().kind, kind);
    PATHWICK_COMPARE_SNAPSHOT(before, w);
}

// ---- Save and Save As -----------------------------------------------------

void TestFrmMazeMenus::saveWithoutAFileShowsSaveAsWithTheMazeFilter() {
    TestWindow w;
    QCOMPARE(w.ui.lblFilePath->text(), QString());

    w.ui.mnuFileSave->trigger();
    QCOMPARE(w.dialogs.shown.size(), 1);
    const FakeDialogs::Shown& dialog = w.dialogs.shown.first();
    QCOMPARE(dialog.kind, QStringLiteral("save"));
    QCOMPARE(dialog.setup.fileName, QString());
    QCOMPARE(dialog.setup.filters, kSaveFilters);
    QCOMPARE(dialog.setup.filterIndex, 2);
}

void TestFrmMazeMenus::cancelInSaveAsOfAGameWithoutAFileWritesNothing() {
    TestWindow w;
    const Snapshot before(w);

    w.ui.mnuFileSave->trigger();
    w.ui.mnuFileSaveAs->trigger();
    QCOMPARE(w.dialogs.Count(QStringLiteral("save")), 2);
    QCOMPARE(w.dialogs.Count(QStringLiteral("message")), 0);
    PATHWICK_COMPARE_SNAPSHOT(before, w);
}

void TestFrmMazeMenus::saveAsWritesTheChosenFileAndShowsIt() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("chosen.maz"));
    TestWindow w;
    PlayAGame(w);
    const MazeState& s = w.State();
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("N"));

    w.dialogs.fileNames = {path};
    w.ui.mnuFileSave->trigger();
    QCOMPARE(w.dialogs.Count(QStringLiteral("message")), 0);
    QCOMPARE(w.ui.lblFilePath->text(), path);
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("Y"));
    const QList<QByteArray> lines = Contents(path).split('\n');
    // 4 header lines, 2 per cell and one per marker; the last CR LF ends the file.
    QCOMPARE(lines.size(), 4 + 1250 + 3 + 1);
    QCOMPARE(lines.last(), QByteArray());
    QCOMPARE(lines.at(0), QByteArray::number(s.StartX) + ',' + QByteArray::number(s.StartY) + '\r');
    QCOMPARE(lines.at(2), QByteArray::number(s.MouseX) + ',' + QByteArray::number(s.MouseY) + '\r');
    QCOMPARE(lines.at(3), QByteArray::number(s.PosX) + ',' + QByteArray::number(s.PosY) + '\r');
}

void TestFrmMazeMenus::saveAfterwardsWritesTheSameFileWithoutADialog() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("game.maz"));
    TestWindow w;
    SaveAs(w, path);
    const QByteArray first = Contents(path);
    w.Press(Qt::Key_F2);  // one more marker: the game is no longer saved
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("N"));

    w.ui.mnuFileSave->trigger();
    QCOMPARE(w.dialogs.Count(QStringLiteral("save")), 1);  // only the first Save As
    QCOMPARE(w.ui.lblFilePath->text(), path);
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("Y"));
    const QByteArray second = Contents(path);
    QCOMPARE(second.count('\n'), first.count('\n') + 1);
    QVERIFY(second.contains(QByteArray::number(w.State().PosX) + ',' +
                            QByteArray::number(w.State().PosY) + ",0\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("game.maz")});
}

void TestFrmMazeMenus::saveAsProposesTheCurrentFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("current.maz"));
    TestWindow w;
    SaveAs(w, path);

    w.ui.mnuFileSaveAs->trigger();
    QCOMPARE(w.dialogs.Count(QStringLiteral("save")), 2);
    const FakeDialogs::Shown& dialog = w.dialogs.shown.last();
    QCOMPARE(dialog.kind, QStringLiteral("save"));
    QCOMPARE(dialog.setup.fileName, path);
    QCOMPARE(dialog.setup.filters, kSaveFilters);
    QCOMPARE(dialog.setup.filterIndex, 2);
}

void TestFrmMazeMenus::cancelInSaveAsOfAGameWithAFileWritesNothing() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("kept.maz"));
    TestWindow w;
    SaveAs(w, path);
    w.Press(Qt::Key_F3);  // a change that a write would carry to the file
    const QByteArray bytes = Contents(path);
    // An old time stamp, so that any write would show.
    const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-3);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    const QDateTime stamp = QFileInfo(path).lastModified();
    const Snapshot before(w);
    QCOMPARE(before.saved, QStringLiteral("N"));

    w.ui.mnuFileSaveAs->trigger();  // no name queued: Cancel
    QCOMPARE(w.dialogs.shown.last().kind, QStringLiteral("save"));
    QCOMPARE(Contents(path), bytes);
    QCOMPARE(QFileInfo(path).lastModified(), stamp);
    QCOMPARE(w.dialogs.Count(QStringLiteral("message")), 0);
    PATHWICK_COMPARE_SNAPSHOT(before, w);
}

// ---- Open -----------------------------------------------------------------

void TestFrmMazeMenus::openDialogOffersThreeFiltersAndNoName() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TestWindow w;
    SaveAs(w, dir.filePath(QStringLiteral("current.maz")));  // a current file is not proposed

    w.ui.mnuFileOpen->trigger();
    const FakeDialogs::Shown& dialog = w.dialogs.shown.last();
    QCOMPARE(dialog.kind, QStringLiteral("open"));
    QCOMPARE(dialog.setup.fileName, QString());
    QCOMPARE(dialog.setup.filters, kOpenFilters);
    QCOMPARE(dialog.setup.filterIndex, 2);
}

void TestFrmMazeMenus::cancelInOpenChangesNothing() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TestWindow w;
    PlayAGame(w);
    SaveAs(w, dir.filePath(QStringLiteral("current.maz")));
    w.Press(Qt::Key_Left);
    const Snapshot before(w);
    const qsizetype shown = w.dialogs.shown.size();

    w.ui.mnuFileOpen->trigger();
    QCOMPARE(w.dialogs.shown.size(), shown + 1);
    QCOMPARE(w.dialogs.Count(QStringLiteral("message")), 0);
    PATHWICK_COMPARE_SNAPSHOT(before, w);
}

void TestFrmMazeMenus::openingASavedFileRestoresTheGame() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("game.maz"));
    TestWindow w;
    PlayAGame(w);
    SaveAs(w, path);
    const MazeState saved = w.State();
    const QList<MarkerRow> markers = AllMarkers(saved);
    QCOMPARE(markers.size(), 3);
    QCOMPARE(saved.MouseX, 12);  // the game reached the western cell
    w.dialogs.answers = {true};
    w.ui.mnuFileNew->trigger();  // another maze in between
    QVERIFY(!(w.State().grid == saved.grid));
    w.State().EndReached = true;

    w.dialogs.fileNames = {path};
    w.ui.mnuFileOpen->trigger();
    const MazeState& s = w.State();
    QCOMPARE(w.dialogs.Count(QStringLiteral("message")), 0);
    QVERIFY(s.grid == saved.grid);
    QCOMPARE(s.StartX, saved.StartX);
    QCOMPARE(s.StartY, saved.StartY);
    QCOMPARE(s.EndX, saved.EndX);
    QCOMPARE(s.EndY, saved.EndY);
    QCOMPARE(s.MouseX, saved.MouseX);
    QCOMPARE(s.MouseY, saved.MouseY);
    QCOMPARE(s.PosX, saved.PosX);
    QCOMPARE(s.PosY, saved.PosY);
    QCOMPARE(AllMarkers(s), markers);
    QVERIFY(!s.EndReached);
    QCOMPARE(w.ui.lblFilePath->text(), path);
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("Y"));
}

void TestFrmMazeMenus::openingASavedFileShowsTheMousesCell() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("game.maz"));
    TestWindow w;
    PlayAGame(w);
    SaveAs(w, path);
    w.dialogs.answers = {true};
    w.ui.mnuFileNew->trigger();
    const QImage freshMaze = w.game().picMaze().Picture().copy();

    w.dialogs.fileNames = {path};
    w.ui.mnuFileOpen->trigger();
    const QImage shown = w.game().picMaze().Picture();
    QVERIFY(shown != freshMaze);
    QCOMPARE(shown, FreshCellView(w.game()));
    QVERIFY(w.ui.picMaze->isVisible());
}

void TestFrmMazeMenus::openingWhileTheMapShowsRedrawsTheMap() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("game.maz"));
    TestWindow w;
    PlayAGame(w);
    SaveAs(w, path);
    const MazeState saved = w.State();
    w.dialogs.answers = {true};
    w.ui.mnuFileNew->trigger();
    QTest::mouseClick(w.ui.cmdViewMap, Qt::LeftButton);
    const QImage mapBefore = w.game().picMap().Picture().copy();

    w.dialogs.fileNames = {path};
    w.ui.mnuFileOpen->trigger();
    QVERIFY(w.ui.picMap->isVisible());
    QVERIFY(!w.ui.picMaze->isVisible());
    const QImage map = w.game().picMap().Picture().copy();
    QVERIFY(map != mapBefore);
    QCOMPARE(MapSquare(w.game(), saved.StartX, saved.StartY, 1, 1), kStartColor);
    QCOMPARE(MapSquare(w.game(), saved.EndX, saved.EndY, 1, 1), kEndColor);
    const Zone zone = GetZone(saved, saved.PosX, saved.PosY);
    QCOMPARE(MapSquare(w.game(), saved.MouseX, saved.MouseY, zone.zx - 1, zone.zy - 1),
             kMouseColor);
    w.game().DrawMap();
    QCOMPARE(map, w.game().picMap().Picture());
    // The hidden cell view holds the mouse's cell.
    QCOMPARE(w.game().picMaze().Picture(), FreshCellView(w.game()));
}

void TestFrmMazeMenus::openingABadFileReportsItAndStartsAFreshMaze_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("exists");
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("ends after the header")
        << QByteArray("1,1\r\n25,25\r\n1,1\r\n2070,2070\r\n") << true;
    QTest::newRow("mouse outside the maze") << (QByteArray("1,1\r\n25,25\r\n0,5\r\n2070,2070\r\n") +
                                                QByteArray("15\r\n0\r\n").repeated(625))
                                            << true;
    QTest::newRow("number too large") << QByteArray("40000,1\r\n") << true;
    QTest::newRow("missing file") << QByteArray() << false;
}

void TestFrmMazeMenus::openingABadFileReportsItAndStartsAFreshMaze() {
    QFETCH(QByteArray, contents);
    QFETCH(bool, exists);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString bad = dir.filePath(QStringLiteral("bad.maz"));
    if (exists) QVERIFY(WriteFileBytes(bad, contents));
    TestWindow w;
    PlayAGame(w);
    SaveAs(w, dir.filePath(QStringLiteral("good.maz")));
    const MazeState before = w.State();
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("Y"));

    w.dialogs.fileNames = {bad};
    w.ui.mnuFileOpen->trigger();
    QCOMPARE(w.dialogs.Messages(),
             QStringList{kOpenErrorTitle + QStringLiteral(": ") + kOpenErrorText});
    QCOMPARE(w.ui.lblFilePath->text(), QString());
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("N"));
    // A fresh maze: another grid, the mouse on its start, no markers.
    const MazeState& s = w.State();
    QVERIFY(!(s.grid == before.grid));
    QVERIFY(s.grid(s.StartX, s.StartY) != 0 && s.grid(s.EndX, s.EndY) != 0);
    QCOMPARE(s.MouseX, s.StartX);
    QCOMPARE(s.MouseY, s.StartY);
    QCOMPARE(AllMarkers(s), QList<MarkerRow>());
    QCOMPARE(w.game().picMaze().Picture(), FreshCellView(w.game()));
}

// ---- Print ----------------------------------------------------------------

void TestFrmMazeMenus::cancelInPrintShowsNothingAndChangesNothing() {
    TestWindow w;
    PlayAGame(w);
    const Snapshot before(w);

    w.ui.mnuFilePrint->trigger();  // no answer queued: Cancel
    QCOMPARE(w.dialogs.shown.size(), 1);
    QCOMPARE(w.dialogs.shown.first().kind, QStringLiteral("print"));
    PATHWICK_COMPARE_SNAPSHOT(before, w);
}

void TestFrmMazeMenus::dialogsAfterACancelledPrintStillReturnOnCancel_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("kind");
    QTest::newRow("Open") << "mnuFileOpen"
                          << "open";
    QTest::newRow("Save As") << "mnuFileSaveAs"
                             << "save";
}

void TestFrmMazeMenus::dialogsAfterACancelledPrintStillReturnOnCancel() {
    QFETCH(QString, action);
    QFETCH(QString, kind);
    TestWindow w;
    PlayAGame(w);
    w.ui.mnuFilePrint->trigger();
    const Snapshot before(w);

    w.ui.Named<QAction>(action)->trigger();
    QCOMPARE(w.dialogs.shown.size(), 2);
    QCOMPARE(w.dialogs.shown.last().kind, kind);
    QCOMPARE(w.dialogs.Count(QStringLiteral("message")), 0);
    PATHWICK_COMPARE_SNAPSHOT(before, w);
}

void TestFrmMazeMenus::failingPrintReportsThePrintError() {
    TestWindow w;
    w.dialogs.onPrinter = PrintIntoNowhere;
    const Snapshot before(w);

    w.ui.mnuFilePrint->trigger();
    QCOMPARE(w.dialogs.Messages(),
             QStringList{QStringLiteral("Print Error: There was an error attempting to print.")});
    PATHWICK_COMPARE_SNAPSHOT(before, w);
}

void TestFrmMazeMenus::printingToAFileWritesItWithoutAMessage() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("maze.pdf"));
    TestWindow w;
    w.dialogs.onPrinter = [pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    const Snapshot before(w);

    w.ui.mnuFilePrint->trigger();
    QCOMPARE(w.dialogs.Messages(), QStringList());
    QVERIFY(Contents(pdf).startsWith("%PDF"));
    PATHWICK_COMPARE_SNAPSHOT(before, w);
}

// ---- Help -----------------------------------------------------------------

void TestFrmMazeMenus::rulesTwiceGiveOneWindowBroughtForward() {
    TestWindow w;
    PATHWICK_REQUIRE_ACTIVE_WINDOW(*w);
    w.ui.mnuHelpRules->trigger();
    QCOMPARE(RulesWindows().size(), 1);
    const QPointer<frmRules> rules = RulesWindows().first();
    QTRY_VERIFY(rules->isActiveWindow());
    w->activateWindow();
    PATHWICK_REQUIRE_ACTIVE_WINDOW(*w);

    w.ui.mnuHelpRules->trigger();
    QTRY_VERIFY(rules->isActiveWindow());
    QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(rules.data()));
    QCOMPARE(RulesWindows(), QList<frmRules*>{rules.data()});
    QVERIFY(rules->isVisible());
}

void TestFrmMazeMenus::rulesBringBackAMinimisedRulesWindow() {
    TestWindow w;
    w.ui.mnuHelpRules->trigger();
    QCOMPARE(RulesWindows().size(), 1);
    const QPointer<frmRules> rules = RulesWindows().first();
    rules->showMinimized();
    Settle();

    w.ui.mnuHelpRules->trigger();
    QVERIFY(!(rules->windowState() & Qt::WindowMinimized));
    QVERIFY(rules->isVisible());
}

void TestFrmMazeMenus::rulesWindowIsTitledAndStandsOnItsOwn() {
    TestWindow w;
    w.ui.mnuHelpRules->trigger();
    QCOMPARE(RulesWindows().size(), 1);
    const QPointer<frmRules> rules = RulesWindows().first();
    QCOMPARE(rules->windowTitle(), QStringLiteral("Pathwick! Rules"));
    QVERIFY(rules->isWindow());
    QCOMPARE(rules->parentWidget(), nullptr);
    QCOMPARE(rules->windowModality(), Qt::NonModal);
    // The game goes on beside it.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(w->isEnabled());
}

void TestFrmMazeMenus::aboutShowsItsModalBoxUntilEscape() {
    TestWindow w;
    bool returned = false;
    bool blocked = false;
    bool modal = false;
    QString title;
    QPointer<QWidget> box;

    QTimer look;
    look.setSingleShot(true);
    connect(&look, &QTimer::timeout, this, [&] {
        box = QApplication::activeModalWidget();
        if (!box) return;  // the guard below ends the wait
        blocked = !returned;
        modal = box->isModal();
        title = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    // Should the box not close, this closes it so that the test cannot hang.
    bool timedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [&] {
        timedOut = true;
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    look.start(0);
    guard.start(5000);

    w.ui.mnuHelpAbout->trigger();
    returned = true;
    guard.stop();
    QVERIFY(!timedOut);
    QVERIFY(blocked);
    QVERIFY(modal);
    QCOMPARE(title, QStringLiteral("About Pathwick!"));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QTRY_VERIFY(box.isNull() || !box->isVisible());
    QVERIFY(w->isVisible());
}

PATHWICK_TEST_CLASS(TestFrmMazeMenus)
#include "test_frmmaze_menus.moc"
