// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's life: every way of closing it asks first, a No keeps the
// game exactly as it was, a Yes closes the rules window too, and the window
// keeps its one size.

#include <QApplication>
#include <QPointer>
#include <QResizeEvent>
#include <QTemporaryDir>

#include "support/insistingdesktop.h"
#include "support/testmain.h"
#include "support/testwindow.h"
#include "ui/frmrules.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

const QString kExitText = QStringLiteral("Are you sure you want to exit Pathwick!?");
const QString kExitTitle = QStringLiteral("Exit Pathwick!?");

// The ways a close can be asked for.
enum class Route { kClose, kCloseButton, kFileExit, kQuitRequest };

// Asks the window to close by route.
void RequestClose(TestWindow& w, Route route) {
    switch (route) {
        case Route::kClose:
            w->close();
            break;
        case Route::kCloseButton:
            // What the window manager's close button does.
            w->windowHandle()->close();
            break;
        case Route::kFileExit:
            w.ui.mnuFileExit->trigger();
            break;
        case Route::kQuitRequest: {
            // The desktop asking the program to quit (as the session does when it ends).
            QEvent quit(QEvent::Quit);
            QCoreApplication::sendEvent(qApp, &quit);
            break;
        }
    }
    Settle();
}

// A game with something in it: a marker of each of two colours, a step of
// the mouse and a file of its own.
void PlaySomething(TestWindow& w, const QString& path) {
    w.Press(Qt::Key_F2);
    w.Press(Qt::Key_Left);
    w.Press(Qt::Key_F3);
    w.dialogs.fileNames = {path};
    w.ui.mnuFileSaveAs->trigger();
    w.Press(Qt::Key_Right);
}

}  // namespace

Q_DECLARE_METATYPE(Route)

class TestFrmMazeLifecycle : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void everyRouteAsksOnceWithTheExitQuestion_data();
    void everyRouteAsksOnceWithTheExitQuestion();
    void noKeepsTheWindowOpen_data();
    void noKeepsTheWindowOpen();
    void yesClosesTheWindow_data();
    void yesClosesTheWindow();
    void noKeepsTheGameAsItWas_data();
    void noKeepsTheGameAsItWas();
    void noLeavesTheRulesWindowOpen();
    void yesClosesTheRulesWindowToo();
    void yesWithoutRulesNeverCreatesTheRulesWindow();
    void questionIsAskedEveryTimeSavedOrNot_data();
    void questionIsAskedEveryTimeSavedOrNot();
    void windowKeepsItsFixedSize_data();
    void windowKeepsItsFixedSize();
    void maximisedAndRestoredWindowHasItsFixedSize();
    void desktopInsistingOnASizeIsNotFoughtForEver_data();
    void desktopInsistingOnASizeIsNotFoughtForEver();
    void endOfSessionAsksOnceAndClosesOnlyOnYes_data();
    void endOfSessionAsksOnceAndClosesOnlyOnYes();
};

void TestFrmMazeLifecycle::cleanup() {
    // No window of one test lingers into the next.
    for (frmRules* rules : RulesWindows()) delete rules;
    QCOMPARE(RulesWindows().size(), 0);
}

void TestFrmMazeLifecycle::everyRouteAsksOnceWithTheExitQuestion_data() {
    QTest::addColumn<Route>("route");
    QTest::newRow("close") << Route::kClose;
    QTest::newRow("close button") << Route::kCloseButton;
    QTest::newRow("File > Exit") << Route::kFileExit;
    QTest::newRow("quit request") << Route::kQuitRequest;
}

void TestFrmMazeLifecycle::everyRouteAsksOnceWithTheExitQuestion() {
    QFETCH(Route, route);
    TestWindow w;
    w.dialogs.answers = {false};

    RequestClose(w, route);
    QCOMPARE(w.dialogs.shown.size(), 1);
    QCOMPARE(w.dialogs.shown.first().kind, QStringLiteral("question"));
    QCOMPARE(w.dialogs.shown.first().text, kExitText);
    QCOMPARE(w.dialogs.shown.first().title, kExitTitle);
}

void TestFrmMazeLifecycle::noKeepsTheWindowOpen_data() {
    everyRouteAsksOnceWithTheExitQuestion_data();
}

void TestFrmMazeLifecycle::noKeepsTheWindowOpen() {
    QFETCH(Route, route);
    TestWindow w;
    w.dialogs.answers = {false};

    RequestClose(w, route);
    QVERIFY(w->isVisible());
    QVERIFY(w->windowHandle()->isVisible());
    // The game goes on: the keys still move the mouse.
    MazeState& s = w.State();
    s.StartX = s.StartY = 1;
    s.EndX = s.EndY = 25;
    w.PlaceMouse(13, 13, 15, 2070, 2070);
    w.Press(Qt::Key_Left);
    QCOMPARE(s.PosX, 2070 - s.UnitW);
}

void TestFrmMazeLifecycle::yesClosesTheWindow_data() {
    QTest::addColumn<Route>("route");
    QTest::newRow("close") << Route::kClose;
    QTest::newRow("close button") << Route::kCloseButton;
    QTest::newRow("File > Exit") << Route::kFileExit;
}

void TestFrmMazeLifecycle::yesClosesTheWindow() {
    QFETCH(Route, route);
    TestWindow w;
    w.dialogs.answers = {true};

    RequestClose(w, route);
    QCOMPARE(w.dialogs.Count(QStringLiteral("question")), 1);
    QVERIFY(!w->isVisible());
}

void TestFrmMazeLifecycle::noKeepsTheGameAsItWas_data() {
    QTest::addColumn<Route>("route");
    QTest::addColumn<bool>("onTheMap");
    QTest::newRow("close, cell view") << Route::kClose << false;
    QTest::newRow("close, map") << Route::kClose << true;
    QTest::newRow("File > Exit, cell view") << Route::kFileExit << false;
    QTest::newRow("File > Exit, map") << Route::kFileExit << true;
}

void TestFrmMazeLifecycle::noKeepsTheGameAsItWas() {
    QFETCH(Route, route);
    QFETCH(bool, onTheMap);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TestWindow w;
    PlaySomething(w, dir.filePath(QStringLiteral("game.maz")));
    if (onTheMap) QTest::mouseClick(w.ui.cmdViewMap, Qt::LeftButton);
    const Snapshot before(w);
    QVERIFY(before.state.MarkerCount(before.state.MouseX, before.state.MouseY) == 2);
    QCOMPARE(before.mapShows, onTheMap);
    QCOMPARE(before.filePath, dir.filePath(QStringLiteral("game.maz")));
    QCOMPARE(before.saved, QStringLiteral("N"));
    w.dialogs.answers = {false};

    RequestClose(w, route);
    QVERIFY(w->isVisible());
    const Snapshot after(w);
    QVERIFY(after.state == before.state);
    QCOMPARE(after.cellView, before.cellView);
    QCOMPARE(after.map, before.map);
    QCOMPARE(after.filePath, before.filePath);
    QCOMPARE(after.saved, before.saved);
    QCOMPARE(after.mapShows, before.mapShows);
    QCOMPARE(after.viewCaption, before.viewCaption);
    QCOMPARE(after.dropCaption, before.dropCaption);
    QCOMPARE(w.ui.fraMarkerColorChks->isVisible(), onTheMap);
}

void TestFrmMazeLifecycle::noLeavesTheRulesWindowOpen() {
    TestWindow w;
    w.ui.mnuHelpRules->trigger();
    QCOMPARE(RulesWindows().size(), 1);
    const QPointer<frmRules> rules = RulesWindows().first();
    QVERIFY(rules->isVisible());
    w.dialogs.answers = {false};

    w->close();
    QTest::qWait(0);
    QVERIFY(!rules.isNull());
    QVERIFY(rules->isVisible());
    QVERIFY(w->isVisible());
}

void TestFrmMazeLifecycle::yesClosesTheRulesWindowToo() {
    TestWindow w;
    w.ui.mnuHelpRules->trigger();
    const QPointer<frmRules> rules = RulesWindows().value(0);
    QVERIFY(rules);
    QVERIFY(rules->isVisible());
    w.dialogs.answers = {true};

    w->close();
    QVERIFY(!w->isVisible());
    QVERIFY(rules.isNull() || !rules->isVisible());
    // Closed for good: the rules window goes away, and no window is left.
    QTRY_VERIFY(rules.isNull());
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible(), qPrintable(top->objectName()));
}

void TestFrmMazeLifecycle::yesWithoutRulesNeverCreatesTheRulesWindow() {
    TestWindow w;
    QCOMPARE(RulesWindows().size(), 0);
    w.dialogs.answers = {true};

    w->close();
    QTest::qWait(0);
    QVERIFY(!w->isVisible());
    QCOMPARE(RulesWindows().size(), 0);
    // Not even created to be closed: creating it would have loaded (and
    // possibly complained about) the rules document.
    QCOMPARE(w.dialogs.shown.size(), 1);
    QCOMPARE(w.dialogs.shown.first().kind, QStringLiteral("question"));
}

void TestFrmMazeLifecycle::questionIsAskedEveryTimeSavedOrNot_data() {
    QTest::addColumn<bool>("saved");
    QTest::newRow("never saved") << false;
    QTest::newRow("just saved") << true;
}

void TestFrmMazeLifecycle::questionIsAskedEveryTimeSavedOrNot() {
    QFETCH(bool, saved);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    TestWindow w;
    if (saved) {
        w.dialogs.fileNames = {dir.filePath(QStringLiteral("saved.maz"))};
        w.ui.mnuFileSave->trigger();
        QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("Y"));
    }
    const int before = w.dialogs.Count(QStringLiteral("question"));
    w.dialogs.answers = {false, false, true};

    w->close();
    w.ui.mnuFileExit->trigger();
    QVERIFY(w->isVisible());
    w->close();
    QCOMPARE(w.dialogs.Count(QStringLiteral("question")) - before, 3);
    QVERIFY(!w->isVisible());
}

void TestFrmMazeLifecycle::windowKeepsItsFixedSize_data() {
    QTest::addColumn<bool>("byTheDesktop");
    QTest::addColumn<QSize>("asked");
    const auto rows = [](bool byTheDesktop, const char* who) {
        const QByteArray prefix(who);
        QTest::newRow(prefix + ", larger") << byTheDesktop << QSize(700, 500);
        QTest::newRow(prefix + ", smaller") << byTheDesktop << QSize(100, 80);
        QTest::newRow(prefix + ", wider only") << byTheDesktop << QSize(900, 0);
        QTest::newRow(prefix + ", taller only") << byTheDesktop << QSize(0, 900);
    };
    rows(false, "program");
    // A window manager that ignores the window's size limits, as a drag of
    // the border would.
    rows(true, "desktop");
}

void TestFrmMazeLifecycle::windowKeepsItsFixedSize() {
    QFETCH(bool, byTheDesktop);
    QFETCH(QSize, asked);
    TestWindow w;
    const QSize fixed = w->size();
    QCOMPARE(fixed.width(), frmMaze::ClientSize().width());
    QVERIFY(fixed.height() > frmMaze::ClientSize().height());  // and the menu bar
    const QSize target(asked.width() > 0 ? asked.width() : fixed.width(),
                       asked.height() > 0 ? asked.height() : fixed.height());

    if (byTheDesktop)
        w->windowHandle()->resize(target);
    else
        w->resize(target);
    Settle();
    // A window manager answers a request for another size when it likes; it may refuse it
    // (the window's limits) or grant it (and the window undoes it).
    QTRY_COMPARE(w->windowHandle()->size(), fixed);
    QCOMPARE(w->size(), fixed);
    QCOMPARE(w->centralWidget()->size(), frmMaze::ClientSize());
}

void TestFrmMazeLifecycle::maximisedAndRestoredWindowHasItsFixedSize() {
    QTemporaryDir dir;
    TestWindow w;
    const QSize fixed = w->size();
    const auto places = [&w] {
        QList<QRect> found;
        for (QWidget* control : w->centralWidget()->findChildren<QWidget*>())
            found << QRect(control->mapTo(w.window.get(), QPoint()), control->size());
        return found;
    };
    const QList<QRect> designed = places();

    w->showMaximized();
    QVERIFY(WaitUntilDesktopSized(*w, Qt::WindowMaximized));
    QCOMPARE(places(), designed);
    PlaySomething(w, dir.filePath(QStringLiteral("big.maz")));  // weston has not ended the game
    QCOMPARE(w.State().MarkerCount(w.State().MouseX, w.State().MouseY), 2);
    QVERIFY(RestoreTo(*w, fixed));
    QCOMPARE(places(), designed);
}

void TestFrmMazeLifecycle::desktopInsistingOnASizeIsNotFoughtForEver_data() {
    QTest::addColumn<int>("refusals");        // undos the desktop answers with its size; -1: all
    QTest::addColumn<QList<QSize>>("sizes");  // given by the desktop one after another
    QTest::addColumn<QSize>("kept");          // empty: the window's fixed size
    QTest::addColumn<int>("refused");
    const QSize tile(800, 600), other(500, 400);
    QTest::newRow("dragged once") << 0 << QList<QSize>{tile} << QSize() << 0;
    QTest::newRow("the same size twice") << 0 << QList<QSize>{tile, tile} << QSize() << 0;
    QTest::newRow("undo refused once") << 1 << QList<QSize>{tile} << QSize() << 1;
    QTest::newRow("undo refused twice") << 2 << QList<QSize>{tile} << QSize() << 2;
    QTest::newRow("tiling desktop") << -1 << QList<QSize>{tile} << tile << 3;
    QTest::newRow("tiling desktop, another tile") << -1 << QList<QSize>{tile, other} << other << 6;
}

void TestFrmMazeLifecycle::desktopInsistingOnASizeIsNotFoughtForEver() {
    QFETCH(int, refusals);
    QFETCH(QList<QSize>, sizes);
    QFETCH(QSize, kept);
    QFETCH(int, refused);
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QSKIP("a real desktop answers the window's resizes itself");
    TestWindow w;
    const QSize fixed = w->size();
    InsistingDesktop desktop(w->windowHandle(), refusals);

    for (const QSize& size : sizes) desktop.Impose(size);
    const QSize expected = kept.isEmpty() ? fixed : kept;
    QCOMPARE(w->size(), expected);
    QCOMPARE(w->windowHandle()->size(), expected);
    QCOMPARE(desktop.refused, refused);
    if (kept.isEmpty()) QCOMPARE(w->centralWidget()->size(), frmMaze::ClientSize());
}

PATHWICK_TEST_CLASS(TestFrmMazeLifecycle)
void TestFrmMazeLifecycle::endOfSessionAsksOnceAndClosesOnlyOnYes_data() {
    QTest::addColumn<bool>("mayInteract");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("logoutGoesOn");
    QTest::addColumn<bool>("released");
    QTest::newRow("Yes closes the window") << true << true << 1 << true << true;
    QTest::newRow("No cancels the logout") << true << false << 1 << false << false;
    QTest::newRow("no leave to ask: nothing happens") << false << true << 0 << true << false;
}

void TestFrmMazeLifecycle::endOfSessionAsksOnceAndClosesOnlyOnYes() {
    QFETCH(bool, mayInteract);
    QFETCH(bool, answer);
    QFETCH(int, questions);
    QFETCH(bool, logoutGoesOn);
    QFETCH(bool, released);
    TestWindow w;
    w.dialogs.answers = {answer};
    bool releasedBeforeClose = false;
    bool wasReleased = false;
    const bool goesOn = w->EndOfSession(mayInteract, [&] {
        wasReleased = true;
        releasedBeforeClose = w->isVisible();
    });
    QCOMPARE(goesOn, logoutGoesOn);
    QCOMPARE(w.dialogs.Count(QStringLiteral("question")), questions);
    QCOMPARE(wasReleased, released);
    QCOMPARE(releasedBeforeClose, released);
    QCOMPARE(w->isVisible(), !(mayInteract && answer));
}

#include "test_frmmaze_lifecycle.moc"
