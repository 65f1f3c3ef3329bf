// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace pathwick {

namespace {

// Where the build puts the game's compiled translations, pathwick_<language>.qm.
constexpr const char* kGameTranslations = ":/i18n";

// "de_DE.UTF-8@euro" without codeset and modifier: "de_DE".
QString WithoutCodeset(const QString& locale) {
    qsizetype end = 0;
    while (end < locale.size() && locale[end] != u'.' && locale[end] != u'@') ++end;
    return locale.left(end);
}

bool IsCLocale(const QString& locale) {
    const QString name = WithoutCodeset(locale);
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX");
}

}  // namespace

QStringList PlayerLanguages(const std::function<QByteArray(const char*)>& variable) {
    QString messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = QString::fromLocal8Bit(variable(name));
        if (!messages.isEmpty()) break;
    }
    if (IsCLocale(messages)) return {};
    QStringList languages;
    for (const QString& entry :
         QString::fromLocal8Bit(variable("LANGUAGE")).split(QLatin1Char(':')))
        if (!IsCLocale(entry)) languages.append(WithoutCodeset(entry));
    languages.append(WithoutCodeset(messages));
    languages.removeDuplicates();
    return languages;
}

Translations::Translations(const QStringList& languages) {
    for (const QString& language : languages) {
        // English is what the game is written in.
        if (language == QLatin1String("en") || language.startsWith(QLatin1String("en_"))) return;
        auto game = std::make_unique<QTranslator>();
        // pathwick_de_AT.qm, then pathwick_de.qm.
        if (!game->load(QStringLiteral("pathwick_") + language,
                        QString::fromLatin1(kGameTranslations)))
            continue;
        language_ = QFileInfo(game->filePath()).completeBaseName().section(QLatin1Char('_'), 1);
        QCoreApplication::installTranslator(game.get());
        game_ = std::move(game);
        // Qt's own texts come from Debian's qt6-translations-l10n; without it they stay English.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            qt_ = std::move(qt);
        }
        // Numbers and lists joined in the words follow the language of the words.
        QLocale::setDefault(QLocale(language));
        return;
    }
}

Translations::~Translations() {
    if (qt_) QCoreApplication::removeTranslator(qt_.get());
    if (game_) QCoreApplication::removeTranslator(game_.get());
    if (game_) QLocale::setDefault(QLocale::system());
}

}  // namespace pathwick
