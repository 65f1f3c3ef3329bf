// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programstyle.h"

#include <QApplication>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include "program/deferredicon.h"

namespace pathwick {

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(which, option, widget);
    // The option and the widget may be gone when the icon is drawn. What the styles take from
    // them is the layout direction, which is the widget's direction when it is asked now.
    const Qt::LayoutDirection direction = option   ? option->direction
                                          : widget ? widget->layoutDirection()
                                                   : Qt::LayoutDirectionAuto;
    QPointer<QStyle> base = baseStyle();
    return DeferredIcon([base, which, direction] {
        if (base.isNull()) return QIcon();
        if (direction == Qt::LayoutDirectionAuto) return base->standardIcon(which);
        QStyleOption asked;
        asked.direction = direction;
        return base->standardIcon(which, &asked);
    });
}

void InstallProgramStyle() {
    if (qobject_cast<ProgramStyle*>(QApplication::style())) return;
    // The proxy takes the application's style as its own base, so the application keeps it.
    QApplication::setStyle(new ProgramStyle(QApplication::style()));
}

}  // namespace pathwick
