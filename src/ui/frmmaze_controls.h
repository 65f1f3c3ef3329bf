#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QWidget>

#include "core/color.h"

namespace pathwick {

// A frame: an etched rectangle with the caption on its top line, so that the
// controls placed below the caption stay clear of the line.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
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
