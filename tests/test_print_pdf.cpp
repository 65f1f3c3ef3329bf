// SPDX-License-Identifier: GPL-3.0-or-later
// Printing through a real QPrinter into PDF files, read back with poppler's
// pdfinfo and pdftotext; and the print command's dialog and failure paths.

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/newmaze.h"
#include "files/printout.h"
#include "support/fakedialogs.h"
#include "support/testgame.h"
#include "support/testmain.h"
#include "ui/cupsqueue.h"
#include "ui/printer.h"

using namespace pathwick;
using namespace pathwick::testing;

namespace {

const QString kPrintError = QStringLiteral("Print Error: There was an error attempting to print.");

// A generated maze with the mouse away from the start and some markers.
MazeState PlayedState() {
    MazeState state = GeneratedState(3.0f);
    MarkerKeyCounter keys;
    AddMarker(state, keys, state.StartX, state.StartY, 300, 400, kCyan);
    AddMarker(state, keys, state.EndX, state.EndY, 500, 600, kMagenta);
    state.MouseX = state.EndX;
    state.MouseY = state.EndY;
    state.PosX = 123;
    state.PosY = 456;
    state.MapView = true;
    return state;
}

void ToPdf(QPrinter& printer, const QString& path, const QPageSize& size,
           QPageLayout::Orientation orientation, qreal marginMm) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(size);
    printer.setPageOrientation(orientation);
    printer.setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm),
                           QPageLayout::Millimeter);
}

QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool HavePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

// What poppler reads from a PDF: page count and size in points, the box
// around all text, the character pitch and the text lines.
struct PdfText {
    int pages = 0;
    QSizeF pageSize;
    QRectF textBox;
    qreal pitch = 0;
    QStringList lines;  // non-empty lines, trimmed
};

PdfText ReadPdf(const QString& path) {
    PdfText pdf;
    const QString info = Run(QStringLiteral("pdfinfo"), {path});
    pdf.pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    const auto size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    pdf.pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());

    // Every word's box; the widest word gives the pitch (the top line is one
    // word of 75 walls).
    const QString boxes = Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, "-"});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)<"));
    for (auto it = word.globalMatch(boxes); it.hasNext();) {
        const auto m = it.next();
        const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        pdf.textBox = pdf.textBox.isNull() ? box : pdf.textBox.united(box);
        const qsizetype length = m.captured(5).size();
        if (length > 0) pdf.pitch = std::max(pdf.pitch, box.width() / static_cast<qreal>(length));
    }
    if (pdf.pitch <= 0) return pdf;

    // With the true pitch, pdftotext puts every character in its own column.
    const QString text =
        Run(QStringLiteral("pdftotext"),
            {QStringLiteral("-fixed"), QString::number(pdf.pitch, 'f', 4), path, "-"});
    for (QString line : text.split(u'\n')) {
        line = line.remove(u'\f').trimmed();
        if (!line.isEmpty()) pdf.lines.append(line);
    }
    return pdf;
}

QStringList Trimmed(QStringList lines) {
    for (QString& line : lines) line = line.trimmed();
    return lines;
}

}  // namespace

class TestPrintPdf : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void printoutFontIsFixedPitchWithTheWallCharacter() {
        const QFont font = PrintoutFont();
        QVERIFY(QFontInfo(font).fixedPitch());
        const QFontMetricsF fm(font);
        QVERIFY(fm.inFont(QChar(kWallChar)));
        QCOMPARE(fm.horizontalAdvance(QChar(kWallChar)), fm.horizontalAdvance(QChar(u' ')));
        QCOMPARE(fm.horizontalAdvance(QChar(u'S')), fm.horizontalAdvance(QChar(u'E')));
        QCOMPARE(fm.horizontalAdvance(QChar(u'S')), fm.horizontalAdvance(QChar(kWallChar)));
    }

    void wholeMazeFitsOnePageAndReadsBackAsPrinted_data() {
        QTest::addColumn<QPageSize>("size");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<qreal>("margin");
        QTest::newRow("A4") << QPageSize(QPageSize::A4) << false << 10.0;
        QTest::newRow("Letter") << QPageSize(QPageSize::Letter) << false << 10.0;
        QTest::newRow("A5") << QPageSize(QPageSize::A5) << false << 10.0;
        QTest::newRow("Legal") << QPageSize(QPageSize::Legal) << false << 10.0;
        QTest::newRow("A4 landscape") << QPageSize(QPageSize::A4) << true << 10.0;
        QTest::newRow("Letter landscape wide margins")
            << QPageSize(QPageSize::Letter) << true << 30.0;
        QTest::newRow("narrow strip")
            << QPageSize(QSizeF(80, 300), QPageSize::Millimeter, QStringLiteral("strip")) << false
            << 5.0;
    }
    void wholeMazeFitsOnePageAndReadsBackAsPrinted() {
        if (!HavePoppler()) QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
        QFETCH(QPageSize, size);
        QFETCH(bool, landscape);
        QFETCH(qreal, margin);
        const QString path = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".pdf");
        const MazeState state = GeneratedState(11.0f);
        QPrinter printer(QPrinter::HighResolution);
        ToPdf(printer, path, size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
              margin);
        QVERIFY(PrintLines(printer, PrintoutLines(state), PrintoutFont()));

        const PdfText pdf = ReadPdf(path);
        QCOMPARE(pdf.pages, 1);
        QCOMPARE(pdf.lines, Trimmed(PrintoutLines(state)));

        // The text stays inside the printable area, fills it in one
        // direction, and is centred on it.
        const qreal m = margin * 72 / 25.4;
        const QRectF area = QRectF(QPointF(0, 0), pdf.pageSize).adjusted(m, m, -m, -m);
        const qreal slack = 0.5;
        QVERIFY2(area.adjusted(-slack, -slack, slack, slack).contains(pdf.textBox),
                 qPrintable(QStringLiteral("text %1,%2 %3x%4")
                                .arg(pdf.textBox.x())
                                .arg(pdf.textBox.y())
                                .arg(pdf.textBox.width())
                                .arg(pdf.textBox.height())));
        const qreal blockLeft = pdf.textBox.left() - kPrintoutMargin * pdf.pitch;
        const qreal blockWidth = pdf.textBox.right() - blockLeft;
        QVERIFY(std::max(blockWidth / area.width(), pdf.textBox.height() / area.height()) > 0.97);
        QVERIFY(std::abs((blockLeft - area.left()) - (area.right() - pdf.textBox.right())) <
                pdf.pitch);
        QVERIFY(std::abs((pdf.textBox.top() - area.top()) -
                         (area.bottom() - pdf.textBox.bottom())) < pdf.pitch);
    }

    void proportionalFontStillPrintsEveryCharacterInItsColumn() {
        if (!HavePoppler()) QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
        QFont font(QStringLiteral("DejaVu Sans"));
        if (QFontInfo(font).fixedPitch()) QSKIP("no proportional font available");
        const QString path = dir_.filePath(QStringLiteral("proportional.pdf"));
        const MazeState state = GeneratedState(5.0f);
        QPrinter printer(QPrinter::HighResolution);
        ToPdf(printer, path, QPageSize(QPageSize::A4), QPageLayout::Portrait, 10);
        QVERIFY(PrintLines(printer, PrintoutLines(state), font));
        const PdfText pdf = ReadPdf(path);
        QCOMPARE(pdf.pages, 1);
        QCOMPARE(pdf.lines, Trimmed(PrintoutLines(state)));
    }

    void printCommandPrintsThroughTheChosenPrinterWithoutMessages() {
        if (!HavePoppler()) QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
        const QString path = dir_.filePath(QStringLiteral("command.pdf"));
        const MazeState state = PlayedState();
        const MazeState before = state;
        FakeDialogs dialogs;
        QPrinter printer(QPrinter::HighResolution);
        QPrinter* shown = nullptr;
        // The dialog's choices (here the paper) are what the job uses.
        dialogs.onPrinter = [&](QPrinter& p) {
            shown = &p;
            ToPdf(p, path, QPageSize(QPageSize::A5), QPageLayout::Landscape, 8);
            return true;
        };
        QCOMPARE(PrintMaze(state, dialogs, printer), PrintResult::kPrinted);
        QCOMPARE(shown, &printer);
        QCOMPARE(dialogs.Count(QStringLiteral("print")), 1);
        QVERIFY(dialogs.Messages().isEmpty());
        QVERIFY(state == before);
        const PdfText pdf = ReadPdf(path);
        QCOMPARE(pdf.pages, 1);
        QVERIFY(pdf.pageSize.width() > pdf.pageSize.height());
        QCOMPARE(qRound(pdf.pageSize.height()), 420);  // A5: 148 mm across
        QCOMPARE(pdf.lines, Trimmed(PrintoutLines(state)));
    }

    void cancelInThePrintDialogIsSilentAndPrintsNothing() {
        const QString path = dir_.filePath(QStringLiteral("cancelled.pdf"));
        const MazeState state = PlayedState();
        const MazeState before = state;
        FakeDialogs dialogs;
        dialogs.printerAnswers = {false};
        QPrinter printer(QPrinter::HighResolution);
        ToPdf(printer, path, QPageSize(QPageSize::A4), QPageLayout::Portrait, 10);
        QCOMPARE(PrintMaze(state, dialogs, printer), PrintResult::kCancelled);
        QCOMPARE(dialogs.Count(QStringLiteral("print")), 1);
        QVERIFY(dialogs.Messages().isEmpty());
        QVERIFY(!QFile::exists(path));
        QVERIFY(state == before);
    }

    void printingAfterACancelShowsTheDialogAgainAndPrints() {
        const QString path = dir_.filePath(QStringLiteral("after-cancel.pdf"));
        const MazeState state = PlayedState();
        FakeDialogs dialogs;
        dialogs.printerAnswers = {false, true};
        QPrinter printer(QPrinter::HighResolution);
        ToPdf(printer, path, QPageSize(QPageSize::A4), QPageLayout::Portrait, 10);
        QCOMPARE(PrintMaze(state, dialogs, printer), PrintResult::kCancelled);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(PrintMaze(state, dialogs, printer), PrintResult::kPrinted);
        QCOMPARE(dialogs.Count(QStringLiteral("print")), 2);
        QVERIFY(dialogs.Messages().isEmpty());
        QVERIFY(QFile(path).size() > 0);
    }

    // A printer the job cannot be started on: output into a missing
    // directory, or no printer at all (what a system without printers gives:
    // PDF output without a file).
    void printerThatCannotStartReportsAPrintError_data() {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("missing directory") << QStringLiteral("no-such-dir/out.pdf");
        QTest::newRow("no printer") << QString();
    }
    void printerThatCannotStartReportsAPrintError() {
        QFETCH(QString, fileName);
        const QString path = fileName.isEmpty() ? QString() : dir_.filePath(fileName);
        const MazeState state = PlayedState();
        const MazeState before = state;
        FakeDialogs dialogs;
        dialogs.onPrinter = [&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(path);
            return true;
        };
        QPrinter printer(QPrinter::HighResolution);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QPainter::begin")));
        QCOMPARE(PrintMaze(state, dialogs, printer), PrintResult::kFailed);
        QCOMPARE(dialogs.Messages(), QStringList{kPrintError});
        QVERIFY(state == before);
        if (!path.isEmpty()) QVERIFY(!QFile::exists(path));
    }

    // On the queue of the cupsd that tests/printing/cups_queue.sh starts, taking jobs or not.
    void printingOnACupsQueueReportsWhatTheQueueDid_data() {
        QTest::addColumn<bool>("accepting");
        QTest::addColumn<QString>("filePath");
        QTest::addColumn<QString>("jobName");
        QTest::newRow("accepting") << true << QStringLiteral("/x/walk.maze") << "walk.maze";
        QTest::newRow("accepting, not saved") << true << QString() << "Pathwick! maze";
        QTest::newRow("rejecting") << false << QStringLiteral("/x/walk.maze") << QString();
    }
    void printingOnACupsQueueReportsWhatTheQueueDid() {
        const QString queue = qEnvironmentVariable("PATHWICK_TEST_QUEUE");
        if (queue.isEmpty())
            QSKIP("needs a CUPS queue of its own: run by tests/printing/cups_queue.sh");
        QFETCH(bool, accepting);
        QFETCH(QString, filePath);
        QFETCH(QString, jobName);
        QCOMPARE(QProcess::execute(accepting ? "cupsaccept" : "cupsreject", {queue}), 0);
        FakeDialogs dialogs;
        dialogs.printerAnswers = {true};
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queue);
        QCOMPARE(PrintMaze(PlayedState(), dialogs, printer, filePath),
                 accepting ? PrintResult::kPrinted : PrintResult::kFailed);
        QCOMPARE(dialogs.Messages(), accepting ? QStringList() : QStringList{kPrintError});
        if (accepting) QCOMPARE(CupsJobsOn(queue)->constLast().title, jobName);
    }
};

// Without a queue of its own the class sees no printers at all, whatever the machine has.
PATHWICK_TEST_CLASS_SETUP(TestPrintPdf, [] {
    if (qEnvironmentVariableIsEmpty("PATHWICK_TEST_QUEUE"))
        qputenv("CUPS_SERVER", "/nonexistent/pathwick-test/cups.sock");
})
#include "test_print_pdf.moc"
