// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace pathwick {

// The program's title, as it appears in captions and the about box.
inline constexpr const char* kProgramTitle = "Pathwick!";

// The program's one-line legal notice.
inline constexpr const char* kLegalNotice = QT_TRANSLATE_NOOP(
    "pathwick::ProgramInfo",
    "Copyright \u00a9 2026 The Pathwick! developers. Free software; you may share and change it.");

// The name of the rules document beside the program.
inline constexpr const char* kRulesFileName = "Rules.rtf";

// "Version major.minor.patch" from the build's version numbers, in the player's language.
QString VersionText();

// The program's one-line description (the build's) and its legal notice, in the player's
// language.
QString DescriptionText();
QString LegalNoticeText();

// The rules document in dir: dir, a "/" unless dir already ends in one, then "Rules.rtf".
QString RulesPathIn(const QString& dir);

// Where the rules document is looked for, in order: the program's directory, the installed
// data folder share/pathwick next to the program's bin directory, then the "pathwick" folder of
// each shared data directory.
QStringList RulesDirectories();

// The names of the rules document to look for, in order: the one in the player's language
// ("Rules.de.rtf"), then the English "Rules.rtf".
QStringList RulesFileNames();

// The rules document in the player's language in the first of dirs that holds one, else the
// English one in the first that holds it; when none does, the English one's path in the first
// directory (so that a message can name where it was expected), or an empty string when dirs is
// empty.
QString FindRulesFile(const QStringList& dirs);

}  // namespace pathwick
