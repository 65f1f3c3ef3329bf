#include "files/gamefiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "files/mazefile.h"
#include "views/cellview.h"

namespace pathwick {

namespace {

// Writes state to path through a temporary file in the same folder that
// replaces the old file only once it is complete; on any failure the
// temporary is removed and the old file stays as it was.
bool WriteGameFile(const MazeState& state, const QString& path) {
    // The file is replaced by renaming, which would turn a device or a pipe
    // into a plain file: only plain files (or new names) are saved to.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile()) return false;

    QSaveFile file(path);
    // Unbuffered, so that every refused write shows at once.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (!WriteMazeFile(state, file) || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool ReadGameFile(const QString& path, MazeState& state, MarkerKeyCounter& keys) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
    return ReadMazeFile(file, state, keys) == MazeFileError::kNone;
}

}  // namespace

bool Game::SaveMazeFile(const QString& path) {
    if (!WriteGameFile(state, path)) {
        dialogs().Message(QStringLiteral("There was an error saving the file."),
                          QStringLiteral("File Save Error"));
        return false;
    }
    SetFilePath(path);
    SetSaved(QStringLiteral("Y"));
    return true;
}

bool Game::OpenMazeFile(const QString& path) {
    NewMaze();
    // The cell view can only show a cell of the grid.
    if (ReadGameFile(path, state, keys) && !IsOutside(state.MouseX, state.MouseY)) {
        DrawCell(picMaze, state, state.MouseX, state.MouseY);
        DrawMouse();
        if (state.MapView) DrawMap();
        SetFilePath(path);
        SetSaved(QStringLiteral("Y"));
        return true;
    }
    dialogs().Message(
        QStringLiteral(
            "There was an error opening the file.\r\nNew maze will be generated instead"),
        QStringLiteral("File Open Error"));
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
