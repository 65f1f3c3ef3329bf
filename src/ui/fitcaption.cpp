// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fitcaption.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>
#include <functional>

#include "ui/frmmaze_controls.h"

namespace pathwick {

namespace {

// The property that keeps a control's font from before its first fitting.
constexpr const char* kDesignFont = "pathwickDesignFont";

// Makes control's font a pixel smaller at a time until fits() holds or the smallest size is
// reached, starting from the control's font as it was designed.
void ShrinkUntil(QWidget& control, const std::function<bool()>& fits) {
    const QVariant design = control.property(kDesignFont);
    if (design.isValid())
        control.setFont(design.value<QFont>());
    else
        control.setProperty(kDesignFont, control.font());
    for (int pixels = QFontInfo(control.font()).pixelSize();
         !fits() && pixels > kSmallestCaptionPixels;) {
        QFont smaller = control.font();
        smaller.setPixelSize(--pixels);
        control.setFont(smaller);
    }
}

bool Within(const QWidget& control, const QRect& room, int flags, const QString& text) {
    return room.contains(control.fontMetrics().boundingRect(room, flags, text));
}

// Whether the lowest descender of label's text, laid out to extent, lies above the bottom of
// the label's parent: a label placed across the window's edge keeps its letters in view.
bool InkInParent(const QLabel& label, const QRect& extent) {
    const QFontMetrics metrics = label.fontMetrics();
    const int ink =
        extent.bottom() - metrics.descent() + metrics.tightBoundingRect(label.text()).bottom();
    return label.parentWidget() == nullptr || label.y() + ink < label.parentWidget()->height();
}

void FitLabel(QLabel& label) {
    if (label.text().isEmpty() || label.textFormat() == Qt::RichText) return;
    const auto fits = [&label] {
        const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
        const QRect room = label.contentsRect();
        const QRect extent = label.fontMetrics().boundingRect(room, flags, label.text());
        return room.contains(extent) && InkInParent(label, extent);
    };
    ShrinkUntil(label, [&] {
        if (fits()) return true;
        // Another line, when the label is tall enough for it.
        if (!label.wordWrap() &&
            label.contentsRect().height() >= 2 * label.fontMetrics().lineSpacing()) {
            label.setWordWrap(true);
            if (fits()) return true;
        }
        return false;
    });
}

void FitButton(QAbstractButton& button) {
    if (auto* command = qobject_cast<QPushButton*>(&button)) {
        // Command buttons wrap their captions (CommandButton::paintEvent).
        ShrinkUntil(button, [command] {
            QStyleOptionButton option;
            option.initFrom(command);
            const QRect room =
                command->style()->subElementRect(QStyle::SE_PushButtonContents, &option, command);
            return Within(*command, room, Qt::AlignCenter | Qt::TextWordWrap,
                          DrawnCaption(command->text()));
        });
        return;
    }
    ShrinkUntil(button, [&button] { return button.sizeHint().width() <= button.width(); });
}

}  // namespace

QString DrawnCaption(const QString& caption) {
    QString drawn;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
        drawn += caption[i];
    }
    return drawn;
}

QFont FittingFont(const QFont& base, const QString& text, int width) {
    QFont font = base;
    for (int pixels = QFontInfo(font).pixelSize(); pixels > kSmallestCaptionPixels; --pixels) {
        if (QFontMetrics(font).horizontalAdvance(text) <= width) break;
        font.setPixelSize(pixels - 1);
    }
    return font;
}

double Contrast(const QColor& ink, const QColor& paper) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double a = luminance(ink), b = luminance(paper);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

void FitCaption(QWidget& control) {
    if (auto* label = qobject_cast<QLabel*>(&control)) return FitLabel(*label);
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) return FitButton(*button);
    if (auto* frame = qobject_cast<Frame*>(&control)) frame->update();
}

}  // namespace pathwick
