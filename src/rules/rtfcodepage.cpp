// SPDX-License-Identifier: GPL-3.0-or-later
// Code-page conversion: the \fcharset table, the converters Qt has, and code page 1252 built in.
#include "rules/rtfcodepage.h"

namespace pathwick::rtf {
namespace {

// The name a code page goes by for QStringDecoder, or nullptr for one this reader does not know.
const char* CodePageName(int codePage) {
    switch (codePage) {
        case 437:
            return "IBM437";
        case 850:
            return "IBM850";
        case 852:
            return "IBM852";
        case 866:
            return "IBM866";
        case 874:
            return "windows-874";
        case 932:
            return "Shift_JIS";
        case 936:
            return "GBK";
        case 949:
            return "windows-949";
        case 950:
            return "Big5";
        case 1250:
            return "windows-1250";
        case 1251:
            return "windows-1251";
        case 1253:
            return "windows-1253";
        case 1254:
            return "windows-1254";
        case 1255:
            return "windows-1255";
        case 1256:
            return "windows-1256";
        case 1257:
            return "windows-1257";
        case 1258:
            return "windows-1258";
        case 10000:
            return "macintosh";
        case 65001:
            return "UTF-8";
        default:
            return nullptr;
    }
}

// Code page 1252, built in so that the default needs no converter library.
QString DecodeAnsi(const QByteArray& bytes) {
    static constexpr char16_t high[32] = {
        u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
        u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
        u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
        u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text.append(code >= 0x80 && code < 0xA0 ? QChar(high[code - 0x80]) : QChar(code));
    }
    return text;
}

}  // namespace

int CodePageForCharset(int charset) {
    switch (charset) {
        case 77:
            return 10000;
        case 128:
            return 932;
        case 129:
            return 949;
        case 134:
            return 936;
        case 136:
            return 950;
        case 161:
            return 1253;
        case 162:
            return 1254;
        case 163:
            return 1258;
        case 177:
            return 1255;
        case 178:
            return 1256;
        case 186:
            return 1257;
        case 204:
            return 1251;
        case 222:
            return 874;
        case 238:
            return 1250;
        case 254:
            return 437;
        case 255:
            return 850;
        default:
            return 0;
    }
}

QString CodePageDecoder::Decode(const QByteArray& bytes, int codePage) {
    const char* name = CodePageName(codePage);
    if (codePage == kAnsiCodePage || name == nullptr) return DecodeAnsi(bytes);
    auto decoder = decoders_.find(codePage);
    if (decoder == decoders_.end()) {
        decoder = decoders_.emplace(codePage, QStringDecoder(name, QStringDecoder::Flag::Stateless))
                      .first;
    }
    if (!decoder->second.isValid()) return DecodeAnsi(bytes);
    return decoder->second.decode(bytes);
}

}  // namespace pathwick::rtf
