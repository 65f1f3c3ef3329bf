// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "ui/windowdialogs.h"

namespace pathwick {

// The game's dialogs as the player sees them: Qt message boxes, Qt's own
// (non-native) file dialogs and the print dialog, each modal over the active
// window, or over the fallback parent when no window of the program is active.
class QtDialogs final : public WindowDialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    void SetParent(QWidget* parent) { parent_ = parent; }

    void Message(const QString& text, const QString& title) override;
    bool AskYesNo(const QString& text, const QString& title) override;
    QString OpenFileName(const FileDialogSetup& setup) override;
    QString SaveFileName(const FileDialogSetup& setup) override;
    bool ChoosePrinter(QPrinter& printer) override;

    // The captions the file dialogs show for (description, pattern) pairs,
    // each naming its patterns once, separated by blanks: "Text (*.txt) " with
    // "*.txt" gives "Text (*.txt)", "Mazes" with "*.maz;*.txt" gives "Mazes
    // (*.maz *.txt)". A description that names other patterns than it matches
    // stays as written: "All files (*.*) " with "*" gives "All files (*.*)".
    static QStringList NameFilters(const QList<std::pair<QString, QString>>& filters);

private:
    QWidget* Parent() const;

    QPointer<QWidget> parent_;
};

}  // namespace pathwick
