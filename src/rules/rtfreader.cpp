// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/rtfreader.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "core/twips.h"
#include "rules/rtfcodepage.h"
#include "rules/rtfkeywords.h"

namespace pathwick {
namespace {

using rtf::CodePageDecoder;
using rtf::CodePageForCharset;
using rtf::FindKeyword;
using rtf::kAnsiCodePage;
using rtf::Key;
using rtf::Keyword;

// Groups nested deeper than this are read as if their braces were not there.
constexpr int kMaxGroupDepth = 1000;
// RTF control words are at most 32 letters; longer ones are read whole but never match.
constexpr int kMaxControlWordLength = 32;
// Ten digits cover every 32-bit value; further digits are read but ignored.
constexpr int kMaxParameterDigits = 10;
constexpr int kMaxParameter = 2147483647;
constexpr int kDefaultFontHalfPoints = 24;  // 12 pt
constexpr int kMaxFontHalfPoints = 3276;    // 1638 pt
constexpr int kMaxIndentTwips = 31680;      // 22 inches
constexpr int kMaxUnicodeSkip = 1000;
constexpr int kDefaultTabTwips = 720;  // half an inch, when the document names no \deftab
constexpr int kMaxTabStops = 64;       // per paragraph; further stops are ignored

// Where the text of a group goes.
enum class Destination { Text, FontTable, ColorTable, Skip };

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

struct GroupState {
    CharProps chars;
    ParaProps para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;  // \ucN: fallback characters after each \uN
};

struct FontEntry {
    QString name;
    int codePage = 0;  // 0: the document's code page
};

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

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

class RtfParser {
public:
    RtfParser(const QByteArray& rtf, qsizetype start, QTextDocument& document)
        : data_(rtf.constData()), size_(rtf.size()), pos_(start), cursor_(&document) {
        stack_.emplace_back();
    }

    void Run() {
        while (pos_ < size_) {
            const char c = data_[pos_++];
            switch (c) {
                case '{':
                    BeginGroup();
                    break;
                case '}':
                    EndGroup();
                    break;
                case '\\':
                    ReadControl();
                    break;
                default:
                    Literal(static_cast<unsigned char>(c));
                    break;
            }
        }
        Finish();
    }

private:
    GroupState& State() { return stack_.back(); }

    void BeginGroup() {
        FlushBytes();
        unicodeSkipLeft_ = 0;
        if (static_cast<int>(stack_.size()) > kMaxGroupDepth) {
            ++flattenedGroups_;
        } else {
            stack_.push_back(stack_.back());
        }
        atGroupStart_ = true;
    }

    void EndGroup() {
        FlushBytes();
        unicodeSkipLeft_ = 0;
        atGroupStart_ = false;
        if (flattenedGroups_ > 0) {
            --flattenedGroups_;
            return;
        }
        // stack_[0] is outside the document and stack_[1] the document's own group: a brace
        // that would close it is one too many and is ignored.
        if (stack_.size() <= 2) return;
        const Destination closed = stack_.back().destination;
        stack_.pop_back();
        if (closed == Destination::FontTable) CommitFont();
    }

    void ReadControl() {
        if (pos_ >= size_) return;
        if (!IsLetter(data_[pos_])) {
            ControlSymbol(data_[pos_++]);
            return;
        }
        char name[kMaxControlWordLength];
        int length = 0;
        bool tooLong = false;
        while (pos_ < size_ && IsLetter(data_[pos_])) {
            if (length < kMaxControlWordLength) {
                name[length++] = data_[pos_];
            } else {
                tooLong = true;
            }
            ++pos_;
        }
        bool negative = false;
        if (pos_ + 1 < size_ && data_[pos_] == '-' && IsDigit(data_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        std::int64_t value = 0;
        int digits = 0;
        while (pos_ < size_ && IsDigit(data_[pos_])) {
            if (digits < kMaxParameterDigits) value = value * 10 + (data_[pos_] - '0');
            ++digits;
            ++pos_;
        }
        if (pos_ < size_ && data_[pos_] == ' ') ++pos_;
        if (tooLong) return;
        value = std::min<std::int64_t>(value, kMaxParameter);
        const int parameter = static_cast<int>(negative ? -value : value);
        ControlWord(std::string_view(name, length), digits > 0, parameter);
    }

    // Counts a character of a \uN fallback; true when this one is to be dropped.
    bool SkipFallback() {
        if (unicodeSkipLeft_ == 0) return false;
        --unicodeSkipLeft_;
        return true;
    }

    void ControlWord(std::string_view name, bool hasParameter, int parameter) {
        atGroupStart_ = false;
        const Keyword* found = FindKeyword(name);
        if (found != nullptr && found->key == Key::Binary) {
            // Binary data follows, possibly with braces in it: step over it unread.
            FlushBytes();
            if (hasParameter && parameter > 0) pos_ += std::min<qsizetype>(parameter, size_ - pos_);
            return;
        }
        FlushBytes();
        if (SkipFallback()) return;
        GroupState& state = State();
        if (state.destination == Destination::Skip || found == nullptr) return;
        const Keyword keyword = *found;
        const int param = hasParameter ? parameter : 1;
        switch (keyword.key) {
            case Key::SkipDestination:
                state.destination = Destination::Skip;
                return;
            case Key::FontTable:
                state.destination = Destination::FontTable;
                return;
            case Key::ColorTable:
                state.destination = Destination::ColorTable;
                colors_.clear();
                ResetColor();
                return;
            case Key::Ansi:
                documentCodePage_ = kAnsiCodePage;
                return;
            case Key::Mac:
                documentCodePage_ = 10000;
                return;
            case Key::Pc:
                documentCodePage_ = 437;
                return;
            case Key::Pca:
                documentCodePage_ = 850;
                return;
            case Key::AnsiCpg:
                documentCodePage_ = hasParameter ? parameter : kAnsiCodePage;
                return;
            case Key::DefaultFont:
                defaultFont_ = hasParameter ? parameter : 0;
                return;
            case Key::DefaultTab:
                if (hasParameter && parameter > 0)
                    defaultTab_ = std::min(parameter, kMaxIndentTwips);
                return;
            case Key::UnicodeSkip:
                state.unicodeSkip = std::clamp(hasParameter ? parameter : 1, 0, kMaxUnicodeSkip);
                return;
            case Key::Unicode:
                if (hasParameter) UnicodeCharacter(parameter);
                return;
            default:
                break;
        }
        switch (state.destination) {
            case Destination::FontTable:
                FontTableWord(keyword.key, hasParameter, parameter);
                break;
            case Destination::ColorTable:
                ColorTableWord(keyword.key, parameter);
                break;
            case Destination::Text:
                TextWord(keyword, hasParameter, param);
                break;
            case Destination::Skip:
                break;
        }
    }

    void FontTableWord(Key key, bool hasParameter, int parameter) {
        switch (key) {
            case Key::Font:
                CommitFont();
                definingFont_ = hasParameter ? parameter : 0;
                fonts_[*definingFont_];
                break;
            case Key::FontCharset:
                if (definingFont_) fonts_[*definingFont_].codePage = CodePageForCharset(parameter);
                break;
            case Key::FontCodePage:
                if (definingFont_) fonts_[*definingFont_].codePage = parameter;
                break;
            default:
                break;
        }
    }

    void ColorTableWord(Key key, int parameter) {
        const int component = std::clamp(parameter, 0, 255);
        switch (key) {
            case Key::Red:
                color_.setRed(component);
                break;
            case Key::Green:
                color_.setGreen(component);
                break;
            case Key::Blue:
                color_.setBlue(component);
                break;
            default:
                return;
        }
        colorGiven_ = true;
    }

    void TextWord(const Keyword& keyword, bool hasParameter, int param) {
        GroupState& state = State();
        CharProps& chars = state.chars;
        ParaProps& para = state.para;
        const bool on = param != 0;
        switch (keyword.key) {
            case Key::ParagraphBreak:
                EndParagraph();
                break;
            case Key::Character:
                AppendText(QString(QChar(keyword.character)));
                break;
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

    static int Twips(bool hasParameter, int param) {
        return hasParameter ? std::clamp(param, -kMaxIndentTwips, kMaxIndentTwips) : 0;
    }

    void UnicodeCharacter(int parameter) {
        // \uN is a signed 16-bit number: negative values stand for N + 65536.
        const std::int64_t code = parameter < 0 ? std::int64_t{parameter} + 65536 : parameter;
        if (code >= 0 && code <= 0xFFFF) {
            EmitText(QString(QChar(static_cast<char16_t>(code))));
        } else if (code > 0xFFFF && code <= 0x10FFFF) {
            const auto character = static_cast<char32_t>(code);
            EmitText(QString::fromUcs4(&character, 1));
        } else {
            EmitText(QString(QChar::ReplacementCharacter));
        }
        unicodeSkipLeft_ = State().unicodeSkip;
    }

    void ControlSymbol(char symbol) {
        if (symbol == '\'') {
            HexEscape();
            return;
        }
        if (symbol == '*') {
            // {\*\destination ...}: a destination this reader need not know, so none it shows.
            if (atGroupStart_ && State().destination != Destination::Skip) {
                FlushBytes();
                State().destination = Destination::Skip;
            }
            return;
        }
        atGroupStart_ = false;
        FlushBytes();
        if (SkipFallback()) return;
        switch (symbol) {
            case '\\':
            case '{':
            case '}':
                TextByte(static_cast<unsigned char>(symbol));
                break;
            case '~':
                EmitText(QString(QChar(QChar::Nbsp)));
                break;
            case '_':
                EmitText(QString(QChar(0x2011)));
                break;
            case '\t':
                EmitText(QStringLiteral("\t"));
                break;
            case '\r':
            case '\n':
                if (State().destination == Destination::Text) EndParagraph();
                break;
            default:
                break;  // \- optional hyphen, \: index entry, \| formula: nothing to show
        }
    }

    void HexEscape() {
        atGroupStart_ = false;
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < size_ && IsHexDigit(data_[pos_])) {
            value = value * 16 + HexValue(data_[pos_++]);
            ++digits;
        }
        if (digits == 0) return;
        if (SkipFallback()) return;
        const Destination destination = State().destination;
        if (destination == Destination::Text || destination == Destination::FontTable) {
            bytes_.append(static_cast<char>(value));
        }
    }

    void Literal(unsigned char c) {
        if (c == '\r' || c == '\n' || c == 0) return;
        atGroupStart_ = false;
        if (SkipFallback()) return;
        TextByte(c);
    }

    void TextByte(unsigned char c) {
        switch (State().destination) {
            case Destination::Skip:
                return;
            case Destination::ColorTable:
                if (c == ';') {
                    colors_.push_back(colorGiven_ ? color_ : QColor());
                    ResetColor();
                }
                return;
            case Destination::FontTable:
                if (c == ';') {
                    CommitFont();
                    return;
                }
                break;
            case Destination::Text:
                break;
        }
        if (c < 0x20 && c != '\t') return;
        bytes_.append(static_cast<char>(c));
    }

    void ResetColor() {
        color_ = QColor(0, 0, 0);
        colorGiven_ = false;
    }

    // Escaped and literal bytes wait here until something else comes, so that the bytes of one
    // character in a multi-byte code page are decoded together.
    void FlushBytes() {
        if (bytes_.isEmpty()) return;
        const QString text = decoder_.Decode(bytes_, CurrentCodePage());
        bytes_.clear();
        EmitText(text);
    }

    int CurrentCodePage() const {
        const GroupState& state = stack_.back();
        std::optional<int> font;
        if (state.destination == Destination::FontTable) {
            font = definingFont_;
        } else {
            font = state.chars.font >= 0 ? state.chars.font : defaultFont_;
        }
        if (font) {
            const auto entry = fonts_.find(*font);
            if (entry != fonts_.end() && entry->second.codePage != 0) return entry->second.codePage;
        }
        return documentCodePage_;
    }

    void EmitText(const QString& text) {
        switch (State().destination) {
            case Destination::Text:
                AppendText(text);
                break;
            case Destination::FontTable:
                fontName_ += text;
                break;
            default:
                break;
        }
    }

    void AppendText(const QString& text) {
        const CharProps& chars = State().chars;
        if (chars.hidden) return;
        if (!run_.isEmpty() && !(runProps_ == chars)) EmitRun();
        if (run_.isEmpty()) runProps_ = chars;
        run_ += text;
    }

    void EmitRun() {
        if (run_.isEmpty()) return;
        cursor_.insertText(CleanText(run_), CharFormat(runProps_));
        run_.clear();
    }

    void EndParagraph() {
        FlushBytes();
        EmitRun();
        cursor_.setBlockFormat(BlockFormat(State().para));
        cursor_.setBlockCharFormat(CharFormat(State().chars));
        cursor_.insertBlock();
    }

    void Finish() {
        FlushBytes();
        EmitRun();
        cursor_.setBlockFormat(BlockFormat(State().para));
        cursor_.setBlockCharFormat(CharFormat(State().chars));
        // Tabs past a paragraph's own stops go to the next multiple of the default width.
        QTextDocument& document = *cursor_.document();
        QTextOption option = document.defaultTextOption();
        option.setTabStopDistance(defaultTab_ / double{kTwipsPerPixel});
        document.setDefaultTextOption(option);
    }

    void CommitFont() {
        if (definingFont_) {
            QString name = fontName_.trimmed();
            if (!name.isEmpty()) fonts_[*definingFont_].name = name;
        }
        fontName_.clear();
    }

    QTextCharFormat CharFormat(const CharProps& chars) const {
        QTextCharFormat format;
        format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chars.italic);
        format.setFontUnderline(chars.underline);
        format.setFontStrikeOut(chars.strike);
        format.setFontPointSize(chars.halfPoints / 2.0);
        const int font = chars.font >= 0 ? chars.font : defaultFont_;
        const auto entry = fonts_.find(font);
        if (entry != fonts_.end() && !entry->second.name.isEmpty()) {
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

    QColor TableColor(int index) const {
        if (index <= 0 || index >= static_cast<int>(colors_.size())) return QColor();
        return colors_[index];
    }

    QTextBlockFormat BlockFormat(const ParaProps& para) const {
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
    QList<QTextOption::Tab> TabPositions(const ParaProps& para) const {
        std::vector<TabStop> stops = para.tabs;
        const auto at = [](int position) {
            return [position](const TabStop& stop) { return stop.position == position; };
        };
        if (para.firstIndent < 0 && para.leftIndent > 0 &&
            std::none_of(stops.begin(), stops.end(), at(para.leftIndent))) {
            stops.push_back(TabStop{para.leftIndent, QTextOption::LeftTab, QChar()});
        }
        std::stable_sort(stops.begin(), stops.end(), [](const TabStop& a, const TabStop& b) {
            return a.position < b.position;
        });
        const int lineStart = para.leftIndent + para.firstIndent;
        if (lineStart % defaultTab_ != 0) {
            int next = std::max(stops.empty() ? 0 : stops.back().position, lineStart);
            next = (next / defaultTab_ + 1) * defaultTab_;
            for (; next <= kMaxIndentTwips && static_cast<int>(stops.size()) < kMaxTabStops;
                 next += defaultTab_)
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

    const char* data_;
    qsizetype size_;
    qsizetype pos_;
    QTextCursor cursor_;

    std::vector<GroupState> stack_;
    int flattenedGroups_ = 0;
    bool atGroupStart_ = false;
    int unicodeSkipLeft_ = 0;

    int documentCodePage_ = kAnsiCodePage;
    int defaultFont_ = 0;
    int defaultTab_ = kDefaultTabTwips;
    std::map<int, FontEntry> fonts_;
    std::optional<int> definingFont_;
    QString fontName_;
    std::vector<QColor> colors_;
    QColor color_;
    bool colorGiven_ = false;
    CodePageDecoder decoder_;

    QByteArray bytes_;
    QString run_;
    CharProps runProps_;
};

// Where "{\rtf" begins once leading white space is passed, or -1.
qsizetype RtfStart(const QByteArray& rtf) {
    qsizetype start = 0;
    if (rtf.startsWith("\xEF\xBB\xBF")) start = 3;
    while (start < rtf.size() &&
           (rtf[start] == ' ' || rtf[start] == '\t' || rtf[start] == '\r' || rtf[start] == '\n')) {
        ++start;
    }
    return QByteArrayView(rtf).sliced(start).startsWith("{\\rtf") ? start : -1;
}

void SetError(QString* error, const QString& message) {
    if (error) *error = message;
}

}  // namespace

bool ReadRtf(const QByteArray& rtf, QTextDocument& document, QString* error) {
    document.clear();
    const qsizetype start = RtfStart(rtf);
    if (start < 0) {
        SetError(error,
                 rtf.trimmed().isEmpty()
                     ? QCoreApplication::translate("pathwick::RtfReader", "The document is empty.")
                     : QCoreApplication::translate(
                           "pathwick::RtfReader",
                           "The document is not in rich-text format: it does not begin "
                           "with \"{\\rtf\"."));
        return false;
    }
    const bool undoRedo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    {
        RtfParser parser(rtf, start, document);
        parser.Run();
    }
    document.setUndoRedoEnabled(undoRedo);
    return true;
}

bool LoadRtfFile(const QString& path, QTextDocument& document, QString* error) {
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    QString problem;
    if (!info.exists()) {
        problem =
            QCoreApplication::translate("pathwick::RtfReader", "The file \"%1\" does not exist.")
                .arg(shown);
    } else if (info.isDir()) {
        problem = QCoreApplication::translate("pathwick::RtfReader",
                                              "\"%1\" is a folder, not a document.")
                      .arg(shown);
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            problem = QCoreApplication::translate("pathwick::RtfReader",
                                                  "The file \"%1\" cannot be read: %2.")
                          .arg(shown, file.errorString());
        } else {
            const QByteArray contents = file.read(MaxRtfFileSize + 1);
            QString readError;
            if (file.error() != QFileDevice::NoError) {
                problem = QCoreApplication::translate("pathwick::RtfReader",
                                                      "The file \"%1\" cannot be read: %2.")
                              .arg(shown, file.errorString());
            } else if (contents.size() > MaxRtfFileSize) {
                problem = QCoreApplication::translate(
                              "pathwick::RtfReader",
                              "The file \"%1\" is too large to be a rich-text document.")
                              .arg(shown);
            } else if (!ReadRtf(contents, document, &readError)) {
                problem = QCoreApplication::translate("pathwick::RtfReader",
                                                      "The file \"%1\" cannot be shown. %2")
                              .arg(shown, readError);
            }
        }
    }
    if (problem.isEmpty()) return true;
    document.clear();
    SetError(error, problem);
    return false;
}

}  // namespace pathwick
