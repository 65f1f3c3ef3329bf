// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/filecommands.h"

#include "files/mazeformat.h"
#include "files/pendingsave.h"
#include "files/savefile.h"
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
    return true;
}

bool Game::OpenMazeFile(const QString& path) {
    FinishInterruptedSaves(dialogs_, path);
    NewMaze();
    // The cell view can only show a cell of the grid.
    if (ReadGameFile(path, state_, keys_) && !IsOutside(state_.MouseX, state_.MouseY)) {
        DrawCell(picMaze_, state_, state_.MouseX, state_.MouseY);
        DrawMouse();
        if (state_.MapView) DrawMap();
        SetFilePath(path);
        SetSaved(QStringLiteral("Y"));
        return true;
    }
    dialogs_.Message(
        tr("There was an error opening the file.\r\nNew maze will be generated instead"),
        tr("File Open Error"));
    NewMaze();
    return false;
}

void SaveGame(Game& game) {
    const QString path = game.FilePath();
    if (path.isEmpty())
        SaveGameAs(game);
    else
        game.SaveMazeFile(path);
}

void SaveGameAs(Game& game) {
    const QString path = game.dialogs().SaveFileName(SaveAsDialogSetup(game.FilePath()));
    if (!path.isEmpty()) game.SaveMazeFile(path);
}

void OpenGame(Game& game) {
    const QString path = game.dialogs().OpenFileName(OpenDialogSetup());
    if (!path.isEmpty()) game.OpenMazeFile(path);
}

}  // namespace pathwick
