// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/programinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <string_view>

#include "version.h"

namespace pathwick {

namespace {

// The build's description, written out here for the translators.
constexpr char kDescriptionSource[] = QT_TRANSLATE_NOOP(
    "pathwick::ProgramInfo", "Find your way through a randomly-generated two-dimensional maze.");
static_assert(std::string_view(kDescriptionSource) == std::string_view(kDescription),
              "the description to translate is the build's");

}  // namespace

QString VersionText() {
    return QCoreApplication::translate("pathwick::ProgramInfo", "Version %1.%2.%3")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionPatch);
}

QString DescriptionText() {
    return QCoreApplication::translate("pathwick::ProgramInfo", kDescriptionSource);
}

QString LegalNoticeText() {
    return QCoreApplication::translate("pathwick::ProgramInfo", kLegalNotice);
}

namespace {

// name in dir, with one separator between them.
QString InDirectory(const QString& dir, const QString& name) {
    if (dir.endsWith(QLatin1Char('/'))) return dir + name;
    return dir + QLatin1Char('/') + name;
}

}  // namespace

QString RulesPathIn(const QString& dir) {
    return InDirectory(dir, QString::fromLatin1(kRulesFileName));
}

QStringList RulesDirectories() {
    const QString programDir = QCoreApplication::applicationDirPath();
    // An installed program keeps its data in <prefix>/share/pathwick beside <prefix>/bin, also
    // when the prefix is not one of the shared data directories.
    QStringList dirs{programDir,
                     QDir::cleanPath(programDir + QStringLiteral("/../share/pathwick"))};
    const QStringList shared =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& dir : shared) dirs.append(InDirectory(dir, QStringLiteral("pathwick")));
    return dirs;
}

QStringList RulesFileNames() {
    QStringList names{QCoreApplication::translate(
                          "pathwick::ProgramInfo", "Rules.rtf",
                          "file name of the rules document in this language: Rules.<language>.rtf"),
                      QString::fromLatin1(kRulesFileName)};
    names.removeDuplicates();
    return names;
}

QString FindRulesFile(const QStringList& dirs) {
    for (const QString& name : RulesFileNames()) {
        for (const QString& dir : dirs) {
            const QString path = InDirectory(dir, name);
            if (QFileInfo(path).isFile()) return path;
        }
    }
    return dirs.isEmpty() ? QString() : RulesPathIn(dirs.first());
}

}  // namespace pathwick
