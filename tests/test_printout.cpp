// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the printout: one block of 3 x 3 characters per cell.

#include "core/newmaze.h"
#include "files/printout.h"
#include "support/testgame.h"
#include "support/testmain.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

// Test patterns are written with '#' for a wall and '.' for a blank.
QString Pattern(const QString& text) {
    QString out = text;
    out.replace(u'#', QChar(kWallChar)).replace(u'.', u' ');
    return out;
}

// The nine characters of cell (x, y)'s block, line by line.
QString Block(const QStringList& lines, int x, int y) {
    QString block;
    for (int line = 0; line < 3; ++line)
        block += lines[3 * (y - 1) + line].mid(kPrintoutMargin + 3 * (x - 1), 3);
    return block;
}

// A state with an empty grid and start and end well apart.
MazeState EmptyState() {
    MazeState state;
    state.StartX = 20;
    state.StartY = 20;
    state.EndX = 22;
    state.EndY = 22;
    return state;
}

}  // namespace

class TestPrintout : public QObject {
    Q_OBJECT

private slots:
    void workedExampleBeginsWithTheDocumentedBlocks() {
        MazeState state = EmptyState();
        state.grid(1, 1) = 12;
        state.grid(2, 1) = 10;
        state.grid(3, 1) = 6;
        state.StartX = 1;
        state.StartY = 1;
        const QStringList lines = PrintoutLines(state);
        const QString margin(kPrintoutMargin, u' ');
        QVERIFY(lines[0].startsWith(margin + Pattern("#########")));
        QVERIFY(lines[1].startsWith(margin + QString(Pattern("#S......#"))));
        QVERIFY(lines[2].startsWith(margin + Pattern("#.#####.#")));
    }

    void everyLineIsMarginAndThreeCharactersPerCell() {
        const QStringList lines = PrintoutLines(GeneratedState(1.5f));
        QCOMPARE(lines.size(), 75);
        for (const QString& line : lines) {
            QCOMPARE(line.size(), 85);
            QCOMPARE(line.left(10), QString(10, u' '));
            for (QChar c : line.mid(10))
                QVERIFY2(c == QChar(kWallChar) || c == u' ' || c == u'S' || c == u'E',
                         qPrintable(line));
        }
    }

    void frameIsClosedWhateverTheBorderCodesSay_data() {
        QTest::addColumn<MazeState>("state");
        MazeState allOpen = EmptyState();
        MazeState overflowing = EmptyState();
        for (int y = 1; y <= kMazeSize; ++y)
            for (int x = 1; x <= kMazeSize; ++x) {
                allOpen.grid(x, y) = 15;
                overflowing.grid(x, y) = 16;
            }
        QTest::newRow("every cell open on all sides") << allOpen;
        QTest::newRow("every cell code 16") << overflowing;
        QTest::newRow("empty grid") << EmptyState();
        QTest::newRow("generated maze") << GeneratedState(7.25f);
    }
    void frameIsClosedWhateverTheBorderCodesSay() {
        QFETCH(MazeState, state);
        const QStringList lines = PrintoutLines(state);
        const QString closed = QString(10, u' ') + QString(75, QChar(kWallChar));
        QCOMPARE(lines.first(), closed);
        QCOMPARE(lines.last(), closed);
        for (int y = 1; y <= kMazeSize; ++y) {
            const QString& middle = lines[3 * (y - 1) + 1];
            QCOMPARE(middle[10], QChar(kWallChar));
            QCOMPARE(middle[84], QChar(kWallChar));
        }
    }

    void borderCellOpenToTheOutsidePrintsAWallThere_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("block");
        QTest::newRow("north-west corner open N W") << 1 << 1 << 3 << "####.####";
        QTest::newRow("north-east corner open N E") << 25 << 1 << 9 << "####.####";
        QTest::newRow("south-west corner open W S") << 1 << 25 << 6 << "####.####";
        QTest::newRow("south-east corner open S E") << 25 << 25 << 12 << "####.####";
        QTest::newRow("north edge open N only inwards S") << 12 << 1 << 5 << "####.##.#";
        QTest::newRow("west edge open all") << 1 << 12 << 15 << "#.##..#.#";
        QTest::newRow("east edge open all") << 25 << 12 << 15 << "#.#..##.#";
        QTest::newRow("south edge open all") << 12 << 25 << 15 << "#.#...###";
    }
    void borderCellOpenToTheOutsidePrintsAWallThere() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, code);
        QFETCH(QString, block);
        MazeState state = EmptyState();
        state.grid(x, y) = static_cast<CellCode>(code);
        QCOMPARE(Block(PrintoutLines(state), x, y), Pattern(block));
    }

    void codeZeroCellIsEightWallsAroundItsCentre_data() {
        QTest::addColumn<int>("startX");
        QTest::addColumn<int>("endX");
        QTest::addColumn<QString>("block");
        QTest::newRow("plain") << 1 << 2 << "####.####";
        QTest::newRow("start") << 5 << 2 << "####S####";
        QTest::newRow("end") << 1 << 5 << "####E####";
    }
    void codeZeroCellIsEightWallsAroundItsCentre() {
        QFETCH(int, startX);
        QFETCH(int, endX);
        QFETCH(QString, block);
        MazeState state = EmptyState();
        // Open neighbours all round: the zero cell stays closed regardless.
        for (int y = 4; y <= 6; ++y)
            for (int x = 4; x <= 6; ++x) state.grid(x, y) = 15;
        state.grid(5, 5) = 0;
        state.StartX = static_cast<std::int16_t>(startX);
        state.StartY = 5;
        state.EndX = static_cast<std::int16_t>(endX);
        state.EndY = 5;
        QCOMPARE(Block(PrintoutLines(state), 5, 5), Pattern(block));
    }

    void eachBlockFollowsItsOwnCodeWhereNeighboursDisagree() {
        MazeState state = EmptyState();
        state.grid(5, 5) = 8;   // open east
        state.grid(6, 5) = 0;   // but its neighbour is closed west
        state.grid(5, 6) = 1;   // open north
        state.grid(5, 4) = 15;  // and the neighbour above is open south
        const QStringList lines = PrintoutLines(state);
        QCOMPARE(Block(lines, 5, 5), Pattern("####..###"));
        QCOMPARE(Block(lines, 6, 5), Pattern("####.####"));
        QCOMPARE(Block(lines, 5, 6), Pattern("#.##.####"));
        QCOMPARE(Block(lines, 5, 4), Pattern("#.#...#.#"));
    }

    void codesOutsideZeroToFifteenFollowTheSubtractionRule_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("block");
        QTest::newRow("16 is open all round") << 16 << "#.#...#.#";
        QTest::newRow("24 is open all round") << 24 << "#.#...#.#";
        QTest::newRow("100 is open all round") << 100 << "#.#...#.#";
        QTest::newRow("32767 is open all round") << 32767 << "#.#...#.#";
        QTest::newRow("-1 is closed") << -1 << "####.####";
        QTest::newRow("-32768 is closed") << -32768 << "####.####";
        QTest::newRow("10 is west and east") << 10 << "###...###";
        QTest::newRow("5 is north and south") << 5 << "#.##.##.#";
    }
    void codesOutsideZeroToFifteenFollowTheSubtractionRule() {
        QFETCH(int, code);
        QFETCH(QString, block);
        MazeState state = EmptyState();
        state.grid(13, 13) = static_cast<CellCode>(code);
        QCOMPARE(Block(PrintoutLines(state), 13, 13), Pattern(block));
    }

    void generatedMazesShowOneStartAndOneEndInTheirCells() {
        for (int seed = 0; seed < 300; ++seed) {
            const MazeState state = GeneratedState(static_cast<float>(seed) * 0.37f);
            const QStringList lines = PrintoutLines(state);
            const QString all = lines.join(QString());
            QCOMPARE(all.count(u'S'), 1);
            QCOMPARE(all.count(u'E'), 1);
            QCOMPARE(Block(lines, state.StartX, state.StartY)[4], QChar(u'S'));
            QCOMPARE(Block(lines, state.EndX, state.EndY)[4], QChar(u'E'));
        }
    }

    void startWinsWhenStartAndEndAreOneCell() {
        MazeState state = EmptyState();
        state.EndX = state.StartX;
        state.EndY = state.StartY;
        const QString all = PrintoutLines(state).join(QString());
        QCOMPARE(all.count(u'S'), 1);
        QCOMPARE(all.count(u'E'), 0);
    }

    void mouseAndMarkersNeverAppear() {
        const MazeState original = GeneratedState(42.0f);
        const QStringList expected = PrintoutLines(original);
        MazeState moved = original;
        MarkerKeyCounter keys;
        for (int y = 1; y <= kMazeSize; y += 3)
            for (int x = 1; x <= kMazeSize; x += 2) {
                moved.MouseX = static_cast<std::int16_t>(x);
                moved.MouseY = static_cast<std::int16_t>(y);
                moved.PosX = 100;
                moved.PosY = 700;
                QVERIFY(AddMarker(moved, keys, x, y, 100, 700, kBlack));
                QCOMPARE(PrintoutLines(moved), expected);
            }
        moved.MapView = true;
        moved.EndReached = true;
        QCOMPARE(PrintoutLines(moved), expected);
    }
};

PATHWICK_TEST_CLASS(TestPrintout)
#include "test_printout.moc"
