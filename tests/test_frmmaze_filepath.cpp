// The file path line of the main window: the whole path as its caption and
// tooltip, shown shortened in the middle where it does not fit.

#include <QDir>
#include <QTemporaryDir>

#include "support/testmain.h"
#include "test_frmmaze_support.h"

using namespace pathwick;
using namespace pathwick::testing;

class TestFrmMazeFilePath : public QObject {
    Q_OBJECT

private slots:
    void pathIsShownWholeOrShortenedInTheMiddle_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("fits");
        QTest::newRow("short") << "" << true;
        QTest::newRow("long") << "a folder for the games of the maze/with a long name/and another"
                              << false;
    }

    void pathIsShownWholeOrShortenedInTheMiddle() {
        QFETCH(QString, folder);
        QFETCH(bool, fits);
        QTemporaryDir dir;
        const QString path = QDir(dir.filePath(folder)).filePath(QStringLiteral("mygame.maz"));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        TestWindow w;
        auto* label = w.Control<QLabel>("lblFilePath");
        QCOMPARE(label->toolTip(), QStringLiteral("Shows filepath of current maze"));

        w.dialogs.fileNames = {path};
        w->findChild<QAction*>(QStringLiteral("mnuFileSaveAs"))->trigger();
        QCOMPARE(label->text(), path);
        QCOMPARE(label->toolTip(), path);

        // What the player sees is what a plain label with the shortened text shows.
        const QString shown = QFontMetrics(label->font())
                                  .elidedText(path, Qt::ElideMiddle, label->contentsRect().width());
        QCOMPARE(shown == path, fits);
        QVERIFY(shown.endsWith(QStringLiteral("mygame.maz")));
        QLabel plain(shown, label->parentWidget());
        plain.setTextFormat(Qt::PlainText);
        plain.setAlignment(label->alignment());
        plain.setFont(label->font());
        plain.setGeometry(label->geometry());
        QCOMPARE(label->grab().toImage(), plain.grab().toImage());

        w.dialogs.answers = {true};
        w->findChild<QAction*>(QStringLiteral("mnuFileNew"))->trigger();
        QCOMPARE(label->text(), QString());
        QCOMPARE(label->toolTip(), QStringLiteral("Shows filepath of current maze"));
    }
};

PATHWICK_TEST_MAIN(TestFrmMazeFilePath)
#include "test_frmmaze_filepath.moc"
