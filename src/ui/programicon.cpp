#include "ui/programicon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPixmap>
#include <QString>

// Registers resources/pathwick.qrc. The resources live in a static library, whose object file
// the linker leaves out unless something refers to it; this call is that reference. It has to
// stand outside any namespace.
static void RegisterPathwickResources() {
    Q_INIT_RESOURCE(pathwick);
}

namespace pathwick {

namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// The icon's pictures, read when they are first asked for. Most windows never draw their icon,
// and a window manager asks for all sizes at once. The pictures are read as PNG outright:
// QIcon::addFile would first ask every installed image format plugin whether it knows the
// file, loading all of them, and the libraries they need, into the program at start-up.
class ProgramIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Pictures().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // Sizes here are in device pixels: QIcon has already applied the screen's pixel ratio, so
    // the pictures are asked at a ratio of 1.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Pictures().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    // Known without reading the pictures: each size once, for the normal mode and state.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        QList<QSize> sizes;
        if (mode == QIcon::Normal && state == QIcon::Off)
            for (int size : kIconSizes) sizes.append(QSize(size, size));
        return sizes;
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("ProgramIconEngine"); }
    QIconEngine* clone() const override { return new ProgramIconEngine; }

private:
    const QIcon& Pictures() {
        if (!read_) {
            read_ = true;
            for (int size : kIconSizes) {
                QImageReader reader(QStringLiteral(":/icons/pathwick-%1.png").arg(size), "png");
                reader.setAutoDetectImageFormat(false);
                pictures_.addPixmap(QPixmap::fromImage(reader.read()));
            }
        }
        return pictures_;
    }

    bool read_ = false;
    QIcon pictures_;
};

}  // namespace

QIcon ProgramIcon() {
    static const bool registered = (RegisterPathwickResources(), true);
    Q_UNUSED(registered);
    return QIcon(new ProgramIconEngine);
}

}  // namespace pathwick
