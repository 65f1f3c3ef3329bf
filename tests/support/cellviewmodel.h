// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cmath>

#include "core/random.h"
#include "support/testgame.h"
#include "views/cellview.h"
#include "views/drawingsurface.h"

namespace pathwick::testing {

// The layout of the cell view as the rules of the game describe it, kept apart
// from the drawing code so that tests can hold a painted picture against it.
// Boxes are given in view units and include both corners.
struct UnitBox {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

inline QList<UnitBox> CornerBlocks() {
    return {{0, 0, 10, 10}, {13, 0, 23, 10}, {0, 13, 10, 23}, {13, 13, 23, 23}};
}

// The bar that closes side 'N', 'W', 'S' or 'E', right next to the centre square.
inline UnitBox Bar(QChar side) {
    switch (side.toLatin1()) {
        case 'N':
            return {10, 9, 13, 10};
        case 'W':
            return {9, 10, 10, 13};
        case 'S':
            return {10, 13, 13, 14};
        default:
            return {13, 10, 14, 13};
    }
}

// The four corner blocks and the bars named in bars, e.g. "NW".
inline QList<UnitBox> WallBoxes(const QString& bars) {
    QList<UnitBox> boxes = CornerBlocks();
    for (QChar side : bars) boxes.append(Bar(side));
    return boxes;
}

// The bars the cell view shows for cell (x, y) of the given code, e.g. "NW".
inline QString ExpectedBars(int code, int x, int y) {
    MazeState state;
    state.grid(x, y) = static_cast<CellCode>(code);
    const CellCode bars = BarredSides(state, x, y);
    QString names;
    for (const auto& [side, name] :
         {std::pair{kNorth, 'N'}, {kWest, 'W'}, {kSouth, 'S'}, {kEast, 'E'}})
        if (bars & side) names += QLatin1Char(name);
    return names;
}

// The pixels a box covers in a picture of 15 scale units a pixel, whose view
// units are w x h scale units.
inline QRect PixelRect(const UnitBox& box, int w, int h) {
    const auto pixel = [](double scaleUnits) {
        return static_cast<int>(std::floor(scaleUnits / 15));
    };
    return QRect(QPoint(pixel(box.x1 * w), pixel(box.y1 * h)),
                 QPoint(pixel(box.x2 * w), pixel(box.y2 * h)));
}

inline QList<QRect> PixelRects(const QList<UnitBox>& boxes, int w, int h) {
    QList<QRect> rects;
    for (const UnitBox& box : boxes) rects.append(PixelRect(box, w, h));
    return rects;
}

inline bool InAny(const QList<QRect>& rects, QPoint p) {
    for (const QRect& r : rects)
        if (r.contains(p)) return true;
    return false;
}

// Points of a box in scale units, one in every pixel it covers, its four edges
// and corners exactly included.
inline QList<QPoint> ScalePoints(const UnitBox& box, int w, int h) {
    const auto axis = [](int from, int to) {
        QList<int> values;
        for (int v = from; v < to; v += 15) values.append(v);
        values.append(to);
        return values;
    };
    QList<QPoint> points;
    const int x1 = static_cast<int>(box.x1 * w), x2 = static_cast<int>(box.x2 * w);
    const int y1 = static_cast<int>(box.y1 * h), y2 = static_cast<int>(box.y2 * h);
    for (int y : axis(y1, y2))
        for (int x : axis(x1, x2)) points.append(QPoint(x, y));
    return points;
}

inline Color PixelColor(const QImage& image, int x, int y) {
    return DrawingSurface::FromRgb(image.pixel(x, y));
}

inline QList<QPoint> PixelsOf(const QImage& image, Color colour) {
    QList<QPoint> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (PixelColor(image, x, y) == colour) pixels.append(QPoint(x, y));
    return pixels;
}

}  // namespace pathwick::testing
