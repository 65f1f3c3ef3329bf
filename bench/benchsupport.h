#pragma once

// What the benchmarks share: a GUI application for the drawing, and dialogs
// that never show.

#include <QCoreApplication>
#include <QGuiApplication>

#include "core/dialogs.h"

namespace pathwick::bench {

// Drawing the cell view prints its labels, which needs a GUI application; run
// one on the offscreen platform unless one is running already.
inline void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "pathwick-bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// The benchmarked operations succeed and reach no question, so nothing is shown.
class SilentDialogs final : public Dialogs {
public:
    void Message(const QString&, const QString&) override {}
    bool AskYesNo(const QString&, const QString&) override { return true; }
    QString OpenFileName(const FileDialogSetup&) override { return {}; }
    QString SaveFileName(const FileDialogSetup&) override { return {}; }
    bool ChoosePrinter(QPrinter&) override { return false; }
};

}  // namespace pathwick::bench
