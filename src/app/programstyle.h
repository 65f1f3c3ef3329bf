// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace pathwick {

// The program's application style: the desktop's own style, except that the icon of a menu
// bar's or tool bar's overflow button is made only when the button is first drawn. Qt makes
// that icon with every menu bar, and making it loads all image format plugins, which costs a
// noticeable part of the game's start-up; the button itself shows only in a window too
// narrow for its menus.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Puts ProgramStyle in front of the application's style: the one the desktop, the command
// line (-style) or QT_STYLE_OVERRIDE chose.
void InstallProgramStyle();

}  // namespace pathwick
