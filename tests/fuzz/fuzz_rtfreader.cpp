// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the rich-text reader. Whatever the input, reading must not crash,
// hang or trip a sanitizer, and the document must come out whole: no control characters and
// no stray frame markers in its text.
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "rules/rtfreader.h"

namespace {

bool IsCleanText(const QString& text) {
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if ((code < 0x20 && code != u'\t') || code == 0xFDD0 || code == 0xFDD1 ||
            code == QChar::ParagraphSeparator) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // QTextDocument's fonts need a GUI application; it lives until the process ends.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_rtfreader";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    Q_UNUSED(application);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray rtf(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    QString error;
    const bool read = pathwick::ReadRtf(rtf, document, &error);
    if (!read && (error.isEmpty() || !document.isEmpty())) std::abort();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!IsCleanText(block.text())) std::abort();
    }
    return 0;
}
