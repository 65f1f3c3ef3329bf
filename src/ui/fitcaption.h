// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace pathwick {

// The smallest font a caption is made to fit with, in pixels.
inline constexpr int kSmallestCaptionPixels = 6;

// The caption without its access-key marks, as it is drawn: "&Drop Marker" is "Drop Marker",
// "&&" an ampersand.
QString DrawnCaption(const QString& caption);

// Keeps a control's caption readable inside the control's fixed rectangle, whatever its
// language: when the caption does not fit at the control's font, a label that has room for
// another line wraps, and failing that the control's own font is made a pixel smaller at a time
// until the caption fits (kSmallestCaptionPixels at least). A caption that fits keeps the font
// of its window. Labels, option buttons, check boxes, command buttons and frames; call it again
// after the caption changes.
void FitCaption(QWidget& control);

// The font that text, drawn no wider than width, fits in: base itself when it does, else base
// a pixel smaller at a time down to kSmallestCaptionPixels.
QFont FittingFont(const QFont& base, const QString& text, int width);

// The contrast of ink on paper as the web's accessibility guidelines measure it, from 1 (the same
// luminance) to 21 (black on white); text wants 4.5 at least.
double Contrast(const QColor& ink, const QColor& paper);
inline constexpr double kReadableContrast = 4.5;

}  // namespace pathwick
