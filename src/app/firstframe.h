// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

// PATHWICK_QUIT_AFTER_FIRST_FRAME=1 ends the program as soon as its window has shown its first
// frame, so that start-up can be timed from outside. Before it ends, the program writes the
// moment the frame was shown to its standard output, as "first frame <seconds since 1970>"
// with microseconds, on the clock that bash's EPOCHREALTIME reads. The game and the yardstick
// program of bench/startup/ both use this watcher, so their timings stay comparable. It needs
// nothing but Qt and the standard library.
namespace startup {

// The first frame is the first painting of the window after the platform has exposed it. The
// event filter (on the application, so that it sees the native window's events and the paint
// events of every widget) sees the first paint event before it is handled, so the quit is
// queued: it runs once the whole window has been painted and flushed to the screen.
class FirstFrameWatcher final : public QObject {
public:
    explicit FirstFrameWatcher(QWidget& window) : QObject(&window), window_(window) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched == window_.windowHandle() &&
            window_.windowHandle()->isExposed()) {
            exposed_ = true;
        } else if (event->type() == QEvent::Paint && exposed_ && !quitting_ &&
                   watched->isWidgetType() &&
                   static_cast<QWidget*>(watched)->window() == &window_) {
            // Queued: runs once the whole window is painted and flushed. exit(), not quit(),
            // which would ask the window to close first.
            quitting_ = true;
            QTimer::singleShot(0, qApp, [] {
                const auto shown = std::chrono::duration_cast<std::chrono::microseconds>(
                    std::chrono::system_clock::now().time_since_epoch());
                std::printf("first frame %lld.%06lld\n",
                            static_cast<long long>(shown.count() / 1000000),
                            static_cast<long long>(shown.count() % 1000000));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget& window_;
    bool exposed_ = false;
    bool quitting_ = false;
};

// Call before the window is shown.
inline void QuitAfterFirstFrameIfAsked(QWidget& window) {
    if (qEnvironmentVariable("PATHWICK_QUIT_AFTER_FIRST_FRAME") == QLatin1String("1"))
        new FirstFrameWatcher(window);
}

}  // namespace startup
