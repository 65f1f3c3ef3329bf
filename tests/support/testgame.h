// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A game without a window for the tests and benchmarks, and the positions,
// pictures and states they build on.

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>
#include <cmath>
#include <cstdint>

#include "core/newmaze.h"
#include "core/random.h"
#include "game/game.h"
#include "support/fakedialogs.h"
#include "views/cellview.h"
#include "views/map.h"

namespace pathwick::testing {

// The window's pictures are 277 x 277 pixels inside their frames: 4155 scale
// units, so a cell-view unit (UnitW = UnitH) is 180 and a map square 55.
inline const QSize kWindowPicture(277, 277);
inline constexpr int kUnit = 180;
inline constexpr int kCentre = 2070;  // 11.5 units: the middle of the centre square
inline constexpr int kMapSquare = 55;

// The pixel a cell-view coordinate falls in, at 15 scale units a pixel.
inline int Pixel(double scaleUnits) {
    return static_cast<int>(std::floor(scaleUnits / 15));
}

// A label font of 8.25 points, bold: with it "Start" reaches the edge of the
// east bar, so the tests see that the walls win over the labels.
inline QFont WideLabelFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

// The font the cell view prints its labels in.
enum class Labels { kPlain, kWide };

// The way into a game for setting up a position: whoever changes the state
// redraws what it changed.
struct GameSeam {
    static MazeState& State(Game& game) { return game.state_; }
    static MarkerKeyCounter& Keys(Game& game) { return game.keys_; }
    static void SetSaved(Game& game, const QString& saved) { game.SetSaved(saved); }
    static void SetFilePath(Game& game, const QString& path) { game.SetFilePath(path); }
};

// A game whose state the test may set up directly, and that takes the steps
// of the tests' tables by their letters "L", "U", "R" and "D".
class SeamGame : public Game {
public:
    using Game::Game;
    using Game::MoveMouse;

    MazeState& State() { return GameSeam::State(*this); }
    const MazeState& State() const { return Game::State(); }
    MarkerKeyCounter& Keys() { return GameSeam::Keys(*this); }
    void SetSaved(const QString& saved) { GameSeam::SetSaved(*this, saved); }
    void SetFilePath(const QString& path) { GameSeam::SetFilePath(*this, path); }

    void MoveMouse(const QString& key) {
        static const QString letters = QStringLiteral("LURD");
        const auto i = letters.indexOf(key);
        if (key.size() != 1 || i < 0) qFatal("no step is called %s", qPrintable(key));
        MoveMouse(static_cast<Direction>(i));
    }

    // One step, and what the game told of it.
    MouseStep StepTold(const QString& key) {
        MouseStep told;
        const QMetaObject::Connection listening =
            connect(this, &Game::stepped, [&told](const MouseStep& step) { told = step; });
        MoveMouse(key);
        disconnect(listening);
        return told;
    }
};

// A started game on a seeded generator with dialogs answered by the test.
// By default its pictures have the window's size and its labels the wide font.
struct TestGame {
    explicit TestGame(float seed = 0.0f, QSize viewSize = kWindowPicture,
                      QSize mapSize = kWindowPicture, Labels labels = Labels::kWide)
        : random(seed), game(viewSize, mapSize, random, dialogs) {
        QObject::connect(&game, &Game::stepped,
                         [this](const MouseStep& step) { endsReached += step.endReached; });
        if (labels == Labels::kWide) game.picMaze().SetFont(WideLabelFont());
        game.Start(seed);
    }

    // Every cell open on all four sides, the start and the end out of the way
    // in the bottom corners, no markers.
    void OpenGrid() {
        for (int x = 1; x <= kMazeSize; ++x)
            for (int y = 1; y <= kMazeSize; ++y) game.State().grid(x, y) = 15;
        game.State().StartX = 1;
        game.State().StartY = 25;
        game.State().EndX = 25;
        game.State().EndY = 25;
    }

    // The mouse at (px, py) in cell (x, y), the view drawn as a step leaves it.
    void PutMouse(int x, int y, int px, int py) {
        game.State().MouseX = static_cast<std::int16_t>(x);
        game.State().MouseY = static_cast<std::int16_t>(y);
        game.State().PosX = static_cast<std::int16_t>(px);
        game.State().PosY = static_cast<std::int16_t>(py);
        DrawCell(game.picMaze(), game.State(), x, y);
        game.DrawMouse();
    }

    SeededRandom random;
    FakeDialogs dialogs;
    SeamGame game;
    int endsReached = 0;  // steps told as reaching the end
};

// Start and end in the corners (1, 1) and (25, 25), away from the cells a test walks in.
inline void MoveEndsAway(MazeState& s) {
    s.StartX = 1;
    s.StartY = 1;
    s.EndX = 25;
    s.EndY = 25;
}

// Start and end in cells (3, 5) and (5, 3), which the picture tests never show.
inline void MoveLabelsAway(MazeState& s) {
    s.StartX = 3;
    s.StartY = 5;
    s.EndX = 5;
    s.EndY = 3;
}

// A generated maze on a state of its own, with units of 60.
inline MazeState GeneratedState(float seed) {
    SeededRandom random(seed);
    MazeState state;
    state.UnitW = 60;
    state.UnitH = 60;
    GenerateNewMaze(state, random);
    return state;
}

// Where the mouse is: its cell and its position in the cell view.
struct Place {
    int mouseX, mouseY, posX, posY;

    quint64 Key() const {
        return (quint64(quint16(mouseX)) << 48) | (quint64(quint16(mouseY)) << 32) |
               (quint64(quint16(posX)) << 16) | quint64(quint16(posY));
    }
    friend bool operator==(const Place&, const Place&) = default;
};

inline Place Where(const MazeState& s) {
    return {s.MouseX, s.MouseY, s.PosX, s.PosY};
}

inline char* toString(const Place& p) {
    return qstrdup(qPrintable(QStringLiteral("cell (%1, %2) at (%3, %4)")
                                  .arg(p.mouseX)
                                  .arg(p.mouseY)
                                  .arg(p.posX)
                                  .arg(p.posY)));
}

// What the cell view shows for the mouse's cell and position, drawn afresh.
inline QImage FreshCellView(Game& game) {
    const QSize size = game.picMaze().Picture().size();
    DrawingSurface fresh(size.width(), size.height());
    fresh.SetFont(game.picMaze().Font());
    MazeState copy = game.State();
    DrawCell(fresh, copy, copy.MouseX, copy.MouseY);
    DrawMouseFigure(fresh, copy, kMouseColor);
    return fresh.Picture();
}

// The colour at the middle of map square (i, j) of cell (x, y) on a window-sized map.
inline Color MapSquare(const Game& game, int x, int y, int i, int j) {
    return game.picMap().Point(((x - 1) * 3 + i) * kMapSquare + kMapSquare / 2,
                               ((y - 1) * 3 + j) * kMapSquare + kMapSquare / 2);
}

}  // namespace pathwick::testing
