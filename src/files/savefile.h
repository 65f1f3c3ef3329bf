// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/mazestate.h"

namespace pathwick {

// Writes state to path in the maze file format. A new file, or a file that
// can be replaced without changing what it is, is written beside the old one
// as a file without a name and put in its place once complete and on disk,
// and the folder is synced, so that a failure leaves the old file as it was,
// a save cut off leaves nothing behind and a finished save survives a crash
// of the machine. A file with other names (hard links), one in a folder that
// takes no new files, or one whose owner the new file could not take is
// written in place through a pending save (files/pendingsave.h), so that it
// holds the old or the new game whenever the save stops; its old contents are
// put back if the write fails part-way. The game's own temporary files for
// path left by earlier runs are removed. Symbolic links are followed; only
// regular files and new names are written. False on any failure.
bool WriteGameFile(const MazeState& state, const QString& path);

// Reads the maze file at path into state, taking marker keys from keys. Only
// a regular file is read; anything else (a pipe, a device, a folder) fails at
// once without waiting for it. False when the file cannot be read or is not a
// maze file.
bool ReadGameFile(const QString& path, MazeState& state, MarkerKeyCounter& keys);

}  // namespace pathwick
