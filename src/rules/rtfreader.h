// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace pathwick {

// Reads a rich-text (RTF) document into `document`, replacing what it held.
//
// Every RTF paragraph becomes one QTextBlock, so a heading written as its own paragraph can be
// found and selected as a whole. Character formatting (bold, italic, underline, strike-out,
// size, colour, font, super- and subscript), paragraph alignment and indents, and tab stops
// (each paragraph's \tx stops, the document's \deftab width) are kept;
// pictures, objects, headers and footers, the document information and every other
// destination that is not body text are left out. Text escaped as \'hh is read in the
// document's code page (\ansicpg, or the font's \fcharset), Unicode \uN with its fallback.
//
// Damaged input is read as far as it makes sense: unbalanced braces, a truncated file, huge
// numbers and absurdly deep nesting never make it fail or crash.
//
// Returns false only when `rtf` is not rich text at all (it does not begin with "{\rtf",
// leading white space allowed); the document is then left empty and *error, if given, says
// why. On success *error is not touched.
bool ReadRtf(const QByteArray& rtf, QTextDocument& document, QString* error = nullptr);

// Reads the rich-text file at `path` into `document` with ReadRtf. Returns false when the file
// does not exist, cannot be read, is larger than MaxRtfFileSize bytes or is not rich text; the
// document is then left empty and *error, if given, holds a message naming the file.
bool LoadRtfFile(const QString& path, QTextDocument& document, QString* error = nullptr);

// The largest file LoadRtfFile reads (64 MiB); a rules document is a few kilobytes.
inline constexpr qint64 MaxRtfFileSize = qint64{64} * 1024 * 1024;

}  // namespace pathwick
