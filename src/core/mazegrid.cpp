// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mazegrid.h"

#include <algorithm>

namespace pathwick {

int MazeGrid::VisitedCount() const {
    return static_cast<int>(
        std::count_if(cells_.begin(), cells_.end(), [](CellCode c) { return c != 0; }));
}

}  // namespace pathwick
