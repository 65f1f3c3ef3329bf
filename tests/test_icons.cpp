#include <QFile>
#include <QImage>

#include "support/testmain.h"
#include "ui/programicon.h"

using namespace pathwick;

// The program icon is built into the program as resources, one picture per size; ProgramIcon()
// gives the windows all of them.
class IconsTest : public QObject {
    Q_OBJECT

private slots:
    void programIconHasEachSizeFromItsResource_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128, 256}) QTest::addRow("%dx%d", size, size) << size;
    }
    void programIconHasEachSizeFromItsResource() {
        QFETCH(int, size);
        const QIcon icon = ProgramIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QString path = QStringLiteral(":/icons/pathwick-%1.png").arg(size);
        const QImage picture(path);
        QVERIFY2(!picture.isNull(), qPrintable(path + QStringLiteral(" does not load")));
        QCOMPARE(picture.size(), QSize(size, size));
        QVERIFY(picture.hasAlphaChannel());
    }

    void scalableIconResourceIsAnSvgDocument() {
        ProgramIcon();
        QFile svg(QStringLiteral(":/icons/pathwick.svg"));
        QVERIFY2(svg.open(QIODevice::ReadOnly), qPrintable(svg.errorString()));
        QVERIFY(svg.readAll().contains("<svg "));
    }
};

PATHWICK_TEST_MAIN(IconsTest)
#include "test_icons.moc"
