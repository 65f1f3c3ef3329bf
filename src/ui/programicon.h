#pragma once

#include <QIcon>

namespace pathwick {

// The program's icon, one picture for each of the sizes 16, 32, 48, 64, 128 and 256 pixels,
// from the resources ":/icons/pathwick-<size>.png". It also makes sure the resources built into
// the window library are registered, which a program linking that library statically needs.
QIcon ProgramIcon();

}  // namespace pathwick
