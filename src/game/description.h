// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "core/color.h"
#include "core/mazestate.h"
#include "game/game.h"

namespace pathwick {

// The game in words, for players who listen rather than look: what the cell
// view and the map show, and what one command changed. Pure functions of the
// game state; the window hands the words to assistive technology.

// "white", "black", "cyan", "magenta", "red", "yellow", "green", or "other"
// for any colour a maze file may bring.
QString ColourName(Color colour);

// text with its first letter in upper case: "Red" for "red".
QString Capitalised(QString text);

// What one command changed, told before the cell itself.
struct CellChange {
    int blocked = 0;               // arrow keys in a row that left the mouse where it was
    bool newCell = false;          // the mouse crossed into another cell
    std::optional<Color> dropped;  // the colour of a marker just dropped
    bool endReached = false;       // the end was reached with this step
    bool newMaze = false;          // a new maze was made or opened
};

// The change made by one arrow key: blocked (once) when the mouse neither
// moved nor changed cell, a new cell, the end reached.
CellChange StepChange(const MouseStep& step);

// The cell view in one sentence: the cell by column and row (from the
// north-west corner), its open sides and those that lead one way only, where
// the mouse is in it (to the half step), the start or end, and its markers by
// colour and count.
QString DescribeCell(const MazeState& state);

// What is said at once after a change, short: "Blocked." (with the count
// when repeated), "New cell: column 6, row 12, open north and west." on a
// crossing, a dropped marker, "End reached!", a new maze with its cell; a step
// that tells none of these says where it led. The one-off words are never
// part of DescribeCell, which a screen reader reads again on request.
QString DescribeCellView(const MazeState& state, const CellChange& change);

// The values of the four colour boxes (white, black, cyan, magenta) with which
// the markers were last displayed on the map; 1 is ticked.
using ShownColours = std::array<int, 4>;

// The map in words: the mouse's cell, the start and end cells and, when
// markers are displayed, how many of each admitted colour there are and the
// cells nearest to the mouse that show them.
QString DescribeMap(const MazeState& state, const std::optional<ShownColours>& shown);

// The markers part of DescribeMap alone: what "Display Markers" showed.
// Empty when no markers were displayed.
QString DescribeShownMarkers(const MazeState& state, const std::optional<ShownColours>& shown);

// What is said on switching to the map: "Map." and the map's words.
QString DescribeMapShown(const MazeState& state);

// At most this many cells are named as the nearest ones with markers.
inline constexpr int kNearestMarkerCells = 3;

// "Black chosen." for a marker colour chosen.
QString ColourChosenWords(Color colour);

// The names of the file path and the saved indicator: "File: <path>" (or
// "File: none") and "Saved: Yes" / "Saved: No".
QString FilePathName(const QString& path);
QString SavedName(const QString& saved);

}  // namespace pathwick
