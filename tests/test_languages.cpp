// SPDX-License-Identifier: GPL-3.0-or-later
// Every window and dialog of the game in English, German, French and Spanish, and the language
// chosen from the environment.

#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTranslator>
#include <functional>

#include "program/translations.h"
#include "support/testmain.h"
#include "support/testwindow.h"
#include "ui/fitcaption.h"
#include "ui/frmabout.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

// A text a window shows; for a control's caption, the room the control gives it and where it is
// drawn, measured from the control's font and rectangle as the style lays them out.
struct ShownText {
    QString name;  // "frmMaze/cmdViewMap", "frmMaze/cmdViewMap tooltip", "frmMaze/mnuFile"
    QString text;
    QWidget* control = nullptr;    // null for texts without fixed room (titles, tooltips, menus)
    QRect room = {}, extent = {};  // in the control's coordinates
    double contrast = 21;          // the least of its ink on its background
    QRect ink = {};                // the extent down to its lowest descender
};

int Pixels(const QWidget& control) {
    return QFontInfo(control.font()).pixelSize();
}

// The least contrast of box's text, each run's colour on its page.
double LeastContrast(const QTextEdit& box) {
    double least = 21;
    const QPalette page = box.viewport()->palette();
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next())
        for (auto run = block.begin(); !run.atEnd(); ++run) {
            const QTextCharFormat format = run.fragment().charFormat();
            const QBrush ink = format.foreground(), paper = format.background();
            least = std::min(least,
                             Contrast(ink.style() ? ink.color() : page.color(QPalette::Text),
                                      paper.style() ? paper.color() : page.color(QPalette::Base)));
        }
    return least;
}

// Every text of window, named after prefix and its control: the title, the captions of its
// visible controls with their room and extent, the tooltips, the entries of its lists and its
// menus with their commands.
QList<ShownText> ShownTexts(QWidget& window, const QString& prefix) {
    QList<ShownText> texts{{prefix + "title", window.windowTitle()}};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->objectName().isEmpty()) continue;
        const QString name = prefix + w->objectName();
        if (!w->toolTip().isEmpty()) texts.append({name + " tooltip", w->toolTip()});
        if (auto* box = qobject_cast<QTextEdit*>(w))
            texts.append({name, {}, w, {}, {}, LeastContrast(*box)});
        auto* label = qobject_cast<QLabel*>(w);
        auto* list = qobject_cast<QListWidget*>(w);
        // A caption laid out in room with flags as its control draws it.
        const auto caption = [&](const QString& text, const QRect& room, int flags) {
            const QString drawn = label ? text : DrawnCaption(text);
            const QRect extent = w->fontMetrics().boundingRect(room, flags, drawn);
            const int descent = w->fontMetrics().tightBoundingRect(drawn).bottom();
            texts.append({name, text, w, room, extent,
                          Contrast(w->palette().color(w->foregroundRole()),
                                   w->palette().color(w->backgroundRole())),
                          extent.adjusted(0, 0, 0, descent - w->fontMetrics().descent())});
        };
        const auto contents = [w](QStyle::SubElement element) {
            QStyleOptionButton option;
            option.initFrom(w);
            return w->style()->subElementRect(element, &option, w);
        };
        if (label && label->pixmap().isNull() && label->textFormat() != Qt::RichText)
            caption(label->text(), label->contentsRect(),
                    int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0));
        else if (auto* command = qobject_cast<QPushButton*>(w))
            caption(command->text(), contents(QStyle::SE_PushButtonContents),
                    Qt::AlignCenter | Qt::TextWordWrap);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            caption(button->text(),
                    contents(qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                            : QStyle::SE_CheckBoxContents),
                    Qt::AlignLeft | Qt::AlignVCenter);
        else if (auto* frame = qobject_cast<Frame*>(w)) {  // the title as Frame draws it
            const QFontMetrics title(frame->TitleFont());
            const int width = title.horizontalAdvance(DrawnCaption(frame->title())) + 4;
            texts.append({name,
                          frame->title(),
                          w,
                          {4, 0, w->width() - 6, w->fontMetrics().height()},
                          {6, 0, width, title.height()}});
        }
        for (int row = 0; list && row < list->count(); ++row) {
            QRect item = list->visualItemRect(list->item(row));
            item.setWidth(list->fontMetrics().horizontalAdvance(list->item(row)->text()));
            texts.append({name + QString(" %1").arg(row), list->item(row)->text(), list->viewport(),
                          list->viewport()->rect(), item});
        }
    }
    auto* bar = window.findChild<QMenuBar*>();
    for (QAction* menu : bar ? bar->actions() : QList<QAction*>{}) {
        texts.append({prefix + menu->menu()->objectName(), menu->text(), bar, bar->rect(),
                      bar->actionGeometry(menu)});
        for (QAction* command : menu->menu()->actions())
            if (!command->isSeparator())
                texts.append({prefix + command->objectName(), command->text()});
    }
    return texts;
}

// The windows and dialogs of the game, the main window in both views and back: look is handed each
// window's texts while it is still open.
void GameTexts(const std::function<void(const QList<ShownText>&)>& look) {
    TestWindow game;
    look(ShownTexts(*game, "frmMaze/"));
    game.ui.cmdViewMap->click();
    look(ShownTexts(*game, "frmMaze map/"));
    game.ui.cmdViewMap->click();
    look(ShownTexts(*game, "frmMaze again/"));
    game.dialogs.answers = {false, false};  // the window's questions, answered No
    game.ui.mnuFileNew->trigger();
    game->close();
    // The questions' texts, and Qt's own Yes button
    QList<ShownText> questions{
        {"question Yes", QCoreApplication::translate("QPlatformTheme", "&Yes")}};
    for (qsizetype i = 0; i < game.dialogs.shown.size(); ++i)
        questions << ShownText{QString("question %1").arg(i), game.dialogs.shown[i].text}
                  << ShownText{QString("question %1 title").arg(i), game.dialogs.shown[i].title};
    look(questions);
    frmAbout about;
    look(ShownTexts(about, "frmAbout/"));
    frmRules rules(game.dialogs, {PATHWICK_SOURCE_DIR "/resources"});
    look(ShownTexts(rules, "frmRules/"));
}

// Marks every text that goes through the translations: a text shown without the marks did not.
class MarkingTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return u'[' + QString::fromUtf8(source) + u']';
    }
};

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void languagesComeFromTheEnvironmentAsGettextReadsIt_data() {
        QTest::addColumn<QString>("variables");  // LANGUAGE|LC_ALL|LC_MESSAGES|LANG
        QTest::addColumn<QStringList>("languages");
        QTest::newRow("LANG") << "|||de_DE.UTF-8" << QStringList{"de_DE"};
        QTest::newRow("nothing set") << "|||" << QStringList{};
        QTest::newRow("C ignores LANGUAGE") << "de|||C" << QStringList{};
        QTest::newRow("C.UTF-8") << "de|||C.UTF-8" << QStringList{};
        QTest::newRow("POSIX in LC_ALL") << "|POSIX||de_DE" << QStringList{};
        QTest::newRow("LC_ALL first") << "|fr_FR|es_ES|de_DE" << QStringList{"fr_FR"};
        QTest::newRow("LC_MESSAGES before LANG") << "||es_ES|de_DE" << QStringList{"es_ES"};
        QTest::newRow("LANGUAGE in order, then the locale")
            << "es:fr_CA|||de_DE.UTF-8@euro" << QStringList{"es", "fr_CA", "de_DE"};
    }
    void languagesComeFromTheEnvironmentAsGettextReadsIt() {
        QFETCH(QString, variables);
        QFETCH(QStringList, languages);
        const QList<QByteArray> names{"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
        QCOMPARE(PlayerLanguages([&](const char* name) {
                     return variables.split(u'|').value(names.indexOf(name)).toUtf8();
                 }),
                 languages);
    }

    // Every window in the first translated language of those asked for: each caption inside its
    // control's room, covering no other control; translated, no text is the English one unless
    // the language writes it so. With every translatable text marked, an English text was shown
    // without translation.
    void everyTextFitsAndIsTranslated_data() {
        QTest::addColumn<QString>("chosen");  // "[]": no language, every text marked
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("alike");  // texts the language writes as English does
        QTest::newRow("English before German") << "" << QStringList{"en_GB", "de"} << "";
        QTest::newRow("none translated") << "" << QStringList{"pt"} << "";
        QTest::newRow("German of Austria")
            << "de" << QStringList{"de_AT"} << "Pathwick!|OK|N|Magenta|Cyan|Start|Version 1.0.0";
        QTest::newRow("unknown, then French")
            << "fr" << QStringList{"pt_BR", "fr"}
            << "Pathwick!|OK|N|Magenta|Cyan|Version 1.0.0|INTRODUCTION";
        // German on desktops of a dark palette, and of a large font; French in a wide one.
        for (const char* desktop : {"German, dark palette", "German, 14 pt font"})
            QTest::newRow(desktop)
                << "de" << QStringList{"de"} << "Pathwick!|OK|N|Magenta|Cyan|Start|Version 1.0.0";
        QTest::newRow("French, monospaced font")
            << "fr" << QStringList{"fr"}
            << "Pathwick!|OK|N|Magenta|Cyan|Version 1.0.0|INTRODUCTION";
        QTest::newRow("Spanish") << "es" << QStringList{"es_ES"} << "Pathwick!|N|Magenta";
        QTest::newRow("marked") << "[]" << QStringList{} << "Pathwick!";
    }
    void everyTextFitsAndIsTranslated() {
        QFETCH(QString, chosen);
        QFETCH(QStringList, languages);
        QFETCH(QString, alike);
        const QPalette palette = QApplication::palette();
        const QFont font = QApplication::font();
        const auto restore =
            qScopeGuard([&] { QApplication::setPalette(palette), QApplication::setFont(font); });
        const QString desktop = QTest::currentDataTag();
        if (desktop.endsWith("14 pt font")) QApplication::setFont(QFont(font.family(), 14));
        if (desktop.endsWith("monospaced font"))
            QApplication::setFont(QFont("DejaVu Sans Mono", 9));
        if (desktop.endsWith("dark palette"))
            QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x24, 0x24, 0x24)));
        QHash<QString, QString> english;
        GameTexts([&](const QList<ShownText>& window) {
            for (const ShownText& shown : window) english.insert(shown.name, shown.text);
        });
        const bool marked = chosen == "[]";
        MarkingTranslator marking;
        if (marked) QCoreApplication::installTranslator(&marking);
        const Translations translations(languages);
        QCOMPARE(translations.Language(), marked ? "" : chosen);
        QStringList faults;
        QHash<QString, int> pixels;  // each caption's font size, by name
        GameTexts([&](const QList<ShownText>& window) {
            QHash<const QWidget*, QRect> drawn;  // each caption, in its parent's coordinates
            for (const ShownText& shown : window)
                if (shown.room.isValid())
                    drawn.insert(shown.control, shown.extent.translated(shown.control->pos()));
            for (const ShownText& shown : window) {
                const QString where = shown.name + ": " + shown.text;
                const bool same = shown.text == english.value(shown.name);
                if (!english.contains(shown.name))
                    faults << where + " is not shown in English";
                else if (!shown.text.isEmpty() && chosen.isEmpty() != same &&
                         !alike.split(u'|').contains(shown.text))
                    faults << where + (same ? " is the English text" : " is not the English text");
                if (shown.contrast < kReadableContrast)
                    faults << where + QString(" is at a contrast of %1").arg(shown.contrast);
                // The marks take room that no language does.
                if (!shown.control || shown.text.isEmpty() || marked) continue;
                if (!shown.room.contains(shown.extent)) faults << where + " is cut off";
                const auto* label = qobject_cast<const QLabel*>(shown.control);
                if (label && label->wordWrap() &&
                    shown.room.height() < 2 * label->fontMetrics().lineSpacing())
                    faults << where + " wraps in room for one line";
                const QString first = QString(shown.name).replace(" again/", "/");
                if (first == shown.name)
                    pixels.insert(first, Pixels(*shown.control));
                else if (pixels.value(first) != Pixels(*shown.control))
                    faults << where + " has another size after the map";
                const QRect text = shown.extent.translated(shown.control->pos());
                if (!shown.control->parentWidget()->rect().contains(
                        shown.ink.isValid() ? shown.ink.translated(shown.control->pos()) : text))
                    faults << where + " is cut by the edge";
                if (shown.name.endsWith("lblTitle") &&
                    Pixels(*shown.control) <=
                        Pixels(
                            *shown.control->parentWidget()->findChild<QLabel*>("lblDescription")))
                    faults << where + " is no larger than the description";
                for (auto* other : shown.control->parentWidget()->findChildren<QWidget*>(
                         Qt::FindDirectChildrenOnly))
                    if (other != shown.control && other->isVisible() && !other->isWindow() &&
                        drawn.value(other, other->geometry()).intersects(text))
                        faults << where + " covers " + other->objectName();
            }
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

PATHWICK_TEST_CLASS(LanguagesTest)
#include "test_languages.moc"
