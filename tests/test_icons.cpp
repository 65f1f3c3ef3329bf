// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QImage>
#include <QPixmap>

#include "program/programicon.h"
#include "support/testmain.h"

using namespace pathwick;

// The program icon is built into the program as resources, one picture per size; ProgramIcon()
// gives the windows all of them.
class IconsTest : public QObject {
    Q_OBJECT

private slots:
    void programIconHasEachSizeFromItsResource_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128}) QTest::addRow("%dx%d", size, size) << size;
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

    // The pictures are read when first drawn; what is drawn must be the resource itself.
    void programIconDrawsEachSizeAsItsResource_data() {
        programIconHasEachSizeFromItsResource_data();
    }
    void programIconDrawsEachSizeAsItsResource() {
        QFETCH(int, size);
        const QIcon icon = ProgramIcon();
        QVERIFY(!icon.isNull());
        const QImage drawn = icon.pixmap(QSize(size, size), 1.0).toImage();
        const QImage resource(QStringLiteral(":/icons/pathwick-%1.png").arg(size));
        QCOMPARE(drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 resource.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void programIconScalesDownButNeverUp_data() {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("given");
        QTest::addRow("between sizes") << QSize(24, 24) << QSize(24, 24);
        QTest::addRow("smallest") << QSize(8, 8) << QSize(8, 8);
        QTest::addRow("beyond the largest") << QSize(512, 512) << QSize(128, 128);
    }
    void programIconScalesDownButNeverUp() {
        QFETCH(QSize, asked);
        QFETCH(QSize, given);
        const QIcon icon = ProgramIcon();
        QCOMPARE(icon.actualSize(asked), given);
        QCOMPARE(icon.pixmap(asked, 1.0).size(), given);
    }

    void disabledProgramIconIsDrawnDifferently() {
        const QIcon icon = ProgramIcon();
        const QImage disabled = icon.pixmap(QSize(32, 32), 1.0, QIcon::Disabled).toImage();
        QCOMPARE(disabled.size(), QSize(32, 32));
        QVERIFY(disabled.convertToFormat(QImage::Format_ARGB32_Premultiplied) !=
                icon.pixmap(QSize(32, 32), 1.0)
                    .toImage()
                    .convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    // The windows share one icon, so its pictures are read once however many windows show it.
    void programIconIsTheSameIconEveryTime() {
        QCOMPARE(ProgramIcon().cacheKey(), ProgramIcon().cacheKey());
    }

    void scalableIconResourceIsAnSvgDocument() {
        ProgramIcon();
        QFile svg(QStringLiteral(":/icons/pathwick.svg"));
        QVERIFY2(svg.open(QIODevice::ReadOnly), qPrintable(svg.errorString()));
        QVERIFY(svg.readAll().contains("<svg "));
    }
};

PATHWICK_TEST_CLASS(IconsTest)
#include "test_icons.moc"
