// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/color.h"
#include "core/mazegrid.h"

namespace pathwick {

// The key under which a marker stands in its cell's three lists. Issued by
// MarkerKeyCounter; 64 bits wide so that a long run never runs out of keys.
using MarkerKey = std::int64_t;

// An insertion-ordered keyed list: add (key, value), count, the values in
// insertion order, remove all. A key it already holds is refused.
template <typename T>
class KeyedList {
public:
    // Adds value under key; false (and nothing added) when key is already there.
    bool Add(MarkerKey key, T value) {
        if (Contains(key)) return false;
        if (!keys_.empty() && key < keys_.back()) ascending_ = false;
        keys_.push_back(key);
        values_.push_back(value);
        return true;
    }

    int Count() const { return static_cast<int>(values_.size()); }

    // The values in insertion order, indexed from 0.
    std::span<const T> Items() const { return values_; }

    // Empties the list; the list itself stays.
    void RemoveAll() {
        keys_.clear();
        values_.clear();
        ascending_ = true;
    }

    bool Contains(MarkerKey key) const;

    friend bool operator==(const KeyedList& a, const KeyedList& b) {
        return a.keys_ == b.keys_ && a.values_ == b.values_;
    }

private:
    std::vector<MarkerKey> keys_;
    std::vector<T> values_;
    bool ascending_ = true;  // keys came in rising order, as they do in play
};

template <typename T>
bool KeyedList<T>::Contains(MarkerKey key) const {
    if (keys_.empty()) return false;
    if (ascending_) {
        if (key > keys_.back()) return false;  // the usual case: a fresh key
        return std::binary_search(keys_.begin(), keys_.end(), key);
    }
    return std::find(keys_.begin(), keys_.end(), key) != keys_.end();
}

// One keyed list per cell of the 25 x 25 grid. A cell's list comes into
// existence, empty, the first time it is used.
template <typename T>
class MarkerListGrid {
public:
    // The list of cell (x, y), created empty on first use.
    KeyedList<T>& operator()(int x, int y) {
        auto& list = lists_[Index(x, y)];
        if (!list) list.emplace();
        return *list;
    }

    // Whether cell (x, y)'s list has been created yet.
    bool Exists(int x, int y) const { return lists_[Index(x, y)].has_value(); }

    // The list of cell (x, y) if it exists, without creating it.
    const KeyedList<T>* Find(int x, int y) const {
        const auto& list = lists_[Index(x, y)];
        return list ? &*list : nullptr;
    }

    friend bool operator==(const MarkerListGrid&, const MarkerListGrid&) = default;

private:
    static int Index(int x, int y) {
        assert(!IsOutside(x, y));
        return (x - 1) + kMazeSize * (y - 1);
    }

    std::array<std::optional<KeyedList<T>>, kCellCount> lists_;
};

// The three lists of one cell, paired by position: entry i of each belongs to
// the same marker. Readers take the count from MarkerXs.
struct CellMarkers {
    KeyedList<std::int16_t>& MarkerXs;
    KeyedList<std::int16_t>& MarkerYs;
    KeyedList<Color>& MarkerColors;

    int Count() const { return MarkerXs.Count(); }
};

// The whole state of one game, owned by the main window.
struct MazeState {
    MazeGrid grid;
    MarkerListGrid<std::int16_t> MarkerXs;  // markers' x positions in the cell view
    MarkerListGrid<std::int16_t> MarkerYs;  // markers' y positions in the cell view
    MarkerListGrid<Color> MarkerColors;     // markers' colours
    std::int16_t MouseX = 0;                // the mouse's cell, 1..25
    std::int16_t MouseY = 0;
    std::int16_t StartX = 0;  // start cell (StartX, StartY), end cell (EndX, EndY)
    std::int16_t EndX = 0;
    std::int16_t StartY = 0;
    std::int16_t EndY = 0;
    std::int16_t PosX = 0;  // the mouse's centre in the cell view, in its scale units
    std::int16_t PosY = 0;
    std::int16_t UnitW = 0;  // one cell-view unit across and down
    std::int16_t UnitH = 0;
    Color MarkerColor = kWhite;  // colour of the next marker dropped
    bool MapView = false;        // the map is showing instead of the cell view
    bool EndReached = false;     // the end of this maze has been congratulated

    // The three marker lists of cell (x, y), each created empty on first use.
    CellMarkers Markers(int x, int y) {
        return {MarkerXs(x, y), MarkerYs(x, y), MarkerColors(x, y)};
    }

    // The number of markers in cell (x, y), without creating its lists.
    int MarkerCount(int x, int y) const {
        const auto* xs = MarkerXs.Find(x, y);
        return xs ? xs->Count() : 0;
    }

    // Removes every marker; the lists themselves stay.
    void EmptyMarkers();

    friend bool operator==(const MazeState&, const MazeState&) = default;
};

// Issues the run-wide marker keys: 1, 2, 3, ... Never reset, not by a new maze
// and not by opening a file.
class MarkerKeyCounter {
public:
    MarkerKey NextMarkerKey() { return ++last_; }
    MarkerKey Last() const { return last_; }

private:
    MarkerKey last_ = 0;
};

// Adds one marker at cell-view position (px, py) of cell (x, y), under a fresh
// key, to the cell's three lists (in the order xs, ys, colours). Draws nothing.
// False only if a list refused the key, which fresh keys never cause.
bool AddMarker(MazeState& state, MarkerKeyCounter& keys, int x, int y, std::int16_t px,
               std::int16_t py, Color colour);

}  // namespace pathwick
