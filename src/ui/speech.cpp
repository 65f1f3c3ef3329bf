// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/speech.h"

#include <QAccessibleEvent>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace pathwick {

// One of the view's two items, named with the words it last took.
//
// Its role is the plain "filler" of AT-SPI, which screen readers do not say
// aloud. A list item would be said the same, but Qt marks list items as
// transient, so that the client library keeps none of their properties: Orca
// then asks the program again for each of them, several hundred calls for
// every step, and spoke about twice as late.
class Speech::ItemAccessible : public QAccessibleInterface {
public:
    ItemAccessible(const Speech* speech, int index) : speech_(speech), index_(index) {}

    bool isValid() const override { return !speech_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return isValid() ? speech_->view_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return isValid() ? QAccessible::queryAccessibleInterface(speech_->view_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return isValid() && t == QAccessible::Name ? speech_->words_[index_] : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QWidget* view = speech_->view_;
        return QRect(view->mapToGlobal(QPoint(0, 0)), view->size());
    }
    QAccessible::Role role() const override { return QAccessible::Client; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.readOnly = true;
        state.invisible = !isValid() || !speech_->view_->isVisible();
        state.focused =
            isValid() && speech_->current_ == index_ && !speech_->words_[index_].isEmpty();
        return state;
    }

private:
    QPointer<const Speech> speech_;
    int index_;
};

Speech::Speech(QWidget* view) : QObject(view), view_(view) {
    for (int i = 0; i < ItemCount(); ++i)
        itemIds_[i] = QAccessible::registerAccessibleInterface(new ItemAccessible(this, i));
}

Speech::~Speech() {
    for (QAccessible::Id id : itemIds_) QAccessible::deleteAccessibleInterface(id);
}

Speech* Speech::Of(const QWidget* view) {
    return view ? view->findChild<Speech*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void Speech::Announce(const QString& words, const QString& full) {
    current_ = 1 - current_;
    words_[current_] = words;
    full_ = full.isEmpty() ? words : full;
    if (!QAccessible::isActive()) return;
    QWidget* window = view_->window();
    if (!window->isActiveWindow()) {
        // The screen reader is with a message box, and hears of the window's
        // return after the box has closed: the words come after that.
        if (!waiting_) window->installEventFilter(this);
        waiting_ = true;
        return;
    }
    FocusItem();
}

bool Speech::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && waiting_) {
        waiting_ = false;
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &Speech::FocusItem);
    }
    return false;
}

void Speech::FocusItem() {
    // First the new name, for a reader that keeps the names it has seen.
    QAccessibleEvent renamed(view_, QAccessible::NameChanged);
    renamed.setChild(current_);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent focused(view_, QAccessible::Focus);
    focused.setChild(current_);
    QAccessible::updateAccessibility(&focused);
}

void Speech::Reveal() {
    words_[current_] = full_;
}

int Speech::ItemCount() const {
    return static_cast<int>(words_.size());
}

QAccessibleInterface* Speech::Item(int index) const {
    if (index < 0 || index >= ItemCount()) return nullptr;
    return QAccessible::accessibleInterface(itemIds_[index]);
}

QAccessibleInterface* Speech::FocusedItem() const {
    return LastWords().isEmpty() ? nullptr : Item(current_);
}

int Speech::IndexOfItem(const QAccessibleInterface* item) const {
    for (int i = 0; i < ItemCount(); ++i)
        if (item && QAccessible::uniqueId(const_cast<QAccessibleInterface*>(item)) == itemIds_[i])
            return i;
    return -1;
}

}  // namespace pathwick
