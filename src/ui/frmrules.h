// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "program/programinfo.h"

class QLabel;
class QListWidget;
class QTextEdit;

namespace pathwick {

class Dialogs;

// The rules window: the rules document with a table of contents that jumps to its sections.
// It loads the document when it is created; a document that cannot be loaded is reported
// through dialogs and leaves the text box empty.
class frmRules : public QWidget {
    Q_OBJECT
public:
    // The document is looked for in directories, in order (see FindRulesFile).
    explicit frmRules(Dialogs& dialogs, const QStringList& directories = RulesDirectories(),
                      QWidget* parent = nullptr);

    // The path the document was loaded from, or was expected at.
    const QString& RulesPath() const { return rulesPath_; }

signals:
    // The window has accepted a close request and is about to go away.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load(Dialogs& dialogs, const QStringList& directories);
    void lstContents_Click();

    QTextEdit* rtbRules;
    QLabel* lblContents;
    QListWidget* lstContents;
    QString rulesPath_;
};

// Keeps the one rules window of the game: created on first request, brought forward by the
// next ones while it is open, and created afresh once it has been closed. The window has no
// owner, so it stays beside the game; dialogs must outlive this object.
class RulesWindow {
public:
    explicit RulesWindow(Dialogs& dialogs, QStringList directories = RulesDirectories());
    ~RulesWindow();
    RulesWindow(const RulesWindow&) = delete;
    RulesWindow& operator=(const RulesWindow&) = delete;

    // Shows the rules window, creating it if none is open, and brings it to the front.
    frmRules* Show();

    // Closes the rules window if it is open.
    void Close();

    // The open rules window, or null.
    frmRules* Window() const { return window_.data(); }

private:
    Dialogs& dialogs_;
    QStringList directories_;
    QPointer<frmRules> window_;
};

}  // namespace pathwick
