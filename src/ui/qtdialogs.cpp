#include "ui/qtdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace pathwick {

namespace {

// Prepares a file dialog with the setup's filters, selected filter and name.
void Prepare(QFileDialog& dialog, const FileDialogSetup& setup) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = QtDialogs::NameFilters(setup.filters);
    dialog.setNameFilters(filters);
    if (setup.filterIndex >= 1 && setup.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(setup.filterIndex - 1));
    if (!setup.fileName.isEmpty()) dialog.selectFile(setup.fileName);
}

QString Chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.constFirst();
}

}  // namespace

QWidget* QtDialogs::Parent() const {
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_.data();
}

QStringList QtDialogs::NameFilters(const QList<std::pair<QString, QString>>& filters) {
    QStringList result;
    for (const auto& [description, pattern] : filters) {
        // Several patterns are separated by ';' in the setup and by blanks in Qt.
        QString patterns = pattern;
        patterns = patterns.replace(QLatin1Char(';'), QLatin1Char(' ')).simplified();
        const QString tail = QLatin1Char('(') + patterns + QLatin1Char(')');
        // A description that already names its patterns gets them back in Qt's form.
        QString label = description.trimmed();
        for (const QString& written : {pattern, patterns}) {
            if (label.endsWith(QLatin1Char('(') + written + QLatin1Char(')'))) {
                label.chop(written.size() + 2);
                label = label.trimmed();
                break;
            }
        }
        result.append(label.isEmpty() ? tail : label + QLatin1Char(' ') + tail);
    }
    return result;
}

void QtDialogs::Message(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, Parent());
    box.exec();
}

bool QtDialogs::AskYesNo(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, Parent());
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
