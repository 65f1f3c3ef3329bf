// SPDX-License-Identifier: GPL-3.0-or-later
// The control words the rich-text reader acts on, and what each of them means to it.
#pragma once

#include <string_view>

namespace pathwick::rtf {

// What a control word does, grouped by where it matters.
enum class Key {
    // Destinations
    FontTable,
    ColorTable,
    SkipDestination,
    // Document settings
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    DefaultFont,
    // Font and colour tables
    Font,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // Text
    Unicode,
    UnicodeSkip,
    Binary,
    ParagraphBreak,
    Character,  // inserts Keyword::character
    // Character formatting
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    FontSize,
    Foreground,
    Background,
    Superscript,
    Subscript,
    NoSuperSub,
    // Paragraph formatting
    ParagraphDefault,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    TabPosition,
    BarTabPosition,
    TabRight,
    TabCenter,
    TabDecimal,
    DefaultTab,
};

struct Keyword {
    Key key;
    char16_t character = 0;
};

// What the control word `name` (without its backslash and parameter) means, or nullptr for one
// the reader does not know and passes over.
const Keyword* FindKeyword(std::string_view name);

}  // namespace pathwick::rtf
