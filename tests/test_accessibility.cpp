// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QRadioButton>
#include <QtTest>

#include "support/testmain.h"
#include "support/testwindow.h"
#include "ui/speech.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

constexpr int kClickDropMarker = -1;
constexpr int kKeypadEnter = -2;  // the screen reader's "where am I"

QString Description(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

QString Name(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// What a screen reader reads of the picture's focused item: what was said last.
QString Said(QWidget* picture) {
    return Speech::Of(picture)->LastWords();
}

}  // namespace

// What the window tells assistive technology; the AT-SPI side is played by
// tests/accessibility/screen_reader.py.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void picturesAndIndicatorsAreNamedTooltipsStay();
    void commandsChangeWhatTheCellViewReports_data();
    void commandsChangeWhatTheCellViewReports();
    void mapTellsTheMarkersLastDisplayed();
    void onTheMapTheKeyboardReachesOnlyWhatShows();
    void cancelledOpenIsNotTold();
    void keyboardFocusShowsOnTheControls_data();
    void keyboardFocusShowsOnTheControls();
};

void TestAccessibility::picturesAndIndicatorsAreNamedTooltipsStay() {
    TestWindow w;
    auto* picMaze = w.ui.picMaze;
    auto* picMap = w.ui.picMap;
    QCOMPARE(QAccessible::queryAccessibleInterface(picMaze)->role(), QAccessible::Canvas);
    QCOMPARE(QAccessible::queryAccessibleInterface(picMap)->role(), QAccessible::Graphic);
    QCOMPARE(Name(picMaze), QStringLiteral("Maze"));
    QCOMPARE(Name(picMap), QStringLiteral("Map"));
    QVERIFY2(Description(picMaze).contains(QStringLiteral("; mouse in the centre; the start.")),
             qPrintable(Description(picMaze)));
    QVERIFY(Description(picMap).startsWith(QStringLiteral("Mouse in column ")));
    QCOMPARE(picMaze->toolTip(), QStringLiteral("One coordinate of the maze"));
    QCOMPARE(picMap->toolTip(), QStringLiteral("Map of the entire maze"));
    QCOMPARE(Name(w.ui.shpMouse), QStringLiteral("Red"));
    QCOMPARE(Name(w.ui.ShpStart), QStringLiteral("Yellow"));
    QCOMPARE(Name(w.ui.shpEnd), QStringLiteral("Green"));

    QCOMPARE(Name(w.ui.lblFilePath), QStringLiteral("File: none"));
    QCOMPARE(Name(w.ui.lblSaved), QStringLiteral("Saved: No"));
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("N"));
    QVERIFY(w.game().SaveMazeFile(QDir::temp().filePath(QStringLiteral("pathwick-a11y.maz"))));
    QCOMPARE(Name(w.ui.lblSaved), QStringLiteral("Saved: Yes"));
    QVERIFY(Name(w.ui.lblFilePath).endsWith(QStringLiteral("pathwick-a11y.maz")));
    QFile::remove(QDir::temp().filePath(QStringLiteral("pathwick-a11y.maz")));
}

void TestAccessibility::commandsChangeWhatTheCellViewReports_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QList<int>>("keys");  // or kClickDropMarker
    QTest::addColumn<QString>("told");     // what was said last
    QTest::newRow("step") << 15 << QList<int>{Qt::Key_Up} << "In the centre, 1 step north.";
    QTest::newRow("blocked") << 5 << QList<int>{Qt::Key_Left, Qt::Key_Left} << "Blocked.";
    QTest::newRow("blocked twice")
        << 5 << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Left} << "Blocked, 2 times.";
    QTest::newRow("where am I reads the whole cell, once")
        << 5 << QList<int>{Qt::Key_Left, Qt::Key_Left, kKeypadEnter} << "(the description)";
    QTest::newRow("blocked, moved, blocked")
        << 5 << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Right, Qt::Key_Left, Qt::Key_Left}
        << "Blocked.";
    QTest::newRow("blocked, dropped, blocked")
        << 5 << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_F3, Qt::Key_Left}
        << "Blocked.";
    QTest::newRow("F3") << 15 << QList<int>{Qt::Key_F3} << "Cyan marker dropped.";
    QTest::newRow("Drop Marker clicked after F2")
        << 15 << QList<int>{Qt::Key_F2, kClickDropMarker} << "Black marker dropped.";
    QTest::newRow("a letter tells nothing new")
        << 15 << QList<int>{Qt::Key_Up, Qt::Key_A} << "In the centre, 1 step north.";
}

void TestAccessibility::commandsChangeWhatTheCellViewReports() {
    QFETCH(int, code);
    QFETCH(QList<int>, keys);
    QFETCH(QString, told);
    TestWindow w;
    MazeState& s = w.State();
    s.StartX = s.EndX = 1;
    s.StartY = s.EndY = 1;
    w.PlaceMouse(13, 13, code, kCentre, kCentre);
    const Speech* speech = Speech::Of(w.ui.picMaze);
    const QAccessibleInterface* last = speech->FocusedItem();
    for (int key : keys) {
        if (key == kClickDropMarker)
            w.ui.cmdDropMarker->click();
        else if (key == kKeypadEnter)
            QTest::keyClick(w->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
        else
            w.Press(key);
        // Each command is said at once: another item takes the focus.
        const QAccessibleInterface* now = speech->FocusedItem();
        QCOMPARE(now != last, key != Qt::Key_A && key != kKeypadEnter);
        last = now;
    }
    QCOMPARE(Said(w.ui.picMaze),
             told == QLatin1String("(the description)") ? Description(w.ui.picMaze) : told);
    QVERIFY(!w.State().MapView);
    QVERIFY2(Description(w.ui.picMaze).startsWith(QStringLiteral("Column 13, row 13: ")),
             qPrintable(Description(w.ui.picMaze)));
}

void TestAccessibility::mapTellsTheMarkersLastDisplayed() {
    TestWindow w;
    w.Press(Qt::Key_F3);
    w.ui.cmdViewMap->click();
    auto* picMap = w.ui.picMap;
    QCOMPARE(Said(picMap), QStringLiteral("Map. ") + Description(picMap));
    QVERIFY(!Description(picMap).contains(QStringLiteral("Markers")));
    w.ui.chkCyan->click();
    w.ui.cmdDropMarker->click();  // Display Markers
    QVERIFY2(Description(picMap).contains(QStringLiteral("Markers shown: 1 cyan, in 1 cell")),
             qPrintable(Description(picMap)));
    QVERIFY2(Said(picMap).startsWith(QStringLiteral("Markers shown: 1 cyan, in 1 cell")),
             qPrintable(Said(picMap)));
    // Ticks alone change nothing on the map, nor in its words.
    w.ui.chkCyan->click();
    QVERIFY(Description(picMap).contains(QStringLiteral("Markers shown: 1 cyan")));
    // Drawn afresh, the map shows no markers, and says so.
    w.ui.cmdViewMap->click();
    QCOMPARE(Said(w.ui.picMaze), Description(w.ui.picMaze));  // back: the cell
    w.ui.cmdViewMap->click();
    QVERIFY(!Description(picMap).contains(QStringLiteral("Markers")));
    w.dialogs.answers = {true};
    w.ui.mnuFileNew->trigger();
    QVERIFY(Said(w.ui.picMap).startsWith(QStringLiteral("Mouse in column ")));
    QVERIFY(Description(w.ui.picMaze).startsWith(QStringLiteral("Column ")));
}

void TestAccessibility::onTheMapTheKeyboardReachesOnlyWhatShows() {
    TestWindow w;
    w.ui.optCyan->click();
    w.ui.cmdViewMap->click();
    Settle();
    for (int i = 0; i < 20; ++i) {
        w.Press(Qt::Key_Tab);
        QWidget* focus = w->focusWidget();
        QVERIFY(focus);
        QVERIFY2(focus->isVisible() && !qobject_cast<QRadioButton*>(focus),
                 qPrintable(focus->objectName()));
    }
    w.ui.cmdViewMap->click();
    for (const char* option : {"optWhite", "optBlack", "optCyan", "optMagenta"})
        QVERIFY2(w.ui.Named<QWidget>(option)->isVisible(), option);
    QVERIFY(w.ui.optCyan->isChecked());
}

void TestAccessibility::cancelledOpenIsNotTold() {
    TestWindow w;
    const QString before = Description(w.ui.picMaze);
    w.ui.mnuFileOpen->trigger();  // no file: Cancel
    QCOMPARE(w.dialogs.Count(QStringLiteral("open")), 1);
    QCOMPARE(Description(w.ui.picMaze), before);
}

void TestAccessibility::keyboardFocusShowsOnTheControls_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("control");  // the next one in the tab order
    QTest::newRow("optWhite") << "picMaze"
                              << "optWhite";
    QTest::newRow("cmdDropMarker") << "optMagenta"
                                   << "cmdDropMarker";
    QTest::newRow("cmdViewMap") << "cmdDropMarker"
                                << "cmdViewMap";
}

// A sighted player who walks the controls with Tab sees where the focus is.
void TestAccessibility::keyboardFocusShowsOnTheControls() {
    QFETCH(QString, from);
    QFETCH(QString, control);
    TestWindow w;
    PATHWICK_REQUIRE_ACTIVE_WINDOW(*w);  // keyboard focus shows only in the active window
    QWidget* widget = w.ui.Named<QWidget>(control);
    w.ui.Named<QWidget>(from)->setFocus();
    Settle();
    const QImage unfocused = widget->grab().toImage();
    w.Press(Qt::Key_Tab);
    Settle();
    QCOMPARE(w->focusWidget(), widget);
    QVERIFY(widget->grab().toImage() != unfocused);
}

PATHWICK_TEST_CLASS(TestAccessibility)
#include "test_accessibility.moc"
