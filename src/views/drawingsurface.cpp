#include "views/drawingsurface.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

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

DrawingSurface::DrawingSurface(int widthPixels, int heightPixels)
    : picture_(std::max(widthPixels, 1), std::max(heightPixels, 1), QImage::Format_RGB32),
      backColor_(DefaultSurfaceBackColor()) {
    picture_.fill(ToQColor(backColor_));
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
    picture_.fill(ToQColor(backColor_));
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
        for (int row = top; row <= bottom; ++row) {
            auto* line = reinterpret_cast<QRgb*>(picture_.scanLine(row));
            std::fill(line + left, line + right + 1, value);
        }
    }
    Changed();
}

void DrawingSurface::Circle(double x, double y, double radius, Color colour) {
    const QPoint centre(ToPixel(x), ToPixel(y));
    const int r = static_cast<int>(std::lround(radius / kTwipsPerPixel));
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(ToQColor(colour));
    pen.setWidth(0);  // one pixel wide, whatever the transform
    painter.setPen(pen);
    if (FillStyle == kFillSolid)
        painter.setBrush(ToQColor(FillColor));
    else
        painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r, r);
    Changed();
}

void DrawingSurface::Print(const QString& text) {
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font_);
    painter.setPen(ToQColor(ForeColor));
    const QFontMetricsF metrics(font_, &picture_);
    const QPointF topLeft(CurrentX / kTwipsPerPixel, CurrentY / kTwipsPerPixel);
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), text);
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
