// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts a window shows, each with where it is drawn and the room its control gives it,
// measured from the control's font and rectangle as the style lays them out.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextEdit>

#include "ui/fitcaption.h"
#include "ui/frmmaze_controls.h"

namespace pathwick::testing {

struct ShownText {
    QString name;  // "cmdViewMap", "cmdViewMap tooltip", "mnuFile"
    QString text;
    QWidget* control = nullptr;  // null for texts without fixed room (titles, tooltips, menus)
    QRect room = {};             // in the control's coordinates
    QRect extent = {};           // likewise
};

inline QRect TextExtent(const QFont& font, const QRect& room, int flags, const QString& text) {
    return QFontMetrics(font).boundingRect(room, flags, text);
}

// The room and extent of a control's caption; false for a control without one.
inline bool Measure(QWidget* w, ShownText& shown) {
    const QFont font = w->font();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (!label->pixmap().isNull() || label->textFormat() == Qt::RichText) return false;
        shown.text = label->text();
        shown.room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        shown.extent = TextExtent(font, shown.room, flags, shown.text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        shown.text = button->text();
        const auto element = qobject_cast<QPushButton*>(w)    ? QStyle::SE_PushButtonContents
                             : qobject_cast<QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                              : QStyle::SE_CheckBoxContents;
        shown.room = w->style()->subElementRect(element, &option, w);
        const int flags = qobject_cast<QPushButton*>(w) ? Qt::AlignCenter | Qt::TextWordWrap
                                                        : Qt::AlignLeft | Qt::AlignVCenter;
        shown.extent = TextExtent(font, shown.room, flags, DrawnCaption(shown.text));
    } else if (auto* frame = qobject_cast<Frame*>(w)) {
        shown.text = frame->title();
        const QFontMetrics title(frame->TitleFont());
        shown.room = QRect(4, 0, w->width() - 6, QFontMetrics(font).height());
        shown.extent =
            QRect(6, 0, title.horizontalAdvance(DrawnCaption(shown.text)) + 4, title.height());
    } else {
        return false;
    }
    return true;
}

// Every text of window: the captions of its visible controls, its title, the tooltips, the
// entries of its lists and its menus with their commands.
inline QList<ShownText> ShownTexts(QWidget& window) {
    QList<ShownText> texts{{QStringLiteral("title"), window.windowTitle()}};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->objectName().isEmpty()) continue;
        ShownText shown{w->objectName(), {}, w};
        if (Measure(w, shown)) texts.append(shown);
        if (!w->toolTip().isEmpty())
            texts.append({w->objectName() + QStringLiteral(" tooltip"), w->toolTip()});
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int row = 0; row < list->count(); ++row) {
                const QRect item = list->visualItemRect(list->item(row));
                const int width = list->fontMetrics().horizontalAdvance(list->item(row)->text());
                texts.append({w->objectName() + QStringLiteral(" %1").arg(row),
                              list->item(row)->text(), list->viewport(), list->viewport()->rect(),
                              QRect(item.left(), item.top(), width, item.height())});
            }
        }
    }
    if (auto* bar = window.findChild<QMenuBar*>()) {
        for (QAction* menu : bar->actions()) {
            texts.append({menu->menu()->objectName(), menu->text(), bar, bar->rect(),
                          bar->actionGeometry(menu)});
            for (QAction* command : menu->menu()->actions())
                if (!command->isSeparator()) texts.append({command->objectName(), command->text()});
        }
    }
    return texts;
}

}  // namespace pathwick::testing
