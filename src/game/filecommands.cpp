// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's commands and the procedures that write and read maze files.

#include "files/mazeformat.h"
#include "files/pendingsave.h"
#include "files/savefile.h"
#include "game/game.h"
#include "views/cellview.h"

namespace pathwick {

bool Game::SaveMazeFile(const QString& path) {
    FinishInterruptedSaves(dialogs_, path);
    if (!WriteGameFile(state_, path)) {
        dialogs_.Message(tr("There was an error saving the file."), tr("File Save Error"));
        return false;
    }
    SetFilePath(path);
    SetSaved(QStringLiteral("Y"));
    emit fileSaved();
    return true;
}

bool Game::OpenMazeFile(const QString& path) {
    FinishInterruptedSaves(dialogs_, path);
    MakeNewMaze();
    // The cell view can only show a cell of the grid.
    if (ReadGameFile(path, state_, keys_) && !IsOutside(state_.MouseX, state_.MouseY)) {
        DrawCell(picMaze_, state_, state_.MouseX, state_.MouseY);
        DrawMouse();
        if (state_.MapView) DrawMap();
        SetFilePath(path);
        SetSaved(QStringLiteral("Y"));
        emit gameReplaced();
        return true;
    }
    dialogs_.Message(
        tr("There was an error opening the file.\r\nNew maze will be generated instead"),
        tr("File Open Error"));
    MakeNewMaze();
    emit gameReplaced();
    return false;
}

namespace {

FileOutcome Outcome(bool done) {
    return done ? FileOutcome::kDone : FileOutcome::kFailed;
}

}  // namespace

FileOutcome Game::Save() {
    if (filePath_.isEmpty()) return SaveAs();
    return Outcome(SaveMazeFile(filePath_));
}

FileOutcome Game::SaveAs() {
    const QString path = dialogs_.SaveFileName(SaveAsDialogSetup(filePath_));
    if (path.isEmpty()) return FileOutcome::kCancelled;
    return Outcome(SaveMazeFile(path));
}

FileOutcome Game::Open() {
    const QString path = dialogs_.OpenFileName(OpenDialogSetup());
    if (path.isEmpty()) return FileOutcome::kCancelled;
    return Outcome(OpenMazeFile(path));
}

}  // namespace pathwick
