// SPDX-License-Identifier: GPL-3.0-or-later
// Splits rich text into its pieces: group braces, control words with their parameters, control
// symbols, \'hh escapes and the bytes of plain text. What they mean is for the reader to say.
#pragma once

#include <QByteArray>
#include <string_view>

namespace pathwick::rtf {

// RTF control words are at most 32 letters; longer ones are read whole but never match.
inline constexpr int kMaxControlWordLength = 32;

enum class TokenKind {
    GroupStart,     // {
    GroupEnd,       // }
    ControlWord,    // \word, \wordN or \word-N
    ControlSymbol,  // \ and one character that is not a letter, other than '
    HexEscape,      // \'hh
    Text,           // one byte of text
};

struct Token {
    TokenKind kind = TokenKind::Text;
    // ControlWord: its name, valid until the next token is read.
    std::string_view word;
    // ControlWord: a number followed the name. HexEscape: at least one hex digit followed.
    bool hasParameter = false;
    // ControlWord: the number, within the 32-bit range. HexEscape: the byte's value.
    int parameter = 0;
    // ControlSymbol: the symbol. Text: the byte.
    char character = 0;
};

class Tokenizer {
public:
    // Reads `rtf` from `start`; `rtf` must outlive the tokenizer.
    Tokenizer(const QByteArray& rtf, qsizetype start);

    // Reads the next token into `token`; false at the end of the input.
    bool Next(Token& token);
    // Steps over the next `count` bytes unread (the data after \binN), or to the end.
    void Skip(qsizetype count);

private:
    bool ReadControl(Token& token);
    void ReadHexEscape(Token& token);

    const char* data_;
    qsizetype size_;
    qsizetype pos_;
    char word_[kMaxControlWordLength];
};

}  // namespace pathwick::rtf
