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

void Game::MoveMouse(Direction direction) {
    MazeState& s = state_;
    const int w = s.UnitW;
    const int h = s.UnitH;
    const int cellXBefore = s.MouseX;
    const int cellYBefore = s.MouseY;
    const int posXBefore = s.PosX;
    const int posYBefore = s.PosY;

    // Erase the mouse in the background colour of this moment.
    DrawMouseFigure(picMaze_, s, picMaze_.BackColor());

    int nx = s.PosX;
    int ny = s.PosY;
    switch (direction) {
        case Direction::kLeft:
            nx -= w;
            break;
        case Direction::kUp:
            ny -= h;
            break;
        case Direction::kRight:
            nx += w;
            break;
        case Direction::kDown:
            ny += h;
            break;
    }

    // A position read from a maze file can lie anywhere in 16 bits; a step that
    // would leave that range, or cross out of the 25 x 25 grid, is refused like
    // a step onto a wall. In a drawn maze the border bars stop the mouse first.
    const std::optional<Side> crossing = SideCrossed(s, nx, ny);
    int cellX = s.MouseX;
    int cellY = s.MouseY;
    if (crossing == Side::kWest)
        --cellX;
    else if (crossing == Side::kEast)
        ++cellX;
    else if (crossing == Side::kNorth)
        --cellY;
    else if (crossing == Side::kSouth)
        ++cellY;
    const bool allowed = Fits16(nx) && Fits16(ny) && !IsOutside(cellX, cellY);

    // The wall test reads the picture: a point painted in WallColor is a wall.
    if (allowed && picMaze_.Point(nx, ny) != kWallColor) {
        s.PosX = static_cast<std::int16_t>(nx);
        s.PosY = static_cast<std::int16_t>(ny);
    }

    // Crossing is decided on the candidate, whether or not the step was taken.
    if (allowed && crossing) {
        s.MouseX = static_cast<std::int16_t>(cellX);
        s.MouseY = static_cast<std::int16_t>(cellY);
        DrawCell(picMaze_, s, s.MouseX, s.MouseY);
        if (crossing == Side::kWest)
            s.PosX = static_cast<std::int16_t>(kViewUnits * w);
        else if (crossing == Side::kEast)
            s.PosX = 10;
        else if (crossing == Side::kNorth)
            s.PosY = static_cast<std::int16_t>(kViewUnits * h);
        else
            s.PosY = 10;
    }

    DrawMouse();

    MouseStep step;
    if (s.MouseX != cellXBefore || s.MouseY != cellYBefore)
        step.outcome = StepOutcome::kCrossed;
    else if (s.PosX != posXBefore || s.PosY != posYBefore)
        step.outcome = StepOutcome::kMoved;

    if (s.MouseX == s.EndX && s.MouseY == s.EndY && !s.EndReached) {
        const Zone zone = GetZone(s, s.PosX, s.PosY);
        if (zone.zx == 2 && zone.zy == 2) {
            s.EndReached = true;
            step.endReached = true;
        }
    }

    emit stepped(step);
    SetSaved(QStringLiteral("N"));
}

}  // namespace pathwick
