// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/deferredicon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <memory>
#include <utility>

namespace pathwick {

namespace {

// The pictures are shared by the copies Qt makes of the engine, so they are made once.
struct Pictures {
    std::function<QIcon()> make;
    QList<QSize> sizes;
    bool made = false;
    QIcon icon;

    const QIcon& Icon() {
        if (!made) {
            made = true;
            icon = make();
            make = nullptr;
        }
        return icon;
    }
};

class DeferredIconEngine final : public QIconEngine {
public:
    explicit DeferredIconEngine(std::shared_ptr<Pictures> pictures)
        : pictures_(std::move(pictures)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        pictures_->Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // Sizes here are in device pixels: QIcon has already applied the screen's pixel ratio, so
    // the pictures are asked at a ratio of 1.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pictures_->Icon().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        if (pictures_->made || pictures_->sizes.isEmpty())
            return pictures_->Icon().availableSizes(mode, state);
        // The sizes given stand for the normal pictures; Qt derives the other modes from them.
        return mode == QIcon::Normal && state == QIcon::Off ? pictures_->sizes : QList<QSize>();
    }
    // Said without making the pictures: an icon that is asked for is meant to have some.
    bool isNull() override { return pictures_->made && pictures_->icon.isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(pictures_); }

private:
    std::shared_ptr<Pictures> pictures_;
};

}  // namespace

QIcon DeferredIcon(std::function<QIcon()> make, QList<QSize> sizes) {
    auto pictures = std::make_shared<Pictures>();
    pictures->make = std::move(make);
    pictures->sizes = std::move(sizes);
    return QIcon(new DeferredIconEngine(std::move(pictures)));
}

}  // namespace pathwick
