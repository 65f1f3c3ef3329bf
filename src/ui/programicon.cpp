#include "ui/programicon.h"

#include <QString>

// Registers resources/pathwick.qrc. The resources live in a static library, whose object file
// the linker leaves out unless something refers to it; this call is that reference. It has to
// stand outside any namespace.
static void RegisterPathwickResources() {
    Q_INIT_RESOURCE(pathwick);
}

namespace pathwick {

QIcon ProgramIcon() {
    static const bool registered = (RegisterPathwickResources(), true);
    Q_UNUSED(registered);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/pathwick-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace pathwick
