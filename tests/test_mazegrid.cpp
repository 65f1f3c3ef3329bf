// SPDX-License-Identifier: GPL-3.0-or-later
// The grid queries and the random numbers they are drawn with.

#include <QtTest>
#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "core/mazegrid.h"
#include "core/random.h"
#include "support/scriptedrandom.h"
#include "support/testmain.h"

using namespace pathwick;
using pathwick::testing::ScriptedRandom;

namespace {

struct Openings {
    bool north, west, south, east;
};

Openings OpeningsAt(const MazeGrid& grid, int x, int y) {
    return {OpenNorth(grid, x, y), OpenWest(grid, x, y), OpenSouth(grid, x, y),
            OpenEast(grid, x, y)};
}

}  // namespace

class TestMazeGrid : public QObject {
    Q_OBJECT

private slots:
    void isOutsideTellsOffGridPositions_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("outside");
        QTest::newRow("north-west corner") << 1 << 1 << false;
        QTest::newRow("south-east corner") << 25 << 25 << false;
        QTest::newRow("north-east corner") << 25 << 1 << false;
        QTest::newRow("south-west corner") << 1 << 25 << false;
        QTest::newRow("west of the grid") << 0 << 5 << true;
        QTest::newRow("east of the grid") << 26 << 5 << true;
        QTest::newRow("north of the grid") << 5 << 0 << true;
        QTest::newRow("south of the grid") << 5 << 26 << true;
        QTest::newRow("most negative") << -32768 << 5 << true;
        QTest::newRow("most positive") << 5 << 32767 << true;
    }
    void isOutsideTellsOffGridPositions() {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, outside);
        QCOMPARE(IsOutside(x, y), outside);
    }

    void allZeroGridAnswersFalseEverywhere() {
        MazeGrid grid;
        for (int x = 1; x <= kMazeSize; ++x) {
            for (int y = 1; y <= kMazeSize; ++y) {
                QVERIFY(!IsVisited(grid, x, y));
                QVERIFY(!OpenNorth(grid, x, y));
                QVERIFY(!OpenWest(grid, x, y));
                QVERIFY(!OpenSouth(grid, x, y));
                QVERIFY(!OpenEast(grid, x, y));
            }
        }
        QCOMPARE(grid.VisitedCount(), 0);
    }

    void everyCellHoldsItsOwnCode() {
        MazeGrid grid;
        for (int x = 1; x <= kMazeSize; ++x)
            for (int y = 1; y <= kMazeSize; ++y) grid(x, y) = static_cast<CellCode>(x * 100 + y);
        for (int x = 1; x <= kMazeSize; ++x)
            for (int y = 1; y <= kMazeSize; ++y) QCOMPARE(int(grid(x, y)), x * 100 + y);
        grid.Clear();
        QCOMPARE(grid.VisitedCount(), 0);
        grid(3, 7) = 5;
        QCOMPARE(grid.VisitedCount(), 1);
        QVERIFY(IsVisited(grid, 3, 7));
        QVERIFY(!IsVisited(grid, 7, 3));
    }

    void anyNonZeroCodeCountsAsVisited_data() {
        QTest::addColumn<int>("code");
        for (int code : {1, 3, 15, 16, 32767, -1, -32768})
            QTest::newRow(qPrintable(QString::number(code))) << code;
    }
    void anyNonZeroCodeCountsAsVisited() {
        QFETCH(int, code);
        MazeGrid grid;
        grid(25, 1) = static_cast<CellCode>(code);
        QVERIFY(IsVisited(grid, 25, 1));
        QVERIFY(!IsVisited(grid, 24, 1));
    }

    // The openings of each code as the code table lists them, written out by
    // hand rather than worked out from bits.
    void openingsOfCodesZeroToFifteenMatchTheCodeTable_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("openings");
        const char* table[16] = {"",  "N",  "W",  "NW",  "S",  "NS",  "WS",  "NWS",
                                 "E", "NE", "WE", "NWE", "SE", "NSE", "WSE", "NWSE"};
        for (int code = 0; code < 16; ++code)
            QTest::newRow(qPrintable(QStringLiteral("code %1").arg(code)))
                << code << QString::fromLatin1(table[code]);
    }
    void openingsOfCodesZeroToFifteenMatchTheCodeTable() {
        QFETCH(int, code);
        QFETCH(QString, openings);
        MazeGrid grid;
        grid(13, 7) = static_cast<CellCode>(code);
        const Openings open = OpeningsAt(grid, 13, 7);
        QCOMPARE(open.north, openings.contains(QLatin1Char('N')));
        QCOMPARE(open.west, openings.contains(QLatin1Char('W')));
        QCOMPARE(open.south, openings.contains(QLatin1Char('S')));
        QCOMPARE(open.east, openings.contains(QLatin1Char('E')));
        // For these codes the rule is the same as asking whether the side
        // value is part of the code.
        QCOMPARE(open.north, (code & kNorth) != 0);
        QCOMPARE(open.west, (code & kWest) != 0);
        QCOMPARE(open.south, (code & kSouth) != 0);
        QCOMPARE(open.east, (code & kEast) != 0);
    }

    // Codes a maze file may bring: subtracting the side values in turn leaves
    // 16 and above open on every side and negative codes open on none.
    void codesBeyondTheTableFollowTheSubtractionRule_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("open");
        for (int code : {16, 17, 24, 31, 32, 100, 255, 1000, 32767})
            QTest::newRow(qPrintable(QString::number(code))) << code << true;
        for (int code : {-1, -2, -8, -15, -16, -100, -32768})
            QTest::newRow(qPrintable(QString::number(code))) << code << false;
    }
    void codesBeyondTheTableFollowTheSubtractionRule() {
        QFETCH(int, code);
        QFETCH(bool, open);
        MazeGrid grid;
        grid(1, 25) = static_cast<CellCode>(code);
        const Openings got = OpeningsAt(grid, 1, 25);
        QCOMPARE(got.north, open);
        QCOMPARE(got.west, open);
        QCOMPARE(got.south, open);
        QCOMPARE(got.east, open);
    }

    // RandomInt(n) = floor(r * n) + 1 for the value r drawn.
    void randomIntMapsTheDrawnValue_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("expected");
        const float justBelowOne = 0.99999994f;  // the largest float below 1
        const auto below = [](float v) { return std::nextafter(v, 0.0f); };
        QTest::newRow("n=1, r=0") << 0.0f << 1 << 1;
        QTest::newRow("n=1, r just below 1") << justBelowOne << 1 << 1;
        for (int n : {2, 3, 4, 7, 14, 15, 25}) {
            QTest::newRow(qPrintable(QStringLiteral("n=%1, r=0").arg(n))) << 0.0f << n << 1;
            QTest::newRow(qPrintable(QStringLiteral("n=%1, r just below 1").arg(n)))
                << justBelowOne << n << n;
        }
        QTest::newRow("n=2, r=1/2") << 0.5f << 2 << 2;
        QTest::newRow("n=2, below 1/2") << below(0.5f) << 2 << 1;
        QTest::newRow("n=4, r=1/4") << 0.25f << 4 << 2;
        QTest::newRow("n=4, below 1/4") << below(0.25f) << 4 << 1;
        QTest::newRow("n=4, r=3/4") << 0.75f << 4 << 4;
        QTest::newRow("n=4, below 3/4") << below(0.75f) << 4 << 3;
        QTest::newRow("n=14, r=7/14") << 0.5f << 14 << 8;
        QTest::newRow("n=14, below 7/14") << below(0.5f) << 14 << 7;
        // The float nearest 1/3 lies just above it, its lower neighbour below.
        QTest::newRow("n=3, float 1/3") << 1.0f / 3.0f << 3 << 2;
        QTest::newRow("n=3, below float 1/3") << below(1.0f / 3.0f) << 3 << 1;
        QTest::newRow("n=25, r=1/2") << 0.5f << 25 << 13;
        QTest::newRow("n=25, 0.2f above 1/5") << 0.2f << 25 << 6;
        QTest::newRow("n=25, below 0.2f") << below(0.2f) << 25 << 5;
    }
    void randomIntMapsTheDrawnValue() {
        QFETCH(float, r);
        QFETCH(int, n);
        QFETCH(int, expected);
        ScriptedRandom random;
        random.Value(r);
        QCOMPARE(RandomInt(random, n), expected);
        QCOMPARE(random.Used(), 1);
    }

    void randomIntOfOneIsAlwaysOne() {
        SeededRandom random(42.0f);
        for (int i = 0; i < 10000; ++i) QCOMPARE(RandomInt(random, 1), 1);
    }

    void randomIntOfTwentyFiveStaysWithinOneToTwentyFive() {
        SeededRandom random(1234.5f);
        std::vector<int> seen(27, 0);
        for (int i = 0; i < 100000; ++i) {
            const int v = RandomInt(random, 25);
            QVERIFY2(v >= 1 && v <= 25, qPrintable(QString::number(v)));
            ++seen[v];
        }
        for (int v = 1; v <= 25; ++v) QVERIFY2(seen[v] > 0, qPrintable(QString::number(v)));
    }

    void seededRandomStaysBelowOne() {
        SeededRandom random(0.0f);
        float lowest = 1.0f;
        float highest = 0.0f;
        for (int i = 0; i < 1000000; ++i) {
            const float r = random.NextUniform();
            QVERIFY(r >= 0.0f);
            QVERIFY(r < 1.0f);
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        // It does cover the whole interval.
        QVERIFY(lowest < 1e-4f);
        QVERIFY(highest > 1.0f - 1e-4f);
    }

    void sameSeedGivesSameSequence() {
        SeededRandom a(45296.125f);
        SeededRandom b(45296.125f);
        for (int i = 0; i < 1000; ++i) QCOMPARE(a.NextUniform(), b.NextUniform());
        // Seeding again starts the sequence over.
        SeededRandom c(45296.125f);
        const float first = c.NextUniform();
        c.NextUniform();
        c.Seed(45296.125f);
        QCOMPARE(c.NextUniform(), first);
    }

    void differentSeedsGiveDifferentSequences_data() {
        QTest::addColumn<float>("seedA");
        QTest::addColumn<float>("seedB");
        QTest::newRow("0 and 1") << 0.0f << 1.0f;
        QTest::newRow("whole and fractional seconds") << 45296.0f << 45296.5f;
        QTest::newRow("neighbouring floats") << 45296.125f << std::nextafter(45296.125f, 1e9f);
        QTest::newRow("midnight and last second") << 0.0f << 86399.99f;
    }
    void differentSeedsGiveDifferentSequences() {
        QFETCH(float, seedA);
        QFETCH(float, seedB);
        SeededRandom a(seedA);
        SeededRandom b(seedB);
        int same = 0;
        for (int i = 0; i < 100; ++i) same += a.NextUniform() == b.NextUniform() ? 1 : 0;
        QVERIFY2(same < 5, qPrintable(QStringLiteral("%1 of 100 values equal").arg(same)));
    }
};

PATHWICK_TEST_CLASS(TestMazeGrid)
#include "test_mazegrid.moc"
