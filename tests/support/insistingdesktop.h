// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QResizeEvent>
#include <QWindow>

namespace pathwick::testing {

// A desktop that gives a window a size and, a number of times (-1: always),
// refuses the window's own resizes: it answers each one by giving its size
// again, and the window never hears of the size it asked for. That is what
// a tiling window manager does; with no refusals it is a desktop on which
// the player drags the border.
class InsistingDesktop final : public QObject {
public:
    InsistingDesktop(QWindow* window, int refusals) : window_(window), refusalsLeft_(refusals) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~InsistingDesktop() override { QCoreApplication::instance()->removeEventFilter(this); }

    // Gives the window size and lets it answer, as often as it likes within
    // a bounded number of rounds.
    void Impose(QSize size) {
        imposed_ = size;
        window_->resize(size);
        for (int round = 0; round < 100; ++round) QCoreApplication::processEvents();
    }

    // How many of the window's resizes were refused.
    int refused = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::Resize || refusalsLeft_ == 0)
            return false;
        if (static_cast<QResizeEvent*>(event)->size() == imposed_) return false;
        if (refusalsLeft_ > 0) --refusalsLeft_;
        ++refused;
        window_->resize(imposed_);
        return true;  // the window's own size never reaches it
    }

private:
    QWindow* window_;
    int refusalsLeft_;
    QSize imposed_;
};

}  // namespace pathwick::testing
