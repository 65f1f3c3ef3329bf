// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace pathwick {

// The program's icon, one picture for each of the sizes 16, 32, 48, 64 and 128 pixels,
// from the resources ":/icons/pathwick-<size>.png". It also makes sure the resources built into
// the window library are registered, which a program linking that library statically needs.
// Every call gives the same icon, whose pictures are read once, when first drawn.
QIcon ProgramIcon();

}  // namespace pathwick
