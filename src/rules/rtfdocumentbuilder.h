// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the body text into the QTextDocument: runs of equally formatted characters, one block a
// paragraph, with their character and paragraph formats and tab stops.
#pragma once

#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextOption>

#include "rules/rtfformat.h"

class QTextDocument;

namespace pathwick::rtf {

class DocumentBuilder {
public:
    // Writes at the start of `document`; fonts and colours are looked up in `tables`, which
    // must outlive the builder.
    DocumentBuilder(QTextDocument& document, const DocumentTables& tables);

    // Adds text in the formatting `chars`; hidden text is left out.
    void AppendText(const QString& text, const CharProps& chars);
    // Ends the paragraph with the formatting in effect at its end and begins the next.
    void EndParagraph(const ParaProps& para, const CharProps& chars);
    // Gives the last paragraph its formatting and the document its default tab width.
    void Finish(const ParaProps& para, const CharProps& chars);

private:
    void EmitRun();
    QTextCharFormat CharFormat(const CharProps& chars) const;
    QColor TableColor(int index) const;
    QTextBlockFormat BlockFormat(const ParaProps& para) const;
    QList<QTextOption::Tab> TabPositions(const ParaProps& para) const;

    QTextCursor cursor_;
    const DocumentTables& tables_;
    QString run_;
    CharProps runProps_;
};

}  // namespace pathwick::rtf
