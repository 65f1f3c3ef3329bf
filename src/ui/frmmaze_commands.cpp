// The File and Help menus of the main window, its fixed size, and closing it.

#include <QApplication>
#include <QCloseEvent>
#include <QResizeEvent>
#include <QSessionManager>
#include <utility>

#include "core/dialogs.h"
#include "files/gamefiles.h"
#include "files/printout.h"
#include "ui/accessibility.h"
#include "ui/frmabout.h"
#include "ui/frmmaze.h"
#include "ui/frmrules.h"

namespace pathwick {

void frmMaze::mnuFileOpen_Click() {
    // Cancel changes nothing and is not told.
    const MazeState before = game_->state;
    OpenGame(*game_);
    if (!(game_->state == before)) accessibility_->AfterNewGame();
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

// ---- Size ---------------------------------------------------------------------

void frmMaze::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmMaze::Form_Resize() {
    // The size limits keep the program's own resizes out; a window manager
    // that ignores them (or a drag it allows) is undone here. Minimised,
    // maximised and full-screen windows keep what the desktop gives them.
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const QSize fixed = minimumSize();
    if (fixed != maximumSize() || size() == fixed) return;  // not fixed yet, or as it should be
    // A desktop that insists on the same size again would be fought for
    // ever: the second time it is left as it is.
    if (size() == undoneSize_) return;
    undoneSize_ = size();
    resize(fixed);
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
    // The close button, the window menu, File > Exit and a quit request of
    // the desktop all come here. A Yes given at the end of the session has
    // already been asked for.
    const bool confirmed = std::exchange(exitConfirmed_, false);
    if (!confirmed && !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmMaze::ConnectSessionEnd() {
    // The desktop session ending asks the same question. A No cancels the
    // logout: the cancel is reported when the interaction ends, so the
    // interaction is not released first. A Yes closes the window at once,
    // which ends the program, so the session's later quit request finds
    // nothing left to ask about. Without leave to interact nothing happens
    // here: that is a checkpoint, or a session that ends the program itself.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!manager.allowsInteraction()) return;
        if (!Form_QueryUnload()) {
            manager.cancel();
            return;
        }
        manager.release();
        exitConfirmed_ = true;
        if (!close()) exitConfirmed_ = false;
    });
}

}  // namespace pathwick
