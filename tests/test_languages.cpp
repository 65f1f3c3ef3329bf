// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTranslator>
#include <functional>

#include "program/translations.h"
#include "support/showntexts.h"
#include "support/testmain.h"
#include "support/testwindow.h"
#include "ui/frmabout.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

// Marks every text that goes through the translations: a text shown without the marks did not.
class MarkingTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return source && *source ? QStringLiteral("[%1]").arg(QString::fromUtf8(source))
                                 : QString();
    }
};

// The windows and dialogs of the game with every text they show, the main window in both views:
// "window/name" to the text. Each text is handed to look while its window is still open.
QHash<QString, QString> GameTexts(
    FakeDialogs& dialogs,
    const std::function<void(const ShownText&, const QList<ShownText>&)>& look) {
    QHash<QString, QString> all;
    const auto add = [&](QWidget& window, const QString& prefix) {
        const QList<ShownText> texts = ShownTexts(window);
        for (ShownText shown : texts) {
            shown.name.prepend(prefix);
            all.insert(shown.name, shown.text);
            look(shown, texts);
        }
    };
    TestWindow game;
    add(*game, QStringLiteral("frmMaze/"));
    game.ui.cmdViewMap->click();
    add(*game, QStringLiteral("frmMaze map/"));
    // The questions of the window, answered No.
    game.dialogs.answers = {false, false};
    game.ui.mnuFileNew->trigger();
    game->close();
    for (qsizetype i = 0; i < game.dialogs.shown.size(); ++i) {
        for (const ShownText& shown :
             {ShownText{QStringLiteral("question %1").arg(i), game.dialogs.shown[i].text},
              ShownText{QStringLiteral("question %1 title").arg(i), game.dialogs.shown[i].title}}) {
            all.insert(shown.name, shown.text);
            look(shown, {});
        }
    }
    frmAbout about;
    add(about, QStringLiteral("frmAbout/"));
    frmRules rules(dialogs, {QStringLiteral(PATHWICK_SOURCE_DIR "/resources")});
    add(rules, QStringLiteral("frmRules/"));
    return all;
}

// The control beside shown's whose text, or whole rectangle when it shows no text, the text of
// shown covers, or null.
const QWidget* Covered(const ShownText& shown, const QList<ShownText>& window) {
    const QRect drawn = shown.extent.translated(shown.control->pos());
    for (QObject* sibling : shown.control->parentWidget()->children()) {
        auto* other = qobject_cast<QWidget*>(sibling);
        if (!other || other == shown.control || !other->isVisible() || other->isWindow()) continue;
        QRect covers = other->geometry();
        for (const ShownText& text : window)
            if (text.control == other && text.room.isValid())
                covers = text.extent.translated(other->pos());
        if (covers.intersects(drawn)) return other;
    }
    return nullptr;
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void languagesComeFromTheEnvironmentAsGettextReadsIt_data() {
        QTest::addColumn<QStringList>("variables");  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QTest::addColumn<QStringList>("languages");
        QTest::newRow("LANG") << QStringList{"", "", "", "de_DE.UTF-8"} << QStringList{"de_DE"};
        QTest::newRow("nothing set") << QStringList{"", "", "", ""} << QStringList{};
        QTest::newRow("C ignores LANGUAGE") << QStringList{"de", "", "", "C"} << QStringList{};
        QTest::newRow("C.UTF-8") << QStringList{"de", "", "", "C.UTF-8"} << QStringList{};
        QTest::newRow("POSIX in LC_ALL") << QStringList{"", "POSIX", "", "de_DE"} << QStringList{};
        QTest::newRow("LC_ALL first")
            << QStringList{"", "fr_FR", "es_ES", "de_DE"} << QStringList{"fr_FR"};
        QTest::newRow("LC_MESSAGES before LANG")
            << QStringList{"", "", "es_ES", "de_DE"} << QStringList{"es_ES"};
        QTest::newRow("LANGUAGE in order, then the locale")
            << QStringList{"es:fr_CA", "", "", "de_DE.UTF-8@euro"}
            << QStringList{"es", "fr_CA", "de_DE"};
    }
    void languagesComeFromTheEnvironmentAsGettextReadsIt() {
        QFETCH(QStringList, variables);
        QFETCH(QStringList, languages);
        const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
        QCOMPARE(PlayerLanguages([&](const char* name) {
                     for (int i = 0; i < 4; ++i)
                         if (qstrcmp(name, names[i]) == 0) return variables[i].toUtf8();
                     return QByteArray();
                 }),
                 languages);
    }

    void firstTranslatedLanguageIsChosen_data() {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("file");   // the File menu's caption
        QTest::addColumn<QString>("qtYes");  // Qt's own Yes button
        QTest::newRow("German of Austria") << QStringList{"de_AT"} << "de"
                                           << "&Datei"
                                           << "&Ja";
        QTest::newRow("unknown, then French") << QStringList{"pt_BR", "fr"} << "fr"
                                              << "&Fichier"
                                              << "&Oui";
        QTest::newRow("Spanish") << QStringList{"es_ES"} << "es"
                                 << "&Archivo"
                                 << "&Sí";
        QTest::newRow("English before German") << QStringList{"en_GB", "de"} << ""
                                               << "&File"
                                               << "&Yes";
        QTest::newRow("none translated") << QStringList{"pt"} << ""
                                         << "&File"
                                         << "&Yes";
    }
    void firstTranslatedLanguageIsChosen() {
        QFETCH(QStringList, languages);
        QFETCH(QString, chosen);
        QFETCH(QString, file);
        QFETCH(QString, qtYes);
        const Translations translations(languages);
        QCOMPARE(translations.Language(), chosen);
        QCOMPARE(QCoreApplication::translate("pathwick::frmMaze", "&File"), file);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), qtYes);
    }

    // Every window in every language: each caption inside its control's room, covering no
    // other control; translated, no text is the English one unless the language says it so.
    void everyTextFitsAndIsTranslated_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("alike");  // texts the language writes as English does
        QTest::newRow("en") << "" << QStringList{};
        QTest::newRow("de") << "de"
                            << QStringList{"Pathwick!", "OK",           "N", "Magenta", "Cyan",
                                           "Start",     "Version 1.0.0"};
        QTest::newRow("fr") << "fr"
                            << QStringList{"Pathwick!",     "OK",          "N", "Magenta", "Cyan",
                                           "Version 1.0.0", "INTRODUCTION"};
        QTest::newRow("es") << "es" << QStringList{"Pathwick!", "N", "Magenta"};
    }
    void everyTextFitsAndIsTranslated() {
        QFETCH(QString, language);
        QFETCH(QStringList, alike);
        FakeDialogs dialogs;
        const QHash<QString, QString> english =
            GameTexts(dialogs, [](const ShownText&, const QList<ShownText>&) {});
        const Translations translations(QStringList{language});
        QCOMPARE(translations.Language(), language);
        QStringList faults;
        const QHash<QString, QString> translated =
            GameTexts(dialogs, [&](const ShownText& shown, const QList<ShownText>& window) {
                const QString where = shown.name + QStringLiteral(": ") + shown.text;
                if (!language.isEmpty() && !shown.text.isEmpty() &&
                    shown.text == english.value(shown.name) && !alike.contains(shown.text))
                    faults << where + QStringLiteral(" is the English text");
                if (!shown.control || shown.text.isEmpty()) return;
                if (!shown.room.contains(shown.extent))
                    faults << where + QStringLiteral(" is cut off");
                if (const QWidget* other = Covered(shown, window))
                    faults << where + QStringLiteral(" covers ") + other->objectName();
            });
        QCOMPARE(QStringList(translated.keys()).size(), english.size());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void textsShownWithoutTranslationAreFound() {
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        FakeDialogs dialogs;
        const QStringList names{"Pathwick!"};  // the program's name stays as it is
        const QHash<QString, QString> texts =
            GameTexts(dialogs, [](const ShownText&, const QList<ShownText>&) {});
        for (auto text = texts.begin(); text != texts.end(); ++text) {
            if (text->isEmpty() || names.contains(*text)) continue;
            QVERIFY2(text->contains(u'[') && text->contains(u']'),
                     qPrintable(text.key() + QStringLiteral(": ") + *text +
                                QStringLiteral(" is not translatable")));
        }
        QCoreApplication::removeTranslator(&marking);
    }
};

PATHWICK_TEST_CLASS(LanguagesTest)
#include "test_languages.moc"
