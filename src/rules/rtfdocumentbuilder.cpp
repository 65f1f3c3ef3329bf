// SPDX-License-Identifier: GPL-3.0-or-later
// The document builder: text cleaned of what QTextDocument cannot hold, and the formats in Qt's
// terms, lengths from twips to pixels.
#include "rules/rtfdocumentbuilder.h"

#include <QTextDocument>
#include <algorithm>

#include "core/twips.h"

namespace pathwick::rtf {
namespace {

// Removes what would upset the document or show as boxes: control characters, unpaired
// surrogates and the characters QTextDocument keeps for its own structure.
QString CleanText(const QString& text) {
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
                clean.append(text.at(i));
                clean.append(text.at(++i));
            } else {
                clean.append(QChar::ReplacementCharacter);
            }
        } else if (QChar::isLowSurrogate(c)) {
            clean.append(QChar::ReplacementCharacter);
        } else if (c == u'\t' || c == QChar::LineSeparator) {
            clean.append(QChar(c));
        } else if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            continue;
        } else if (c == QChar::ParagraphSeparator) {
            clean.append(QChar(QChar::LineSeparator));
        } else if (c == 0xFDD0 || c == 0xFDD1 || c == QChar::ObjectReplacementCharacter) {
            clean.append(QChar::ReplacementCharacter);
        } else {
            clean.append(QChar(c));
        }
    }
    return clean;
}

}  // namespace

DocumentBuilder::DocumentBuilder(QTextDocument& document, const DocumentTables& tables)
    : cursor_(&document), tables_(tables) {}

void DocumentBuilder::AppendText(const QString& text, const CharProps& chars) {
    if (chars.hidden) return;
    if (!run_.isEmpty() && !(runProps_ == chars)) EmitRun();
    if (run_.isEmpty()) runProps_ = chars;
    run_ += text;
}

void DocumentBuilder::EmitRun() {
    if (run_.isEmpty()) return;
    cursor_.insertText(CleanText(run_), CharFormat(runProps_));
    run_.clear();
}

void DocumentBuilder::EndParagraph(const ParaProps& para, const CharProps& chars) {
    EmitRun();
    cursor_.setBlockFormat(BlockFormat(para));
    cursor_.setBlockCharFormat(CharFormat(chars));
    cursor_.insertBlock();
}

void DocumentBuilder::Finish(const ParaProps& para, const CharProps& chars) {
    EmitRun();
    cursor_.setBlockFormat(BlockFormat(para));
    cursor_.setBlockCharFormat(CharFormat(chars));
    // Tabs past a paragraph's own stops go to the next multiple of the default width.
    QTextDocument& document = *cursor_.document();
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(tables_.defaultTab / double{kTwipsPerPixel});
    document.setDefaultTextOption(option);
}

QTextCharFormat DocumentBuilder::CharFormat(const CharProps& chars) const {
    QTextCharFormat format;
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontStrikeOut(chars.strike);
    format.setFontPointSize(chars.halfPoints / 2.0);
    const int font = chars.font >= 0 ? chars.font : tables_.defaultFont;
    const auto entry = tables_.fonts.find(font);
    if (entry != tables_.fonts.end() && !entry->second.name.isEmpty()) {
        format.setFontFamilies(QStringList{entry->second.name});
    }
    if (const QColor color = TableColor(chars.color); color.isValid()) {
        format.setForeground(color);
    }
    if (const QColor color = TableColor(chars.background); color.isValid()) {
        format.setBackground(color);
    }
    if (chars.vertical > 0) format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (chars.vertical < 0) format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return format;
}

QColor DocumentBuilder::TableColor(int index) const {
    if (index <= 0 || index >= static_cast<int>(tables_.colors.size())) return QColor();
    return tables_.colors[index];
}

QTextBlockFormat DocumentBuilder::BlockFormat(const ParaProps& para) const {
    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    format.setLeftMargin(para.leftIndent / double{kTwipsPerPixel});
    format.setRightMargin(para.rightIndent / double{kTwipsPerPixel});
    format.setTextIndent(para.firstIndent / double{kTwipsPerPixel});
    format.setTopMargin(para.spaceBefore / double{kTwipsPerPixel});
    format.setBottomMargin(para.spaceAfter / double{kTwipsPerPixel});
    format.setTabPositions(TabPositions(para));
    return format;
}

// The paragraph's tab stops in Qt's terms, in order. Rich text measures
// them from the left edge of the text, Qt from where the line begins: the
// stops are moved by the first line's indent, which is where tabs are
// used, and the default stops past the paragraph's own become stops of
// their own, so that they too lie at multiples of the default width from
// the edge. A hanging first line (a negative first-line indent) has a stop
// at the left indent as well, so that "item<TAB>text" puts the text where
// the following lines begin.
QList<QTextOption::Tab> DocumentBuilder::TabPositions(const ParaProps& para) const {
    std::vector<TabStop> stops = para.tabs;
    const auto at = [](int position) {
        return [position](const TabStop& stop) { return stop.position == position; };
    };
    if (para.firstIndent < 0 && para.leftIndent > 0 &&
        std::none_of(stops.begin(), stops.end(), at(para.leftIndent))) {
        stops.push_back(TabStop{para.leftIndent, QTextOption::LeftTab, QChar()});
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const TabStop& a, const TabStop& b) { return a.position < b.position; });
    const int lineStart = para.leftIndent + para.firstIndent;
    const int defaultTab = tables_.defaultTab;
    if (lineStart % defaultTab != 0) {
        int next = std::max(stops.empty() ? 0 : stops.back().position, lineStart);
        next = (next / defaultTab + 1) * defaultTab;
        for (; next <= kMaxIndentTwips && static_cast<int>(stops.size()) < kMaxTabStops;
             next += defaultTab)
            stops.push_back(TabStop{next, QTextOption::LeftTab, QChar()});
    }
    QList<QTextOption::Tab> tabs;
    int last = -1;
    for (const TabStop& stop : stops) {
        // A stop at or before the line's start is never reached; the
        // first stop given at a place counts.
        if (stop.position <= lineStart || stop.position == last) continue;
        last = stop.position;
        tabs.append(QTextOption::Tab((stop.position - lineStart) / double{kTwipsPerPixel},
                                     stop.type, stop.delimiter));
    }
    return tabs;
}

}  // namespace pathwick::rtf
