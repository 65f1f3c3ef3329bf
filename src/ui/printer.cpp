// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "files/printout.h"
#include "ui/cupsqueue.h"

namespace pathwick {

namespace {

// How a font sets the printout's characters on one device.
struct TextMetrics {
    qreal cellWidth = 0;    // the widest of the characters used
    qreal lineSpacing = 0;  // baseline to baseline
    qreal ascent = 0;
    qreal height = 0;     // ascent plus descent
    bool uniform = true;  // every character is in the font and equally wide
};

TextMetrics Measure(const QFont& font, QPaintDevice* device, const QString& characters) {
    const QFontMetricsF fm(font, device);
    TextMetrics m;
    m.lineSpacing = fm.lineSpacing();
    m.ascent = fm.ascent();
    m.height = fm.height();
    qreal narrowest = -1;
    for (QChar c : characters) {
        const qreal advance = fm.horizontalAdvance(c);
        m.cellWidth = std::max(m.cellWidth, advance);
        narrowest = narrowest < 0 ? advance : std::min(narrowest, advance);
        if (!fm.inFont(c)) m.uniform = false;
    }
    if (m.cellWidth - narrowest > m.cellWidth * 1e-3) m.uniform = false;
    return m;
}

// The distinct characters of lines.
QString CharactersOf(const QStringList& lines) {
    QString chars;
    for (const QString& line : lines)
        for (QChar c : line)
            if (!chars.contains(c)) chars += c;
    return chars;
}

// Runs print, which prints on printer, and tells whether the job reached the
// printer. Qt hands a printout for a CUPS queue to the server and does not
// report a refusal (a queue that rejects jobs, a server that went away), so
// for such a printer the queue must show a new job of the printout's name
// afterwards, not aborted or cancelled.
template <typename Print>
bool PrintThroughQueue(QPrinter& printer, Print print) {
    const QString queue = printer.printerName();
    if (printer.outputFormat() != QPrinter::NativeFormat || queue.isEmpty()) return print();
    const auto before = CupsJobsOn(queue);
    if (!before) return false;
    int lastId = 0;
    for (const CupsJob& job : *before) lastId = std::max(lastId, job.id);
    if (!print()) return false;
    const auto after = CupsJobsOn(queue);
    if (!after) return false;
    return std::any_of(after->begin(), after->end(), [&](const CupsJob& job) {
        return job.id > lastId && job.title == printer.docName() && !job.failed;
    });
}

}  // namespace

bool PrintLines(QPrinter& printer, const QStringList& lines, const QFont& font) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;

    const QString chars = CharactersOf(lines);
    qsizetype columns = 0;
    for (const QString& line : lines) columns = std::max(columns, line.size());
    const auto rows = lines.size();
    const qreal areaWidth = printer.width();
    const qreal areaHeight = printer.height();

    // Measure at a reference size, scale to the printable area, then check at
    // the chosen size (hinting need not scale exactly) and shrink if needed.
    const auto blockWidth = [&](const TextMetrics& m) { return m.cellWidth * columns; };
    const auto blockHeight = [&](const TextMetrics& m) {
        return rows > 0 ? (rows - 1) * m.lineSpacing + m.height : 0;
    };
    constexpr qreal kReferenceSize = 72;
    QFont sized = font;
    sized.setPointSizeF(kReferenceSize);
    TextMetrics m = Measure(sized, &printer, chars);
    qreal size = kReferenceSize;
    if (blockWidth(m) > 0 && blockHeight(m) > 0)
        size *= std::min(areaWidth / blockWidth(m), areaHeight / blockHeight(m));
    for (int attempt = 0; attempt < 20; ++attempt) {
        sized.setPointSizeF(size);
        m = Measure(sized, &printer, chars);
        if (blockWidth(m) <= areaWidth && blockHeight(m) <= areaHeight) break;
        size *= 0.98;
    }

    painter.setFont(sized);
    painter.setPen(Qt::black);
    const qreal left = std::max<qreal>(0, (areaWidth - blockWidth(m)) / 2);
    const qreal top = std::max<qreal>(0, (areaHeight - blockHeight(m)) / 2);
    const QFontMetricsF fm(sized, &printer);
    for (qsizetype row = 0; row < rows; ++row) {
        const qreal baseline = top + m.ascent + row * m.lineSpacing;
        const QString& line = lines[row];
        if (m.uniform) {
            painter.drawText(QPointF(left, baseline), line);
            continue;
        }
        // Not fixed pitch: each character centred in a column of its own.
        for (qsizetype col = 0; col < line.size(); ++col) {
            const QChar c = line[col];
            if (c == u' ') continue;
            const qreal x = left + col * m.cellWidth + (m.cellWidth - fm.horizontalAdvance(c)) / 2;
            painter.drawText(QPointF(x, baseline), QString(c));
        }
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

QString PrintDocName(const QString& filePath) {
    return filePath.isEmpty() ? QCoreApplication::translate("Printer", "Pathwick! maze")
                              : QFileInfo(filePath).fileName();
}

PrintResult PrintMaze(const MazeState& state, WindowDialogs& dialogs, QPrinter& printer,
                      const QString& filePath) {
    printer.setDocName(PrintDocName(filePath));
    if (!dialogs.ChoosePrinter(printer)) return PrintResult::kCancelled;
    const bool printed = printer.isValid() && PrintThroughQueue(printer, [&] {
                             return PrintLines(printer, PrintoutLines(state), PrintoutFont());
                         });
    if (printed) return PrintResult::kPrinted;
    dialogs.Message(
        QCoreApplication::translate("Printer", "There was an error attempting to print."),
        QCoreApplication::translate("Printer", "Print Error"));
    return PrintResult::kFailed;
}

PrintResult PrintMaze(const MazeState& state, WindowDialogs& dialogs, const QString& filePath) {
    QPrinter printer(QPrinter::HighResolution);
    return PrintMaze(state, dialogs, printer, filePath);
}

}  // namespace pathwick
