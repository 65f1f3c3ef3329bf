// SPDX-License-Identifier: GPL-3.0-or-later
// Reading maze files: the reading rules, "&Open..." and its failure path.

#include <QDir>
#include <QTemporaryDir>
#include <random>

#include "files/mazeformat.h"
#include "support/filegame.h"
#include "support/testmain.h"
#include "views/cellview.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

const QString kOpenErrorMessage = QStringLiteral(
    "File Open Error: There was an error opening the file.\r\nNew maze will be generated instead");

using FileRecords = QList<QList<QByteArray>>;

// A small game, written out by hand: start (1, 14), end (25, 9), the mouse in
// cell (2, 3) at (2070, 1620), cell codes (3x + y) mod 16, two markers in cell
// (2, 3) and one in cell (25, 25), so that the file ends with a colour.
struct BaseGame {
    std::vector<int> header{1, 14, 25, 9, 2, 3, 2070, 1620};
    static int Code(int x, int y) { return (3 * x + y) % 16; }
    static std::vector<FileValues::Marker> Markers(int x, int y) {
        if (x == 2 && y == 3) return {{1620, 2070, 16777215}, {2070, 1620, 16776960}};
        if (x == 25 && y == 25) return {{100, -200, -1}};
        return {};
    }

    FileValues Values() const {
        FileValues v;
        v.header = header;
        for (int x = 1; x <= kMazeSize; ++x) {
            for (int y = 1; y <= kMazeSize; ++y) {
                v.codes.push_back(Code(x, y));
                v.markers.push_back(Markers(x, y));
            }
        }
        return v;
    }

    FileRecords ToRecords() const {
        const auto n = [](int value) { return QByteArray::number(value); };
        FileRecords r;
        for (int i = 0; i < 8; i += 2) r.append({n(header[i]), n(header[i + 1])});
        for (int x = 1; x <= kMazeSize; ++x) {
            for (int y = 1; y <= kMazeSize; ++y) {
                const auto markers = Markers(x, y);
                r.append({n(Code(x, y))});
                r.append({n(static_cast<int>(markers.size()))});
                for (const auto& [mx, my, colour] : markers) r.append({n(mx), n(my), n(colour)});
            }
        }
        return r;
    }
};

// Index of the record holding cell (x, y)'s code in BaseGame's records.
int CodeRecord(int x, int y) {
    int index = 4;
    for (int cx = 1; cx <= kMazeSize; ++cx) {
        for (int cy = 1; cy <= kMazeSize; ++cy) {
            if (cx == x && cy == y) return index;
            index += 2 + static_cast<int>(BaseGame::Markers(cx, cy).size());
        }
    }
    return -1;
}

QByteArray Join(const FileRecords& records, const QByteArray& comma = ",",
                const QByteArray& lineEnd = "\r\n") {
    QByteArray bytes;
    for (const auto& record : records) bytes += record.join(comma) + lineEnd;
    return bytes;
}

QByteArray BaseFile() {
    return Join(BaseGame().ToRecords());
}

// records with one field replaced.
FileRecords With(FileRecords records, int record, int field, const QByteArray& text) {
    records[record][field] = text;
    return records;
}

// The base file with one field replaced.
QByteArray BaseFileWith(int record, int field, const QByteArray& text) {
    return Join(With(BaseGame().ToRecords(), record, field, text));
}

// A random game that uses the whole range of every value; the mouse stays on
// the grid when openable is set.
MazeState RandomGame(std::mt19937& rng, MarkerKeyCounter& keys, bool openable) {
    std::uniform_int_distribution<int> any16(-32768, 32767);
    std::uniform_int_distribution<int> cell(1, kMazeSize);
    std::uniform_int_distribution<std::int32_t> any32(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<int> count(0, 6);
    const auto v16 = [&] { return static_cast<std::int16_t>(any16(rng)); };
    MazeState s;
    for (std::int16_t* place : {&s.StartX, &s.StartY, &s.EndX, &s.EndY, &s.PosX, &s.PosY})
        *place = v16();
    s.MouseX = static_cast<std::int16_t>(openable ? cell(rng) : any16(rng));
    s.MouseY = static_cast<std::int16_t>(openable ? cell(rng) : any16(rng));
    for (int x = 1; x <= kMazeSize; ++x) {
        for (int y = 1; y <= kMazeSize; ++y) {
            s.grid(x, y) = count(rng) == 0 ? v16() : static_cast<CellCode>(count(rng) * 2);
            const int n = count(rng) == 0 ? count(rng) * 10 : count(rng) / 4;
            for (int i = 0; i < n; ++i) AddMarker(s, keys, x, y, v16(), v16(), any32(rng));
        }
    }
    return s;
}

}  // namespace

class TestMazeFileOpen : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    int fileCount_ = 0;

    QString WriteTemp(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("file%1.maz").arg(++fileCount_));
        if (!WriteFileBytes(path, bytes)) qFatal("cannot write a test file");
        return path;
    }

    // Opens path, which must succeed: no message, the labels set.
    static void CheckOpens(FileGame& g, const QString& path) {
        QVERIFY(g.game.OpenMazeFile(path));
        QCOMPARE(g.dialogs.Messages(), QStringList());
        QCOMPARE(g.game.FilePath(), path);
        QCOMPARE(g.game.Saved(), QStringLiteral("Y"));
    }

private slots:
    void openDialogIsSetUp() {
        FileGame g;
        g.dialogs.fileNames = {WriteTemp(BaseFile())};
        g.game.Open();
        QCOMPARE(g.dialogs.Count(QStringLiteral("open")), 1);
        const FileDialogSetup& setup = g.dialogs.shown.first().setup;
        QCOMPARE(setup.fileName, QString());
        const QList<std::pair<QString, QString>> filters{
            {QStringLiteral("Text (*.txt) "), QStringLiteral("*.txt")},
            {QStringLiteral("Maze files (*.maz) "), QStringLiteral("*.maz")},
            {QStringLiteral("All files (*.*) "), QStringLiteral("*")}};
        QCOMPARE(setup.filters, filters);
        QCOMPARE(setup.filterIndex, 2);
        QCOMPARE(FileValues::Of(g.game.State()), BaseGame().Values());
    }

    void cancelInOpenDialogChangesNothing() {
        FileGame g;
        g.game.DropMarker();
        g.game.SetFilePath(QStringLiteral("/somewhere/game.maz"));
        const MazeState state = g.game.State();
        const QImage maze = g.game.picMaze().Picture();
        const QImage map = g.game.picMap().Picture();
        const MarkerKey lastKey = g.game.Keys().Last();
        SeededRandom random = g.random;

        g.game.Open();  // no name queued: the player cancels

        QVERIFY(g.game.State() == state);
        QVERIFY(g.game.picMaze().Picture() == maze);
        QVERIFY(g.game.picMap().Picture() == map);
        QCOMPARE(g.game.Keys().Last(), lastKey);
        QCOMPARE(g.random.NextUniform(), random.NextUniform());  // no new maze drawn
        QCOMPARE(g.game.FilePath(), QStringLiteral("/somewhere/game.maz"));
        QCOMPARE(g.game.Saved(), QStringLiteral("N"));
        QCOMPARE(g.dialogs.Messages(), QStringList());
    }

    void openedGameGoesOnWhereItWasSaved() {
        FileGame g;
        g.game.State().EndReached = true;
        const MarkerKey lastKey = g.game.Keys().Last();
        const QString path = WriteTemp(BaseFile());
        CheckOpens(g, path);

        const MazeState& s = g.game.State();
        QCOMPARE(FileValues::Of(s), BaseGame().Values());
        QVERIFY(!s.EndReached);
        QCOMPARE(g.game.Keys().Last(), lastKey + 3);  // the run-wide keys go on

        // The cell view shows the mouse's cell with the mouse.
        MazeState copy = s;
        DrawingSurface expected(277, 277);
        DrawCell(expected, copy, s.MouseX, s.MouseY);
        DrawMouseFigure(expected, s, kMouseColor);
        QVERIFY(g.game.picMaze().Picture() == expected.Picture());
    }

    void openingWhileMapShowsRedrawsTheMap() {
        const QString path = WriteTemp(BaseFile());
        FileGame g(2.0f);
        g.game.State().MapView = true;
        g.game.DrawMap();
        const QImage before = g.game.picMap().Picture();

        CheckOpens(g, path);

        FileGame twin(5.0f);  // opens the file with the cell view showing
        CheckOpens(twin, path);
        twin.game.State().MapView = true;
        twin.game.DrawMap();
        QVERIFY(g.game.picMap().Picture() != before);
        QVERIFY(g.game.picMap().Picture() == twin.game.picMap().Picture());
        QVERIFY(g.game.picMaze().Picture() == twin.game.picMaze().Picture());
    }

    void layoutOfTheFileDoesNotMatter_data() {
        QTest::addColumn<QByteArray>("file");
        const FileRecords r = BaseGame().ToRecords();
        QList<QByteArray> fields;
        for (const auto& record : r) fields += record;

        QTest::newRow("as written") << Join(r);
        QTest::newRow("all values on one line") << fields.join(',') + "\r\n";
        QTest::newRow("header on one line")
            << (r[0] + r[1] + r[2] + r[3]).join(',') + "\r\n" + Join(r.mid(4));
        QTest::newRow("one value per line") << fields.join("\r\n") + "\r\n";
        QTest::newRow("LF line ends") << Join(r, ",", "\n");
        QTest::newRow("CR line ends") << Join(r, ",", "\r");
        QByteArray mixed;
        const QByteArray ends[] = {"\n", "\r", "\r\n"};
        for (int i = 0; i < r.size(); ++i) mixed += r[i].join(',') + ends[i % 3];
        QTest::newRow("mixed line ends") << mixed;
        QTest::newRow("no line end after the last value") << Join(r).chopped(2);
        QTest::newRow("anything after the last value") << Join(r) + "garbage,\"x\"\r\n1.5e3,,";
        QTest::newRow("blanks around numbers") << Join(r, " \t, ", "  \r\n\t");
        QByteArray zeros = Join(r);
        zeros.replace("2070", "0002070");
        QTest::newRow("leading zeros") << zeros;
    }
    void layoutOfTheFileDoesNotMatter() {
        QFETCH(QByteArray, file);
        FileGame g;
        CheckOpens(g, WriteTemp(file));
        QCOMPARE(FileValues::Of(g.game.State()), BaseGame().Values());
    }

    void emptyFieldsReadAsZero_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("expected");  // the file as saving writes it back
        const FileRecords r = BaseGame().ToRecords();
        const int marker = CodeRecord(2, 3) + 2;
        const int code = CodeRecord(1, 2);
        const auto row = [&](const char* name, const FileRecords& file, int record, int field,
                             const QByteArray& lineEnd = "\r\n") {
            QTest::newRow(name) << Join(file, ",", lineEnd) << Join(With(r, record, field, "0"));
        };
        row("line starting with a comma", With(r, 0, 0, ""), 0, 0);
        row("two commas in a row", With(r, marker, 1, ""), marker, 1);
        row("comma before the line end", With(r, 1, 1, ""), 1, 1);
        row("blanks only", With(r, 3, 0, " \t "), 3, 0);
        row("empty line", With(r, code, 0, ""), code, 0);
        row("empty line between LF line ends", With(r, code, 0, ""), code, 0, "\n");
        row("empty line between CR line ends", With(r, code, 0, ""), code, 0, "\r");
    }
    void emptyFieldsReadAsZero() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        FileGame g;
        CheckOpens(g, WriteTemp(file));
        const QString saved = dir_.filePath(QStringLiteral("zero.maz"));
        QVERIFY(g.game.SaveMazeFile(saved));
        QCOMPARE(ReadFileBytes(saved), expected);
    }

    void markerCountOfZeroOrBelowReadsNoMarkers_data() {
        QTest::addColumn<QByteArray>("count");
        QTest::newRow("-1") << QByteArray("-1");
        QTest::newRow("0") << QByteArray("0");
        QTest::newRow("-32768") << QByteArray("-32768");
    }
    void markerCountOfZeroOrBelowReadsNoMarkers() {
        QFETCH(QByteArray, count);
        // Cell (2, 3) loses its count and its two marker records; the reading
        // goes on with the next cell.
        FileRecords r = BaseGame().ToRecords();
        const int code = CodeRecord(2, 3);
        r[code + 1] = {count};
        r.remove(code + 2, 2);
        FileGame g;
        CheckOpens(g, WriteTemp(Join(r)));
        FileValues expected = BaseGame().Values();
        expected.markers[(2 - 1) * kMazeSize + (3 - 1)].clear();
        QCOMPARE(FileValues::Of(g.game.State()), expected);
    }

    void valuesAtTheEdgesOfTheirWidthsFit_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("value");
        const int marker = CodeRecord(2, 3) + 2;
        QTest::newRow("16-bit highest") << BaseFileWith(3, 0, "32767") << 3 << 0 << 32767;
        QTest::newRow("16-bit lowest") << BaseFileWith(3, 1, "-32768") << 3 << 1 << -32768;
        QTest::newRow("minus zero") << BaseFileWith(0, 0, "-0") << 0 << 0 << 0;
        QTest::newRow("colour highest")
            << BaseFileWith(marker, 2, "2147483647") << marker << 2 << 2147483647;
        QTest::newRow("colour lowest")
            << BaseFileWith(marker, 2, "-2147483648") << marker << 2 << INT32_MIN;
    }
    void valuesAtTheEdgesOfTheirWidthsFit() {
        QFETCH(QByteArray, file);
        QFETCH(int, record);
        QFETCH(int, field);
        QFETCH(int, value);
        FileGame g;
        CheckOpens(g, WriteTemp(file));
        // Saving writes the value back in its place.
        const QString saved = dir_.filePath(QStringLiteral("edge.maz"));
        QVERIFY(g.game.SaveMazeFile(saved));
        FileRecords expected = BaseGame().ToRecords();
        expected[record][field] = QByteArray::number(value);
        QCOMPARE(ReadFileBytes(saved), Join(expected));
    }

    void startOutsideTheGridOpensWithoutStartLabel() {
        const auto hasStartColour = [](const QImage& picture) {
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    if ((picture.pixel(x, y) & 0xFFFFFF) == 0xFFFF00) return true;  // yellow
            return false;
        };
        // The mouse stands in cell (2, 3); with the start there too, the
        // label and the map square are yellow.
        FileGame control;
        control.game.State().MapView = true;
        CheckOpens(control,
                   WriteTemp(Join(With(With(BaseGame().ToRecords(), 0, 0, "2"), 0, 1, "3"))));
        QVERIFY(hasStartColour(control.game.picMaze().Picture()));
        QVERIFY(hasStartColour(control.game.picMap().Picture()));

        FileGame g;
        g.game.State().MapView = true;
        FileRecords r = BaseGame().ToRecords();
        r[0] = {"30", "30"};
        CheckOpens(g, WriteTemp(Join(r)));
        QCOMPARE(g.game.State().StartX, std::int16_t{30});
        QCOMPARE(g.game.State().StartY, std::int16_t{30});
        QVERIFY(!hasStartColour(g.game.picMaze().Picture()));
        QVERIFY(!hasStartColour(g.game.picMap().Picture()));
    }

    void unreadableFileGivesAFreshMaze_data() {
        QTest::addColumn<QByteArray>("file");
        const FileRecords r = BaseGame().ToRecords();
        const int code = CodeRecord(5, 6);
        const int marker = CodeRecord(2, 3) + 2;
        const QByteArray base = Join(r);

        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("header only") << Join(r.mid(0, 4));
        QTest::newRow("cut before the last colour") << base.chopped(QByteArray(",-1\r\n").size());
        QTest::newRow("cut after the comma before the last colour") << base.chopped(4);
        QTest::newRow("cut to blanks") << base.chopped(4) + "  ";
        QTest::newRow("40000 in the header") << BaseFileWith(3, 0, "40000");
        QTest::newRow("40000 as a cell code") << BaseFileWith(code, 0, "40000");
        QTest::newRow("40000 as a marker count") << BaseFileWith(code + 1, 0, "40000");
        QTest::newRow("-32769 as a marker Y") << BaseFileWith(marker, 1, "-32769");
        QTest::newRow("colour 4294967296") << BaseFileWith(marker, 2, "4294967296");
        QTest::newRow("colour 2147483648") << BaseFileWith(marker, 2, "2147483648");
        QTest::newRow("colour -2147483649") << BaseFileWith(marker, 2, "-2147483649");
        QTest::newRow("thirty digits") << BaseFileWith(code, 0, QByteArray(30, '9'));
        QTest::newRow("text in a field") << BaseFileWith(code, 0, "abc");
        QTest::newRow("number then text") << BaseFileWith(code, 0, "12abc");
        QTest::newRow("plus sign") << BaseFileWith(code, 0, "+5");
        QTest::newRow("fraction") << BaseFileWith(code, 0, "1.5");
        QTest::newRow("exponent") << BaseFileWith(code, 0, "1e3");
        QTest::newRow("sign alone") << BaseFileWith(code, 0, "-");
        QTest::newRow("quoted number") << BaseFileWith(code, 0, "\"5\"");
        QTest::newRow("blank inside a number") << BaseFileWith(code, 0, "1 2");
        QTest::newRow("NUL byte") << BaseFileWith(code, 0, QByteArray(1, '\0'));
        QTest::newRow("more markers counted than present") << BaseFileWith(code + 1, 0, "32767");
        QTest::newRow("mouse cell (0, 5)") << Join(With(With(r, 2, 0, "0"), 2, 1, "5"));
        QTest::newRow("mouse cell (26, 1)") << Join(With(With(r, 2, 0, "26"), 2, 1, "1"));
        QTest::newRow("mouse cell (5, 0)") << BaseFileWith(2, 1, "0");
        QTest::newRow("mouse cell (1, 26)") << BaseFileWith(2, 1, "26");
    }
    void unreadableFileGivesAFreshMaze() {
        QFETCH(QByteArray, file);
        const QString path = WriteTemp(file);
        CheckFailedOpen(path);
    }

    void missingFileGivesAFreshMaze() {
        CheckFailedOpen(dir_.filePath(QStringLiteral("missing.maz")));
    }

    void folderGivesAFreshMaze() { CheckFailedOpen(dir_.path()); }

    void openThenSaveGivesTheSameBytes() {
        for (unsigned seed = 1; seed <= 25; ++seed) {
            std::mt19937 rng(seed);
            MarkerKeyCounter keys;
            const QByteArray bytes = MazeFileBytes(RandomGame(rng, keys, true)).value();
            const QString opened = WriteTemp(bytes);
            const QString saved = dir_.filePath(QStringLiteral("saved%1.maz").arg(seed));
            FileGame g(static_cast<float>(seed));
            QVERIFY(g.game.OpenMazeFile(opened));
            QVERIFY(g.game.SaveMazeFile(saved));
            QVERIFY2(ReadFileBytes(saved) == bytes, qPrintable(QString::number(seed)));
        }
    }

    void readerGivesBackEveryValueTheWriterWrote() {
        for (unsigned seed = 1; seed <= 300; ++seed) {
            std::mt19937 rng(seed);
            MarkerKeyCounter keys;
            const MazeState written = RandomGame(rng, keys, false);
            const QByteArray bytes = MazeFileBytes(written).value();
            MazeState read;
            QCOMPARE(ReadMazeFile(bytes, read, keys), MazeFileError::kNone);
            QVERIFY2(FileValues::Of(read) == FileValues::Of(written),
                     qPrintable(QString::number(seed)));
        }
    }

    void readingInSmallChunksGivesTheSameResult_data() {
        QTest::addColumn<QByteArray>("file");
        const FileRecords r = BaseGame().ToRecords();
        QTest::newRow("as written") << Join(r);
        QTest::newRow("CR line ends") << Join(r, ",", "\r");
        QTest::newRow("blanks around numbers") << Join(r, "  ,\t", " \r\n ");
        QTest::newRow("cut before the last colour") << Join(r).chopped(4);
        QTest::newRow("too wide") << BaseFileWith(CodeRecord(25, 25) + 2, 2, "21474836470");
        QTest::newRow("text") << BaseFileWith(CodeRecord(25, 25) + 2, 0, "1x");
    }
    void readingInSmallChunksGivesTheSameResult() {
        QFETCH(QByteArray, file);
        MarkerKeyCounter keys;
        MazeState whole;
        const MazeFileError wholeError = ReadMazeFile(file, whole, keys);
        for (qint64 chunk : {1, 2, 3, 5, 7, 64}) {
            ChunkedDevice device(file, chunk);
            MazeState chunked;
            QCOMPARE(ReadMazeFile(device, chunked, keys), wholeError);
            QVERIFY(FileValues::Of(chunked) == FileValues::Of(whole));
        }
    }

private:
    // Opens path through the dialog of a game that had a file; the open must
    // fail: the message, then a fresh maze exactly as a new maze would make
    // it, no markers, no file, not saved.
    static void CheckFailedOpen(const QString& path) {
        const float seed = 4.5f;
        FileGame g(seed);
        g.game.SetFilePath(QStringLiteral("/old/game.maz"));
        g.game.SetSaved(QStringLiteral("Y"));
        g.dialogs.fileNames = {path};
        g.game.Open();

        QCOMPARE(g.dialogs.Messages(), QStringList{kOpenErrorMessage});
        QCOMPARE(g.game.FilePath(), QString());
        QCOMPARE(g.game.Saved(), QStringLiteral("N"));

        // The twin makes the same two new mazes: before reading, after failing.
        FileGame twin(seed);
        twin.game.NewMaze();
        twin.game.NewMaze();
        QCOMPARE(FileValues::Of(g.game.State()).MarkerTotal(), 0);
        QVERIFY(FileValues::Of(g.game.State()) == FileValues::Of(twin.game.State()));
        QVERIFY(g.game.picMaze().Picture() == twin.game.picMaze().Picture());
        QVERIFY(!g.game.State().EndReached);
    }
};

PATHWICK_TEST_CLASS(TestMazeFileOpen)
#include "test_mazefile_open.moc"
