// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QFrame>

namespace pathwick {

class DrawingSurface;

// Shows a drawing surface in a sunken frame two pixels wide. The picture is
// retained by the surface; painting only copies it to the screen, and every
// change of the surface schedules such a copy. The widget does nothing with
// the keyboard itself.
//
// The surface is kept at the device pixel ratio of the screen the widget is
// on, so that it draws at the screen's full resolution: the ratio is passed
// on when the surface is set, and checked again on a change of screen and
// before every paint.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The surface shown from now on; it must outlive the widget's painting.
    // The surface's changed callback is taken over by this widget.
    void SetSurface(DrawingSurface* surface);
    DrawingSurface* Surface() const { return surface_; }

    // Forgets the surface (and releases its changed callback).
    void ReleaseSurface();

    // The role assistive technology gives the picture (see accessibility.h).
    QAccessible::Role AccessibleRole() const { return accessibleRole_; }
    void SetAccessibleRole(QAccessible::Role role) { accessibleRole_ = role; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void MatchDevicePixelRatio();

    DrawingSurface* surface_ = nullptr;
    QAccessible::Role accessibleRole_ = QAccessible::Graphic;
};

}  // namespace pathwick
