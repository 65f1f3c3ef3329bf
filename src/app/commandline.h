// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace pathwick {

class frmMaze;

// What the program's command line asks for.
struct CommandLine {
    // --help (-h) and --version are answered without starting the game; the first of them on
    // the command line wins.
    enum class Answer { kNone, kHelp, kVersion };
    Answer answer = Answer::kNone;
    // The maze file to open once the game has started, a local file: URI turned into its
    // file name; empty for none.
    QString file;
    // The arguments that are ignored, each said in a line of its own; the game starts anyway.
    QStringList ignored;
};

// Reads arguments (the program's name first). Give it QApplication::arguments(), from which Qt
// has taken its own options (-platform, -session and the like); before the application exists
// only the answer is certain, as those options are not known here.
CommandLine ParseCommandLine(const QStringList& arguments);

// The answer to --help: the usage, with the FILE argument, and what the game is.
QString HelpText();

// Shows the main window as the game starts; with a file, then opens it as File > Open does once
// the window is up, with the same message and a fresh maze when it cannot be read.
void StartGame(frmMaze& window, const QString& file);

}  // namespace pathwick
