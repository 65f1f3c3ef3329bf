// SPDX-License-Identifier: GPL-3.0-or-later
// The file path line: the whole path as caption and tooltip, shortened in the
// middle where it does not fit.

#include <QTemporaryDir>

#include "support/testmain.h"
#include "support/testwindow.h"

using namespace pathwick::testing;

class TestFrmMazeFilePath : public QObject {
    Q_OBJECT

private slots:
    void pathIsShownWholeOrShortenedInTheMiddle_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("short") << "";
        QTest::newRow("long") << "a folder for the games of the maze/with a long name/and more";
    }

    void pathIsShownWholeOrShortenedInTheMiddle() {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath(folder)));
        const QString path = QDir(dir.filePath(folder)).filePath(QStringLiteral("mygame.maz"));
        TestWindow w;
        auto* label = w.ui.lblFilePath;
        w.dialogs.fileNames = {path};
        w.ui.mnuFileSaveAs->trigger();
        QCOMPARE(label->text(), path);
        QCOMPARE(label->toolTip(), path);
        // The player sees what a plain label shows of the path shortened to its width.
        const QString shown =
            label->fontMetrics().elidedText(path, Qt::ElideMiddle, label->contentsRect().width());
        QCOMPARE(shown == path, folder.isEmpty());
        QLabel plain(shown, label->parentWidget());
        plain.setAlignment(label->alignment());
        plain.setGeometry(label->geometry());
        QCOMPARE(label->grab().toImage(), plain.grab().toImage());

        w.ui.mnuFileNew->trigger();  // answered Yes
        QCOMPARE(label->toolTip(), QStringLiteral("Shows filepath of current maze"));
    }
};

PATHWICK_TEST_CLASS(TestFrmMazeFilePath)
#include "test_frmmaze_filepath.moc"
