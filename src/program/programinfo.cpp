// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/programinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "version.h"

namespace pathwick {

QString VersionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(kVersionMajor)
        .arg(kVersionMinor)
        .arg(kVersionPatch);
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

QString FindRulesFile(const QStringList& dirs) {
    for (const QString& dir : dirs) {
        const QString path = RulesPathIn(dir);
        if (QFileInfo(path).isFile()) return path;
    }
    return dirs.isEmpty() ? QString() : RulesPathIn(dirs.first());
}

}  // namespace pathwick
