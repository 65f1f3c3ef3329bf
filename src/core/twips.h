// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace pathwick {

// Lengths in this program are twips, as the layout of the main window was
// drawn and as the drawing surfaces and the rules document measure: 1440 to
// the inch, 15 to a pixel on a 96 dots-per-inch screen.
inline constexpr int kTwipsPerPixel = 15;

constexpr int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

// A rectangle given as Left, Top, Width, Height in twips, in pixels.
constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

}  // namespace pathwick
