// SPDX-License-Identifier: GPL-3.0-or-later
// The formatting state the rich-text reader keeps for each group: character and paragraph
// properties, tab stops, and the document's font and colour tables they refer to.
#pragma once

#include <QChar>
#include <QColor>
#include <QString>
#include <QTextOption>
#include <map>
#include <vector>

#include "rules/rtfkeywords.h"

namespace pathwick::rtf {

inline constexpr int kDefaultFontHalfPoints = 24;  // 12 pt
inline constexpr int kMaxIndentTwips = 31680;      // 22 inches
inline constexpr int kDefaultTabTwips = 720;  // half an inch, when the document names no \deftab
inline constexpr int kMaxTabStops = 64;       // per paragraph; further stops are ignored

// Character formatting, as \plain leaves it.
struct CharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int halfPoints = kDefaultFontHalfPoints;
    int font = -1;  // -1: the document's default font
    int color = 0;  // index into the colour table; 0 is the automatic colour
    int background = 0;
    int vertical = 0;  // 1 superscript, -1 subscript

    bool operator==(const CharProps&) const = default;
};

struct TabStop {
    int position = 0;  // twips from the left edge of the text, indents aside
    QTextOption::TabType type = QTextOption::LeftTab;
    QChar delimiter;  // the character a decimal tab aligns on
};

// Paragraph formatting, as \pard leaves it.
struct ParaProps {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;  // all in twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    std::vector<TabStop> tabs;
    TabStop nextTab;  // the kind given (\tqr, \tqc, \tqdec) for the next \tx
};

// One font of \fonttbl.
struct FontEntry {
    QString name;
    int codePage = 0;  // 0: the document's code page
};

// What the document's header defines for the body text to refer to.
struct DocumentTables {
    int defaultFont = 0;  // \deffN
    int defaultTab = kDefaultTabTwips;
    std::map<int, FontEntry> fonts;
    std::vector<QColor> colors;  // \colortbl; entry 0 is the automatic colour
};

// Sets what the formatting control word `key` sets in `chars` or `para`; a word that formats
// nothing changes nothing. `param` is the word's parameter, 1 when it has none.
void ApplyFormatting(Key key, bool hasParameter, int param, CharProps& chars, ParaProps& para);

}  // namespace pathwick::rtf
