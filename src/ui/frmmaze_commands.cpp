// SPDX-License-Identifier: GPL-3.0-or-later
// The File and Help menus of the main window, its size, and closing it.

#include <QApplication>
#include <QCloseEvent>
#include <QResizeEvent>
#include <QSessionManager>
#include <utility>

#include "ui/frmabout.h"
#include "ui/frmmaze.h"
#include "ui/frmrules.h"
#include "ui/printer.h"
#include "ui/windowdialogs.h"

namespace pathwick {

void frmMaze::mnuFileNew_Click() {
    if (dialogs_.AskYesNo(tr("Are you sure you want to create a new maze?"),
                          tr("Create new maze?"))) {
        game_->NewMaze();
    }
}

void frmMaze::mnuFileOpen_Click() {
    game_->Open();
}

void frmMaze::mnuFileSave_Click() {
    game_->Save();
}

void frmMaze::mnuFileSaveAs_Click() {
    game_->SaveAs();
}

void frmMaze::mnuFilePrint_Click() {
    PrintMaze(game_->State(), dialogs_, game_->FilePath());
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

namespace {

// How many times in a row the desktop may answer an undo with its own size
// before the window keeps that size.
constexpr int kUndosRefused = 3;

bool NormalState(Qt::WindowStates state) {
    return !(state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

}  // namespace

void frmMaze::Form_Resize() {
    // Every size the window gets in the normal state, from the program or
    // the desktop, is undone at once. Minimised, maximised and full-screen
    // windows keep what the desktop gives them, and so does a window whose
    // desktop refuses the undo over and over.
    if (!NormalState(windowState())) return;
    if (designedSize_.isEmpty() || size() == designedSize_)
        return;  // not laid out yet, or as it should be
    if (size() == desktopSize_ && desktopInsisted_ >= kUndosRefused) return;
    resize(designedSize_);
}

void frmMaze::NoteDesktopSize(QSize size) {
    // The window takes its designed size at once when it asks for it; the
    // desktop's answer comes later. A desktop that lays its windows out
    // itself (a tiling one) answers with the size it had given, never with
    // the designed one: after some such answers in a row, fighting on would
    // only go on for ever. Any other size, or the same one after the
    // desktop has once agreed to the designed size, starts afresh.
    if (!NormalState(windowState()) || size == designedSize_) {
        desktopSize_ = QSize();
        desktopInsisted_ = 0;
    } else if (size == desktopSize_) {
        ++desktopInsisted_;
    } else {
        desktopSize_ = size;
        desktopInsisted_ = 0;
    }
}

// ---- Closing ------------------------------------------------------------------

bool frmMaze::Form_QueryUnload() {
    return dialogs_.AskYesNo(tr("Are you sure you want to exit Pathwick!?"), tr("Exit Pathwick!?"));
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

bool frmMaze::EndOfSession(bool mayInteract, const std::function<void()>& releaseInteraction) {
    // Without leave to interact nothing happens here: that is a checkpoint,
    // or a session that ends the program itself.
    if (!mayInteract) return true;
    if (!Form_QueryUnload()) return false;
    // The interaction ends before the window goes: closing it ends the
    // program, and the session's later quit request finds nothing to ask.
    releaseInteraction();
    exitConfirmed_ = true;
    if (!close()) exitConfirmed_ = false;
    return true;
}

void frmMaze::ConnectSessionEnd() {
    // A No cancels the logout: the cancel is reported when the interaction
    // ends, so the interaction is not released first.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!EndOfSession(manager.allowsInteraction(), [&manager] { manager.release(); }))
            manager.cancel();
    });
}

}  // namespace pathwick
