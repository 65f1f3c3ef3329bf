#pragma once

#include <QChar>
#include <QFont>
#include <QString>
#include <QStringList>

#include "core/dialogs.h"
#include "core/mazestate.h"

class QPrinter;

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

// Prints lines on one page of printer, in font scaled so that the whole block
// fits the page's printable area, centred on it. Where font is not fixed
// pitch (or lacks the wall character) every character is placed in a column
// of its own. False when the printer could not be opened or reported an error.
bool PrintLines(QPrinter& printer, const QStringList& lines, const QFont& font);

enum class PrintResult { kPrinted, kCancelled, kFailed };

// The "Print..." command: the print dialog for printer, then the printout of
// the maze. Cancel in the dialog ends it silently; any other failure is
// reported with a "Print Error" message. Reads the game and changes nothing.
PrintResult PrintMaze(const MazeState& state, Dialogs& dialogs, QPrinter& printer);

// The same with a fresh high-resolution printer for the system's default.
PrintResult PrintMaze(const MazeState& state, Dialogs& dialogs);

}  // namespace pathwick
