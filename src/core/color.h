// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace pathwick {

// A colour laid out 0x00BBGGRR, as maze files store it (a 32-bit signed value).
using Color = std::int32_t;

inline constexpr Color kWallColor = 0xFF0000;      // blue: walls in both views
inline constexpr Color kMouseColor = 0x0000FF;     // red
inline constexpr Color kStartColor = 0x00FFFF;     // yellow
inline constexpr Color kEndColor = 0x00FF00;       // green: the end's key swatch and map square
inline constexpr Color kEndLabelColor = 0x008000;  // dark green: the "End" label
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kBlack = 0x000000;
inline constexpr Color kCyan = 0xFFFF00;
inline constexpr Color kMagenta = 0xFF00FF;

}  // namespace pathwick
