// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QTranslator;

namespace pathwick {

// The languages the player asks for, most wanted first, read from the environment as gettext
// reads it: the locale of messages is the first set of LC_ALL, LC_MESSAGES and LANG; when it is
// the C or POSIX locale (or none), nothing is translated and the list is empty; otherwise the
// list is LANGUAGE's colon-separated entries followed by that locale. Each entry is given without
// its codeset and modifier: "de_DE.UTF-8@euro" becomes "de_DE".
QStringList PlayerLanguages(const std::function<QByteArray(const char*)>& variable =
                                [](const char* name) { return qgetenv(name); });

// The game's texts and Qt's own (its dialogs and buttons) in the first of the languages that the
// game is translated into; English, the language of the source, when an English entry comes
// first or none matches. The translations are installed into the application for the life of
// this object; a QCoreApplication must exist.
class Translations {
public:
    explicit Translations(const QStringList& languages);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language chosen, as the name of its translation ("de", "fr"), or empty for English.
    const QString& Language() const { return language_; }

private:
    std::unique_ptr<QTranslator> game_;
    std::unique_ptr<QTranslator> qt_;
    QString language_;
};

}  // namespace pathwick
