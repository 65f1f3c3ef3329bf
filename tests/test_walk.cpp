// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSet>
#include <QtTest>
#include <array>
#include <deque>
#include <functional>
#include <queue>
#include <random>

#include "core/generator.h"  // beside the arrows of views/cellview.h
#include "game/game.h"
#include "support/cellviewmodel.h"
#include "support/testmain.h"
#include "views/cellview.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kSearchedMazes = 20;
constexpr int kWalkedMazes = 4;
#else
constexpr int kSearchedMazes = 200;
constexpr int kWalkedMazes = 20;
#endif
constexpr int kStepsPerWalk = 5000;

const QString kDirections[] = {QStringLiteral("L"), QStringLiteral("U"), QStringLiteral("R"),
                               QStringLiteral("D")};

// What the cell view shows: a cell, drawn fresh for a mouse whose position
// lies on a given lattice of whole steps.
struct View {
    int mouseX = 0, mouseY = 0, latticeX = -1, latticeY = -1;
    bool operator==(const View&) const = default;
};

View ViewFor(const MazeState& s, const Place& p) {
    const auto lattice = [](int pos, int unit) { return ((pos % unit) + unit) % unit; };
    return {p.mouseX, p.mouseY, lattice(p.posX, s.UnitW), lattice(p.posY, s.UnitH)};
}

// One key press with the mouse put at place. The cell is drawn again only when
// the view shows another cell or another lattice; within one lattice the mouse
// circles never touch a point that a step can land on, just as in play, where a
// cell is drawn once when the mouse enters it.
Place Step(SeamGame& game, View& shown, const Place& place, const QString& direction) {
    MazeState& s = game.State();
    s.MouseX = place.mouseX;
    s.MouseY = place.mouseY;
    s.PosX = place.posX;
    s.PosY = place.posY;
    const View wanted = ViewFor(s, place);
    if (wanted != shown) {
        DrawCell(game.picMaze(), s, s.MouseX, s.MouseY);
        shown = wanted;
    }
    game.DrawMouse();
    game.MoveMouse(direction);
    const Place next = Where(s);
    if (next.mouseX != place.mouseX || next.mouseY != place.mouseY) shown = ViewFor(s, next);
    return next;
}

// The number of mutual openings between each cell and the end cell, -1 where
// there is no such path. Only a guide for the search.
std::array<int, kCellCount> CellDistances(const MazeGrid& grid, int endX, int endY) {
    std::array<int, kCellCount> distance;
    distance.fill(-1);
    const auto index = [](int x, int y) { return (x - 1) + kMazeSize * (y - 1); };
    std::deque<QPoint> queue{QPoint(endX, endY)};
    distance[index(endX, endY)] = 0;
    while (!queue.empty()) {
        const QPoint c = queue.front();
        queue.pop_front();
        const int x = c.x(), y = c.y();
        const struct {
            bool open;
            int nx, ny;
        } links[] = {
            {y > 1 && OpenNorth(grid, x, y) && OpenSouth(grid, x, y - 1), x, y - 1},
            {x > 1 && OpenWest(grid, x, y) && OpenEast(grid, x - 1, y), x - 1, y},
            {y < kMazeSize && OpenSouth(grid, x, y) && OpenNorth(grid, x, y + 1), x, y + 1},
            {x < kMazeSize && OpenEast(grid, x, y) && OpenWest(grid, x + 1, y), x + 1, y},
        };
        for (const auto& link : links) {
            if (!link.open || distance[index(link.nx, link.ny)] >= 0) continue;
            distance[index(link.nx, link.ny)] = distance[index(x, y)] + 1;
            queue.push_back(QPoint(link.nx, link.ny));
        }
    }
    return distance;
}

bool InCentreOfEnd(const MazeState& s, const Place& p) {
    if (p.mouseX != s.EndX || p.mouseY != s.EndY) return false;
    const Zone zone = GetZone(s, p.posX, p.posY);
    return zone.zx == 2 && zone.zy == 2;
}

bool OnGrid(const Place& p) {
    return p.mouseX >= 1 && p.mouseX <= kMazeSize && p.mouseY >= 1 && p.mouseY <= kMazeSize;
}

}  // namespace

class TestWalk : public QObject {
    Q_OBJECT

private slots:
    void endCentreIsReachableByArrowKeysInEveryMaze();
    void randomWalksNeverStandOnWallOrLeaveGrid();
};

void TestWalk::endCentreIsReachableByArrowKeysInEveryMaze() {
    for (int maze = 0; maze < kSearchedMazes; ++maze) {
        const float seed = static_cast<float>(maze) * 37.25f;
        TestGame t(seed);
        SeamGame& game = t.game;
        const MazeState& s = game.State();
        const int w = s.UnitW, h = s.UnitH;
        const Place start = Where(s);
        const auto cells = CellDistances(s.grid, s.EndX, s.EndY);

        // Best first over the places the arrow keys lead to: nearer the end in
        // the maze's corridors first, then nearer the point where the way
        // leaves the cell. Without a way the search tries every place.
        const auto priority = [&](const Place& p) -> qint64 {
            const int d = cells[(p.mouseX - 1) + kMazeSize * (p.mouseY - 1)];
            int targetX = 0, targetY = 0;  // in cells, relative to p's cell
            for (auto [dx, dy] : {std::pair{0, -1}, {-1, 0}, {0, 1}, {1, 0}}) {
                const int nx = p.mouseX + dx, ny = p.mouseY + dy;
                if (d > 0 && !IsOutside(nx, ny) &&
                    cells[(nx - 1) + kMazeSize * (ny - 1)] == d - 1) {
                    targetX = dx;
                    targetY = dy;
                }
            }
            const int toX = targetX * 23 * w + (23 * w) / 2 - p.posX;
            const int toY = targetY * 23 * h + (23 * h) / 2 - p.posY;
            return qint64(d < 0 ? 100000 : d) * 1000000 + std::abs(toX) + std::abs(toY);
        };

        struct Visit {
            Place place;
            qsizetype parent;
            int direction;
        };
        QList<Visit> visits{{start, -1, -1}};
        QSet<quint64> seen{start.Key()};
        using Entry = std::pair<qint64, qsizetype>;  // priority, visit
        std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
        queue.push({priority(start), 0});
        View shown;
        QList<int> path;  // the keys from the start to the middle of the end cell
        while (!queue.empty() && path.isEmpty()) {
            const qsizetype from = queue.top().second;
            queue.pop();
            for (int direction = 0; direction < 4; ++direction) {
                const Place next = Step(game, shown, visits[from].place, kDirections[direction]);
                QVERIFY2(OnGrid(next), qPrintable(QStringLiteral("maze %1").arg(maze)));
                // Generated mazes have no openings into cells outside the maze.
                QVERIFY2(s.grid(next.mouseX, next.mouseY) != 0,
                         qPrintable(QStringLiteral("maze %1").arg(maze)));
                if (InCentreOfEnd(s, next)) {
                    path.prepend(direction);
                    for (qsizetype v = from; visits[v].parent >= 0; v = visits[v].parent)
                        path.prepend(visits[v].direction);
                    break;
                }
                if (seen.contains(next.Key())) continue;
                seen.insert(next.Key());
                visits.append({next, from, direction});
                queue.push({priority(next), visits.size() - 1});
            }
        }
        QVERIFY2(!path.isEmpty(),
                 qPrintable(QStringLiteral("maze %1: end not reached after %2 places")
                                .arg(maze)
                                .arg(seen.size())));

        // The way found, played on a fresh game of the same maze, key after key.
        TestGame player(seed);
        QVERIFY(player.game.State().grid == s.grid);
        for (int direction : path) {
            player.game.MoveMouse(kDirections[direction]);
            QVERIFY(OnGrid(Where(player.game.State())));
        }
        QVERIFY2(InCentreOfEnd(player.game.State(), Where(player.game.State())),
                 qPrintable(
                     QStringLiteral("maze %1: the way found does not lead to the end").arg(maze)));
        QCOMPARE(player.endsReached, 1);
    }
}

void TestWalk::randomWalksNeverStandOnWallOrLeaveGrid() {
    for (int maze = 0; maze < kWalkedMazes; ++maze) {
        TestGame t(static_cast<float>(maze) * 101.5f + 3.0f);
        SeamGame& game = t.game;
        MazeState& s = game.State();
        std::mt19937 pick(static_cast<unsigned>(maze));

        // The walls of the mouse's cell on a surface of their own, which no
        // mouse ever touches.
        DrawingSurface walls(game.picMaze().Picture().width(), game.picMaze().Picture().height());
        walls.SetFont(game.picMaze().Font());
        Place shown{0, 0, 0, 0};
        int crossings = 0;

        for (int step = 0; step < kStepsPerWalk; ++step) {
            game.MoveMouse(kDirections[pick() % 4]);
            const Place now = Where(s);
            QVERIFY2(OnGrid(now),
                     qPrintable(QStringLiteral("maze %1 step %2").arg(maze).arg(step)));
            if (now.mouseX != shown.mouseX || now.mouseY != shown.mouseY) {
                DrawCell(walls, s, now.mouseX, now.mouseY);
                shown = now;
                ++crossings;
            }
            QVERIFY2(walls.Point(now.posX, now.posY) != kWallColor,
                     qPrintable(QStringLiteral(
                                    "maze %1 step %2: mouse on a wall at (%3, %4) of cell (%5, %6)")
                                    .arg(maze)
                                    .arg(step)
                                    .arg(now.posX)
                                    .arg(now.posY)
                                    .arg(now.mouseX)
                                    .arg(now.mouseY)));
        }
        QVERIFY(crossings > 1);  // the walk got somewhere
    }
}

PATHWICK_TEST_CLASS(TestWalk)
#include "test_walk.moc"
