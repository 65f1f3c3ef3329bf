// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picturebox.h"

#include <QEvent>
#include <QPainter>

#include "views/drawingsurface.h"

namespace pathwick {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(2);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::SetSurface(DrawingSurface* surface) {
    ReleaseSurface();
    surface_ = surface;
    if (surface_) {
        // Before the first drawing, if the surface is new: then even the first
        // picture is drawn at the screen's resolution.
        MatchDevicePixelRatio();
        surface_->SetChangedCallback([this] { update(contentsRect()); });
    }
    update();
}

void PictureBox::ReleaseSurface() {
    if (surface_) surface_->SetChangedCallback({});
    surface_ = nullptr;
}

void PictureBox::MatchDevicePixelRatio() {
    if (surface_) surface_->SetDevicePixelRatio(devicePixelRatioF());
}

bool PictureBox::event(QEvent* event) {
    // Also while hidden: the map is drawn before it is shown.
    if (event->type() == QEvent::ScreenChangeInternal) {
        MatchDevicePixelRatio();
        update();
    }
    return QFrame::event(event);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect inner = contentsRect();
    if (surface_) {
        // A change of scale on the same screen only shows as a new ratio here.
        MatchDevicePixelRatio();
        // The display picture maps one to one onto device pixels; rounding up
        // its size can leave part of a device pixel beyond the inner area.
        painter.setClipRect(inner);
        painter.drawImage(inner.topLeft(), surface_->DisplayPicture());
    } else {
        painter.fillRect(inner, palette().button());
    }
    painter.end();
    QFrame::paintEvent(event);
}

}  // namespace pathwick
