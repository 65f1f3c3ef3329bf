// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/gamefiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "files/mazefile.h"

namespace pathwick {

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

}  // namespace pathwick
