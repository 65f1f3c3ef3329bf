// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"

namespace pathwick {

// The File menu's file commands, whole: the window's handlers only call these.

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
