// SPDX-License-Identifier: GPL-3.0-or-later
// The rich-text tokenizer. It never reads past the end of its input: a file that ends in the
// middle of a control word or an escape ends the token there.
#include "rules/rtftokenizer.h"

#include <algorithm>
#include <cstdint>

namespace pathwick::rtf {
namespace {

// Ten digits cover every 32-bit value; further digits are read but ignored.
constexpr int kMaxParameterDigits = 10;
constexpr int kMaxParameter = 2147483647;

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A token of `kind` with nothing else read yet.
Token Make(TokenKind kind) {
    Token token;
    token.kind = kind;
    return token;
}

}  // namespace

Tokenizer::Tokenizer(const QByteArray& rtf, qsizetype start)
    : data_(rtf.constData()), size_(rtf.size()), pos_(start) {}

bool Tokenizer::Next(Token& token) {
    while (pos_ < size_) {
        const char c = data_[pos_++];
        switch (c) {
            case '{':
                token = Make(TokenKind::GroupStart);
                return true;
            case '}':
                token = Make(TokenKind::GroupEnd);
                return true;
            case '\\':
                if (ReadControl(token)) return true;
                break;
            default:
                token = Make(TokenKind::Text);
                token.character = c;
                return true;
        }
    }
    return false;
}

void Tokenizer::Skip(qsizetype count) {
    pos_ += std::min<qsizetype>(count, size_ - pos_);
}

// Reads what follows a backslash. False when it gives no token: the input ends, or the control
// word is too long to be one.
bool Tokenizer::ReadControl(Token& token) {
    if (pos_ >= size_) return false;
    if (!IsLetter(data_[pos_])) {
        const char symbol = data_[pos_++];
        if (symbol == '\'') {
            ReadHexEscape(token);
        } else {
            token = Make(TokenKind::ControlSymbol);
            token.character = symbol;
        }
        return true;
    }
    int length = 0;
    bool tooLong = false;
    while (pos_ < size_ && IsLetter(data_[pos_])) {
        if (length < kMaxControlWordLength) {
            word_[length++] = data_[pos_];
        } else {
            tooLong = true;
        }
        ++pos_;
    }
    bool negative = false;
    if (pos_ + 1 < size_ && data_[pos_] == '-' && IsDigit(data_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    std::int64_t value = 0;
    int digits = 0;
    while (pos_ < size_ && IsDigit(data_[pos_])) {
        if (digits < kMaxParameterDigits) value = value * 10 + (data_[pos_] - '0');
        ++digits;
        ++pos_;
    }
    if (pos_ < size_ && data_[pos_] == ' ') ++pos_;
    if (tooLong) return false;
    value = std::min<std::int64_t>(value, kMaxParameter);
    token = Make(TokenKind::ControlWord);
    token.word = std::string_view(word_, length);
    token.hasParameter = digits > 0;
    token.parameter = static_cast<int>(negative ? -value : value);
    return true;
}

void Tokenizer::ReadHexEscape(Token& token) {
    int value = 0;
    int digits = 0;
    while (digits < 2 && pos_ < size_ && IsHexDigit(data_[pos_])) {
        value = value * 16 + HexValue(data_[pos_++]);
        ++digits;
    }
    token = Make(TokenKind::HexEscape);
    token.hasParameter = digits > 0;
    token.parameter = value;
}

}  // namespace pathwick::rtf
