// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringList>

#include "core/mazestate.h"
#include "ui/windowdialogs.h"

class QPrinter;

namespace pathwick {

// Prints lines on one page of printer, in font scaled so that the whole block
// fits the page's printable area, centred on it. Where font is not fixed
// pitch (or lacks the wall character) every character is placed in a column
// of its own. False when the printer could not be opened or reported an error.
bool PrintLines(QPrinter& printer, const QStringList& lines, const QFont& font);

enum class PrintResult { kPrinted, kCancelled, kFailed };

// The print job's name: the file name of the game's file (filePath), or
// "Pathwick! maze" for a game not saved.
QString PrintDocName(const QString& filePath);

// The "Print..." command: the print dialog for printer, then the printout of
// the maze as a job named after filePath. Cancel in the dialog ends it
// silently; any other failure, a job the printer's queue refused included, is
// reported with a "Print Error" message. Reads the game and changes nothing.
PrintResult PrintMaze(const MazeState& state, WindowDialogs& dialogs, QPrinter& printer,
                      const QString& filePath = {});

// The same with a fresh high-resolution printer for the system's default.
PrintResult PrintMaze(const MazeState& state, WindowDialogs& dialogs, const QString& filePath);

}  // namespace pathwick
