// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "core/mazestate.h"

namespace pathwick {

// Writes state to path through a temporary file in the same folder that
// replaces the old file only once it is complete; on any failure the
// temporary is removed and the old file stays as it was. False on failure.
bool WriteGameFile(const MazeState& state, const QString& path);

// Reads the maze file at path into state, taking marker keys from keys.
// False when the file cannot be read or is not a maze file.
bool ReadGameFile(const QString& path, MazeState& state, MarkerKeyCounter& keys);

}  // namespace pathwick
