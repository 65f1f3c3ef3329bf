#pragma once

#include "core/game.h"

namespace pathwick {

// The File menu's file commands, whole: the window's handlers only call these.

// Writes state to path in the maze file format. A new file, or a file that
// can be replaced without changing what it is, is written beside the old one
// and renamed over it once complete and on disk, and the folder is synced, so
// that a failure leaves the old file as it was and a finished save survives a
// crash of the machine. A file with other names (hard links), one in a folder
// that takes no new files, or one whose owner the new file could not take is
// written in place: its old contents are put back if the write fails
// part-way. Symbolic links are followed; only regular files and new names are
// written. False on any failure.
bool WriteGameFile(const MazeState& state, const QString& path);

// "&Save": writes to the game's current file, or does "Save &As..." for a
// game that has none.
void SaveGame(Game& game);

// "Save &As...": the save dialog proposes the current file; a chosen name is
// written as typed, replacing any file of that name without asking. Cancel
// writes nothing.
void SaveGameAs(Game& game);

// "&Open...": the open dialog; a chosen file replaces the game (Cancel
// changes nothing).
void OpenGame(Game& game);

}  // namespace pathwick
