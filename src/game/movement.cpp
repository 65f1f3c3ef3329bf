// SPDX-License-Identifier: GPL-3.0-or-later
#include <limits>

#include "game/game.h"
#include "views/cellview.h"

namespace pathwick {

namespace {

bool Fits16(int value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

}  // namespace

void Game::MoveMouse(const QString& direction) {
    MazeState& s = state_;
    const int w = s.UnitW;
    const int h = s.UnitH;

    // Erase the mouse in the background colour of this moment.
    DrawMouseFigure(picMaze_, s, picMaze_.BackColor());

    int nx = s.PosX;
    int ny = s.PosY;
    if (direction == QLatin1String("L"))
        nx -= w;
    else if (direction == QLatin1String("U"))
        ny -= h;
    else if (direction == QLatin1String("R"))
        nx += w;
    else if (direction == QLatin1String("D"))
        ny += h;

    // A position read from a maze file can lie anywhere in 16 bits; a step that
    // would leave that range, or cross out of the 25 x 25 grid, is refused like
    // a step onto a wall. In a drawn maze the border bars stop the mouse first.
    int cellX = s.MouseX;
    int cellY = s.MouseY;
    if (nx < 5)
        --cellX;
    else if (nx > kViewUnits * w)
        ++cellX;
    else if (ny < 5)
        --cellY;
    else if (ny > kViewUnits * h)
        ++cellY;
    const bool allowed = Fits16(nx) && Fits16(ny) && !IsOutside(cellX, cellY);

    // The wall test reads the picture: a point painted in WallColor is a wall.
    if (allowed && picMaze_.Point(nx, ny) != kWallColor) {
        s.PosX = static_cast<std::int16_t>(nx);
        s.PosY = static_cast<std::int16_t>(ny);
    }

    // Crossing is decided on the candidate, whether or not the step was taken.
    if (allowed && (cellX != s.MouseX || cellY != s.MouseY)) {
        s.MouseX = static_cast<std::int16_t>(cellX);
        s.MouseY = static_cast<std::int16_t>(cellY);
        DrawCell(picMaze_, s, s.MouseX, s.MouseY);
        if (nx < 5)
            s.PosX = static_cast<std::int16_t>(kViewUnits * w);
        else if (nx > kViewUnits * w)
            s.PosX = 10;
        else if (ny < 5)
            s.PosY = static_cast<std::int16_t>(kViewUnits * h);
        else
            s.PosY = 10;
    }

    DrawMouse();

    if (s.MouseX == s.EndX && s.MouseY == s.EndY && !s.EndReached) {
        const Zone zone = GetZone(s, s.PosX, s.PosY);
        if (zone.zx == 2 && zone.zy == 2) {
            s.EndReached = true;
            dialogs_.Message(tr("You've reached the end of the maze!"), tr("Congratulations!"));
        }
    }

    SetSaved(QStringLiteral("N"));
}

}  // namespace pathwick
