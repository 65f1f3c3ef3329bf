// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/mazestate.h"

namespace pathwick {

void MazeState::EmptyMarkers() {
    for (int x = 1; x <= kMazeSize; ++x) {
        for (int y = 1; y <= kMazeSize; ++y) {
            if (MarkerCount(x, y) == 0) continue;
            CellMarkers cell = Markers(x, y);
            cell.MarkerXs.RemoveAll();
            cell.MarkerYs.RemoveAll();
            cell.MarkerColors.RemoveAll();
        }
    }
}

bool AddMarker(MazeState& state, MarkerKeyCounter& keys, int x, int y, std::int16_t px,
               std::int16_t py, Color colour) {
    const MarkerKey key = keys.NextMarkerKey();
    CellMarkers cell = state.Markers(x, y);
    return cell.MarkerXs.Add(key, px) && cell.MarkerYs.Add(key, py) &&
           cell.MarkerColors.Add(key, colour);
}

}  // namespace pathwick
