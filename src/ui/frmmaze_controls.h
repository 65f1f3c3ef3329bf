// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QList>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "core/color.h"

namespace pathwick {

// A frame: an etched rectangle with the caption on its top line, so that the
// controls placed below the caption stay clear of the line.
//
// A frame that lies exactly over the frame it is placed in stands in for it
// while it shows: the other controls of that frame are hidden beneath it, so
// that neither Tab nor an arrow key reaches them, and the access key of
// either caption leads into the frame that shows.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame(const QString& caption, QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    // The font the caption is drawn in: the frame's own, or a smaller one when the caption
    // would not fit across the frame at that.
    QFont TitleFont() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The frame the player sees here: this one, or one that covers it.
    Frame* Showing();
    // The access key: the control of this frame that had the focus last,
    // else its chosen option, else its first control that takes the focus.
    void FocusItsControl();
    bool Covers(const QWidget* container) const;

    // The controls of the container hidden while this frame covers them.
    QList<QPointer<QWidget>> covered_;
};

// Option buttons that make one choice: an arrow key on the focused one moves
// the choice and the focus to the next (Down, Right) or previous (Up, Left)
// option in the group's order, wrapping round, whatever their places on the
// screen. Tab and Shift+Tab enter the group at the chosen option. The key
// still reaches every filter before the buttons.
class OptionGroup : public QObject {
    Q_OBJECT
public:
    OptionGroup(QList<QRadioButton*> options, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetTabStop();

    QList<QRadioButton*> options_;
};

// The style of check boxes and option buttons: the caption close to its box,
// so that "Magenta" fits into the width the layout gives it.
class CompactButtonStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

// The name of the style that `style` draws with: the style's own name, or for a proxy
// style, that of the style it stands in front of.
QString DrawingStyleName(const QStyle& style);

// A rectangle shape: a solid fill in FillColor inside a one-pixel black border.
class Shape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int FillColor READ FillColor WRITE SetFillColor)
public:
    explicit Shape(Color fillColor, QWidget* parent = nullptr);

    Color FillColor() const { return fillColor_; }
    void SetFillColor(Color colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Color fillColor_;
};

// A check box whose Value is 0 (unticked), 1 (ticked) or 2 (greyed). The
// player's clicks only tick and untick; the greyed state is set by code.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(const QString& text, QWidget* parent = nullptr);

    int Value() const;
    void SetValue(int value);

protected:
    void nextCheckState() override;
};

// A command button whose caption wraps onto a second line when it is wider
// than the button, as "&Display Markers" is, and which shows a dotted frame
// while it has the focus from the keyboard.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace pathwick
