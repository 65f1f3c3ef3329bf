#include <QApplication>

#include "core/random.h"
#include "ui/frmmaze.h"
#include "ui/qtdialogs.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pathwick!"));

    pathwick::SeededRandom random;
    pathwick::QtDialogs dialogs;
    pathwick::frmMaze window(random, dialogs);
    dialogs.SetParent(&window);
    window.show();
    return app.exec();
}
