// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmmaze_controls.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <utility>

#include "ui/fitcaption.h"
#include "views/drawingsurface.h"

namespace pathwick {

Frame::Frame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

bool Frame::Covers(const QWidget* container) const {
    return container && parentWidget() == container && geometry() == container->rect();
}

void Frame::setVisible(bool visible) {
    QWidget* container = parentWidget();
    if (!visible) {
        // The covered controls come back as the frame goes.
        for (const QPointer<QWidget>& control : std::exchange(covered_, {}))
            if (control) control->setVisible(true);
        QGroupBox::setVisible(false);
        return;
    }
    QGroupBox::setVisible(true);
    if (!Covers(container)) return;
    // Shown first: a covered control that has the focus hands it on to one
    // of this frame's.
    for (QObject* child : container->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (!control || control == this || control->isHidden() || control->isWindow()) continue;
        covered_.append(control);
        control->setVisible(false);
    }
}

Frame* Frame::Showing() {
    for (QObject* child : children()) {
        auto* frame = qobject_cast<Frame*>(child);
        if (frame && !frame->isHidden() && frame->Covers(this)) return frame->Showing();
    }
    return this;
}

void Frame::FocusItsControl() {
    const auto takesFocus = [this](QWidget* control) {
        return control && control != this && isAncestorOf(control) && control->isVisible() &&
               control->isEnabled() && (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
    };
    QWidget* target = takesFocus(focusWidget()) ? focusWidget() : nullptr;
    QWidget* first = nullptr;
    for (QWidget* control = nextInFocusChain(); !target && control != this;
         control = control->nextInFocusChain()) {
        if (!takesFocus(control)) continue;
        if (auto* option = qobject_cast<QRadioButton*>(control); option && option->isChecked())
            target = option;
        else if (!first)
            first = control;
    }
    if (!target) target = first;
    if (target) target->setFocus(Qt::ShortcutFocusReason);
}

bool Frame::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut &&
        static_cast<QShortcutEvent*>(event)->key() == QKeySequence::mnemonic(title())) {
        // Frames at the same place may share the access key: whichever of
        // them gets it, it goes to the one that shows.
        Showing()->FocusItsControl();
        return true;
    }
    return QGroupBox::event(event);
}

QFont Frame::TitleFont() const {
    // The caption starts 6 pixels in, with 2 on each side of it, and ends before the frame's
    // right edge.
    return FittingFont(font(), DrawnCaption(title()), width() - 12);
}

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
    const QFont titleFont = TitleFont();
    const QFontMetrics titleMetrics(titleFont);
    const QRect area(6, (metrics.height() - titleMetrics.height()) / 2,
                     titleMetrics.horizontalAdvance(DrawnCaption(caption)) + 4,
                     titleMetrics.height());
    painter.setFont(titleFont);
    painter.fillRect(area, palette().window());
    style()->drawItemText(&painter, area, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), caption, QPalette::WindowText);
}

OptionGroup::OptionGroup(QList<QRadioButton*> options, QObject* parent)
    : QObject(parent), options_(std::move(options)) {
    for (QRadioButton* option : options_) {
        option->installEventFilter(this);
        connect(option, &QRadioButton::toggled, this, &OptionGroup::SetTabStop);
    }
    SetTabStop();
}

void OptionGroup::SetTabStop() {
    // Tab and Shift+Tab stop at the chosen option only: the group is one
    // stop, entered where its choice is, and the others are not passed on the
    // way through it. (A group without a choice is entered at its first.)
    const bool chosen = std::any_of(options_.begin(), options_.end(),
                                    [](const QRadioButton* o) { return o->isChecked(); });
    for (QRadioButton* option : options_)
        option->setFocusPolicy(option->isChecked() || (!chosen && option == options_.first())
                                   ? Qt::StrongFocus
                                   : Qt::ClickFocus);
}

bool OptionGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    int step = 0;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = -1;
            break;
        default:
            return false;
    }
    const auto n = options_.size();
    const auto from = options_.indexOf(qobject_cast<QRadioButton*>(watched));
    if (from < 0) return false;
    // The next option the player can choose, skipping any that is hidden or
    // disabled.
    for (qsizetype i = 1; i < n; ++i) {
        QRadioButton* option = options_[((from + step * i) % n + n) % n];
        if (!option->isVisible() || !option->isEnabled()) continue;
        option->setFocus(Qt::OtherFocusReason);
        option->setChecked(true);
        break;
    }
    return true;
}

int CompactButtonStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                    const QWidget* widget) const {
    if (metric == PM_CheckBoxLabelSpacing || metric == PM_RadioButtonLabelSpacing) return 3;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QString DrawingStyleName(const QStyle& style) {
    const auto* proxy = qobject_cast<const QProxyStyle*>(&style);
    return proxy && proxy->baseStyle() ? DrawingStyleName(*proxy->baseStyle()) : style.name();
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
