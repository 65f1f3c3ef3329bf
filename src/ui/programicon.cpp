#include "ui/programicon.h"

#include <QImageReader>
#include <QPixmap>
#include <QString>

#include "ui/deferredicon.h"

// Registers resources/pathwick.qrc. The resources live in a static library, whose object file
// the linker leaves out unless something refers to it; this call is that reference. It has to
// stand outside any namespace.
static void RegisterPathwickResources() {
    Q_INIT_RESOURCE(pathwick);
}

namespace pathwick {

namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

// Read as PNG outright, without asking the image format plugins whether they know the files.
QIcon ReadIconPictures() {
    QIcon pictures;
    for (int size : kIconSizes) {
        QImageReader reader(QStringLiteral(":/icons/pathwick-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        pictures.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return pictures;
}

}  // namespace

// Most windows never draw their icon, and a window manager asks for all sizes at once, so the
// pictures are read when first drawn.
QIcon ProgramIcon() {
    static const bool registered = (RegisterPathwickResources(), true);
    Q_UNUSED(registered);
    QList<QSize> sizes;
    for (int size : kIconSizes) sizes.append(QSize(size, size));
    return DeferredIcon(ReadIconPictures, sizes);
}

}  // namespace pathwick
