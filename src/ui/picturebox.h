#pragma once

#include <QFrame>

namespace pathwick {

class DrawingSurface;

// Shows a drawing surface in a sunken frame two pixels wide. The picture is
// retained by the surface; painting only copies it to the screen, and every
// change of the surface schedules such a copy. The widget does nothing with
// the keyboard itself.
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DrawingSurface* surface_ = nullptr;
};

}  // namespace pathwick
