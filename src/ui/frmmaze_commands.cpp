// The File and Help menus of the main window, and closing it.

#include <QApplication>
#include <QCloseEvent>
#include <QSessionManager>

#include "core/dialogs.h"
#include "files/gamefiles.h"
#include "files/printout.h"
#include "ui/frmabout.h"
#include "ui/frmmaze.h"
#include "ui/frmrules.h"

namespace pathwick {

void frmMaze::mnuFileOpen_Click() {
    OpenGame(*game_);
}

void frmMaze::mnuFileSave_Click() {
    SaveGame(*game_);
}

void frmMaze::mnuFileSaveAs_Click() {
    SaveGameAs(*game_);
}

void frmMaze::mnuFilePrint_Click() {
    PrintMaze(game_->state, dialogs_);
}

void frmMaze::mnuFileExit_Click() {
    close();
}

void frmMaze::mnuHelpRules_Click() {
    rules_->Show();
}

void frmMaze::mnuHelpAbout_Click() {
    ShowAbout(this);
}

// ---- Closing ------------------------------------------------------------------

bool frmMaze::Form_QueryUnload() {
    return dialogs_.AskYesNo(QStringLiteral("Are you sure you want to exit Pathwick!?"),
                             QStringLiteral("Exit Pathwick!?"));
}

void frmMaze::Form_Unload() {
    rules_->Close();
}

void frmMaze::closeEvent(QCloseEvent* event) {
    // The close button, the window menu and File > Exit all come here.
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmMaze::ConnectSessionEnd() {
    // The desktop session ending asks the same question; a No asks the
    // session manager to cancel the logout.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (manager.allowsInteraction()) {
            const bool yes = Form_QueryUnload();
            manager.release();
            if (!yes) {
                manager.cancel();
                return;
            }
        }
        Form_Unload();
    });
}

}  // namespace pathwick
