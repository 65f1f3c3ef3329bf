// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace pathwick {

// Setup of an open or save file dialog. Filters are "description|pattern"
// pairs as the player sees them, e.g. {"Text (*.txt) ", "*.txt"}.
struct FileDialogSetup {
    QString fileName;                            // proposed name, may be empty
    QList<std::pair<QString, QString>> filters;  // (description, pattern)
    int filterIndex = 1;                         // 1-based: the filter selected at first
};

// Every modal question, message and common dialog of the game goes through
// this interface, so that tests can answer them.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with an OK button and no icon.
    virtual void Message(const QString& text, const QString& title) = 0;

    // A message box with the buttons Yes and No and no icon; true for Yes.
    virtual bool AskYesNo(const QString& text, const QString& title) = 0;

    // An open dialog that accepts only existing files; empty on Cancel.
    virtual QString OpenFileName(const FileDialogSetup& setup) = 0;

    // A save dialog that accepts new names, asks nothing before replacing a
    // file and adds no extension; empty on Cancel.
    virtual QString SaveFileName(const FileDialogSetup& setup) = 0;
};

}  // namespace pathwick
