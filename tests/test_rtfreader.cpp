// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include "rules/rtfreader.h"
#include "support/testmain.h"

using namespace pathwick;

namespace {

const QString kDataDir = QStringLiteral(PATHWICK_SOURCE_DIR "/tests/data/");
const QString kRulesPath = QStringLiteral(PATHWICK_SOURCE_DIR "/resources/Rules.rtf");
const QStringList kHeadings = {"INTRODUCTION",     "TRAVELING THE MAZE", "Movement",
                               "Dropping Markers", "MAP VIEW",           "FILE OPERATIONS"};

QStringList BlockTexts(const QTextDocument& document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        texts << block.text();
    }
    return texts;
}

QString Read(const QByteArray& rtf, bool* ok = nullptr) {
    QTextDocument document;
    const bool read = ReadRtf(rtf, document);
    if (ok) *ok = read;
    return BlockTexts(document).join(u'\n');
}

// The format of the character at `position`.
QTextCharFormat FormatAt(const QTextDocument& document, int position) {
    const QTextBlock block = document.findBlock(position);
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        if (fragment.fragment().contains(position)) return fragment.fragment().charFormat();
    }
    qWarning("no character at %d", position);
    return {};
}

// The format of the first occurrence of `text`, which must have one format throughout.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& text) {
    const QTextCursor found = document.find(text, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull()) {
        qWarning("\"%s\" not found", qPrintable(text));
        return {};
    }
    const QTextCharFormat first = FormatAt(document, found.selectionStart());
    for (int position = found.selectionStart(); position < found.selectionEnd(); ++position) {
        if (FormatAt(document, position) != first) {
            qWarning("\"%s\" changes format at %d", qPrintable(text), position);
            return {};
        }
    }
    return first;
}

QTextBlock BlockWithText(const QTextDocument& document, const QString& text) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text() == text) return block;
    }
    return {};
}

QTextDocument* LoadData(const QString& path) {
    auto* document = new QTextDocument;
    QString error;
    if (!LoadRtfFile(path, *document, &error)) qWarning("%s", qPrintable(error));
    return document;
}

}  // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    // The rules document of the game.
    void rulesDocumentHasTheSixHeadingsAsParagraphsInOrder();
    void rulesHeadingsOccurNowhereElseMatchingCase();
    void rulesHeadingsAreBoldAndLargerThanTheBody();
    void rulesDocumentShowsNoneOfItsHeaderGroups();

    // Documents as word processors write them.
    void wordProcessorDocumentReadsAsItsParagraphs();
    void wordProcessorDocumentKeepsItsFormatting();
    void libreOfficeDocumentReadsAsItsParagraphs();
    void libreOfficeDocumentKeepsItsFormatting();

    void codePageEscapesAreDecoded_data();
    void codePageEscapesAreDecoded();
    void unicodeCharactersSkipTheirFallback_data();
    void unicodeCharactersSkipTheirFallback();
    void controlSymbolsAndNamedCharactersBecomeText_data();
    void controlSymbolsAndNamedCharactersBecomeText();
    void destinationsWithoutBodyTextDoNotLeak_data();
    void destinationsWithoutBodyTextDoNotLeak();

    void nestedGroupsRestoreFormattingWhenTheyClose();
    void explicitZeroEndsEachCharacterProperty();
    void plainAndPardResetOnlyTheirOwnProperties();
    void sizeAndColourComeFromTheirParameterAndTable();
    void paragraphsLinesAndTabsKeepTheirPlaces();
    void tabStopsKeepTheirKind_data();
    void tabStopsKeepTheirKind();
    void paragraphAlignmentAppliesToItsParagraph();

    void malformedInputIsReadAsFarAsItMakesSense_data();
    void malformedInputIsReadAsFarAsItMakesSense();
    void nestingDeeperThanTheCapIsFlattened();
    void charactersThatWouldBreakTheDocumentAreReplaced();

    void inputThatIsNotRichTextIsRefused_data();
    void inputThatIsNotRichTextIsRefused();
    void missingFileIsReportedByName();
    void folderIsReportedByName();
    void fileThatIsNotRichTextIsReportedByName();
    void tooLargeFileIsRefused();
};

void TestRtfReader::rulesDocumentHasTheSixHeadingsAsParagraphsInOrder() {
    QScopedPointer<QTextDocument> document(LoadData(kRulesPath));
    QStringList headingsInOrder;
    for (const QString& text : BlockTexts(*document)) {
        if (kHeadings.contains(text)) headingsInOrder << text;
    }
    QCOMPARE(headingsInOrder, kHeadings);
}

void TestRtfReader::rulesHeadingsOccurNowhereElseMatchingCase() {
    // The rules window jumps to a section by searching for its heading, matching case.
    QScopedPointer<QTextDocument> document(LoadData(kRulesPath));
    for (const QString& heading : kHeadings) {
        const QTextCursor first = document->find(heading, 0, QTextDocument::FindCaseSensitively);
        QVERIFY2(!first.isNull(), qPrintable(heading));
        QCOMPARE(first.selectedText(), heading);
        QCOMPARE(first.block().text(), heading);
        QVERIFY2(document->find(heading, first, QTextDocument::FindCaseSensitively).isNull(),
                 qPrintable(heading));
    }
}

void TestRtfReader::rulesHeadingsAreBoldAndLargerThanTheBody() {
    QScopedPointer<QTextDocument> document(LoadData(kRulesPath));
    const QTextCharFormat body = FormatOf(*document, "Walk with the four");
    QCOMPARE(body.fontWeight(), int{QFont::Normal});
    for (const QString& heading : kHeadings) {
        const QTextCharFormat format = FormatOf(*document, heading);
        QVERIFY2(format.fontWeight() >= QFont::Bold, qPrintable(heading));
        QVERIFY2(format.fontPointSize() > body.fontPointSize(), qPrintable(heading));
    }
}

void TestRtfReader::rulesDocumentShowsNoneOfItsHeaderGroups() {
    QScopedPointer<QTextDocument> document(LoadData(kRulesPath));
    const QString text = document->toPlainText();
    for (const char* leak : {"\\", "{", "}", "DejaVu", "heading 1", "Normal;", "developers"}) {
        QVERIFY2(!text.contains(QLatin1String(leak)), leak);
    }
    QVERIFY(text.startsWith("How to Play Pathwick!\n"));
    QVERIFY(text.contains(QStringLiteral("déjà vu")));
}

void TestRtfReader::wordProcessorDocumentReadsAsItsParagraphs() {
    QScopedPointer<QTextDocument> document(LoadData(kDataDir + "wordprocessor-treasure.rtf"));
    const QStringList expected = {
        "Treasure Hunt",
        "The map says: walk north for three steps.",
        QStringLiteral("·\tBring a lamp"),
        QStringLiteral("·\tBring some bread"),
        QStringLiteral("Привет, said the mouse."),
        "Picture: .",
        "the website is down.",
        "",
    };
    QCOMPARE(BlockTexts(*document), expected);
}

void TestRtfReader::wordProcessorDocumentKeepsItsFormatting() {
    QScopedPointer<QTextDocument> document(LoadData(kDataDir + "wordprocessor-treasure.rtf"));
    const QTextCharFormat title = FormatOf(*document, "Treasure Hunt");
    QCOMPARE(title.fontWeight(), int{QFont::Bold});
    QCOMPARE(title.fontPointSize(), 16.0);
    QCOMPARE(title.fontFamilies().toStringList(), QStringList{"Calibri"});
    QCOMPARE(BlockWithText(*document, "Treasure Hunt").blockFormat().alignment(), Qt::AlignHCenter);
    QVERIFY(FormatOf(*document, "north").fontItalic());
    QCOMPARE(FormatOf(*document, "three").foreground().color(), QColor(255, 0, 0));
    QCOMPARE(FormatOf(*document, " steps").foreground().style(), Qt::NoBrush);
    const QTextCharFormat link = FormatOf(*document, "the website");
    QVERIFY(link.fontUnderline());
    QCOMPARE(link.foreground().color(), QColor(0, 77, 187));
    QVERIFY(!FormatOf(*document, " is down").fontUnderline());
    const QTextBlock item = BlockWithText(*document, QStringLiteral("·\tBring a lamp"));
    QCOMPARE(item.blockFormat().leftMargin(), 720.0 / 15);
    QCOMPARE(item.blockFormat().textIndent(), -360.0 / 15);
}

void TestRtfReader::libreOfficeDocumentReadsAsItsParagraphs() {
    // Written by LibreOffice Writer from an HTML page.
    QScopedPointer<QTextDocument> document(LoadData(kDataDir + "libreoffice-notes.rtf"));
    const QStringList expected = {
        "Maze notes",
        "A bold start, an italic middle and an underlined end.",
        QStringLiteral("Prices: 5 € per maze; café crème; naïve façade."),
        QStringLiteral("Привет, лабиринт! Ελληνικά. Tschüß."),
        QStringLiteral("•\tFirst turn left"),
        QStringLiteral("•\tThen “straight on” — always"),
        "Centred line",
        "Last line with a link text inside.",
        "",
    };
    QCOMPARE(BlockTexts(*document), expected);
}

void TestRtfReader::libreOfficeDocumentKeepsItsFormatting() {
    QScopedPointer<QTextDocument> document(LoadData(kDataDir + "libreoffice-notes.rtf"));
    const QTextCharFormat heading = FormatOf(*document, "Maze notes");
    QCOMPARE(heading.fontWeight(), int{QFont::Bold});
    QCOMPARE(heading.fontPointSize(), 24.0);
    QCOMPARE(heading.fontFamilies().toStringList(), QStringList{"DejaVu Serif"});
    QCOMPARE(FormatOf(*document, "bold").fontWeight(), int{QFont::Bold});
    QCOMPARE(FormatOf(*document, " start, an ").fontWeight(), int{QFont::Normal});
    QVERIFY(FormatOf(*document, "italic").fontItalic());
    QVERIFY(FormatOf(*document, "underlined").fontUnderline());
    QCOMPARE(BlockWithText(*document, "Centred line").blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(BlockWithText(*document, "Maze notes").blockFormat().alignment(), Qt::AlignLeft);
}

void TestRtfReader::codePageEscapesAreDecoded_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("1252 by default") << QByteArray("{\\rtf1 caf\\'e9 \\'80}") << "café €";
    QTest::newRow("1252 named") << QByteArray("{\\rtf1\\ansi\\ansicpg1252 \\'C9t\\'e9}") << "Été";
    QTest::newRow("1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1}") << "Аб";
    QTest::newRow("1250") << QByteArray("{\\rtf1\\ansicpg1250 \\'b9}") << "ą";
    QTest::newRow("1253") << QByteArray("{\\rtf1\\ansicpg1253 \\'e1}") << "α";
    QTest::newRow("437 via pc") << QByteArray("{\\rtf1\\pc \\'b1}") << "▒";
    QTest::newRow("850") << QByteArray("{\\rtf1\\ansicpg850 \\'d0}") << "ð";
    QTest::newRow("unknown code page reads as 1252")
        << QByteArray("{\\rtf1\\ansicpg4242 \\'e9}") << "é";
    QTest::newRow("double-byte 932") << QByteArray("{\\rtf1\\ansicpg932 \\'82\\'a0}") << "あ";
    QTest::newRow("font charset overrides")
        << QByteArray(
               "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Cyr;}}"
               "\\f1\\'c0\\f0\\'c0}")
        << "АÀ";
    QTest::newRow("raw high byte") << QByteArray("{\\rtf1\\ansicpg1251 \xc0}") << "А";
}

void TestRtfReader::codePageEscapesAreDecoded() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(Read(rtf), text);
}

void TestRtfReader::unicodeCharactersSkipTheirFallback_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("one fallback by default") << QByteArray("{\\rtf1 \\u8364?x}") << "€x";
    QTest::newRow("uc0") << QByteArray("{\\rtf1\\uc0\\u8364 x}") << "€x";
    QTest::newRow("uc2") << QByteArray("{\\rtf1\\uc2\\u8364??x}") << "€x";
    QTest::newRow("escaped fallback") << QByteArray("{\\rtf1 \\u8364\\'80x}") << "€x";
    QTest::newRow("negative") << QByteArray("{\\rtf1 \\u-4064?}") << QString(QChar(0xF020));
    QTest::newRow("surrogate pair")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("skip count is group-scoped")
        << QByteArray("{\\rtf1{\\uc2\\u8364??}\\u8364?x}") << "€€x";
    QTest::newRow("group end ends the fallback")
        << QByteArray("{\\rtf1\\uc3{\\u8364 a}bc}") << "€bc";
    QTest::newRow("lone surrogate") << QByteArray("{\\rtf1 \\u-10179?x}") << "\uFFFDx";
}

void TestRtfReader::unicodeCharactersSkipTheirFallback() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(Read(rtf), text);
}

void TestRtfReader::controlSymbolsAndNamedCharactersBecomeText_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("escaped specials") << QByteArray("{\\rtf1 a\\\\b\\{c\\}}") << "a\\b{c}";
    QTest::newRow("no-break space") << QByteArray("{\\rtf1 a\\~b}") << "a\u00A0b";
    QTest::newRow("optional hyphen") << QByteArray("{\\rtf1 Move\\-ment}") << "Movement";
    QTest::newRow("no-break hyphen") << QByteArray("{\\rtf1 a\\_b}") << "a\u2011b";
    QTest::newRow("dashes and bullet")
        << QByteArray("{\\rtf1 \\emdash\\endash\\bullet}") << "\u2014\u2013\u2022";
    QTest::newRow("quotes") << QByteArray("{\\rtf1 \\lquote\\rquote\\ldblquote\\rdblquote}")
                            << "\u2018\u2019\u201C\u201D";
    QTest::newRow("delimiting space is eaten") << QByteArray("{\\rtf1 \\b a \\b0  b}") << "a  b";
}

void TestRtfReader::controlSymbolsAndNamedCharactersBecomeText() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(Read(rtf), text);
}

void TestRtfReader::destinationsWithoutBodyTextDoNotLeak_data() {
    QTest::addColumn<QByteArray>("group");
    for (const char* group : {
             "{\\fonttbl{\\f0\\fswiss\\fcharset0 LEAK;}}",
             "{\\colortbl;\\red1\\green2\\blue3;LEAK}",
             "{\\stylesheet{\\s1 LEAK;}}",
             "{\\info{\\title LEAK}{\\author LEAK}}",
             "{\\pict\\pngblip LEAK}",
             "{\\pict\\bin6 }}{{\\'L}",
             "{\\object\\objemb{\\*\\objdata LEAK}{\\result LEAK}}",
             "{\\header LEAK\\par}",
             "{\\footerr LEAK}",
             "{\\*\\unknownthing LEAK{\\b LEAK}}",
             "{\\*\\listtable{\\list{\\listlevel{\\leveltext LEAK;}}}}",
             "{\\listoverridetable{\\listoverride LEAK}}",
             "{\\*\\rsidtbl LEAK}",
             "{\\*\\generator LEAK;}",
             "{\\*\\xmlnstbl LEAK}",
             "{\\*\\themedata 4c45414b}",
             "{\\*\\colorschememapping LEAK}",
             "{\\*\\latentstyles{\\lsdlockedexcept LEAK;}}",
             "{\\*\\datastore LEAK}",
             "{\\field{\\*\\fldinst HYPERLINK LEAK}{\\fldrslt }}",
             "{\\v LEAK}",
         }) {
        QTest::newRow(group) << QByteArray(group);
    }
}

void TestRtfReader::destinationsWithoutBodyTextDoNotLeak() {
    QFETCH(QByteArray, group);
    QCOMPARE(Read("{\\rtf1 o" + group + "k}"), "ok");
}

void TestRtfReader::nestedGroupsRestoreFormattingWhenTheyClose() {
    QTextDocument document;
    QVERIFY(ReadRtf("{\\rtf1 a{\\b b{\\i c{\\ul d}e}f}g}", document));
    QCOMPARE(document.toPlainText(), "abcdefg");
    const struct {
        bool bold, italic, underline;
    } expected[] = {{false, false, false}, {true, false, false}, {true, true, false},
                    {true, true, true},    {true, true, false},  {true, false, false},
                    {false, false, false}};
    for (int position = 0; position < 7; ++position) {
        const QTextCharFormat format = FormatAt(document, position);
        QCOMPARE(format.fontWeight() == QFont::Bold, expected[position].bold);
        QCOMPARE(format.fontItalic(), expected[position].italic);
        QCOMPARE(format.fontUnderline(), expected[position].underline);
    }
}

void TestRtfReader::explicitZeroEndsEachCharacterProperty() {
    QTextDocument document;
    QVERIFY(ReadRtf("{\\rtf1 \\b\\i\\ul a\\b0 b\\i0 c\\ul0 d}", document));
    QCOMPARE(document.toPlainText(), "abcd");
    const struct {
        bool bold, italic, underline;
    } expected[] = {
        {true, true, true}, {false, true, true}, {false, false, true}, {false, false, false}};
    for (int position = 0; position < 4; ++position) {
        const QTextCharFormat format = FormatAt(document, position);
        QCOMPARE(format.fontWeight() == QFont::Bold, expected[position].bold);
        QCOMPARE(format.fontItalic(), expected[position].italic);
        QCOMPARE(format.fontUnderline(), expected[position].underline);
    }
}

void TestRtfReader::plainAndPardResetOnlyTheirOwnProperties() {
    QTextDocument document;
    QVERIFY(ReadRtf("{\\rtf1\\qc\\b\\i a{\\plain b}c\\par\\pard d}", document));
    QCOMPARE(BlockTexts(document), (QStringList{"abc", "d"}));
    QCOMPARE(FormatAt(document, 1).fontWeight(), int{QFont::Normal});
    QCOMPARE(FormatAt(document, 2).fontWeight(), int{QFont::Bold});
    QVERIFY(FormatAt(document, 2).fontItalic());
    QVERIFY(FormatOf(document, "d").fontItalic());
    QCOMPARE(document.begin().blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(document.lastBlock().blockFormat().alignment(), Qt::AlignLeft);
}

void TestRtfReader::sizeAndColourComeFromTheirParameterAndTable() {
    QTextDocument document;
    QVERIFY(
        ReadRtf("{\\rtf1{\\colortbl;\\red10\\green20\\blue30;}a\\fs30\\cf1 b\\cf9 c\\cf0 d\\fs "
                "e}",
                document));
    QCOMPARE(FormatAt(document, 0).fontPointSize(), 12.0);
    QCOMPARE(FormatAt(document, 1).fontPointSize(), 15.0);
    QCOMPARE(FormatAt(document, 1).foreground().color(), QColor(10, 20, 30));
    QCOMPARE(FormatAt(document, 2).foreground().style(), Qt::NoBrush);
    QCOMPARE(FormatAt(document, 3).foreground().style(), Qt::NoBrush);
    QCOMPARE(FormatAt(document, 4).fontPointSize(), 12.0);
}

void TestRtfReader::paragraphsLinesAndTabsKeepTheirPlaces() {
    QTextDocument document;
    QVERIFY(ReadRtf("{\\rtf1 one\\line two\\par\r\nthree\\tab four\\\nfive}", document));
    QCOMPARE(BlockTexts(document),
             (QStringList{QStringLiteral("one\u2028two"), "three\tfour", "five"}));
}

void TestRtfReader::tabStopsKeepTheirKind_data() {
    QTest::addColumn<QByteArray>("stops");
    QTest::addColumn<int>("kind");  // of the first stop, a QTextOption::TabType
    QTest::newRow("left") << QByteArray("\\tx720") << int(QTextOption::LeftTab);
    QTest::newRow("right") << QByteArray("\\tqr\\tx720") << int(QTextOption::RightTab);
    QTest::newRow("centred") << QByteArray("\\tqc\\tx720") << int(QTextOption::CenterTab);
    QTest::newRow("decimal") << QByteArray("\\tqdec\\tx720") << int(QTextOption::DelimiterTab);
    QTest::newRow("a kind goes with its stop")
        << QByteArray("\\tqr\\tx720\\tx1440") << int(QTextOption::RightTab);
    QTest::newRow("a bar tab takes the kind given before it")
        << QByteArray("\\tqr\\tb360\\tx720") << int(QTextOption::LeftTab);
}

void TestRtfReader::tabStopsKeepTheirKind() {
    QFETCH(QByteArray, stops);
    QFETCH(int, kind);
    QTextDocument document;
    QVERIFY(ReadRtf("{\\rtf1\\pard" + stops + " a\\tab b\\par}", document));
    const QList<QTextOption::Tab> tabs = document.firstBlock().blockFormat().tabPositions();
    QVERIFY(!tabs.isEmpty());
    QCOMPARE(int(tabs.first().type), kind);
    QCOMPARE(tabs.first().position, 720.0 / 15);  // in pixels
    if (QTest::currentDataTag() == QByteArray("a kind goes with its stop"))
        QCOMPARE(int(tabs.at(1).type), int(QTextOption::LeftTab));
}

void TestRtfReader::paragraphAlignmentAppliesToItsParagraph() {
    QTextDocument document;
    QVERIFY(ReadRtf("{\\rtf1\\qr a\\par\\pard\\qj b\\par\\pard c\\qc\\par d}", document));
    QCOMPARE(BlockTexts(document), (QStringList{"a", "b", "c", "d"}));
    QCOMPARE(document.findBlockByNumber(0).blockFormat().alignment(), Qt::AlignRight);
    QCOMPARE(document.findBlockByNumber(1).blockFormat().alignment(), Qt::AlignJustify);
    // Paragraph properties hold for the whole paragraph as they stand at its end.
    QCOMPARE(document.findBlockByNumber(2).blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(document.findBlockByNumber(3).blockFormat().alignment(), Qt::AlignHCenter);
}

void TestRtfReader::malformedInputIsReadAsFarAsItMakesSense_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("extra closing braces are ignored") << QByteArray("{\\rtf1 a}}b}") << "ab";
    QTest::newRow("missing closing braces") << QByteArray("{\\rtf1 {\\b a{{") << "a";
    QTest::newRow("cut in a control word") << QByteArray("{\\rtf1 ab\\pa") << "ab";
    QTest::newRow("cut after a backslash") << QByteArray("{\\rtf1 ab\\") << "ab";
    QTest::newRow("cut in an escape") << QByteArray("{\\rtf1 ab\\'") << "ab";
    QTest::newRow("escape with one digit") << QByteArray("{\\rtf1 ab\\'4") << "ab";
    QTest::newRow("escape without digits") << QByteArray("{\\rtf1 a\\'zzb}") << "azzb";
    QTest::newRow("minus without digits is text") << QByteArray("{\\rtf1 a\\fs-") << "a-";
    QTest::newRow("huge parameters are clamped")
        << QByteArray(
               "{\\rtf1\\fs99999999999999999999 a\\u99999999999999 b\\uc99999999 "
               "\\li-99999999999 c}")
        << "a\uFFFDc";
    QTest::newRow("huge binary length") << QByteArray("{\\rtf1 a\\bin99999999999 bc}") << "a";
    QTest::newRow("negative binary length") << QByteArray("{\\rtf1 a\\bin-5 bc}") << "abc";
    QTest::newRow("NUL bytes") << QByteArrayLiteral("{\\rtf1 a\0b\\'00c\0}") << "abc";
    QTest::newRow("overlong control word")
        << QByteArray("{\\rtf1 a\\" + QByteArray(100, 'b') + "1 c}") << "ac";
    QTest::newRow("star outside a group start is ignored") << QByteArray("{\\rtf1 a\\*b}") << "ab";
    QTest::newRow("unpaired closing brace inside a table")
        << QByteArray("{\\rtf1{\\colortbl;\\red1;}}}x}") << "x";
}

void TestRtfReader::malformedInputIsReadAsFarAsItMakesSense() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    bool ok = false;
    QCOMPARE(Read(rtf, &ok), text);
    QVERIFY(ok);
}

void TestRtfReader::nestingDeeperThanTheCapIsFlattened() {
    const int depth = 100000;
    const QByteArray rtf = "{\\rtf1 a" + QByteArray(depth, '{') + "\\b b" + QByteArray(depth, '}') +
                           "c" + QByteArray(depth, '{') + "d";
    QTextDocument document;
    QVERIFY(ReadRtf(rtf, document));
    QCOMPARE(document.toPlainText(), "abcd");
    QCOMPARE(FormatAt(document, 1).fontWeight(), int{QFont::Bold});
    QCOMPARE(FormatAt(document, 2).fontWeight(), int{QFont::Normal});
}

void TestRtfReader::charactersThatWouldBreakTheDocumentAreReplaced() {
    // Paragraph separators, the document's frame markers and control characters given as
    // \uN must not split or corrupt the block structure.
    QTextDocument document;
    QVERIFY(ReadRtf("{\\rtf1 a\\u8233?b\\u-560?\\u-559?\\u10?\\u13?\\u0?c}", document));
    QCOMPARE(BlockTexts(document), QStringList{"a\u2028b\uFFFD\uFFFDc"});
}

void TestRtfReader::inputThatIsNotRichTextIsRefused_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QByteArray() << "The document is empty.";
    QTest::newRow("blank") << QByteArray(" \r\n") << "The document is empty.";
    const QString notRtf =
        "The document is not in rich-text format: it does not begin with "
        "\"{\\rtf\".";
    QTest::newRow("plain text") << QByteArray("Hello, maze") << notRtf;
    QTest::newRow("cut header") << QByteArray("{\\rt") << notRtf;
    QTest::newRow("NUL first") << QByteArrayLiteral("\0{\\rtf1 a}") << notRtf;
    QTest::newRow("maze file") << QByteArray("1,14\r\n25,9\r\n") << notRtf;
}

void TestRtfReader::inputThatIsNotRichTextIsRefused() {
    QFETCH(QByteArray, input);
    QFETCH(QString, message);
    QTextDocument document("old text");
    QString error;
    QVERIFY(!ReadRtf(input, document, &error));
    QCOMPARE(error, message);
    QVERIFY(document.isEmpty());
}

void TestRtfReader::missingFileIsReportedByName() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Rules.rtf");
    QTextDocument document("old text");
    QString error;
    QVERIFY(!LoadRtfFile(path, document, &error));
    QCOMPARE(error, QString("The file \"%1\" does not exist.").arg(path));
    QVERIFY(document.isEmpty());
}

void TestRtfReader::folderIsReportedByName() {
    QTemporaryDir dir;
    QTextDocument document;
    QString error;
    QVERIFY(!LoadRtfFile(dir.path(), document, &error));
    QCOMPARE(error, QString("\"%1\" is a folder, not a document.").arg(dir.path()));
}

void TestRtfReader::fileThatIsNotRichTextIsReportedByName() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Rules.rtf");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("These are not the rules.");
    file.close();
    QTextDocument document("old text");
    QString error;
    QVERIFY(!LoadRtfFile(path, document, &error));
    QCOMPARE(error, QString("The file \"%1\" cannot be shown. The document is not in rich-text "
                            "format: it does not begin with \"{\\rtf\".")
                        .arg(path));
    QVERIFY(document.isEmpty());
}

void TestRtfReader::tooLargeFileIsRefused() {
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.rtf");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1 ");
    QVERIFY(file.resize(MaxRtfFileSize + 1));
    file.close();
    QTextDocument document;
    QString error;
    QVERIFY(!LoadRtfFile(path, document, &error));
    QCOMPARE(error, QString("The file \"%1\" is too large to be a rich-text document.").arg(path));
}

PATHWICK_TEST_CLASS(TestRtfReader)
#include "test_rtfreader.moc"
