// SPDX-License-Identifier: GPL-3.0-or-later
// The maze generator: the codes RandomDirections draws, the order in which
// GenerateCell visits cells, and the properties of the mazes it grows.

#include <QtTest>
#include <array>
#include <deque>
#include <stdexcept>
#include <utility>
#include <vector>

#include "core/generator.h"
#include "core/mazegrid.h"
#include "core/random.h"
#include "support/scriptedrandom.h"
#include "support/testmain.h"

using namespace pathwick;
using pathwick::testing::ScriptedRandom;

// Pairs of (n, result): RandomInt(n) must return result.
using Script = QList<QPair<int, int>>;

struct PlacedCode {
    int x, y, code;
};
Q_DECLARE_METATYPE(PlacedCode)

using PlacedCodes = QList<PlacedCode>;

// Like QVERIFY2, but the message is built only when the check fails: the
// property tests make millions of checks.
#define CHECK_CHEAPLY(condition, message)             \
    do {                                              \
        if (!(condition)) QFAIL(qPrintable(message)); \
    } while (false)

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

// How many seeded mazes the property tests look at.
constexpr int kMazeCount = kSanitized ? 1000 : 5000;

ScriptedRandom FromScript(const Script& script) {
    ScriptedRandom random;
    for (const auto& [n, result] : script) random.Draw(n, result);
    return random;
}

// Counts the values drawn from a seeded generator.
class CountingRandom final : public RandomSource {
public:
    explicit CountingRandom(float seed) : inner_(seed) {}
    void Seed(float seed) override { inner_.Seed(seed); }
    float NextUniform() override {
        ++count_;
        return inner_.NextUniform();
    }
    long long Count() const { return count_; }

private:
    SeededRandom inner_;
    long long count_ = 0;
};

// Plays one given value first, then goes on with a seeded generator.
class PrefixedRandom final : public RandomSource {
public:
    PrefixedRandom(float first, float seed) : first_(first), inner_(seed) {}
    void Seed(float seed) override { inner_.Seed(seed); }
    float NextUniform() override {
        if (!firstUsed_) {
            firstUsed_ = true;
            return first_;
        }
        return inner_.NextUniform();
    }

private:
    float first_;
    bool firstUsed_ = false;
    SeededRandom inner_;
};

// The growth as the rules describe it, written out once more so that it can
// note the side through which each cell was entered. The side tests here ask
// for the side value's bit, which is the same thing for codes 0..15.
struct GrowthRecord {
    MazeGrid grid;
    std::array<int, kCellCount> entrySide{};  // by (x - 1) + 25 * (y - 1)
};

void RecordGrowth(GrowthRecord& record, int x, int y, int incDir, RandomSource& random) {
    if (IsOutside(x, y) || record.grid(x, y) != 0) return;
    const CellCode code = RandomDirections(incDir, random);
    record.grid(x, y) = code;
    record.entrySide[(x - 1) + kMazeSize * (y - 1)] = incDir;
    if (code & kWest) RecordGrowth(record, x - 1, y, kEast, random);
    if (code & kNorth) RecordGrowth(record, x, y - 1, kSouth, random);
    if (code & kEast) RecordGrowth(record, x + 1, y, kWest, random);
    if (code & kSouth) RecordGrowth(record, x, y + 1, kNorth, random);
}

struct SeededMaze {
    float seed;
    int seedX, seedY;
    MazeGrid grid;
};

SeededMaze GrowSeededMaze(float seed) {
    SeededMaze maze{seed, 0, 0, {}};
    SeededRandom random(seed);
    maze.seedX = RandomInt(random, kMazeSize);
    maze.seedY = RandomInt(random, kMazeSize);
    GenerateCell(maze.grid, maze.seedX, maze.seedY, 0, random);
    return maze;
}

bool IsGeneratorCode(int code) {
    return code >= 3 && code <= 15 && code != 4 && code != 8;
}

QString Where(const SeededMaze& maze, int x, int y) {
    return QStringLiteral("seed %1, cell (%2, %3), code %4")
        .arg(maze.seed)
        .arg(x)
        .arg(y)
        .arg(maze.grid(x, y));
}

const std::array<std::array<int, 3>, 4> kSides = {{
    // side value, dx, dy
    {kNorth, 0, -1},
    {kWest, -1, 0},
    {kSouth, 0, 1},
    {kEast, 1, 0},
}};

int Opposite(int side) {
    switch (side) {
        case kNorth:
            return kSouth;
        case kSouth:
            return kNorth;
        case kWest:
            return kEast;
        default:
            return kWest;
    }
}

}  // namespace

class TestGenerator : public QObject {
    Q_OBJECT

    std::vector<SeededMaze> mazes_;

private slots:
    void initTestCase() {
        mazes_.reserve(kMazeCount);
        for (int i = 0; i < kMazeCount; ++i) mazes_.push_back(GrowSeededMaze(float(i)));
    }

    // --- RandomDirections, one scripted draw at a time -----------------

    void directionGivesTheCodeOfItsDraws_data() {
        QTest::addColumn<int>("incDir");
        QTest::addColumn<Script>("script");
        QTest::addColumn<int>("expected");

        QTest::newRow("seed: 1, 2, 4, 8 drawn again, then 3")
            << 0 << Script{{15, 1}, {15, 2}, {15, 4}, {15, 8}, {15, 3}} << 3;
        QTest::newRow("seed: 8 drawn again, then 15") << 0 << Script{{15, 8}, {15, 15}} << 15;
        for (int c : {3, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15})
            QTest::newRow(qPrintable(QStringLiteral("seed: %1 at once").arg(c)))
                << 0 << Script{{15, c}} << c;

        // From the north: RandomInt(14) + 1, an even result made odd.
        const int fromNorth[15] = {0, 3, 3, 5, 5, 7, 7, 9, 9, 11, 11, 13, 13, 15, 15};
        for (int r = 1; r <= 14; ++r)
            QTest::newRow(qPrintable(QStringLiteral("north: r=%1").arg(r)))
                << 1 << Script{{14, r}} << fromNorth[r];

        QTest::newRow("west: r=1") << 2 << Script{{4, 1}} << 3;
        QTest::newRow("west: r=2, 1") << 2 << Script{{4, 2}, {2, 1}} << 6;
        QTest::newRow("west: r=2, 2") << 2 << Script{{4, 2}, {2, 2}} << 7;
        QTest::newRow("west: r=3, 1") << 2 << Script{{4, 3}, {2, 1}} << 10;
        QTest::newRow("west: r=3, 2") << 2 << Script{{4, 3}, {2, 2}} << 11;
        QTest::newRow("west: r=4, 1") << 2 << Script{{4, 4}, {2, 1}} << 14;
        QTest::newRow("west: r=4, 2") << 2 << Script{{4, 4}, {2, 2}} << 15;

        QTest::newRow("south: r=1, 1") << 4 << Script{{2, 1}, {3, 1}} << 5;
        QTest::newRow("south: r=1, 2") << 4 << Script{{2, 1}, {3, 2}} << 6;
        QTest::newRow("south: r=1, 3") << 4 << Script{{2, 1}, {3, 3}} << 7;
        QTest::newRow("south: r=2, 1") << 4 << Script{{2, 2}, {4, 1}} << 12;
        QTest::newRow("south: r=2, 2") << 4 << Script{{2, 2}, {4, 2}} << 13;
        QTest::newRow("south: r=2, 3") << 4 << Script{{2, 2}, {4, 3}} << 14;
        QTest::newRow("south: r=2, 4") << 4 << Script{{2, 2}, {4, 4}} << 15;

        for (int r = 1; r <= 7; ++r)
            QTest::newRow(qPrintable(QStringLiteral("east: r=%1").arg(r)))
                << 8 << Script{{7, r}} << 8 + r;
    }
    void directionGivesTheCodeOfItsDraws() {
        QFETCH(int, incDir);
        QFETCH(Script, script);
        QFETCH(int, expected);
        ScriptedRandom random = FromScript(script);
        int code = -1;
        try {
            code = RandomDirections(incDir, random);
        } catch (const std::runtime_error&) {
            QFAIL("RandomDirections drew more values than scripted");
        }
        QCOMPARE(code, expected);
        QCOMPARE(random.Used(), int(script.size()));
        QCOMPARE(random.Remaining(), 0);
    }

    // --- GenerateCell on small scripted mazes, worked out by hand ---------

    void generateCellGrowsInTheRuledOrder_data() {
        QTest::addColumn<int>("seedX");
        QTest::addColumn<int>("seedY");
        QTest::addColumn<Script>("script");
        QTest::addColumn<PlacedCodes>("expected");

        // A corner seed open only to the outside is a maze of one cell.
        QTest::newRow("one cell: 3 at (1,1)")
            << 1 << 1 << Script{{15, 3}} << PlacedCodes{{1, 1, 3}};
        QTest::newRow("one cell: 9 at (25,1)")
            << 25 << 1 << Script{{15, 9}} << PlacedCodes{{25, 1, 9}};
        QTest::newRow("one cell: 6 at (1,25)")
            << 1 << 25 << Script{{15, 6}} << PlacedCodes{{1, 25, 6}};
        QTest::newRow("one cell: 12 at (25,25)")
            << 25 << 25 << Script{{15, 12}} << PlacedCodes{{25, 25, 12}};
        QTest::newRow("one cell after rejected seed draws")
            << 1 << 1 << Script{{15, 1}, {15, 8}, {15, 3}} << PlacedCodes{{1, 1, 3}};

        // (1,1) = 12 (S, E). East first: (2,1) from the west = 6 (W, S); its
        // west leads back to (1,1); its south enters (2,2) from the north = 3
        // (N, W); whose west enters (1,2) from the east = 9 (N, E), which
        // leads back to (1,1) and (2,2). Only then does (1,1) look south, and
        // (1,2) is already there: nothing more is drawn.
        QTest::newRow("east branch fills the seed's south neighbour")
            << 1 << 1 << Script{{15, 12}, {4, 2}, {2, 1}, {14, 2}, {7, 1}}
            << PlacedCodes{{1, 1, 12}, {2, 1, 6}, {2, 2, 3}, {1, 2, 9}};
        // The same, but (1,2) = 10 (W, E): its west opens off the grid, and the
        // seed's south opening meets a wall there (a one-way opening).
        QTest::newRow("seed's later side meets a one-way opening")
            << 1 << 1 << Script{{15, 12}, {4, 2}, {2, 1}, {14, 2}, {7, 2}}
            << PlacedCodes{{1, 1, 12}, {2, 1, 6}, {2, 2, 3}, {1, 2, 10}};

        // (2,2) = 15. West: (1,2) from the east = 11 (N, W, E); its north
        // enters (1,1) from the south = 6 (W, S). North: (2,1) from the south
        // = 6, whose west (1,1) is already filled. East: (3,2) from the west
        // = 3 (N, W); its north enters (3,1) from the south = 6, whose west
        // (2,1) is filled. South: (2,3) from the north = 3 (N, W); its west
        // enters (1,3) from the east = 9 (N, E).
        QTest::newRow("west, north, east, south, depth first")
            << 2 << 2 << Script{{15, 15}, {7, 3}, {2, 1}, {3, 2},  {2, 1}, {3, 2},
                                {4, 1},   {2, 1}, {3, 2}, {14, 1}, {7, 1}}
            << PlacedCodes{{2, 2, 15}, {1, 2, 11}, {1, 1, 6}, {2, 1, 6},
                           {3, 2, 3},  {3, 1, 6},  {2, 3, 3}, {1, 3, 9}};
    }
    void generateCellGrowsInTheRuledOrder() {
        QFETCH(int, seedX);
        QFETCH(int, seedY);
        QFETCH(Script, script);
        QFETCH(PlacedCodes, expected);
        ScriptedRandom random = FromScript(script);
        MazeGrid grid;
        try {
            GenerateCell(grid, seedX, seedY, 0, random);
        } catch (const std::runtime_error&) {
            QFAIL("the growth drew more values than scripted");
        }
        MazeGrid want;
        for (const PlacedCode& cell : expected)
            want(cell.x, cell.y) = static_cast<CellCode>(cell.code);
        for (int y = 1; y <= kMazeSize; ++y)
            for (int x = 1; x <= kMazeSize; ++x)
                CHECK_CHEAPLY(grid(x, y) == want(x, y), QStringLiteral("(%1, %2): got %3, want %4")
                                                            .arg(x)
                                                            .arg(y)
                                                            .arg(grid(x, y))
                                                            .arg(want(x, y)));
        QCOMPARE(random.Remaining(), 0);
    }

    void generateCellOnAFilledCellChangesAndDrawsNothing() {
        for (int i = 0; i < 50; ++i) {
            const SeededMaze& maze = mazes_[i];
            MazeGrid grid = maze.grid;
            ScriptedRandom noDraws;
            for (int x = 1; x <= kMazeSize; ++x) {
                for (int y = 1; y <= kMazeSize; ++y) {
                    if (grid(x, y) == 0) continue;
                    for (int incDir : {0, 1, 2, 4, 8}) {
                        try {
                            GenerateCell(grid, x, y, incDir, noDraws);
                        } catch (const std::runtime_error&) {
                            QFAIL(qPrintable(Where(maze, x, y) + QStringLiteral(" drew")));
                        }
                    }
                }
            }
            QVERIFY(grid == maze.grid);
        }
    }

    void generateCellOffTheGridChangesAndDrawsNothing_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("west") << 0 << 5;
        QTest::newRow("east") << 26 << 5;
        QTest::newRow("north") << 5 << 0;
        QTest::newRow("south") << 5 << 26;
        QTest::newRow("diagonal") << 0 << 0;
    }
    void generateCellOffTheGridChangesAndDrawsNothing() {
        QFETCH(int, x);
        QFETCH(int, y);
        ScriptedRandom noDraws;
        MazeGrid grid;
        GenerateCell(grid, x, y, 0, noDraws);
        QCOMPARE(grid.VisitedCount(), 0);
        QCOMPARE(noDraws.Used(), 0);
    }

    // --- Properties of many seeded mazes -----------------------------------

    void generatedCodesAreOnlyThoseWithTwoOrMoreOpenings() {
        for (const SeededMaze& maze : mazes_)
            for (int x = 1; x <= kMazeSize; ++x)
                for (int y = 1; y <= kMazeSize; ++y) {
                    const int code = maze.grid(x, y);
                    if (code != 0) CHECK_CHEAPLY(IsGeneratorCode(code), Where(maze, x, y));
                }
    }

    void seedCellIsAlwaysFilled() {
        for (const SeededMaze& maze : mazes_)
            CHECK_CHEAPLY(IsVisited(maze.grid, maze.seedX, maze.seedY),
                          Where(maze, maze.seedX, maze.seedY));
    }

    void noOpeningLeadsIntoAnEmptyCell() {
        for (const SeededMaze& maze : mazes_)
            for (int x = 1; x <= kMazeSize; ++x)
                for (int y = 1; y <= kMazeSize; ++y) {
                    const int code = maze.grid(x, y);
                    if (code == 0) continue;
                    for (const auto& [side, dx, dy] : kSides) {
                        if (!(code & side) || IsOutside(x + dx, y + dy)) continue;
                        CHECK_CHEAPLY(maze.grid(x + dx, y + dy) != 0, Where(maze, x, y));
                    }
                }
    }

    void everyFilledCellIsReachableThroughMutualOpenings() {
        for (const SeededMaze& maze : mazes_) {
            std::array<bool, kCellCount> reached{};
            std::deque<std::pair<int, int>> queue{{maze.seedX, maze.seedY}};
            reached[(maze.seedX - 1) + kMazeSize * (maze.seedY - 1)] = true;
            int count = 1;
            while (!queue.empty()) {
                const auto [x, y] = queue.front();
                queue.pop_front();
                for (const auto& [side, dx, dy] : kSides) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (IsOutside(nx, ny) || !(maze.grid(x, y) & side) ||
                        !(maze.grid(nx, ny) & Opposite(side)))
                        continue;
                    bool& seen = reached[(nx - 1) + kMazeSize * (ny - 1)];
                    if (seen) continue;
                    seen = true;
                    ++count;
                    queue.emplace_back(nx, ny);
                }
            }
            CHECK_CHEAPLY(count == maze.grid.VisitedCount(),
                          QStringLiteral("seed %1: %2 of %3 cells reached")
                              .arg(maze.seed)
                              .arg(count)
                              .arg(maze.grid.VisitedCount()));
        }
    }

    // Grows each maze again with a copy that notes entry sides; the copy has
    // to give the very same grid from the same draws, so the generator visits
    // cells in the same order, and then each cell is open towards its entry.
    void everyCellIsOpenTowardsTheSideItWasEnteredFrom() {
        for (const SeededMaze& maze : mazes_) {
            GrowthRecord record;
            SeededRandom random(maze.seed);
            const int sx = RandomInt(random, kMazeSize);
            const int sy = RandomInt(random, kMazeSize);
            RecordGrowth(record, sx, sy, 0, random);
            CHECK_CHEAPLY(record.grid == maze.grid, QStringLiteral("seed %1").arg(maze.seed));
            for (int x = 1; x <= kMazeSize; ++x)
                for (int y = 1; y <= kMazeSize; ++y) {
                    const int side = record.entrySide[(x - 1) + kMazeSize * (y - 1)];
                    if (maze.grid(x, y) != 0 && side != 0)
                        CHECK_CHEAPLY(maze.grid(x, y) & side, Where(maze, x, y));
                }
        }
    }

    // The game's own generator takes a shorter road through the growth; any
    // other source of the same numbers must give the same mazes.
    void growthIsTheSameFromAnySourceOfTheSameNumbers() {
        for (int i = 0; i < 500; ++i) {
            const SeededMaze& maze = mazes_[i];
            CountingRandom wrapped(maze.seed);
            MazeGrid grid;
            const int sx = RandomInt(wrapped, kMazeSize);
            const int sy = RandomInt(wrapped, kMazeSize);
            GenerateCell(grid, sx, sy, 0, wrapped);
            CHECK_CHEAPLY(grid == maze.grid, QStringLiteral("seed %1").arg(maze.seed));
        }
    }

    void onlyFourCornerSeedsGiveAOneCellMaze() {
        const int seedCodes[] = {3, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15};
        int oneCell = 0;
        for (int x = 1; x <= kMazeSize; ++x) {
            for (int y = 1; y <= kMazeSize; ++y) {
                for (int code : seedCodes) {
                    const bool expectOne =
                        (x == 1 && y == 1 && code == 3) || (x == 25 && y == 1 && code == 9) ||
                        (x == 1 && y == 25 && code == 6) || (x == 25 && y == 25 && code == 12);
                    PrefixedRandom random((code - 0.5f) / 15.0f, float(x * 1000 + y));
                    MazeGrid grid;
                    GenerateCell(grid, x, y, 0, random);
                    QCOMPARE(int(grid(x, y)), code);
                    const int filled = grid.VisitedCount();
                    CHECK_CHEAPLY(expectOne ? filled == 1 : filled >= 2,
                                  QStringLiteral("(%1, %2) code %3: %4 cells")
                                      .arg(x)
                                      .arg(y)
                                      .arg(code)
                                      .arg(filled));
                    oneCell += filled == 1 ? 1 : 0;
                }
            }
        }
        QCOMPARE(oneCell, 4);
    }

    // --- Chances ------------------------------------------------------------

    void directionGivesEachCodeWithItsChance_data() {
        QTest::addColumn<int>("incDir");
        QTest::addColumn<QList<double>>("chances");  // by code 0..15
        const double e = 1.0 / 11, s = 1.0 / 7, q = 1.0 / 4, o = 1.0 / 8, x = 1.0 / 6;
        QTest::newRow("seed") << 0 << QList<double>{0, 0, 0, e, 0, e, e, e, 0, e, e, e, e, e, e, e};
        QTest::newRow("north") << 1
                               << QList<double>{0, 0, 0, s, 0, s, 0, s, 0, s, 0, s, 0, s, 0, s};
        QTest::newRow("west") << 2 << QList<double>{0, 0, 0, q, 0, 0, o, o, 0, 0, o, o, 0, 0, o, o};
        QTest::newRow("south") << 4
                               << QList<double>{0, 0, 0, 0, 0, x, x, x, 0, 0, 0, 0, o, o, o, o};
        QTest::newRow("east") << 8 << QList<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, s, s, s, s, s, s, s};
    }
    void directionGivesEachCodeWithItsChance() {
        QFETCH(int, incDir);
        QFETCH(QList<double>, chances);
        constexpr int kDraws = 100000;
        SeededRandom random(20240.5f + float(incDir));
        std::array<int, 16> counts{};
        for (int i = 0; i < kDraws; ++i) {
            const int code = RandomDirections(incDir, random);
            CHECK_CHEAPLY(code >= 0 && code <= 15, QString::number(code));
            ++counts[code];
        }
        for (int code = 0; code < 16; ++code) {
            const double expected = chances[code] * kDraws;
            const QString what = QStringLiteral("code %1: %2 times, expected about %3")
                                     .arg(code)
                                     .arg(counts[code])
                                     .arg(expected);
            if (chances[code] == 0)
                QVERIFY2(counts[code] == 0, qPrintable(what));
            else
                QVERIFY2(counts[code] > 0.85 * expected && counts[code] < 1.15 * expected,
                         qPrintable(what));
        }
    }

    void seedRuleDrawsFifteenEleventhsOnAverage() {
        constexpr int kCalls = 100000;
        CountingRandom random(777.25f);
        for (int i = 0; i < kCalls; ++i) RandomDirections(0, random);
        const double average = double(random.Count()) / kCalls;
        QVERIFY2(average > 15.0 / 11 - 0.02 && average < 15.0 / 11 + 0.02,
                 qPrintable(QString::number(average)));
    }
};

PATHWICK_TEST_CLASS(TestGenerator)
#include "test_generator.moc"
