// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "app/commandline.h"
#include "app/firstframe.h"
#include "app/programstyle.h"
#include "core/dialogs.h"
#include "core/random.h"
#include "files/pendingsave.h"
#include "program/programicon.h"
#include "program/translations.h"
#include "ui/frmmaze.h"
#include "ui/frmrules.h"
#include "ui/qtdialogs.h"
#include "version.h"

namespace {

// The dialogs of the rules check: a message is kept, not shown, so nothing waits for a click.
class CheckDialogs final : public pathwick::Dialogs {
public:
    QString message;

    void Message(const QString& text, const QString&) override { message = text; }
    bool AskYesNo(const QString&, const QString&) override { return false; }
    QString OpenFileName(const pathwick::FileDialogSetup&) override { return {}; }
    QString SaveFileName(const pathwick::FileDialogSetup&) override { return {}; }
};

// PATHWICK_CHECK_RULES=1: creates the rules window as "Rules..." does, says whether it loaded its
// document and where from, and ends the program: 0 when loaded, 1 when not.
int CheckRules() {
    CheckDialogs dialogs;
    const pathwick::frmRules rules(dialogs);
    if (!dialogs.message.isEmpty()) {
        std::fprintf(stderr, "rules not loaded: %s: %s\n", qPrintable(rules.RulesPath()),
                     qPrintable(dialogs.message));
        return 1;
    }
    std::printf("rules loaded: %s\n", qPrintable(rules.RulesPath()));
    return 0;
}

// Prints the answer to --help or --version.
void Answer(pathwick::CommandLine::Answer answer) {
    if (answer == pathwick::CommandLine::Answer::kHelp) {
        std::printf("%s", qPrintable(pathwick::HelpText()));
    } else {
        std::printf("Pathwick! %s\n", pathwick::kVersion);
    }
}

QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    // --help and --version need no display, so they are answered by a core application, in the
    // player's language.
    const pathwick::CommandLine early = pathwick::ParseCommandLine(Arguments(argc, argv));
    if (early.answer != pathwick::CommandLine::Answer::kNone) {
        const QCoreApplication core(argc, argv);
        const pathwick::Translations translations(pathwick::PlayerLanguages());
        Answer(early.answer);
        return 0;
    }
    QApplication app(argc, argv);
    const pathwick::Translations translations(pathwick::PlayerLanguages());
    // Qt has now taken its own options out of the arguments.
    const pathwick::CommandLine line = pathwick::ParseCommandLine(QApplication::arguments());
    for (const QString& ignored : line.ignored)
        std::fprintf(stderr, "pathwick: %s\n", qPrintable(ignored));
    QApplication::setApplicationName(QStringLiteral("Pathwick!"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pathwick.Pathwick"));
    QApplication::setWindowIcon(pathwick::ProgramIcon());
    pathwick::InstallProgramStyle();
    if (qEnvironmentVariable("PATHWICK_CHECK_RULES") == QLatin1String("1")) return CheckRules();

    pathwick::SeededRandom random;
    pathwick::QtDialogs dialogs;
    pathwick::frmMaze window(random, dialogs);
    dialogs.SetParent(&window);
    startup::QuitAfterFirstFrameIfAsked(window);
    pathwick::StartGame(window, line.file);
    // Saves that an earlier run could not finish, before anything else is read or written.
    pathwick::FinishInterruptedSaves(dialogs);
    return app.exec();
}
