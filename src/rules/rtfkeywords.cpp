// SPDX-License-Identifier: GPL-3.0-or-later
// The table of control words: formatting, special characters, and the destinations that hold no
// body text and are skipped whole.
#include "rules/rtfkeywords.h"

#include <unordered_map>

namespace pathwick::rtf {
namespace {

const std::unordered_map<std::string_view, Keyword>& Keywords() {
    static const std::unordered_map<std::string_view, Keyword> keywords = [] {
        std::unordered_map<std::string_view, Keyword> table = {
            {"fonttbl", {Key::FontTable}},
            {"colortbl", {Key::ColorTable}},
            {"ansi", {Key::Ansi}},
            {"mac", {Key::Mac}},
            {"pc", {Key::Pc}},
            {"pca", {Key::Pca}},
            {"ansicpg", {Key::AnsiCpg}},
            {"deff", {Key::DefaultFont}},
            {"f", {Key::Font}},
            {"fcharset", {Key::FontCharset}},
            {"cpg", {Key::FontCodePage}},
            {"red", {Key::Red}},
            {"green", {Key::Green}},
            {"blue", {Key::Blue}},
            {"u", {Key::Unicode}},
            {"uc", {Key::UnicodeSkip}},
            {"bin", {Key::Binary}},
            {"par", {Key::ParagraphBreak}},
            {"sect", {Key::ParagraphBreak}},
            {"page", {Key::ParagraphBreak}},
            {"row", {Key::ParagraphBreak}},
            {"nestrow", {Key::ParagraphBreak}},
            {"line", {Key::Character, u'\u2028'}},
            {"tab", {Key::Character, u'\t'}},
            {"cell", {Key::Character, u'\t'}},
            {"nestcell", {Key::Character, u'\t'}},
            {"emdash", {Key::Character, u'\u2014'}},
            {"endash", {Key::Character, u'\u2013'}},
            {"emspace", {Key::Character, u'\u2003'}},
            {"enspace", {Key::Character, u'\u2002'}},
            {"qmspace", {Key::Character, u'\u2005'}},
            {"bullet", {Key::Character, u'\u2022'}},
            {"lquote", {Key::Character, u'\u2018'}},
            {"rquote", {Key::Character, u'\u2019'}},
            {"ldblquote", {Key::Character, u'\u201C'}},
            {"rdblquote", {Key::Character, u'\u201D'}},
            {"zwj", {Key::Character, u'\u200D'}},
            {"zwnj", {Key::Character, u'\u200C'}},
            {"ltrmark", {Key::Character, u'\u200E'}},
            {"rtlmark", {Key::Character, u'\u200F'}},
            {"plain", {Key::Plain}},
            {"b", {Key::Bold}},
            {"i", {Key::Italic}},
            {"ulnone", {Key::UnderlineNone}},
            {"strike", {Key::Strike}},
            {"striked", {Key::Strike}},
            {"v", {Key::Hidden}},
            {"fs", {Key::FontSize}},
            {"cf", {Key::Foreground}},
            {"cb", {Key::Background}},
            {"highlight", {Key::Background}},
            {"super", {Key::Superscript}},
            {"sub", {Key::Subscript}},
            {"nosupersub", {Key::NoSuperSub}},
            {"pard", {Key::ParagraphDefault}},
            {"ql", {Key::AlignLeft}},
            {"qc", {Key::AlignCenter}},
            {"qr", {Key::AlignRight}},
            {"qj", {Key::AlignJustify}},
            {"li", {Key::LeftIndent}},
            {"ri", {Key::RightIndent}},
            {"fi", {Key::FirstIndent}},
            {"sb", {Key::SpaceBefore}},
            {"sa", {Key::SpaceAfter}},
            {"tx", {Key::TabPosition}},
            {"tb", {Key::BarTabPosition}},
            {"tqr", {Key::TabRight}},
            {"tqc", {Key::TabCenter}},
            {"tqdec", {Key::TabDecimal}},
            {"deftab", {Key::DefaultTab}},
        };
        // Every kind of underline is shown as a plain one.
        for (std::string_view underline :
             {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth",
              "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",
              "ulwave"}) {
            table.emplace(underline, Keyword{Key::Underline});
        }
        // Destinations that hold no body text: pictures, objects, headers and footers,
        // document information, style and list definitions, field instructions, ...
        for (std::string_view skipped : {"stylesheet",
                                         "info",
                                         "pict",
                                         "object",
                                         "objdata",
                                         "header",
                                         "headerl",
                                         "headerr",
                                         "headerf",
                                         "footer",
                                         "footerl",
                                         "footerr",
                                         "footerf",
                                         "listtable",
                                         "listoverridetable",
                                         "rsidtbl",
                                         "generator",
                                         "xmlnstbl",
                                         "themedata",
                                         "colorschememapping",
                                         "latentstyles",
                                         "datastore",
                                         "fldinst",
                                         "filetbl",
                                         "revtbl",
                                         "pn",
                                         "footnote",
                                         "shp",
                                         "shpinst",
                                         "shppict",
                                         "nonshppict",
                                         "background",
                                         "ftnsep",
                                         "ftnsepc",
                                         "ftncn",
                                         "aftnsep",
                                         "aftnsepc",
                                         "aftncn",
                                         "annotation",
                                         "atnid",
                                         "atnauthor",
                                         "private",
                                         "userprops",
                                         "template",
                                         "docvar",
                                         "nonesttables",
                                         "pgdsctbl",
                                         "mmathPr",
                                         "listpicture",
                                         "fchars",
                                         "lchars",
                                         "tc",
                                         "tcn",
                                         "xe",
                                         "rxe",
                                         "txe",
                                         "bkmkstart",
                                         "bkmkend",
                                         "title",
                                         "subject",
                                         "author",
                                         "operator",
                                         "keywords",
                                         "comment",
                                         "doccomm",
                                         "company",
                                         "manager",
                                         "category",
                                         "pgptbl",
                                         "protusertbl",
                                         "passwordhash",
                                         "formfield",
                                         "datafield",
                                         "blipuid",
                                         "picprop",
                                         "wgrffmtfilter",
                                         "mhtmltag",
                                         "htmltag"}) {
            table.emplace(skipped, Keyword{Key::SkipDestination});
        }
        return table;
    }();
    return keywords;
}

}  // namespace

const Keyword* FindKeyword(std::string_view name) {
    const auto& keywords = Keywords();
    const auto found = keywords.find(name);
    return found == keywords.end() ? nullptr : &found->second;
}

}  // namespace pathwick::rtf
