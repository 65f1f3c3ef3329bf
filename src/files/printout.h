// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QFont>
#include <QString>
#include <QStringList>

#include "core/mazestate.h"

namespace pathwick {

// The wall character of the printout: the medium shade block.
inline constexpr char16_t kWallChar = u'\u2592';

// Geometry of the printout: 75 lines of 85 characters, 10 blanks of margin
// and then a block of 3 x 3 characters for every cell of the row.
inline constexpr int kPrintoutMargin = 10;
inline constexpr int kPrintoutLineCount = 3 * kMazeSize;
inline constexpr int kPrintoutLineLength = kPrintoutMargin + 3 * kMazeSize;

// The maze as the lines of its printout, top row first. Every cell's block is
// drawn from its own code; the outer frame is always closed; the start cell
// shows "S" and the end cell "E" (the start wins if they are the same cell).
// Neither the mouse nor the markers appear.
QStringList PrintoutLines(const MazeState& state);

// The fixed-pitch font the printout is set in: DejaVu Sans Mono, or the
// system's fixed font where that is missing. Its size is chosen per page.
QFont PrintoutFont();

}  // namespace pathwick
