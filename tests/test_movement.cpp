// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtTest>

#include "game/game.h"
#include "support/cellviewmodel.h"
#include "support/testmain.h"
#include "views/cellview.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

constexpr int kFarEdge =
    kViewUnits * kUnit;  // where a mouse entering from the east or south stands

}  // namespace

class TestMovement : public QObject {
    Q_OBJECT

private slots:
    void fourLeftsFromCentreOfOpenCellReachSevenAndAHalfUnits();
    void leftsCrossIntoWestCellOnceCandidateIsBelowFive();
    void crossingDependsOnCandidateAgainstEdgeLimits_data();
    void crossingDependsOnCandidateAgainstEdgeLimits();
    void barStopsStepAndMouseIsRedrawnInPlace_data();
    void barStopsStepAndMouseIsRedrawnInPlace();
    void borderBarsKeepMouseInsideGrid_data();
    void borderBarsKeepMouseInsideGrid();
    void oneSidedOpeningOnlyLetsMouseWalkBack();
    void enteringEndCellFromArmShowsNoMessage();
    void walkingIntoCentreOfEndCellCongratulatesOnce();
    void returningToEndCellShowsNothingMoreUntilNewMaze();
    void blockedStepInCentreOfEndCellStillCongratulates();
    void wallColouredMarkerBlocksLikeWall();
    void positionsAnywhereInSixteenBitsNeverLeaveGrid_data();
    void positionsAnywhereInSixteenBitsNeverLeaveGrid();
};

void TestMovement::fourLeftsFromCentreOfOpenCellReachSevenAndAHalfUnits() {
    TestGame t;
    t.OpenGrid();
    t.PutMouse(13, 13, kCentre, kCentre);
    for (int i = 0; i < 4; ++i) t.game.MoveMouse(QStringLiteral("L"));
    QCOMPARE(Where(t.game.State()), (Place{13, 13, kCentre - 4 * kUnit, kCentre}));
    QCOMPARE(t.game.State().PosX, std::int16_t(1350));
}

void TestMovement::leftsCrossIntoWestCellOnceCandidateIsBelowFive() {
    TestGame t;
    t.OpenGrid();
    t.game.State().grid(12, 13) = 7;  // the cell to the west shows its east bar
    t.PutMouse(13, 13, kCentre, kCentre);
    // 2070 - 11 x 180 = 90 is still in the cell; the next candidate is -90.
    for (int i = 0; i < 11; ++i) t.game.MoveMouse(QStringLiteral("L"));
    QCOMPARE(Where(t.game.State()), (Place{13, 13, 90, kCentre}));

    t.game.MoveMouse(QStringLiteral("L"));
    QCOMPARE(Where(t.game.State()), (Place{12, 13, kFarEdge, kCentre}));
    // The view now shows the new cell: its east bar is there.
    QCOMPARE(t.game.picMaze().Point(13.5 * kUnit, 11.5 * kUnit), kWallColor);
    QCOMPARE(t.game.picMaze().Point(11.5 * kUnit, 9.5 * kUnit), t.game.picMaze().BackColor());
}

void TestMovement::crossingDependsOnCandidateAgainstEdgeLimits_data() {
    QTest::addColumn<QString>("direction");
    QTest::addColumn<int>("posX");
    QTest::addColumn<int>("posY");
    QTest::addColumn<int>("mouseX");  // expected afterwards
    QTest::addColumn<int>("mouseY");
    QTest::addColumn<int>("newX");
    QTest::addColumn<int>("newY");
    // The other coordinate lies off the middle line: it is kept as it is.
    const int off = 1990;
    QTest::newRow("left to 5 stays") << "L" << 185 << off << 13 << 13 << 5 << off;
    QTest::newRow("left to 4 crosses") << "L" << 184 << off << 12 << 13 << kFarEdge << off;
    QTest::newRow("up to 5 stays") << "U" << off << 185 << 13 << 13 << off << 5;
    QTest::newRow("up to 4 crosses") << "U" << off << 184 << 13 << 12 << off << kFarEdge;
    QTest::newRow("right to 23w stays") << "R" << 3960 << off << 13 << 13 << kFarEdge << off;
    QTest::newRow("right beyond 23w crosses") << "R" << 3961 << off << 14 << 13 << 10 << off;
    QTest::newRow("right from east arm") << "R" << kFarEdge << off << 14 << 13 << 10 << off;
    QTest::newRow("down to 23h stays") << "D" << off << 3960 << 13 << 13 << off << kFarEdge;
    QTest::newRow("down beyond 23h crosses") << "D" << off << 3961 << 13 << 14 << off << 10;
    QTest::newRow("left from entry point") << "L" << 10 << off << 12 << 13 << kFarEdge << off;
    QTest::newRow("up from entry point") << "U" << off << 10 << 13 << 12 << off << kFarEdge;
}

void TestMovement::crossingDependsOnCandidateAgainstEdgeLimits() {
    QFETCH(QString, direction);
    QFETCH(int, posX);
    QFETCH(int, posY);
    QFETCH(int, mouseX);
    QFETCH(int, mouseY);
    QFETCH(int, newX);
    QFETCH(int, newY);
    TestGame t;
    t.OpenGrid();
    t.PutMouse(13, 13, posX, posY);
    t.game.MoveMouse(direction);
    QCOMPARE(Where(t.game.State()), (Place{mouseX, mouseY, newX, newY}));
}

void TestMovement::barStopsStepAndMouseIsRedrawnInPlace_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("direction");
    QTest::addColumn<int>("stopX");  // where the first step ends; the second is refused
    QTest::addColumn<int>("stopY");
    QTest::newRow("north bar") << 14 << "U" << kCentre << kCentre - kUnit;
    QTest::newRow("west bar") << 13 << "L" << kCentre - kUnit << kCentre;
    QTest::newRow("south bar") << 11 << "D" << kCentre << kCentre + kUnit;
    QTest::newRow("east bar") << 7 << "R" << kCentre + kUnit << kCentre;
}

void TestMovement::barStopsStepAndMouseIsRedrawnInPlace() {
    QFETCH(int, code);
    QFETCH(QString, direction);
    QFETCH(int, stopX);
    QFETCH(int, stopY);
    TestGame t;
    t.OpenGrid();
    t.game.State().grid(13, 13) = static_cast<CellCode>(code);
    t.PutMouse(13, 13, kCentre, kCentre);

    t.game.MoveMouse(direction);
    QCOMPARE(Where(t.game.State()), (Place{13, 13, stopX, stopY}));
    const QImage before = t.game.picMaze().Picture().copy();
    t.game.SetSaved(QStringLiteral("Y"));

    t.game.MoveMouse(direction);
    QCOMPARE(Where(t.game.State()), (Place{13, 13, stopX, stopY}));
    // Erased and drawn again at the same place: the picture is as it was.
    QVERIFY(t.game.picMaze().Picture() == before);
    QVERIFY(!PixelsOf(before, kMouseColor).isEmpty());
    QCOMPARE(t.game.Saved(), QStringLiteral("N"));
}

void TestMovement::borderBarsKeepMouseInsideGrid_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("direction");
    QTest::newRow("west border") << 1 << 13 << "L";
    QTest::newRow("east border") << 25 << 13 << "R";
    QTest::newRow("north border") << 13 << 1 << "U";
    QTest::newRow("south border") << 13 << 25 << "D";
    QTest::newRow("north-west corner, left") << 1 << 1 << "L";
    QTest::newRow("north-west corner, up") << 1 << 1 << "U";
    QTest::newRow("south-east corner, right") << 25 << 25 << "R";
    QTest::newRow("south-east corner, down") << 25 << 25 << "D";
}

void TestMovement::borderBarsKeepMouseInsideGrid() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, direction);
    TestGame t;
    t.OpenGrid();
    t.game.State().EndX = 12;  // no labels in the cells tried here
    t.game.State().EndY = 12;
    t.game.State().StartX = 12;
    t.PutMouse(x, y, kCentre, kCentre);
    for (int i = 0; i < 30; ++i) t.game.MoveMouse(direction);
    // One step to the edge of the centre square, then the border bar.
    const int dx = direction == "L" ? -kUnit : direction == "R" ? kUnit : 0;
    const int dy = direction == "U" ? -kUnit : direction == "D" ? kUnit : 0;
    QCOMPARE(Where(t.game.State()), (Place{x, y, kCentre + dx, kCentre + dy}));
}

void TestMovement::oneSidedOpeningOnlyLetsMouseWalkBack() {
    TestGame t;
    t.OpenGrid();
    t.game.State().grid(14, 13) = 13;  // no opening back to the west
    t.PutMouse(13, 13, kFarEdge, kCentre);

    t.game.MoveMouse(QStringLiteral("R"));
    QCOMPARE(Where(t.game.State()), (Place{14, 13, 10, kCentre}));
    // 10 + 8 x 180 = 1450 is the last point before the bar at 9 units.
    for (int i = 0; i < 20; ++i) t.game.MoveMouse(QStringLiteral("R"));
    QCOMPARE(Where(t.game.State()), (Place{14, 13, 1450, kCentre}));
    for (int i = 0; i < 9; ++i) t.game.MoveMouse(QStringLiteral("L"));
    QCOMPARE(Where(t.game.State()), (Place{13, 13, kFarEdge, kCentre}));
}

void TestMovement::enteringEndCellFromArmShowsNoMessage() {
    const struct {
        const char* direction;
        int fromX, fromY, posX, posY;
    } entries[] = {{"R", 13, 14, kFarEdge, kCentre},
                   {"L", 15, 14, 10, kCentre},
                   {"D", 14, 13, kCentre, kFarEdge},
                   {"U", 14, 15, kCentre, 10}};
    for (const auto& e : entries) {
        TestGame t;
        t.OpenGrid();
        t.game.State().EndX = t.game.State().EndY = 14;
        t.PutMouse(e.fromX, e.fromY, e.posX, e.posY);
        t.game.MoveMouse(QString::fromLatin1(e.direction));
        QCOMPARE(t.game.State().MouseX, std::int16_t(14));
        QCOMPARE(t.game.State().MouseY, std::int16_t(14));
        QCOMPARE(t.endsReached, 0);
        QVERIFY(!t.game.State().EndReached);
    }
}

void TestMovement::walkingIntoCentreOfEndCellCongratulatesOnce() {
    TestGame t;
    t.OpenGrid();
    t.game.State().EndX = t.game.State().EndY = 14;
    t.PutMouse(13, 14, kFarEdge, kCentre);
    t.game.MoveMouse(QStringLiteral("R"));
    QCOMPARE(t.game.State().PosX, std::int16_t(10));

    // 10 + 9 x 180 = 1630 is still in the west arm; 1810 lies in the centre square.
    for (int i = 0; i < 9; ++i) t.game.MoveMouse(QStringLiteral("R"));
    QCOMPARE(t.game.State().PosX, std::int16_t(1630));
    QCOMPARE(t.endsReached, 0);

    t.game.MoveMouse(QStringLiteral("R"));
    QCOMPARE(t.game.State().PosX, std::int16_t(1810));
    QCOMPARE(t.endsReached, 1);
    QVERIFY(t.game.State().EndReached);

    // Walking about in the centre square says nothing more.
    for (const char* d : {"R", "R", "U", "D", "L", "L"}) t.game.MoveMouse(QString::fromLatin1(d));
    QCOMPARE(t.endsReached, 1);
}

void TestMovement::returningToEndCellShowsNothingMoreUntilNewMaze() {
    TestGame t;
    t.OpenGrid();
    t.game.State().EndX = t.game.State().EndY = 14;
    t.PutMouse(14, 14, kCentre - kUnit, kCentre);
    t.game.MoveMouse(QStringLiteral("R"));
    QCOMPARE(t.endsReached, 1);

    // Out to the east, into the next cell, and back to the middle.
    while (t.game.State().MouseX == 14) t.game.MoveMouse(QStringLiteral("R"));
    while (t.game.State().MouseX != 14) t.game.MoveMouse(QStringLiteral("L"));
    for (int i = 0; i < 12; ++i) t.game.MoveMouse(QStringLiteral("L"));
    QCOMPARE(GetZone(t.game.State(), t.game.State().PosX, t.game.State().PosY).zx, 2);
    QCOMPARE(t.endsReached, 1);

    // A new maze may be finished again.
    t.game.NewMaze();
    QVERIFY(!t.game.State().EndReached);
    t.OpenGrid();
    t.game.State().EndX = t.game.State().EndY = 14;
    t.PutMouse(14, 14, kCentre - kUnit, kCentre);
    t.game.MoveMouse(QStringLiteral("R"));
    QCOMPARE(t.endsReached, 2);
}

void TestMovement::blockedStepInCentreOfEndCellStillCongratulates() {
    TestGame t;
    t.OpenGrid();
    t.game.State().EndX = t.game.State().EndY = 14;
    t.game.State().grid(14, 14) = 14;  // north bar
    t.PutMouse(14, 14, kCentre, kCentre - kUnit);
    t.game.MoveMouse(QStringLiteral("U"));
    QCOMPARE(Where(t.game.State()), (Place{14, 14, kCentre, kCentre - kUnit}));
    QCOMPARE(t.endsReached, 1);
}

void TestMovement::wallColouredMarkerBlocksLikeWall() {
    TestGame t;
    t.OpenGrid();
    // Only a maze file can bring a marker of the wall colour.
    AddMarker(t.game.State(), t.game.Keys(), 13, 13, kCentre - 2 * kUnit, kCentre, kWallColor);
    AddMarker(t.game.State(), t.game.Keys(), 13, 13, kCentre, kCentre - 2 * kUnit, kWhite);
    t.PutMouse(13, 13, kCentre, kCentre);

    t.game.MoveMouse(QStringLiteral("L"));
    t.game.MoveMouse(QStringLiteral("L"));
    QCOMPARE(Where(t.game.State()), (Place{13, 13, kCentre - kUnit, kCentre}));

    // A white marker in the same place on another axis is walked over.
    t.game.MoveMouse(QStringLiteral("R"));
    t.game.MoveMouse(QStringLiteral("U"));
    t.game.MoveMouse(QStringLiteral("U"));
    QCOMPARE(Where(t.game.State()), (Place{13, 13, kCentre, kCentre - 2 * kUnit}));
}

void TestMovement::positionsAnywhereInSixteenBitsNeverLeaveGrid_data() {
    QTest::addColumn<int>("mouseX");
    QTest::addColumn<int>("mouseY");
    QTest::addColumn<int>("posX");
    QTest::addColumn<int>("posY");
    QTest::addColumn<QString>("direction");
    // Such positions come only from maze files. Each step here would either
    // leave the 16-bit range or the grid; it is refused.
    QTest::newRow("x at the top of the range, right") << 13 << 13 << 32767 << kCentre << "R";
    QTest::newRow("x near the top of the range, right") << 13 << 13 << 32600 << kCentre << "R";
    QTest::newRow("x at the bottom of the range, left") << 13 << 13 << -32768 << kCentre << "L";
    QTest::newRow("y at the top of the range, down") << 13 << 13 << kCentre << 32767 << "D";
    QTest::newRow("y at the bottom of the range, up") << 13 << 13 << kCentre << -32768 << "U";
    QTest::newRow("beyond 23w in the east column, right") << 25 << 13 << 4150 << kCentre << "R";
    QTest::newRow("near the west edge in the west column, left")
        << 1 << 13 << 100 << kCentre << "L";
    QTest::newRow("beyond 23h in the south row, down") << 13 << 25 << kCentre << 4150 << "D";
    QTest::newRow("near the north edge in the north row, up") << 13 << 1 << kCentre << 100 << "U";
    QTest::newRow("far east in the east column, left") << 25 << 13 << 30000 << kCentre << "L";
    QTest::newRow("far west in the west column, up") << 1 << 13 << -30000 << kCentre << "U";
}

void TestMovement::positionsAnywhereInSixteenBitsNeverLeaveGrid() {
    QFETCH(int, mouseX);
    QFETCH(int, mouseY);
    QFETCH(int, posX);
    QFETCH(int, posY);
    QFETCH(QString, direction);
    TestGame t;
    t.OpenGrid();
    t.PutMouse(mouseX, mouseY, posX, posY);
    t.game.SetSaved(QStringLiteral("Y"));
    t.game.MoveMouse(direction);
    QCOMPARE(Where(t.game.State()), (Place{mouseX, mouseY, posX, posY}));
    QCOMPARE(t.game.Saved(), QStringLiteral("N"));
}

PATHWICK_TEST_CLASS(TestMovement)
#include "test_movement.moc"
