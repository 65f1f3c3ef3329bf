// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

#include "ui/frmmaze.h"

namespace pathwick {

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // One dash or two, as Qt's own options take one.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("file"), QString());
    // An unknown option is no reason to refuse to play: parse() reports it and goes on.
    parser.parse(arguments);

    CommandLine line;
    for (const QString& name : parser.optionNames()) {
        if (help.names().contains(name)) {
            line.answer = CommandLine::Answer::kHelp;
            break;
        }
        if (version.names().contains(name)) {
            line.answer = CommandLine::Answer::kVersion;
            break;
        }
    }
    for (const QString& name : parser.unknownOptionNames())
        line.ignored.append(
            QCoreApplication::translate("CommandLine", "unknown option '%1' ignored").arg(name));
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) line.file = files.first();
    for (qsizetype i = 1; i < files.size(); ++i)
        line.ignored.append(
            QCoreApplication::translate("CommandLine", "one file is opened; '%1' ignored")
                .arg(files[i]));
    return line;
}

void StartGame(frmMaze& window, const QString& file) {
    window.show();
    if (file.isEmpty()) return;
    // The game's file path is what File > Open would give: the whole path.
    const QString path = QFileInfo(file).absoluteFilePath();
    // Queued, so that the window is up before the file is read or its failure told.
    QTimer::singleShot(0, &window, [&window, path] { window.game().OpenMazeFile(path); });
}

}  // namespace pathwick
