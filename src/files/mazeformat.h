// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

#include "core/dialogs.h"
#include "core/mazestate.h"

class QIODevice;

namespace pathwick {

// The maze file is plain text: records of decimal numbers separated by single
// commas, each record ended by CR LF. In order: StartX,StartY / EndX,EndY /
// MouseX,MouseY / PosX,PosY, then a block for every cell, column by column
// ((1,1), (1,2), ..., (1,25), (2,1), ...): the cell code, the marker count n
// and n records X,Y,Colour in the order the markers were dropped. Every value
// is a 16-bit signed number except the colours, which are 32-bit signed.

// The "Open..." dialog: no proposed name; text, maze and all files, with the
// maze files selected. "All files (*.*) " lists every file, names without a
// dot too.
FileDialogSetup OpenDialogSetup();

// The "Save As..." dialog: proposes currentFile; text and maze files, with
// the maze files selected.
FileDialogSetup SaveAsDialogSetup(const QString& currentFile);

// The most markers one cell can have in a maze file, whose count is 16-bit.
inline constexpr int kMaxMarkersInACell = 32767;

// Whether state can be written: every cell's marker count fits the 16-bit
// count of the file, and the cell's three lists have the same length.
bool FitsMazeFile(const MazeState& state);

// Writes state to device in the maze file format. False, with nothing
// written, when the state does not fit the file (FitsMazeFile); false when the
// device refuses a write. Changes nothing in state.
bool WriteMazeFile(const MazeState& state, QIODevice& device);

// The maze file of state; nothing when the state does not fit the file.
std::optional<QByteArray> MazeFileBytes(const MazeState& state);

// Why reading stopped. Only kNone is success.
enum class MazeFileError {
    kNone,
    kEndedEarly,     // the file ended before the last value needed
    kTooWide,        // a number that does not fit the place it is read into
    kNotANumber,     // a field that is neither empty nor a whole number
    kReadError,      // the device reported an error
    kMarkerRefused,  // AddMarker refused a marker
};

// Reads a maze file into state, which should come fresh from a new maze:
// every value is stored in its place as soon as it is read, and the markers
// are added through AddMarker with keys. On failure state holds whatever was
// read up to that point. Reading stops after the last value needed.
//
// Reading rules: a field ends at a comma or a line end; CR LF, LF alone and
// CR alone each end a line (CR LF is one line end), and where the lines end
// does not matter. An empty field (or one of blanks only) is 0. A field is a
// whole decimal number, possibly with a leading "-" and with blanks (spaces,
// tabs) around it; anything else is not a number: a "+" sign, a fraction, an
// exponent, a sign alone, quotes or other text. A field cut off by the end
// of the file counts when it holds a number, otherwise the file ended early.
// A marker count of 0 or below reads no markers.
MazeFileError ReadMazeFile(QByteArrayView bytes, MazeState& state, MarkerKeyCounter& keys);

// The same, reading device in chunks (device must be open for reading).
MazeFileError ReadMazeFile(QIODevice& device, MazeState& state, MarkerKeyCounter& keys);

}  // namespace pathwick
