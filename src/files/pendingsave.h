// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <QByteArray>
#include <QList>
#include <QString>

#include "core/dialogs.h"
#include "files/posixfile.h"

namespace pathwick {

// A save that writes a file in place keeps the new contents, complete and on
// disk, in a pending save before it touches the file: beside the file when
// its folder takes new files, otherwise in the state folder. The pending save
// records which file it is for (its path, device, inode, size and time as it
// was). Once the file is written and synced the pending save goes; if the
// game dies before, the next start (or the next Open or Save of the file)
// finishes the write.

// Writes bytes into the existing regular file target itself, which keeps its
// identity (its other names, owner, group and permissions), through a pending
// save. False, with the file as it was, when the pending save cannot be kept
// or the write fails.
bool WriteInPlace(const QByteArray& bytes, const QString& target);

// What a pending save holds: bytes, which are to replace file (absolute, as
// info describes it), then the record of that file.
QByteArray PendingSaveContents(const QByteArray& bytes, const QString& file,
                               const struct stat& info);

// What became of a save that was interrupted.
struct InterruptedSave {
    enum class Outcome {
        kCompleted,  // the file now holds what was being saved
        kKeptAside,  // the file has changed since: what was being saved is in keptAs
    };
    Outcome outcome;
    QString file;
    QString keptAs;

    friend bool operator==(const InterruptedSave&, const InterruptedSave&) = default;
};

// Only the player's own pending saves are taken: a regular file of theirs with
// one name, found beside the file its record names, under the name made from
// that file's, or in the state folder (directly, or through a link of theirs
// to one beside its file) while the state folder is theirs and nobody else
// may write to it. Anything else is left as it is and not reported.
// Finishes the pending saves that no running game is writing, of every file
// or only of file (when given). A pending save whose file is still the one it
// was made for (or holds a part of the new contents that the interrupted write
// had reached) is written and removed; one whose file has gone, has been
// replaced or has changed since is kept aside under a new name and never
// applied. A pending save that cannot be finished now (the file cannot be
// written) stays for later. A save found complete goes without a word.
QList<InterruptedSave> RecoverInterruptedSaves(const QString& file = {});

// The same, telling the player of each in a message titled "File Save", and at
// start-up (no file) that the state folder is not used when others may change it.
void FinishInterruptedSaves(Dialogs& dialogs, const QString& file = {});

}  // namespace pathwick
