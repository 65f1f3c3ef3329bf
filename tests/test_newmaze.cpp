// SPDX-License-Identifier: GPL-3.0-or-later
// The state part of a new maze: grid, start and end, the mouse, the markers,
// and the order in which it draws its random numbers.

#include <QtTest>
#include <stdexcept>

#include "core/color.h"
#include "core/mazestate.h"
#include "core/newmaze.h"
#include "core/random.h"
#include "support/scriptedrandom.h"
#include "support/testmain.h"

using namespace pathwick;
using pathwick::testing::ScriptedRandom;

namespace {

// Runs GenerateNewMaze on a script; false when it wanted more draws.
bool RunScripted(MazeState& state, ScriptedRandom& random) {
    try {
        GenerateNewMaze(state, random);
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

MazeGrid GridOf(std::initializer_list<std::array<int, 3>> cells) {
    MazeGrid grid;
    for (const auto& [x, y, code] : cells) grid(x, y) = static_cast<CellCode>(code);
    return grid;
}

}  // namespace

class TestNewMaze : public QObject {
    Q_OBJECT

private slots:
    void newMazeLeavesAStartAndADifferentEndOnTheMaze() {
        MazeState state;
        MarkerKeyCounter keys;
        state.UnitW = 180;
        state.UnitH = 180;
        state.MarkerColor = kMagenta;
        state.MapView = true;
        for (int seed = 0; seed < 1000; ++seed) {
            QVERIFY(AddMarker(state, keys, 1 + seed % 25, 1 + seed % 7, 10, 20, kCyan));
            state.EndReached = true;
            state.MouseX = 0;
            SeededRandom random(float(seed) + 0.25f);
            GenerateNewMaze(state, random);
            const QString where = QStringLiteral("seed %1").arg(seed);
            if (!IsVisited(state.grid, state.StartX, state.StartY) ||
                !IsVisited(state.grid, state.EndX, state.EndY))
                QFAIL(qPrintable(where + QStringLiteral(": start or end off the maze")));
            if (state.StartX == state.EndX && state.StartY == state.EndY)
                QFAIL(qPrintable(where + QStringLiteral(": start and end are one cell")));
            if (state.MouseX != state.StartX || state.MouseY != state.StartY)
                QFAIL(qPrintable(where + QStringLiteral(": mouse not on the start")));
            if (state.EndReached) QFAIL(qPrintable(where + QStringLiteral(": EndReached")));
            if (state.MarkerCount(1 + seed % 25, 1 + seed % 7) != 0)
                QFAIL(qPrintable(where + QStringLiteral(": markers left")));
        }
        // What a new maze leaves alone.
        QCOMPARE(state.MarkerColor, kMagenta);
        QCOMPARE(state.MapView, true);
        QCOMPARE(state.UnitW, std::int16_t(180));
        QCOMPARE(state.UnitH, std::int16_t(180));
        QCOMPARE(keys.Last(), MarkerKey(1000));
    }

    void newMazeEmptiesMarkerListsButKeepsThem() {
        MazeState state;
        MarkerKeyCounter keys;
        QVERIFY(AddMarker(state, keys, 8, 9, 100, 200, kBlack));
        QVERIFY(AddMarker(state, keys, 8, 9, 100, 200, kWhite));
        SeededRandom random(3.5f);
        GenerateNewMaze(state, random);
        QVERIFY(state.MarkerXs.Exists(8, 9));
        QVERIFY(state.MarkerYs.Exists(8, 9));
        QVERIFY(state.MarkerColors.Exists(8, 9));
        QCOMPARE(state.MarkerXs.Find(8, 9)->Count(), 0);
        QCOMPARE(state.MarkerYs.Find(8, 9)->Count(), 0);
        QCOMPARE(state.MarkerColors.Find(8, 9)->Count(), 0);
    }

    // The mouse starts in the middle of the 23-unit view: Unit x 11.5, a half
    // rounded to the even neighbour.
    void mouseStartsInTheMiddleOfTheView_data() {
        QTest::addColumn<int>("unitW");
        QTest::addColumn<int>("unitH");
        QTest::addColumn<int>("posX");
        QTest::addColumn<int>("posY");
        QTest::newRow("180") << 180 << 180 << 2070 << 2070;
        QTest::newRow("181: 2081.5 goes up to even") << 181 << 181 << 2082 << 2082;
        QTest::newRow("183: 2104.5 goes down to even") << 183 << 183 << 2104 << 2104;
        QTest::newRow("width and height apart") << 180 << 181 << 2070 << 2082;
        QTest::newRow("largest unit: 15697.5") << 1365 << 1365 << 15698 << 15698;
        QTest::newRow("one twip") << 1 << 1 << 12 << 12;
    }
    void mouseStartsInTheMiddleOfTheView() {
        QFETCH(int, unitW);
        QFETCH(int, unitH);
        QFETCH(int, posX);
        QFETCH(int, posY);
        MazeState state;
        state.UnitW = static_cast<std::int16_t>(unitW);
        state.UnitH = static_cast<std::int16_t>(unitH);
        SeededRandom random(11.0f);
        GenerateNewMaze(state, random);
        QCOMPARE(int(state.PosX), posX);
        QCOMPARE(int(state.PosY), posY);
    }

    void roundHalfEvenSendsHalvesToTheEvenNeighbour_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("2.4999") << 2.4999 << 2;
        QTest::newRow("2.5001") << 2.5001 << 3;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("2081.5") << 2081.5 << 2082;
    }
    void roundHalfEvenSendsHalvesToTheEvenNeighbour() {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(RoundHalfEven(value), rounded);
    }

    // Seed x, seed y, the growth, then (x, y) pairs for the start until one
    // lands on the maze, then pairs for the end until one lands on the maze
    // away from the start. Nothing is drawn after that.
    void drawsComeAsSeedGrowthStartThenEnd() {
        // Seed (1,2) = 3 (N, W); its north enters (1,1) from the south = 6 (W, S).
        ScriptedRandom random{{25, 1},
                              {25, 2},
                              {15, 3},
                              {2, 1},
                              {3, 2},
                              // start: (3,3) is empty, (1,2) is on the maze
                              {25, 3},
                              {25, 3},
                              {25, 1},
                              {25, 2},
                              // end: the start itself, empty (2,1), then (1,1)
                              {25, 1},
                              {25, 2},
                              {25, 2},
                              {25, 1},
                              {25, 1},
                              {25, 1}};
        const int scripted = random.Remaining();
        MazeState state;
        QVERIFY2(RunScripted(state, random), "drew more values than scripted");
        QCOMPARE(random.Used(), scripted);
        QVERIFY(state.grid == GridOf({{1, 2, 3}, {1, 1, 6}}));
        QCOMPARE(state.StartX, std::int16_t(1));
        QCOMPARE(state.StartY, std::int16_t(2));
        QCOMPARE(state.EndX, std::int16_t(1));
        QCOMPARE(state.EndY, std::int16_t(1));
        QCOMPARE(state.MouseX, state.StartX);
        QCOMPARE(state.MouseY, state.StartY);
    }

    // A corner seed open only to the outside leaves no room for an end; the
    // maze is grown again from a fresh seed cell.
    void oneCellMazeIsGrownAgain() {
        ScriptedRandom random{// (1,1) = 3: a maze of one cell
                              {25, 1},
                              {25, 1},
                              {15, 3},
                              // (1,1) = 12 (S, E); east (2,1) = 6, whose south
                              // (2,2) = 3, whose west (1,2) = 9
                              {25, 1},
                              {25, 1},
                              {15, 12},
                              {4, 2},
                              {2, 1},
                              {14, 2},
                              {7, 1},
                              // start (2,1); end first (2,1) again, then (1,2)
                              {25, 2},
                              {25, 1},
                              {25, 2},
                              {25, 1},
                              {25, 1},
                              {25, 2}};
        const int scripted = random.Remaining();
        MazeState state;
        QVERIFY2(RunScripted(state, random), "drew more values than scripted");
        QCOMPARE(random.Used(), scripted);
        QVERIFY(state.grid == GridOf({{1, 1, 12}, {2, 1, 6}, {2, 2, 3}, {1, 2, 9}}));
        QCOMPARE(state.StartX, std::int16_t(2));
        QCOMPARE(state.StartY, std::int16_t(1));
        QCOMPARE(state.EndX, std::int16_t(1));
        QCOMPARE(state.EndY, std::int16_t(2));
    }

    void oneCellMazeInEveryCornerIsGrownAgain_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("code");
        QTest::newRow("north-west") << 1 << 1 << 3;
        QTest::newRow("north-east") << 25 << 1 << 9;
        QTest::newRow("south-west") << 1 << 25 << 6;
        QTest::newRow("south-east") << 25 << 25 << 12;
    }
    void oneCellMazeInEveryCornerIsGrownAgain() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, code);
        // Twice the one-cell maze, then (25,25) = 14 (W, S, E), whose west
        // enters (24,25) from the east = 12 (S, E); everything else opens off
        // the grid or back.
        ScriptedRandom random;
        for (int i = 0; i < 2; ++i) random.Draw(25, x).Draw(25, y).Draw(15, code);
        random.Draw(25, 25).Draw(25, 25).Draw(15, 14).Draw(7, 4);
        random.Draw(25, 24).Draw(25, 25);  // start (24,25)
        random.Draw(25, 25).Draw(25, 25);  // end (25,25)
        const int scripted = random.Remaining();
        MazeState state;
        QVERIFY2(RunScripted(state, random), "drew more values than scripted");
        QCOMPARE(random.Used(), scripted);
        QVERIFY(state.grid == GridOf({{25, 25, 14}, {24, 25, 12}}));
        QCOMPARE(state.StartX, std::int16_t(24));
        QCOMPARE(state.StartY, std::int16_t(25));
        QCOMPARE(state.EndX, std::int16_t(25));
        QCOMPARE(state.EndY, std::int16_t(25));
    }
};

PATHWICK_TEST_CLASS(TestNewMaze)
#include "test_newmaze.moc"
