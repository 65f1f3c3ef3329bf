// SPDX-License-Identifier: GPL-3.0-or-later
// Reads rich text into a QTextDocument. The parser here follows the groups and destinations of
// the document, fills its font and colour tables and keeps each group's formatting; the tokenizer
// reads the bytes, the code pages turn them into text and the document builder writes it.
#include "rules/rtfreader.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "rules/rtfcodepage.h"
#include "rules/rtfdocumentbuilder.h"
#include "rules/rtfformat.h"
#include "rules/rtfkeywords.h"
#include "rules/rtftokenizer.h"

namespace pathwick::rtf {
namespace {

// Groups nested deeper than this are read as if their braces were not there.
constexpr int kMaxGroupDepth = 1000;
constexpr int kMaxUnicodeSkip = 1000;

// Where the text of a group goes.
enum class Destination { Text, FontTable, ColorTable, Skip };

struct GroupState {
    CharProps chars;
    ParaProps para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;  // \ucN: fallback characters after each \uN
};

class RtfParser {
public:
    RtfParser(const QByteArray& rtf, qsizetype start, QTextDocument& document)
        : tokenizer_(rtf, start), builder_(document, tables_) {
        stack_.emplace_back();
    }

    void Run() {
        Token token;
        while (tokenizer_.Next(token)) {
            switch (token.kind) {
                case TokenKind::GroupStart:
                    BeginGroup();
                    break;
                case TokenKind::GroupEnd:
                    EndGroup();
                    break;
                case TokenKind::ControlWord:
                    ControlWord(token.word, token.hasParameter, token.parameter);
                    break;
                case TokenKind::ControlSymbol:
                    ControlSymbol(token.character);
                    break;
                case TokenKind::HexEscape:
                    HexEscape(token.hasParameter, token.parameter);
                    break;
                case TokenKind::Text:
                    Literal(static_cast<unsigned char>(token.character));
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
            if (hasParameter && parameter > 0) tokenizer_.Skip(parameter);
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
                tables_.colors.clear();
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
                tables_.defaultFont = hasParameter ? parameter : 0;
                return;
            case Key::DefaultTab:
                if (hasParameter && parameter > 0)
                    tables_.defaultTab = std::min(parameter, kMaxIndentTwips);
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
                tables_.fonts[*definingFont_];
                break;
            case Key::FontCharset:
                if (definingFont_)
                    tables_.fonts[*definingFont_].codePage = CodePageForCharset(parameter);
                break;
            case Key::FontCodePage:
                if (definingFont_) tables_.fonts[*definingFont_].codePage = parameter;
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
        switch (keyword.key) {
            case Key::ParagraphBreak:
                EndParagraph();
                break;
            case Key::Character:
                builder_.AppendText(QString(QChar(keyword.character)), state.chars);
                break;
            default:
                ApplyFormatting(keyword.key, hasParameter, param, state.chars, state.para);
                break;
        }
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

    void HexEscape(bool hasValue, int value) {
        atGroupStart_ = false;
        if (!hasValue) return;
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
                    tables_.colors.push_back(colorGiven_ ? color_ : QColor());
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
            font = state.chars.font >= 0 ? state.chars.font : tables_.defaultFont;
        }
        if (font) {
            const auto entry = tables_.fonts.find(*font);
            if (entry != tables_.fonts.end() && entry->second.codePage != 0)
                return entry->second.codePage;
        }
        return documentCodePage_;
    }

    void EmitText(const QString& text) {
        switch (State().destination) {
            case Destination::Text:
                builder_.AppendText(text, State().chars);
                break;
            case Destination::FontTable:
                fontName_ += text;
                break;
            default:
                break;
        }
    }

    void EndParagraph() {
        FlushBytes();
        builder_.EndParagraph(State().para, State().chars);
    }

    void Finish() {
        FlushBytes();
        builder_.Finish(State().para, State().chars);
    }

    void CommitFont() {
        if (definingFont_) {
            QString name = fontName_.trimmed();
            if (!name.isEmpty()) tables_.fonts[*definingFont_].name = name;
        }
        fontName_.clear();
    }

    Tokenizer tokenizer_;
    DocumentTables tables_;
    DocumentBuilder builder_;  // after tables_, which it refers to

    std::vector<GroupState> stack_;
    int flattenedGroups_ = 0;
    bool atGroupStart_ = false;
    int unicodeSkipLeft_ = 0;

    int documentCodePage_ = kAnsiCodePage;
    std::optional<int> definingFont_;
    QString fontName_;
    QColor color_;
    bool colorGiven_ = false;
    CodePageDecoder decoder_;

    QByteArray bytes_;
};

}  // namespace
}  // namespace pathwick::rtf

namespace pathwick {
namespace {

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
        rtf::RtfParser parser(rtf, start, document);
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
