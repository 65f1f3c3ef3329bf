// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/drawingsurface.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <vector>

namespace pathwick {

QColor DrawingSurface::ToQColor(Color colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Color DrawingSurface::FromRgb(QRgb rgb) {
    return static_cast<Color>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

Color DefaultSurfaceBackColor() {
    QColor face(0xF0, 0xF0, 0xF0);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        face = QGuiApplication::palette().color(QPalette::Button);
    Color colour = DrawingSurface::FromRgb(face.rgb());
    // The background must never read as a wall.
    return colour == kWallColor ? 0xF0F0F0 : colour;
}

namespace {

// Device pixels of a picture at the given ratio: a box from pixel `start` up
// to pixel `end` (exclusive) fills every device pixel it touches. A tiny
// allowance keeps ratios without an exact binary value (1.1, 1.2) from
// growing a box by a device pixel through rounding.
int DeviceStart(int pixel, qreal ratio) {
    return static_cast<int>(std::floor(pixel * ratio + 1e-9));
}

int DeviceEnd(int pixelEnd, qreal ratio) {
    return static_cast<int>(std::ceil(pixelEnd * ratio - 1e-9));
}

// Fills the rectangle [left, right) x [top, bottom) of a 32-bit image.
void FillRect(QImage& image, int left, int top, int right, int bottom, QRgb value) {
    if (left >= right || top >= bottom) return;
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int row = top; row < bottom; ++row) {
        auto* line = reinterpret_cast<QRgb*>(bits + row * stride);
        std::fill(line + left, line + right, value);
    }
}

}  // namespace

DrawingSurface::DrawingSurface(int widthPixels, int heightPixels)
    : picture_(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32),
      backColor_(DefaultSurfaceBackColor()),
      clsColour_(ToQColor(backColor_).rgb()) {
    picture_.fill(clsColour_);
}

void DrawingSurface::SetDevicePixelRatio(qreal ratio) {
    if (!(ratio > 1)) ratio = 1;  // also catches NaN
    ratio = std::min(ratio, kMaxDevicePixelRatio);
    if (ratio == devicePixelRatio_) return;
    devicePixelRatio_ = ratio;
    displayValid_ = false;
    shown_ = 0;
    if (ratio == 1) {
        display_ = QImage();
        return;
    }
    display_ = QImage(DeviceEnd(picture_.width(), ratio), DeviceEnd(picture_.height(), ratio),
                      QImage::Format_RGB32);
    display_.setDotsPerMeterX(picture_.dotsPerMeterX());
    display_.setDotsPerMeterY(picture_.dotsPerMeterY());
    display_.setDevicePixelRatio(ratio);
}

const QImage& DrawingSurface::DisplayPicture() const {
    changeAnnounced_ = false;  // shown: the next change is news again
    if (display_.isNull()) return picture_;
    UpdateDisplay();
    return display_;
}

void DrawingSurface::Record(const Operation& operation) {
    operations_.push_back(operation);
    if (operations_.size() <= kMaxRecordedOperations) return;
    // Too much to keep (a mouse walking up and down one cell for a long
    // time): show what there is and start a new record.
    UpdateDisplay();
    operations_.clear();
    texts_.clear();
    shown_ = 0;
    complete_ = false;
}

void DrawingSurface::UpdateDisplay() const {
    if (display_.isNull()) return;
    if (!displayValid_) {
        if (complete_) {
            ClearUncovered();
            shown_ = 0;
        } else {
            Enlarge();
            shown_ = operations_.size();
        }
        displayValid_ = true;
    }
    Replay(shown_);
    shown_ = operations_.size();
}

void DrawingSurface::Enlarge() const {
    // Each device pixel takes the colour of the pixel under its centre.
    const qreal ratio = devicePixelRatio_;
    const int width = display_.width();
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[static_cast<std::size_t>(x)] =
            std::min(static_cast<int>((x + 0.5) / ratio), picture_.width() - 1);
    for (int y = 0; y < display_.height(); ++y) {
        const int row = std::min(static_cast<int>((y + 0.5) / ratio), picture_.height() - 1);
        const auto* source = reinterpret_cast<const QRgb*>(picture_.constScanLine(row));
        auto* target = reinterpret_cast<QRgb*>(display_.scanLine(y));
        for (int x = 0; x < width; ++x) target[x] = source[columns[static_cast<std::size_t>(x)]];
    }
}

void DrawingSurface::ClearUncovered() const {
    // The background of the last Cls, except where a box drawn since will
    // cover it anyway: in the cell view the corner blocks alone are three
    // quarters of the picture. (Text drawn there before the box may blend
    // with whatever is left; the box covers that too.)
    struct Span {
        int left, top, right, bottom;
    };
    std::vector<Span> boxes;
    for (const Operation& op : operations_) {
        if (op.kind != Operation::kBox) continue;
        if (boxes.size() == 64) {  // a map: not worth the bookkeeping
            display_.fill(clsColour_);
            return;
        }
        const QRect r = DeviceRect(op.a, op.b, op.c, op.d);
        boxes.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    }
    // Bands of rows in which the same boxes lie; in each, the gaps between them.
    std::vector<int> edges{0, display_.height()};
    for (const Span& box : boxes) {
        edges.push_back(box.top);
        edges.push_back(box.bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<std::pair<int, int>> covered;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const int top = edges[i];
        const int bottom = edges[i + 1];
        covered.clear();
        for (const Span& box : boxes)
            if (box.top <= top && box.bottom >= bottom) covered.emplace_back(box.left, box.right);
        std::sort(covered.begin(), covered.end());
        int x = 0;
        for (const auto& [left, right] : covered) {
            FillRect(display_, x, top, left, bottom, clsColour_);
            x = std::max(x, right);
        }
        FillRect(display_, x, top, display_.width(), bottom, clsColour_);
    }
}

QRect DrawingSurface::DeviceRect(int left, int top, int right, int bottom) const {
    const qreal ratio = devicePixelRatio_;
    return QRect(QPoint(DeviceStart(left, ratio), DeviceStart(top, ratio)),
                 QPoint(std::min(DeviceEnd(right, ratio), display_.width()) - 1,
                        std::min(DeviceEnd(bottom, ratio), display_.height()) - 1));
}

void DrawingSurface::Replay(std::size_t from) const {
    std::size_t i = from;
    while (i < operations_.size()) {
        const Operation& op = operations_[i];
        if (op.kind == Operation::kBox) {
            const QRect r = DeviceRect(op.a, op.b, op.c, op.d);
            FillRect(display_, r.left(), r.top(), r.left() + r.width(), r.top() + r.height(),
                     op.colour);
            ++i;
        } else if (op.kind == Operation::kCircle) {
            PaintCircle(op);
            ++i;
        } else {
            // Text needs a painter; one for a run of labels. Soft edges are
            // fine here: nobody reads them back, and a blend of a label
            // colour with the background is never the wall colour.
            QPainter painter(&display_);
            for (; i < operations_.size() && operations_[i].kind == Operation::kText; ++i) {
                const Text& text = texts_[static_cast<std::size_t>(operations_[i].a)];
                QFont font = text.font;
                font.setStyleStrategy(
                    QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
                painter.setFont(font);
                painter.setPen(QColor::fromRgb(operations_[i].colour));
                painter.drawText(text.baseline, text.text);
            }
        }
    }
}

void DrawingSurface::PaintCircle(const Operation& circle) const {
    // The outline of the picture is one pixel wide and lies right of and
    // below its mathematical line: a ring from r - 1/2 to r + 1/2 pixels
    // about the middle of the centre pixel. A device pixel belongs to the
    // ring (or to the inside) when its own middle does.
    const qreal ratio = devicePixelRatio_;
    const double cx = (circle.a + 0.5) * ratio;
    const double cy = (circle.b + 0.5) * ratio;
    const double outer = (circle.c + 0.5) * ratio;
    const double inner = std::max(circle.c - 0.5, 0.0) * ratio;
    const double outer2 = outer * outer;
    const double inner2 = circle.c > 0 ? inner * inner : -1;
    const int left = std::max(static_cast<int>(std::floor(cx - outer)), 0);
    const int right = std::min(static_cast<int>(std::ceil(cx + outer)), display_.width() - 1);
    const int top = std::max(static_cast<int>(std::floor(cy - outer)), 0);
    const int bottom = std::min(static_cast<int>(std::ceil(cy + outer)), display_.height() - 1);
    uchar* bits = display_.bits();
    const qsizetype stride = display_.bytesPerLine();
    for (int y = top; y <= bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        const double dy = y + 0.5 - cy;
        for (int x = left; x <= right; ++x) {
            const double dx = x + 0.5 - cx;
            const double d2 = dx * dx + dy * dy;
            if (d2 >= outer2) continue;
            if (d2 >= inner2)
                line[x] = circle.colour;
            else if (circle.filled)
                line[x] = circle.fill;
        }
    }
}

int DrawingSurface::ToPixel(double scaleUnits) {
    // Floor, not truncation: a point a little left of the surface is outside it.
    return static_cast<int>(std::floor(scaleUnits / kTwipsPerPixel));
}

void DrawingSurface::SetFont(const QFont& font) {
    font_ = font;
    font_.setStyleStrategy(QFont::NoAntialias);
}

void DrawingSurface::Cls() {
    clsColour_ = ToQColor(backColor_).rgb();
    picture_.fill(clsColour_);
    operations_.clear();
    texts_.clear();
    complete_ = true;
    displayValid_ = false;
    shown_ = 0;
    CurrentX = 0;
    CurrentY = 0;
    Changed();
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2, Color colour) {
    // Filled straight into the picture's rows: boxes are by far the most
    // frequent drawing operation (a map is several thousand of them).
    const int left = std::max(ToPixel(std::min(x1, x2)), 0);
    const int right = std::min(ToPixel(std::max(x1, x2)), picture_.width() - 1);
    const int top = std::max(ToPixel(std::min(y1, y2)), 0);
    const int bottom = std::min(ToPixel(std::max(y1, y2)), picture_.height() - 1);
    if (left <= right && top <= bottom) {
        const QRgb value = ToQColor(colour).rgb();
        FillRect(picture_, left, top, right + 1, bottom + 1, value);
        Record({Operation::kBox, false, left, top, right + 1, bottom + 1, value, 0});
    }
    Changed();
}

void DrawingSurface::Circle(double x, double y, double radius, Color colour) {
    const QPoint centre(ToPixel(x), ToPixel(y));
    const int r = static_cast<int>(std::lround(radius / kTwipsPerPixel));
    const bool filled = FillStyle == kFillSolid;
    {
        QPainter painter(&picture_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(ToQColor(colour));
        pen.setWidth(0);  // one pixel wide
        painter.setPen(pen);
        if (filled)
            painter.setBrush(ToQColor(FillColor));
        else
            painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, r, r);
    }
    Record({Operation::kCircle, filled, centre.x(), centre.y(), r, 0, ToQColor(colour).rgb(),
            ToQColor(FillColor).rgb()});
    Changed();
}

void DrawingSurface::Print(const QString& text) {
    const QFontMetricsF metrics(font_, &picture_);
    const QPointF baseline(CurrentX / kTwipsPerPixel, CurrentY / kTwipsPerPixel + metrics.ascent());
    const QRgb colour = ToQColor(ForeColor).rgb();
    {
        QPainter painter(&picture_);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font_);
        painter.setPen(QColor::fromRgb(colour));
        painter.drawText(baseline, text);
    }
    texts_.push_back({text, font_, baseline});
    Record({Operation::kText, false, static_cast<int>(texts_.size() - 1), 0, 0, 0, colour, 0});
    CurrentX = 0;
    CurrentY += metrics.height() * kTwipsPerPixel;
    Changed();
}

Color DrawingSurface::Point(double x, double y) const {
    const int px = ToPixel(x);
    const int py = ToPixel(y);
    if (px < 0 || py < 0 || px >= picture_.width() || py >= picture_.height()) return -1;
    return FromRgb(picture_.pixel(px, py));
}

}  // namespace pathwick
