#include "ui/frmmaze_controls.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "views/drawingsurface.h"

namespace pathwick {

Frame::Frame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect line = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(line);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(line.translated(1, 1));

    const QString caption = title();
    if (caption.isEmpty()) return;
    QString plain = caption;
    plain.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&'));
    plain.replace(QLatin1String("\x01"), QLatin1String("&"));
    const QRect area(6, 0, metrics.horizontalAdvance(plain) + 4, metrics.height());
    painter.fillRect(area, palette().window());
    style()->drawItemText(&painter, area, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), caption, QPalette::WindowText);
}

int CompactButtonStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                    const QWidget* widget) const {
    if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing) return 3;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

Shape::Shape(Color fillColor, QWidget* parent) : QWidget(parent), fillColor_(fillColor) {}

void Shape::SetFillColor(Color colour) {
    if (fillColor_ == colour) return;
    fillColor_ = colour;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), DrawingSurface::ToQColor(fillColor_));
}

CheckBox::CheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

int CheckBox::Value() const {
    switch (checkState()) {
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        default:
            return 0;
    }
}

void CheckBox::SetValue(int value) {
    setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void CheckBox::nextCheckState() {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void CommandButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    int flags = Qt::AlignCenter | Qt::TextWordWrap;
    flags |= style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this) ? Qt::TextShowMnemonic
                                                                             : Qt::TextHideMnemonic;
    painter.drawItemText(area, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);

    // Where the keyboard focus is, for a player who walks the controls with
    // Tab: a dotted frame inside the button. The style's own sign is not
    // enough: on the default button it can look the same with or without the
    // focus.
    if ((option.state & QStyle::State_HasFocus) &&
        (option.state & QStyle::State_KeyboardFocusChange)) {
        const QRect focus = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.setPen(QPen(option.palette.color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(focus.adjusted(1, 1, -2, -2));
    }
}

}  // namespace pathwick
