// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <algorithm>
#include <utility>

namespace pathwick::testing {

// A device that hands out bytes at most chunk at a time, to read files across
// many chunk boundaries. Needs nothing but QtCore, so the fuzz targets use it too.
class ChunkedDevice final : public QIODevice {
public:
    ChunkedDevice(QByteArray bytes, qint64 chunk) : bytes_(std::move(bytes)), chunk_(chunk) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 n =
            std::min({maxSize, chunk_, static_cast<qint64>(bytes_.size()) - position_});
        if (n <= 0) return 0;  // the end of the bytes
        std::copy_n(bytes_.constData() + position_, n, data);
        position_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 chunk_;
    qint64 position_ = 0;
};

}  // namespace pathwick::testing
