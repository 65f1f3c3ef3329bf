// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/mazeformat.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <memory>

namespace pathwick {

namespace {

// ---------------------------------------------------------------------------
// Writing

// Collects records in a fixed buffer and hands it to the device whenever a
// longest possible record might no longer fit.
class RecordWriter {
public:
    explicit RecordWriter(QIODevice& device) : device_(device) {}

    void Record(int a) {
        Number(a);
        End();
    }
    void Record(int a, int b) {
        Number(a);
        *next_++ = ',';
        Number(b);
        End();
    }
    void Record(int a, int b, int c) {
        Number(a);
        *next_++ = ',';
        Number(b);
        *next_++ = ',';
        Number(c);
        End();
    }

    // Writes what is left; false if the device refused any write.
    bool Finish() {
        Flush();
        return ok_;
    }

private:
    // Three 32-bit numbers of up to 11 characters, two commas, CR LF.
    static constexpr std::ptrdiff_t kLongestRecord = 3 * 11 + 2 + 2;

    void Number(int value) {
        next_ = std::to_chars(next_, buffer_.data() + buffer_.size(), value).ptr;
    }

    void End() {
        *next_++ = '\r';
        *next_++ = '\n';
        if (buffer_.data() + buffer_.size() - next_ < kLongestRecord) Flush();
    }

    void Flush() {
        const qint64 length = next_ - buffer_.data();
        if (ok_ && length > 0) ok_ = device_.write(buffer_.data(), length) == length;
        next_ = buffer_.data();
    }

    QIODevice& device_;
    std::array<char, 64 * 1024> buffer_;
    char* next_ = buffer_.data();
    bool ok_ = true;
};

// ---------------------------------------------------------------------------
// Reading

// Hands out the fields of a maze file one value at a time, either from bytes
// held in memory or from a device read in chunks.
class FieldReader {
public:
    explicit FieldReader(QByteArrayView bytes) : next_(bytes.data()), end_(next_ + bytes.size()) {}

    explicit FieldReader(QIODevice& device)
        : device_(&device), buffer_(std::make_unique<char[]>(kChunk)) {}

    // The next field as a number in lowest..highest.
    MazeFileError Next(std::int64_t lowest, std::int64_t highest, std::int64_t& value) {
        if (NextPlain(lowest, highest, value)) return MazeFileError::kNone;

        // Leading blanks. A field that the end of the file cuts off before it
        // holds anything means the file ended early.
        for (;;) {
            if (!More()) return readError_ ? MazeFileError::kReadError : MazeFileError::kEndedEarly;
            if (!IsBlank(*next_)) break;
            ++next_;
        }

        char c = *next_;
        if (c == ',' || c == '\r' || c == '\n') {  // an empty field
            EndField();
            value = 0;
            return MazeFileError::kNone;
        }

        const bool negative = c == '-';
        if (negative) ++next_;

        // Digits. Past 2^40 the value is too wide for any place, so it stops
        // growing there and long runs of digits cannot overflow.
        constexpr std::uint64_t kSaturated = std::uint64_t{1} << 40;
        std::uint64_t magnitude = 0;
        bool anyDigit = false;
        for (;;) {
            while (next_ < end_) {
                const unsigned digit = static_cast<unsigned char>(*next_) - unsigned{'0'};
                if (digit > 9) break;
                if (magnitude < kSaturated) magnitude = magnitude * 10 + digit;
                anyDigit = true;
                ++next_;
            }
            if (next_ < end_ || !Refill()) break;
        }
        if (!anyDigit) return readError_ ? MazeFileError::kReadError : MazeFileError::kNotANumber;

        while (More() && IsBlank(*next_)) ++next_;
        if (readError_) return MazeFileError::kReadError;
        if (next_ < end_) {  // else the end of the file ends the field
            c = *next_;
            if (c != ',' && c != '\r' && c != '\n') return MazeFileError::kNotANumber;
            EndField();
        }

        const std::int64_t signedValue =
            negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
        if (signedValue < lowest || signedValue > highest) return MazeFileError::kTooWide;
        value = signedValue;
        return MazeFileError::kNone;
    }

    // The next field as a value of T, which must hold it.
    template <typename T>
    MazeFileError Next(T& value) {
        std::int64_t wide = 0;
        const MazeFileError error =
            Next(std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), wide);
        if (error == MazeFileError::kNone) value = static_cast<T>(wide);
        return error;
    }

private:
    static constexpr qint64 kChunk = 256 * 1024;

    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

    // The common case, as the program writes it: an optional "-", 1 to 10
    // digits and a comma or line end, all in the bytes at hand, the value in
    // range. Takes the field and true; anything else is left to Next.
    bool NextPlain(std::int64_t lowest, std::int64_t highest, std::int64_t& value) {
        const char* p = next_;
        const bool negative = p < end_ && *p == '-';
        if (negative) ++p;
        const char* const digits = p;
        std::int64_t magnitude = 0;
        while (p < end_ && p - digits < 10) {
            const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
            if (digit > 9) break;
            magnitude = magnitude * 10 + digit;
            ++p;
        }
        // The terminator and, after a CR, the byte that may be its LF must
        // be at hand as well.
        if (p == digits || end_ - p < 2) return false;
        const char c = *p;
        if (c != ',' && c != '\r' && c != '\n') return false;
        const std::int64_t signedValue = negative ? -magnitude : magnitude;
        if (signedValue < lowest || signedValue > highest) return false;
        value = signedValue;
        next_ = p + 1 + (c == '\r' && p[1] == '\n' ? 1 : 0);
        return true;
    }

    // At least one byte is available (reading more if need be).
    bool More() { return next_ < end_ || Refill(); }

    bool Refill() {
        if (device_ == nullptr || readError_) return false;
        const qint64 count = device_->read(buffer_.get(), kChunk);
        if (count <= 0) {
            readError_ = count < 0;
            return false;
        }
        next_ = buffer_.get();
        end_ = next_ + count;
        return true;
    }

    // Steps over the comma or line end at next_; CR LF is one line end.
    void EndField() {
        const char c = *next_++;
        if (c == '\r' && More() && *next_ == '\n') ++next_;
    }

    const char* next_ = nullptr;
    const char* end_ = nullptr;
    QIODevice* device_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    bool readError_ = false;
};

#define PATHWICK_READ(call)                                \
    do {                                                   \
        const MazeFileError error_ = (call);               \
        if (error_ != MazeFileError::kNone) return error_; \
    } while (false)

MazeFileError ReadValues(FieldReader& in, MazeState& s, MarkerKeyCounter& keys) {
    for (std::int16_t* place :
         {&s.StartX, &s.StartY, &s.EndX, &s.EndY, &s.MouseX, &s.MouseY, &s.PosX, &s.PosY})
        PATHWICK_READ(in.Next(*place));

    for (int x = 1; x <= kMazeSize; ++x) {
        for (int y = 1; y <= kMazeSize; ++y) {
            PATHWICK_READ(in.Next(s.grid(x, y)));
            std::int16_t count = 0;
            PATHWICK_READ(in.Next(count));
            // The lists grow with the markers actually read: a large count
            // in a short file costs nothing.
            for (int k = 1; k <= count; ++k) {
                std::int16_t px = 0;
                std::int16_t py = 0;
                Color colour = 0;
                PATHWICK_READ(in.Next(px));
                PATHWICK_READ(in.Next(py));
                PATHWICK_READ(in.Next(colour));
                if (!AddMarker(s, keys, x, y, px, py, colour)) return MazeFileError::kMarkerRefused;
            }
        }
    }
    return MazeFileError::kNone;
}

#undef PATHWICK_READ

}  // namespace

FileDialogSetup OpenDialogSetup() {
    return {
        QString(),
        {{QCoreApplication::translate("MazeFile", "Text (*.txt) "), QStringLiteral("*.txt")},
         {QCoreApplication::translate("MazeFile", "Maze files (*.maz) "), QStringLiteral("*.maz")},
         // "*.*" would leave out the names without a dot.
         {QCoreApplication::translate("MazeFile", "All files (*.*) "), QStringLiteral("*")}},
        2};
}

FileDialogSetup SaveAsDialogSetup(const QString& currentFile) {
    return {
        currentFile,
        {{QCoreApplication::translate("MazeFile", "Text (*.txt) "), QStringLiteral("*.txt")},
         {QCoreApplication::translate("MazeFile", "Maze file (*.maz) "), QStringLiteral("*.maz")}},
        2};
}

bool FitsMazeFile(const MazeState& state) {
    for (int x = 1; x <= kMazeSize; ++x) {
        for (int y = 1; y <= kMazeSize; ++y) {
            const auto* xs = state.MarkerXs.Find(x, y);
            const auto* ys = state.MarkerYs.Find(x, y);
            const auto* colours = state.MarkerColors.Find(x, y);
            const int n = xs ? xs->Count() : 0;
            if (n > kMaxMarkersInACell) return false;
            if ((ys ? ys->Count() : 0) != n || (colours ? colours->Count() : 0) != n) return false;
        }
    }
    return true;
}

bool WriteMazeFile(const MazeState& state, QIODevice& device) {
    if (!FitsMazeFile(state)) return false;

    RecordWriter out(device);
    out.Record(state.StartX, state.StartY);
    out.Record(state.EndX, state.EndY);
    out.Record(state.MouseX, state.MouseY);
    out.Record(state.PosX, state.PosY);
    for (int x = 1; x <= kMazeSize; ++x) {
        for (int y = 1; y <= kMazeSize; ++y) {
            out.Record(state.grid(x, y));
            const auto* xs = state.MarkerXs.Find(x, y);
            const int n = xs ? xs->Count() : 0;
            out.Record(n);
            if (n == 0) continue;
            const auto px = xs->Items();
            const auto py = state.MarkerYs.Find(x, y)->Items();
            const auto colours = state.MarkerColors.Find(x, y)->Items();
            for (int i = 0; i < n; ++i) out.Record(px[i], py[i], colours[i]);
        }
    }
    return out.Finish();
}

std::optional<QByteArray> MazeFileBytes(const MazeState& state) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!WriteMazeFile(state, buffer)) return std::nullopt;
    buffer.close();
    return bytes;
}

MazeFileError ReadMazeFile(QByteArrayView bytes, MazeState& state, MarkerKeyCounter& keys) {
    FieldReader in(bytes);
    return ReadValues(in, state, keys);
}

MazeFileError ReadMazeFile(QIODevice& device, MazeState& state, MarkerKeyCounter& keys) {
    FieldReader in(device);
    return ReadValues(in, state, keys);
}

}  // namespace pathwick
