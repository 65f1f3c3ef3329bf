// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/programicon.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QPixmap>
#include <QString>

#include "program/deferredicon.h"

// Registers resources/pathwick.qrc. The resources live in a static library, whose object file
// the linker leaves out unless something refers to it; this call is that reference. It has to
// stand outside any namespace.
static void RegisterPathwickResources() {
    Q_INIT_RESOURCE(pathwick);
}

namespace pathwick {

namespace {

// Window managers draw a window's icon at 16 to 64 pixels, 128 on dense screens, and on X11
// every picture of it is converted and sent to the server as each window is created. A desktop
// that wants the icon larger, in a launcher say, takes it from the installed icon theme, which
// also has 256 pixels and the scalable picture.
constexpr int kIconSizes[] = {16, 32, 48, 64, 128};

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

// One icon for the whole application, so that its pictures are read at most once however many
// windows show it; the pictures are read when first drawn. It goes with the application object:
// pictures must not outlive it.
QIcon ProgramIcon() {
    static const bool registered = (RegisterPathwickResources(), true);
    Q_UNUSED(registered);
    static QIcon* shared = nullptr;
    if (!shared) {
        QList<QSize> sizes;
        for (int size : kIconSizes) sizes.append(QSize(size, size));
        shared = new QIcon(DeferredIcon(ReadIconPictures, sizes));
        qAddPostRoutine([] {
            delete shared;
            shared = nullptr;
        });
    }
    return *shared;
}

}  // namespace pathwick
