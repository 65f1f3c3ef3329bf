// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qtdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace pathwick {

namespace {

// Several patterns are separated by ';' in the setup and by blanks in Qt.
QString QtPatterns(const QString& pattern) {
    QString patterns = pattern;
    return patterns.replace(QLatin1Char(';'), QLatin1Char(' ')).simplified();
}

// Prepares a file dialog with the setup's filters, selected filter and name.
// The dialog shows each filter's caption and filters by its patterns, which
// Qt takes from the last parentheses: "All files (*.*) (*)" shows as "All
// files (*.*)" and lists every file.
void Prepare(QFileDialog& dialog, const FileDialogSetup& setup) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList captions = QtDialogs::NameFilters(setup.filters);
    QStringList filters;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        filters.append(captions.at(i) + QStringLiteral(" (") +
                       QtPatterns(setup.filters.at(i).second) + QLatin1Char(')'));
    }
    dialog.setNameFilters(filters);
    if (setup.filterIndex >= 1 && setup.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(setup.filterIndex - 1));
    if (!setup.fileName.isEmpty()) dialog.selectFile(setup.fileName);
}

// Whether caption ends in parentheses that name file patterns.
bool NamesPatterns(const QString& caption) {
    if (!caption.endsWith(QLatin1Char(')'))) return false;
    const qsizetype open = caption.lastIndexOf(QLatin1Char('('));
    if (open < 0) return false;
    const QString inside = caption.mid(open + 1, caption.size() - open - 2);
    return inside.contains(QLatin1Char('*')) || inside.contains(QLatin1Char('?'));
}

QString Chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

// Qt's message box gives itself equal least and greatest sizes whenever it lays itself out: a
// desktop cannot maximise such a window, and a Wayland compositor may end the connection of one
// that stays smaller than the maximised size it was given, which ends the game. This box keeps
// the least size only.
class MessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        if (maximumWidth() != QWIDGETSIZE_MAX || maximumHeight() != QWIDGETSIZE_MAX)
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        return handled;
    }
};

}  // namespace

QWidget* QtDialogs::Parent() const {
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_.data();
}

QStringList QtDialogs::NameFilters(const QList<std::pair<QString, QString>>& filters) {
    QStringList result;
    for (const auto& [description, pattern] : filters) {
        const QString patterns = QtPatterns(pattern);
        const QString tail = QLatin1Char('(') + patterns + QLatin1Char(')');
        // A description that already names its patterns gets them back in Qt's form.
        QString label = description.trimmed();
        bool named = false;
        for (const QString& written : {pattern, patterns}) {
            if (label.endsWith(QLatin1Char('(') + written + QLatin1Char(')'))) {
                label.chop(written.size() + 2);
                label = label.trimmed();
                named = true;
                break;
            }
        }
        // One that names other patterns than it matches ("All files (*.*) " for
        // every file) is shown as it is written.
        if (!named && NamesPatterns(label))
            result.append(label);
        else
            result.append(label.isEmpty() ? tail : label + QLatin1Char(' ') + tail);
    }
    return result;
}

void QtDialogs::Message(const QString& text, const QString& title) {
    MessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, Parent());
    box.exec();
}

bool QtDialogs::AskYesNo(const QString& text, const QString& title) {
    MessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, Parent());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::OpenFileName(const FileDialogSetup& setup) {
    QFileDialog dialog(Parent());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    Prepare(dialog, setup);
    return Chosen(dialog);
}

QString QtDialogs::SaveFileName(const FileDialogSetup& setup) {
    QFileDialog dialog(Parent());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QString());
    Prepare(dialog, setup);
    return Chosen(dialog);
}

bool QtDialogs::ChoosePrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, Parent());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace pathwick
