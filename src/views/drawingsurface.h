#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <functional>

#include "core/color.h"

namespace pathwick {

// A drawing surface with a retained picture: what is drawn stays until the
// next Cls, also while nobody shows it, and Point reads it back. Coordinates
// are in the surface's scale units, twips (15 to a pixel), with the origin at
// the top-left inner corner, x to the right and y downwards.
//
// Drawing is never antialiased, so every point reads back exactly the colour
// it was painted in: the wall test of the cell view depends on that.
class DrawingSurface {
public:
    static constexpr int kTwipsPerPixel = 15;

    enum FillStyles { kFillSolid = 0, kFillTransparent = 1 };

    // A surface whose inner area is width x height pixels.
    DrawingSurface(int widthPixels, int heightPixels);

    // Inner size in scale units.
    float ScaleWidth() const { return static_cast<float>(picture_.width() * kTwipsPerPixel); }
    float ScaleHeight() const { return static_cast<float>(picture_.height() * kTwipsPerPixel); }

    Color BackColor() const { return backColor_; }
    void SetBackColor(Color colour) { backColor_ = colour; }  // takes effect at the next Cls
    Color ForeColor = 0;                                      // text colour of Print
    Color FillColor = 0;  // fill of Circle while FillStyle is solid
    int FillStyle = kFillTransparent;
    double CurrentX = 0;  // where Print writes next
    double CurrentY = 0;

    QFont Font() const { return font_; }
    void SetFont(const QFont& font);

    // The whole surface in BackColor; CurrentX and CurrentY back to 0.
    void Cls();

    // A filled box in colour between two corner points; every point (x, y)
    // with x1 <= x <= x2 and y1 <= y <= y2 (corners in any order) is inside.
    void Line(double x1, double y1, double x2, double y2, Color colour);

    // A circle outline in colour, filled with FillColor when FillStyle is solid.
    void Circle(double x, double y, double radius, Color colour);

    // Writes text in ForeColor with its top-left corner at (CurrentX, CurrentY),
    // transparent background; then CurrentX = 0 and CurrentY moves one line down.
    void Print(const QString& text);

    // The colour last painted at (x, y), or -1 for a point outside the surface.
    Color Point(double x, double y) const;

    // The retained picture, one pixel per 15 scale units.
    const QImage& Picture() const { return picture_; }

    // Called after every change of the picture (a widget showing it repaints).
    void SetChangedCallback(std::function<void()> callback) { changed_ = std::move(callback); }

    // Converts between the picture's colours and 0x00BBGGRR values.
    static QColor ToQColor(Color colour);
    static Color FromRgb(QRgb rgb);

private:
    static int ToPixel(double scaleUnits);
    void Changed() const {
        if (changed_) changed_();
    }

    QImage picture_;
    QFont font_;
    Color backColor_;
    std::function<void()> changed_;
};

// The default background of both drawing surfaces: the face colour of controls.
Color DefaultSurfaceBackColor();

}  // namespace pathwick
