// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

#include "ui/windowdialogs.h"

namespace pathwick::testing {

// Dialogs answered by the test. Every message and question is recorded;
// questions take the queued answers (Yes when none is queued); file dialogs
// return the queued names (empty, i.e. Cancel, when none is queued).
class FakeDialogs final : public WindowDialogs {
public:
    struct Shown {
        QString kind;  // "message", "question", "open", "save", "print"
        QString text;
        QString title;
        FileDialogSetup setup;
    };

    QList<Shown> shown;
    QList<bool> answers;
    QStringList fileNames;
    QList<bool> printerAnswers;
    // Called with the printer when the print dialog would show.
    std::function<bool(QPrinter&)> onPrinter;
    // Called while a message shows.
    std::function<void()> onMessage;

    void Message(const QString& text, const QString& title) override {
        shown.append({QStringLiteral("message"), text, title, {}});
        if (onMessage) onMessage();
    }
    bool AskYesNo(const QString& text, const QString& title) override {
        shown.append({QStringLiteral("question"), text, title, {}});
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    QString OpenFileName(const FileDialogSetup& setup) override {
        shown.append({QStringLiteral("open"), {}, {}, setup});
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    QString SaveFileName(const FileDialogSetup& setup) override {
        shown.append({QStringLiteral("save"), {}, {}, setup});
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    bool ChoosePrinter(QPrinter& printer) override {
        shown.append({QStringLiteral("print"), {}, {}, {}});
        if (onPrinter) return onPrinter(printer);
        return printerAnswers.isEmpty() ? false : printerAnswers.takeFirst();
    }

    // The messages (kind "message") shown so far, as "title: text".
    QStringList Messages() const {
        QStringList result;
        for (const Shown& s : shown)
            if (s.kind == QLatin1String("message"))
                result.append(s.title + QStringLiteral(": ") + s.text);
        return result;
    }
    int Count(const QString& kind) const {
        int n = 0;
        for (const Shown& s : shown) n += s.kind == kind ? 1 : 0;
        return n;
    }
};

}  // namespace pathwick::testing
