// SPDX-License-Identifier: GPL-3.0-or-later
// The real dialogs: message boxes, file dialogs and the print dialog, each
// inspected and answered while it is shown.

#include <QAbstractButton>
#include <QComboBox>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "files/mazeformat.h"
#include "support/activewindow.h"
#include "support/testmain.h"
#include "ui/frmabout.h"
#include "ui/qtdialogs.h"

using namespace pathwick;

namespace {

// Runs action on the first modal dialog of type Dialog that shows up; the
// action must close it. The watch ends with owner, if one is given.
template <typename Dialog>
void WhenShown(std::function<void(Dialog*)> action, QObject* owner = nullptr) {
    auto* timer = new QTimer(owner);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        action(dialog);
    });
    timer->start();
}

const QList<std::pair<QString, QString>> kOpenFilters{
    {"Text (*.txt) ", "*.txt"}, {"Maze files (*.maz) ", "*.maz"}, {"All files (*.*) ", "*"}};

// The filters a file dialog shows the player, and the one selected.
QStringList ShownFilters(QFileDialog* d, QString* selected = nullptr) {
    const auto* combo = d->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QStringList shown;
    for (int i = 0; combo && i < combo->count(); ++i) shown << combo->itemText(i);
    if (selected && combo) *selected = combo->currentText();
    return shown;
}

struct FileDialogSeen {
    QFileDialog::AcceptMode acceptMode{};
    QFileDialog::FileMode fileMode{};
    bool nonNative = false;
    bool readOnly = true;
    bool confirmsOverwrite = true;
    QString defaultSuffix = QStringLiteral("unset");
    QStringList nameFilters;
    QString selectedFilter;
    QStringList selectedFiles;

    void Record(QFileDialog* d) {
        acceptMode = d->acceptMode();
        fileMode = d->fileMode();
        nonNative = d->testOption(QFileDialog::DontUseNativeDialog);
        readOnly = d->testOption(QFileDialog::ReadOnly);
        confirmsOverwrite = !d->testOption(QFileDialog::DontConfirmOverwrite);
        defaultSuffix = d->defaultSuffix();
        nameFilters = ShownFilters(d, &selectedFilter);
        selectedFiles = d->selectedFiles();
    }
};

}  // namespace

class TestFrmMazeDialogs : public QObject {
    Q_OBJECT

private slots:
    void nameFiltersNameTheirPatternsOnce_data();
    void nameFiltersNameTheirPatternsOnce();
    void messageShowsTextAndTitleWithOkOnlyAndNoIcon();
    void questionOffersYesAndNo_data();
    void questionOffersYesAndNo();
    void dialogsOpenOverTheActiveWindow();
    void openDialogAcceptsOnlyExistingFiles();
    void openDialogReturnsNothingOnCancel();
    void openDialogReturnsTheChosenFile();
    void allFilesListsNamesWithoutADot();
    void saveDialogKeepsTheNameAsTyped();
    void saveDialogReplacesWithoutAsking();
    void saveDialogReturnsNothingOnCancel();
    void printDialogOffersNeitherSelectionNorFile_data();
    void printDialogOffersNeitherSelectionNorFile();
    void exitQuestionAndAboutBoxFillTheScreenMaximised_data();
    void exitQuestionAndAboutBoxFillTheScreenMaximised();
};

void TestFrmMazeDialogs::nameFiltersNameTheirPatternsOnce_data() {
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("filter");
    QTest::newRow("named, blank at the end") << "Text (*.txt) "
                                             << "*.txt"
                                             << "Text (*.txt)";
    QTest::newRow("not named") << "Maze files"
                               << "*.maz"
                               << "Maze files (*.maz)";
    QTest::newRow("other parentheses") << "Mazes (old)"
                                       << "*.maz"
                                       << "Mazes (old) (*.maz)";
    QTest::newRow("several patterns") << "Mazes"
                                      << "*.maz;*.txt"
                                      << "Mazes (*.maz *.txt)";
    QTest::newRow("several, named") << "Mazes (*.maz;*.txt)"
                                    << "*.maz;*.txt"
                                    << "Mazes (*.maz *.txt)";
    QTest::newRow("other patterns named") << "All files (*.*) "
                                          << "*"
                                          << "All files (*.*)";
    QTest::newRow("no description") << ""
                                    << "*.*"
                                    << "(*.*)";
}

void TestFrmMazeDialogs::nameFiltersNameTheirPatternsOnce() {
    QFETCH(QString, description);
    QFETCH(QString, pattern);
    QFETCH(QString, filter);
    QCOMPARE(QtDialogs::NameFilters({{description, pattern}}), QStringList{filter});
}

void TestFrmMazeDialogs::messageShowsTextAndTitleWithOkOnlyAndNoIcon() {
    QtDialogs dialogs;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QMessageBox::StandardButtons buttons;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.Message(QStringLiteral("You've reached the end of the maze!"),
                    QStringLiteral("Congratulations!"));
    QCOMPARE(text, QStringLiteral("You've reached the end of the maze!"));
    QCOMPARE(title, QStringLiteral("Congratulations!"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestFrmMazeDialogs::questionOffersYesAndNo_data() {
    QTest::addColumn<int>("press");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("No") << int(QMessageBox::No) << false;
    QTest::newRow("Enter takes the default, Yes") << int(QMessageBox::NoButton) << true;
}

void TestFrmMazeDialogs::questionOffersYesAndNo() {
    QFETCH(int, press);
    QFETCH(bool, answer);
    QtDialogs dialogs;
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::Question;
    QMessageBox::StandardButtons buttons;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        if (press == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Return);
        else
            box->button(static_cast<QMessageBox::StandardButton>(press))->click();
    });
    const bool result =
        dialogs.AskYesNo(QStringLiteral("Are you sure you want to create a new maze?"),
                         QStringLiteral("Create new maze?"));
    QCOMPARE(result, answer);
    QCOMPARE(text, QStringLiteral("Are you sure you want to create a new maze?"));
    QCOMPARE(title, QStringLiteral("Create new maze?"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
}

void TestFrmMazeDialogs::dialogsOpenOverTheActiveWindow() {
    QWidget fallback;
    QtDialogs dialogs(&fallback);
    QWidget* parent = nullptr;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        parent = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.Message(QStringLiteral("a"), QStringLiteral("b"));
    QCOMPARE(parent, &fallback);

    QWidget active;
    active.show();
    active.activateWindow();
    PATHWICK_REQUIRE_ACTIVE_WINDOW(active);
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        parent = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    dialogs.Message(QStringLiteral("a"), QStringLiteral("b"));
    QCOMPARE(parent, &active);
}

void TestFrmMazeDialogs::openDialogAcceptsOnlyExistingFiles() {
    QtDialogs dialogs;
    FileDialogSeen seen;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        seen.Record(d);
        d->reject();
    });
    dialogs.OpenFileName({QString(), kOpenFilters, 2});
    QCOMPARE(seen.acceptMode, QFileDialog::AcceptOpen);
    QCOMPARE(seen.fileMode, QFileDialog::ExistingFile);
    QVERIFY(seen.nonNative);
    QVERIFY(!seen.readOnly);
    QCOMPARE(seen.nameFilters,
             QStringList({"Text (*.txt)", "Maze files (*.maz)", "All files (*.*)"}));
    QCOMPARE(seen.selectedFilter, QStringLiteral("Maze files (*.maz)"));
}

void TestFrmMazeDialogs::openDialogReturnsNothingOnCancel() {
    QTemporaryDir dir;
    QtDialogs dialogs;
    const QString existing = dir.filePath(QStringLiteral("old.maz"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    WhenShown<QFileDialog>([&](QFileDialog* d) { d->reject(); });
    QCOMPARE(dialogs.OpenFileName({existing, kOpenFilters, 2}), QString());
}

void TestFrmMazeDialogs::openDialogReturnsTheChosenFile() {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("old.maz"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QtDialogs dialogs;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        d->selectFile(existing);
        static_cast<QDialog*>(d)->accept();  // the file dialog's own checks run
    });
    QCOMPARE(dialogs.OpenFileName({QString(), kOpenFilters, 2}), existing);
}

void TestFrmMazeDialogs::allFilesListsNamesWithoutADot() {
    // The player picks from the list with the keyboard's focus in the dialog; Qt 6.4 on a
    // compositor without a keyboard crashes drawing the name field's text cursor.
    QWidget keyboardProbe;
    keyboardProbe.show();
    keyboardProbe.activateWindow();
    PATHWICK_REQUIRE_ACTIVE_WINDOW(keyboardProbe);
    keyboardProbe.hide();
    QTemporaryDir dir;
    for (const char* name : {"mygame", "old.maz"})
        QVERIFY(QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly));
    QtDialogs dialogs;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        auto* list = d->findChild<QListView*>(QStringLiteral("listView"));
        if (!list) {
            d->reject();
            return;
        }
        d->setDirectory(dir.path());
        d->selectNameFilter(d->nameFilters().constLast());
        // The folder is read in the background; the player picks "mygame" from the list.
        (void)QTest::qWaitFor([&] { return list->model()->rowCount(list->rootIndex()) == 2; });
        const QModelIndexList found =
            list->model()->match(list->model()->index(0, 0, list->rootIndex()), Qt::DisplayRole,
                                 QStringLiteral("mygame"));
        if (found.isEmpty()) {
            d->reject();
            return;
        }
        list->setCurrentIndex(found.first());
        static_cast<QDialog*>(d)->accept();  // the file dialog's own checks run
    });
    QCOMPARE(dialogs.OpenFileName(OpenDialogSetup()), dir.filePath(QStringLiteral("mygame")));
}

void TestFrmMazeDialogs::saveDialogKeepsTheNameAsTyped() {
    QTemporaryDir dir;
    const QString proposed = dir.filePath(QStringLiteral("mymaze"));
    QtDialogs dialogs;
    FileDialogSeen seen;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        seen.Record(d);
        static_cast<QDialog*>(d)->accept();  // the file dialog's own checks run
    });
    const QString chosen = dialogs.SaveFileName(
        {proposed, {{"Text (*.txt) ", "*.txt"}, {"Maze file (*.maz) ", "*.maz"}}, 2});
    QCOMPARE(seen.acceptMode, QFileDialog::AcceptSave);
    QCOMPARE(seen.fileMode, QFileDialog::AnyFile);
    QVERIFY(seen.nonNative);
    QVERIFY(!seen.confirmsOverwrite);
    QCOMPARE(seen.defaultSuffix, QString());
    QCOMPARE(seen.selectedFilter, QStringLiteral("Maze file (*.maz)"));
    QCOMPARE(seen.selectedFiles, QStringList{proposed});
    QCOMPARE(chosen, proposed);  // no ".maz" added
}

void TestFrmMazeDialogs::saveDialogReplacesWithoutAsking() {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("old.maz"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QtDialogs dialogs;
    int questions = 0;
    QObject watch;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        // A question about replacing the file would be answered here, and counted.
        WhenShown<QMessageBox>(
            [&](QMessageBox* box) {
                ++questions;
                box->done(QMessageBox::Yes);
            },
            &watch);
        static_cast<QDialog*>(d)->accept();  // the file dialog's own checks run
    });
    QCOMPARE(dialogs.SaveFileName({existing, {{"Maze file (*.maz) ", "*.maz"}}, 1}), existing);
    QCOMPARE(questions, 0);
}

void TestFrmMazeDialogs::saveDialogReturnsNothingOnCancel() {
    QtDialogs dialogs;
    WhenShown<QFileDialog>([&](QFileDialog* d) { d->reject(); });
    QCOMPARE(dialogs.SaveFileName({QStringLiteral("/tmp/proposed.maz"), kOpenFilters, 1}),
             QString());
}

void TestFrmMazeDialogs::printDialogOffersNeitherSelectionNorFile_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestFrmMazeDialogs::printDialogOffersNeitherSelectionNorFile() {
    QFETCH(bool, accept);
    QPrinter printer;
    QtDialogs dialogs;
    bool selection = true;
    bool toFile = true;
    WhenShown<QPrintDialog>([&](QPrintDialog* d) {
        selection = d->testOption(QAbstractPrintDialog::PrintSelection);
        toFile = d->testOption(QAbstractPrintDialog::PrintToFile);
        if (accept)
            d->done(QDialog::Accepted);
        else
            d->reject();
    });
    QCOMPARE(dialogs.ChoosePrinter(printer), accept);
    QVERIFY(!selection);
    QVERIFY(!toFile);
}

void TestFrmMazeDialogs::exitQuestionAndAboutBoxFillTheScreenMaximised_data() {
    QTest::addColumn<QString>("dialog");
    for (const char* dialog : {"exit question", "about box", "message"})
        QTest::newRow(dialog) << QString(dialog);
}

void TestFrmMazeDialogs::exitQuestionAndAboutBoxFillTheScreenMaximised() {
    // weston ends the connection (and this test) of a maximised window that stays smaller.
    QFETCH(QString, dialog);
    bool filled = false, restored = false;
    WhenShown<QDialog>([&](QDialog* shown) {
        shown->setWindowState(Qt::WindowMaximized);
        filled = WaitUntilDesktopSized(*shown, Qt::WindowMaximized);
        restored = RestoreTo(*shown, shown->minimumSize());  // its own size
        shown->reject();
    });
    if (dialog == "about box")
        ShowAbout(nullptr);
    else if (dialog == "message")
        QtDialogs().Message(QStringLiteral("Saved."), {});
    else
        QtDialogs().AskYesNo(QStringLiteral("Exit?"), {});
    QVERIFY(filled && restored);
}

PATHWICK_TEST_CLASS(TestFrmMazeDialogs)
#include "test_frmmaze_dialogs.moc"
