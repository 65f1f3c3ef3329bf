#include "ui/picturebox.h"

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
    if (surface_) surface_->SetChangedCallback([this] { update(contentsRect()); });
    update();
}

void PictureBox::ReleaseSurface() {
    if (surface_) surface_->SetChangedCallback({});
    surface_ = nullptr;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect inner = contentsRect();
    if (surface_)
        painter.drawImage(inner.topLeft(), surface_->Picture());
    else
        painter.fillRect(inner, palette().button());
    painter.end();
    QFrame::paintEvent(event);
}

}  // namespace pathwick
