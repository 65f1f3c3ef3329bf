// SPDX-License-Identifier: GPL-3.0-or-later
// How the character and paragraph formatting control words change a group's properties.
#include "rules/rtfformat.h"

#include <algorithm>

namespace pathwick::rtf {
namespace {

constexpr int kMaxFontHalfPoints = 3276;  // 1638 pt

int Twips(bool hasParameter, int param) {
    return hasParameter ? std::clamp(param, -kMaxIndentTwips, kMaxIndentTwips) : 0;
}

}  // namespace

void ApplyFormatting(Key key, bool hasParameter, int param, CharProps& chars, ParaProps& para) {
    const bool on = param != 0;
    switch (key) {
        case Key::Plain:
            chars = CharProps{};
            break;
        case Key::Bold:
            chars.bold = on;
            break;
        case Key::Italic:
            chars.italic = on;
            break;
        case Key::Underline:
            chars.underline = on;
            break;
        case Key::UnderlineNone:
            chars.underline = false;
            break;
        case Key::Strike:
            chars.strike = on;
            break;
        case Key::Hidden:
            chars.hidden = on;
            break;
        case Key::FontSize:
            chars.halfPoints = hasParameter && param > 0 ? std::min(param, kMaxFontHalfPoints)
                                                         : kDefaultFontHalfPoints;
            break;
        case Key::Foreground:
            chars.color = hasParameter ? param : 0;
            break;
        case Key::Background:
            chars.background = hasParameter ? param : 0;
            break;
        case Key::Font:
            chars.font = hasParameter ? param : 0;
            break;
        case Key::Superscript:
            chars.vertical = 1;
            break;
        case Key::Subscript:
            chars.vertical = -1;
            break;
        case Key::NoSuperSub:
            chars.vertical = 0;
            break;
        case Key::ParagraphDefault:
            para = ParaProps{};
            break;
        case Key::AlignLeft:
            para.alignment = Qt::AlignLeft;
            break;
        case Key::AlignCenter:
            para.alignment = Qt::AlignHCenter;
            break;
        case Key::AlignRight:
            para.alignment = Qt::AlignRight;
            break;
        case Key::AlignJustify:
            para.alignment = Qt::AlignJustify;
            break;
        case Key::LeftIndent:
            para.leftIndent = Twips(hasParameter, param);
            break;
        case Key::RightIndent:
            para.rightIndent = Twips(hasParameter, param);
            break;
        case Key::FirstIndent:
            para.firstIndent = Twips(hasParameter, param);
            break;
        case Key::SpaceBefore:
            para.spaceBefore = Twips(hasParameter, param);
            break;
        case Key::SpaceAfter:
            para.spaceAfter = Twips(hasParameter, param);
            break;
        case Key::TabRight:
            para.nextTab.type = QTextOption::RightTab;
            break;
        case Key::TabCenter:
            para.nextTab.type = QTextOption::CenterTab;
            break;
        case Key::TabDecimal:
            para.nextTab.type = QTextOption::DelimiterTab;
            para.nextTab.delimiter = QLatin1Char('.');
            break;
        case Key::TabPosition:
            if (hasParameter && param >= 0 && param <= kMaxIndentTwips &&
                static_cast<int>(para.tabs.size()) < kMaxTabStops) {
                para.nextTab.position = param;
                para.tabs.push_back(para.nextTab);
            }
            para.nextTab = TabStop{};
            break;
        case Key::BarTabPosition:  // a vertical line, not a stop for text
            para.nextTab = TabStop{};
            break;
        default:
            break;
    }
}

}  // namespace pathwick::rtf
