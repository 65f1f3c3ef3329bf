// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

#include "core/color.h"
#include "core/twips.h"

namespace pathwick {

// A drawing surface with a retained picture: what is drawn stays until the
// next Cls, also while nobody shows it, and Point reads it back. Coordinates
// are in the surface's scale units, twips (15 to a pixel), with the origin at
// the top-left inner corner, x to the right and y downwards.
//
// Drawing is never antialiased, so every point reads back exactly the colour
// it was painted in: the wall test of the cell view depends on that.
//
// On a screen of more than one device pixel per pixel the surface keeps a
// second, sharper picture for display only (see SetDevicePixelRatio), whose
// text may have soft edges; Point and Picture always work on the picture of
// one pixel per 15 scale units, so the game plays the same on every screen.
class DrawingSurface {
public:
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

    // Device pixels per pixel of the screen that shows the surface; 1 unless
    // told otherwise. Above 1 the surface also shows a display picture of
    // Picture's size times the ratio (rounded up), drawn at full resolution:
    // a box covers every device pixel that touches its pixels, circles and
    // text are as fine as the screen allows. Nothing reads it back.
    qreal DevicePixelRatio() const { return devicePixelRatio_; }

    // Ratios at or below 1 (or not a number) mean 1 and drop the display
    // picture; ratios above kMaxDevicePixelRatio are drawn at that ratio.
    // The surface remembers what was drawn since the last Cls (up to
    // kMaxRecordedOperations drawings), so that a new ratio draws it all
    // again sharply; beyond that the display picture starts as the picture
    // enlarged pixel by pixel until the next Cls. Does not call the changed
    // callback.
    void SetDevicePixelRatio(qreal ratio);
    static constexpr qreal kMaxDevicePixelRatio = 8;
    static constexpr std::size_t kMaxRecordedOperations = 32768;

    // What a screen should show: the display picture (its devicePixelRatio
    // set), or Picture itself at a ratio of 1. The display picture is brought
    // up to date here, when it is needed, rather than at every drawing: the
    // game's steps cost the same on every screen, and a surface nobody shows
    // draws nothing twice.
    const QImage& DisplayPicture() const;

    // Called when the picture changes after it was last shown (DisplayPicture):
    // once for a whole run of drawing, not for every box of it. A widget
    // showing the surface repaints then.
    void SetChangedCallback(std::function<void()> callback) {
        changed_ = std::move(callback);
        changeAnnounced_ = false;
    }

    // Converts between the picture's colours and 0x00BBGGRR values.
    static QColor ToQColor(Color colour);
    static Color FromRgb(QRgb rgb);

private:
    // One drawing operation since the last Cls, as the display picture needs
    // it: boxes in pixels (right and bottom exclusive), circles as centre
    // pixel and radius in pixels, text by its index in texts_.
    struct Operation {
        enum Kind : unsigned char { kBox, kCircle, kText } kind;
        bool filled = false;
        int a = 0, b = 0, c = 0, d = 0;  // box: left, top, right, bottom; circle: x, y, r
        QRgb colour = 0;
        QRgb fill = 0;
    };
    struct Text {
        QString text;
        QFont font;
        QPointF baseline;  // in pixels
    };

    static int ToPixel(double scaleUnits);
    void Record(const Operation& operation);
    void UpdateDisplay() const;
    void Replay(std::size_t from) const;
    void ClearUncovered() const;
    void Enlarge() const;
    void PaintCircle(const Operation& circle) const;
    QRect DeviceRect(int left, int top, int right, int bottom) const;
    void Changed() const {
        if (changed_ && !changeAnnounced_) {
            changeAnnounced_ = true;
            changed_();
        }
    }

    QImage picture_;
    qreal devicePixelRatio_ = 1;
    QFont font_;
    Color backColor_;
    QRgb clsColour_ = 0;  // the background of the last Cls

    // What was drawn since the last Cls; complete unless it grew too long.
    std::vector<Operation> operations_;
    std::vector<Text> texts_;
    bool complete_ = true;

    // The display picture: null at a ratio of 1; valid when it shows the
    // first shown_ operations (and everything before them).
    mutable QImage display_;
    mutable bool displayValid_ = false;
    mutable std::size_t shown_ = 0;
    std::function<void()> changed_;
    mutable bool changeAnnounced_ = false;  // changed_ called, DisplayPicture not asked since
};

// The default background of both drawing surfaces: the face colour of controls.
Color DefaultSurfaceBackColor();

}  // namespace pathwick
