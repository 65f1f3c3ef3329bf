// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include "program/programinfo.h"
#include "ui/frmmaze.h"
#include "version.h"

namespace pathwick {

namespace {

// A desktop may hand over a file as a local file: URI (percent-encoded, file://localhost/ or
// file:///); anything else is a file name as it stands.
QString LocalFileName(const QString& argument) {
    if (!argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) return argument;
    QUrl url(argument);
    if (!url.isValid() || !url.isLocalFile()) return argument;
    if (url.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        url.setHost(QString());
    return url.host().isEmpty() ? url.toLocalFile() : argument;
}

}  // namespace

QString HelpText() {
    return QCoreApplication::translate(
               "CommandLine",
               "Usage: pathwick [--help] [--version] [FILE]\n"
               "%1\n\n"
               "Walk the mouse with the arrow keys, drop markers with F1 to F4, and\n"
               "use the menus to save, open and print mazes. Help > Rules explains it all.\n\n"
               "  FILE           a maze file to open once the game has started: a file name\n"
               "                 or a file: URI\n"
               "  -h, --help     show this help and exit\n"
               "  --version      show the version and exit\n")
        .arg(DescriptionText());
}

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
    if (!files.isEmpty()) line.file = LocalFileName(files.first());
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
