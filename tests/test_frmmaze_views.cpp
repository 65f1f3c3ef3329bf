// SPDX-License-Identifier: GPL-3.0-or-later
// File > New and the switch between the cell view and the map.

#include <QRadioButton>

#include "support/testmain.h"
#include "support/testwindow.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {}  // namespace

class TestFrmMazeViews : public QObject {
    Q_OBJECT

private slots:
    void newAnsweredNoKeepsTheGame();
    void newAnsweredYesBuildsAFreshMaze();
    void newKeepsTheMarkerColour();
    void viewMapShowsTheMapAndTheColourFilter();
    void viewMazeRestoresTheCellViewAsItWas();
    void newWhileTheMapShowsRedrawsBothViews();
    void displayMarkersShowsOnlyTickedColours_data();
    void displayMarkersShowsOnlyTickedColours();
    void displayMarkersLeavesFocusAndSavedIndicatorAlone();
};

void TestFrmMazeViews::newAnsweredNoKeepsTheGame() {
    TestWindow w;
    PATHWICK_REQUIRE_ACTIVE_WINDOW(*w);  // Ctrl+N works in the active window
    w.Press(Qt::Key_F4);
    GameSeam::SetFilePath(w.game(), QStringLiteral("/tmp/some.maz"));
    GameSeam::SetSaved(w.game(), QStringLiteral("Y"));
    const MazeState before = w.State();
    const QImage view = w.game().picMaze().Picture().copy();
    w.dialogs.answers = {false};

    w.Press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(w.dialogs.Count(QStringLiteral("question")), 1);
    QCOMPARE(w.dialogs.shown.last().text,
             QStringLiteral("Are you sure you want to create a new maze?"));
    QCOMPARE(w.dialogs.shown.last().title, QStringLiteral("Create new maze?"));
    QVERIFY(w.State() == before);
    QCOMPARE(w.State().MarkerCount(before.MouseX, before.MouseY), 1);
    QCOMPARE(w.game().picMaze().Picture(), view);
    QCOMPARE(w.ui.lblFilePath->text(), QStringLiteral("/tmp/some.maz"));
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("Y"));
}

void TestFrmMazeViews::newAnsweredYesBuildsAFreshMaze() {
    TestWindow w;
    w.Press(Qt::Key_F1);
    GameSeam::SetFilePath(w.game(), QStringLiteral("/tmp/some.maz"));
    GameSeam::SetSaved(w.game(), QStringLiteral("Y"));
    const MazeState before = w.State();
    w.dialogs.answers = {true};

    w.ui.mnuFileNew->trigger();
    const MazeState& s = w.State();
    QVERIFY(!(s.grid == before.grid));
    QCOMPARE(w.ui.lblFilePath->text(), QString());
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("N"));
    QCOMPARE(s.MouseX, s.StartX);
    QCOMPARE(s.MouseY, s.StartY);
    QVERIFY(s.grid(s.StartX, s.StartY) != 0 && s.grid(s.EndX, s.EndY) != 0);
    QVERIFY(s.StartX != s.EndX || s.StartY != s.EndY);
    for (int x = 1; x <= 25; ++x)
        for (int y = 1; y <= 25; ++y) QCOMPARE(s.MarkerCount(x, y), 0);
    QCOMPARE(w.game().picMaze().Picture(), FreshCellView(w.game()));
}

void TestFrmMazeViews::newKeepsTheMarkerColour() {
    TestWindow w;
    w.ui.optMagenta->click();
    w.dialogs.answers = {true};
    w.Press(Qt::Key_N, Qt::ControlModifier);
    QVERIFY(w.ui.optMagenta->isChecked());

    QTest::mouseClick(w.ui.cmdDropMarker, Qt::LeftButton);
    MazeState& s = w.State();
    const CellMarkers markers = s.Markers(s.MouseX, s.MouseY);
    QCOMPARE(markers.Count(), 1);
    QCOMPARE(markers.MarkerColors.Items()[0], kMagenta);
}

void TestFrmMazeViews::viewMapShowsTheMapAndTheColourFilter() {
    TestWindow w;
    QTest::mouseClick(w.ui.cmdViewMap, Qt::LeftButton);

    QVERIFY(w.State().MapView);
    QVERIFY(!w.ui.picMaze->isVisible());
    QVERIFY(w.ui.picMap->isVisible());
    QCOMPARE(w.ui.cmdViewMap->text(), QStringLiteral("&View Maze"));
    QCOMPARE(w.ui.cmdDropMarker->text(), QStringLiteral("&Display Markers"));
    QVERIFY(w.ui.fraMarkerColorChks->isVisible());
    QCOMPARE(w.ui.fraMarkerColorChks->geometry(), w.ui.fraMarkerColorOpts->rect());
    // The check boxes lie over the option buttons.
    for (QRadioButton* option : {w.ui.optWhite, w.ui.optBlack, w.ui.optCyan, w.ui.optMagenta}) {
        QWidget* top = w.ui.fraMarkerColorOpts->childAt(option->geometry().center());
        QVERIFY(top);
        QVERIFY2(top == w.ui.fraMarkerColorChks || top->parentWidget() == w.ui.fraMarkerColorChks,
                 qPrintable(top->objectName()));
    }
    // The map of the maze: the start's and the end's centre squares, the mouse.
    const MazeState& s = w.State();
    QCOMPARE(MapSquare(w.game(), s.StartX, s.StartY, 1, 1), kStartColor);
    QCOMPARE(MapSquare(w.game(), s.EndX, s.EndY, 1, 1), kEndColor);
    QCOMPARE(MapSquare(w.game(), 1, 1, 0, 0), kWallColor);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w.ui.cmdViewMap));
}

void TestFrmMazeViews::viewMazeRestoresTheCellViewAsItWas() {
    TestWindow w;
    PATHWICK_REQUIRE_ACTIVE_WINDOW(*w);  // the cell view gets the keyboard focus back
    w.Press(Qt::Key_F2);
    const QImage view = w.game().picMaze().Picture().copy();
    QTest::mouseClick(w.ui.cmdViewMap, Qt::LeftButton);
    QTest::mouseClick(w.ui.chkBlack, Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(w.ui.chkBlack->Value(), 1);

    QTest::mouseClick(w.ui.cmdViewMap, Qt::LeftButton);
    QVERIFY(!w.State().MapView);
    QVERIFY(w.ui.picMaze->isVisible());
    QVERIFY(!w.ui.picMap->isVisible());
    QCOMPARE(w.ui.cmdViewMap->text(), QStringLiteral("&View Map"));
    QCOMPARE(w.ui.cmdDropMarker->text(), QStringLiteral("&Drop Marker"));
    QVERIFY(!w.ui.fraMarkerColorChks->isVisible());
    QVERIFY(w.ui.optBlack->isVisible() && w.ui.optBlack->isChecked());
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w.ui.picMaze));
    QVERIFY(w.ui.picMaze->hasFocus());
    QCOMPARE(w.game().picMaze().Picture(), view);

    // The ticks are still there on the next visit to the map.
    QTest::mouseClick(w.ui.cmdViewMap, Qt::LeftButton);
    QCOMPARE(w.ui.chkBlack->Value(), 1);
    QCOMPARE(w.ui.chkWhite->Value(), 0);
}

void TestFrmMazeViews::newWhileTheMapShowsRedrawsBothViews() {
    TestWindow w;
    QTest::mouseClick(w.ui.cmdViewMap, Qt::LeftButton);
    const QImage oldMap = w.game().picMap().Picture().copy();
    const QImage oldView = w.game().picMaze().Picture().copy();
    w.dialogs.answers = {true};

    w.ui.mnuFileNew->trigger();
    QVERIFY(w.ui.picMap->isVisible());
    const QImage newMap = w.game().picMap().Picture().copy();
    QVERIFY(newMap != oldMap);
    w.game().DrawMap();
    QCOMPARE(newMap, w.game().picMap().Picture());

    const QImage newView = w.game().picMaze().Picture();
    QCOMPARE(newView, FreshCellView(w.game()));
    QVERIFY(newView != oldView);
    const MazeState& s = w.State();
    QCOMPARE(s.MouseX, s.StartX);
    QCOMPARE(s.MouseY, s.StartY);
}

void TestFrmMazeViews::displayMarkersShowsOnlyTickedColours_data() {
    QTest::addColumn<int>("whiteValue");
    QTest::addColumn<bool>("shown");
    QTest::newRow("unticked") << 0 << false;
    QTest::newRow("ticked") << 1 << true;
    QTest::newRow("greyed") << 2 << false;
}

void TestFrmMazeViews::displayMarkersShowsOnlyTickedColours() {
    QFETCH(int, whiteValue);
    QFETCH(bool, shown);
    TestWindow w;
    MoveEndsAway(w.State());
    // A white marker in the north arm of an open cell; the mouse goes back
    // to the centre.
    w.PlaceMouse(13, 13, 15, kCentre, kCentre);
    w.PressTimes(Qt::Key_Up, 2);
    w.Press(Qt::Key_F1);
    w.PressTimes(Qt::Key_Down, 2);
    QTest::mouseClick(w.ui.cmdViewMap, Qt::LeftButton);
    const Color floor = MapSquare(w.game(), 13, 13, 1, 0);
    QVERIFY(floor != kWhite);

    w.ui.chkWhite->SetValue(whiteValue);
    QTest::mouseClick(w.ui.cmdDropMarker, Qt::LeftButton);
    QCOMPARE(MapSquare(w.game(), 13, 13, 1, 0), shown ? kWhite : floor);
    QCOMPARE(MapSquare(w.game(), 13, 13, 1, 1), kMouseColor);
}

void TestFrmMazeViews::displayMarkersLeavesFocusAndSavedIndicatorAlone() {
    TestWindow w;
    w.Press(Qt::Key_F1);
    QTest::mouseClick(w.ui.cmdViewMap, Qt::LeftButton);
    GameSeam::SetSaved(w.game(), QStringLiteral("Y"));
    w.ui.chkWhite->SetValue(1);
    const MazeState before = w.State();

    QTest::mouseClick(w.ui.cmdDropMarker, Qt::LeftButton);
    QCOMPARE(w.ui.lblSaved->text(), QStringLiteral("Y"));
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w.ui.cmdDropMarker));
    QCOMPARE(w.State().MarkerCount(before.MouseX, before.MouseY), 1);
    QVERIFY(w.State().MapView);
}

PATHWICK_TEST_CLASS(TestFrmMazeViews)
#include "test_frmmaze_views.moc"
