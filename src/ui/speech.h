// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QObject>
#include <QString>
#include <array>

class QWidget;

namespace pathwick {

// Has a screen reader say words at once, on behalf of a view.
//
// A screen reader presents a change of focus as it happens, and it reads the
// newly focused object's name from that object itself; a change of a name or
// a description, by contrast, it may not present at all (Orca does not with
// the events of Qt 6.4). So the view carries two items of its own, and every
// announcement puts its words into the name of the item that was not focused
// last and moves the focus to it. Alternating keeps each announcement a real
// change of focus, also when the same words come twice in a row.
//
// The items are the view's only children for assistive technology: the view's
// accessible interface hands them out through ItemCount(), Item() and
// IndexOfItem(). The object lives as a child of the view.
class Speech : public QObject {
    Q_OBJECT
public:
    explicit Speech(QWidget* view);
    ~Speech() override;

    // The speech of view, if it was given one.
    static Speech* Of(const QWidget* view);

    // Says words now: the next item takes them and the focus. full, when
    // given, is what the item says when read again (Reveal).
    void Announce(const QString& words, const QString& full = QString());

    // Puts the full words of the last announcement into its item, without a
    // word: a screen reader that reads the focused item again on request
    // ("where am I") then reads all of it.
    void Reveal();

    // What the last announcement said; empty before the first.
    const QString& LastWords() const { return words_[current_]; }

    // For the view's accessible interface: the items, the one with the words
    // of the last announcement focused.
    int ItemCount() const;
    QAccessibleInterface* Item(int index) const;
    int IndexOfItem(const QAccessibleInterface* item) const;
    // The item of the last announcement; none before the first.
    QAccessibleInterface* FocusedItem() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class ItemAccessible;

    // Tells assistive technology that the item of the last announcement has
    // the focus.
    void FocusItem();

    QWidget* view_;
    std::array<QString, 2> words_;
    QString full_;
    int current_ = 0;
    // An announcement made while another window had the keyboard (a message
    // box) waits until the view's window is active again.
    bool waiting_ = false;
    // Registered with Qt's cache of accessible objects, which owns them.
    std::array<QAccessible::Id, 2> itemIds_{};
};

}  // namespace pathwick
