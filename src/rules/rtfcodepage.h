// SPDX-License-Identifier: GPL-3.0-or-later
// Code pages: which one a font's \fcharset stands for, and turning the bytes of text (literal or
// escaped as \'hh) into Unicode in the document's or the font's code page.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <map>

namespace pathwick::rtf {

// Windows Latin 1, the code page of \ansi and of a document that names none.
inline constexpr int kAnsiCodePage = 1252;

// Code pages of the \fcharsetN values; 0 leaves the document's code page.
int CodePageForCharset(int charset);

// Turns bytes into text by code page, keeping one converter for each code page met.
class CodePageDecoder {
public:
    // Code pages this reader does not know, or Qt cannot convert, are read as code page 1252.
    QString Decode(const QByteArray& bytes, int codePage);

private:
    std::map<int, QStringDecoder> decoders_;
};

}  // namespace pathwick::rtf
