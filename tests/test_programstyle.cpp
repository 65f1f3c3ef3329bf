// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>
#include <QStyleOption>
#include <memory>

#include "app/programstyle.h"
#include "program/deferredicon.h"
#include "support/testmain.h"
#include "ui/frmmaze_controls.h"

using namespace pathwick;

namespace {

// Whether an image format plugin has been loaded into this process.
bool ImageFormatPluginLoaded() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return false;
    return maps.readAll().contains("/imageformats/");
}

bool ImageFormatPluginsInstalled() {
    const QDir folder(QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                      QStringLiteral("/imageformats"));
    return !folder.entryList(QDir::Files).isEmpty();
}

QImage Picture(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QIcon TwoSizeIcon() {
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap picture(size, size);
        picture.fill(size == 16 ? Qt::red : Qt::blue);
        icon.addPixmap(picture);
    }
    return icon;
}

}  // namespace

// The application style of the program, and icons whose pictures are made when first drawn.
class ProgramStyleTest : public QObject {
    Q_OBJECT

private slots:
    // Runs first, before anything in this process has read an image file.
    void menuBarUnderTheProgramStyleLoadsNoImageFormatPlugin() {
        QVERIFY(!ImageFormatPluginLoaded());
        InstallProgramStyle();
        {
            QMenuBar bar;
            bar.addMenu(QStringLiteral("&File"));
            bar.resize(bar.sizeHint());
            bar.grab();
        }
        QVERIFY(!ImageFormatPluginLoaded());

        // The check above can tell: the base style's own icon loads them.
        if (!ImageFormatPluginsInstalled()) QSKIP("no image format plugins installed");
        auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
        QVERIFY(style);
        style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(ImageFormatPluginLoaded());
    }

    void programStyleStandsInFrontOfTheApplicationsStyle() {
        const QString before = DrawingStyleName(*QApplication::style());
        QVERIFY(!before.isEmpty());
        InstallProgramStyle();
        InstallProgramStyle();  // a second time changes nothing
        auto* style = qobject_cast<ProgramStyle*>(QApplication::style());
        QVERIFY(style);
        QVERIFY(!qobject_cast<QProxyStyle*>(style->baseStyle()));
        QCOMPARE(DrawingStyleName(*style), before);
    }

    void drawingStyleNameOfAPlainStyleIsItsOwnName() {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QVERIFY(fusion);
        QCOMPARE(DrawingStyleName(*fusion), fusion->name());
    }

    void extensionButtonIconIsDrawnAsTheBaseStyleDrawsIt_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addRow("horizontal, left to right")
            << int(QStyle::SP_ToolBarHorizontalExtensionButton) << Qt::LeftToRight;
        QTest::addRow("horizontal, right to left")
            << int(QStyle::SP_ToolBarHorizontalExtensionButton) << Qt::RightToLeft;
        QTest::addRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton)
                                  << Qt::LeftToRight;
    }
    void extensionButtonIconIsDrawnAsTheBaseStyleDrawsIt() {
        QFETCH(int, which);
        QFETCH(Qt::LayoutDirection, direction);
        const auto pixmap = static_cast<QStyle::StandardPixmap>(which);
        ProgramStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
        QWidget widget;
        widget.setLayoutDirection(direction);
        const QIcon deferred = style.standardIcon(pixmap, nullptr, &widget);
        QStyleOption option;
        option.direction = direction;
        const QIcon made = style.baseStyle()->standardIcon(pixmap, &option);
        QVERIFY(!deferred.isNull());
        QCOMPARE(Picture(deferred.pixmap(QSize(16, 16), 1.0)),
                 Picture(made.pixmap(QSize(16, 16), 1.0)));
    }

    void otherStandardIconsComeFromTheBaseStyle() {
        ProgramStyle style(QStyleFactory::create(QStringLiteral("Fusion")));
        const QIcon icon = style.standardIcon(QStyle::SP_MessageBoxWarning);
        const QIcon base = style.baseStyle()->standardIcon(QStyle::SP_MessageBoxWarning);
        QCOMPARE(icon.availableSizes(), base.availableSizes());
        QCOMPARE(Picture(icon.pixmap(QSize(32, 32), 1.0)),
                 Picture(base.pixmap(QSize(32, 32), 1.0)));
    }

    void deferredIconMakesItsPicturesOnceWhenFirstDrawn() {
        int made = 0;
        const QIcon icon = DeferredIcon([&made] {
            ++made;
            return TwoSizeIcon();
        });
        const QIcon copy = icon;  // copies share the pictures
        QVERIFY(!icon.isNull());
        QCOMPARE(made, 0);
        QCOMPARE(Picture(copy.pixmap(QSize(16, 16), 1.0)).pixelColor(8, 8), QColor(Qt::red));
        QCOMPARE(Picture(icon.pixmap(QSize(32, 32), 1.0)).pixelColor(8, 8), QColor(Qt::blue));
        QCOMPARE(made, 1);
    }

    void deferredIconTellsTheSizesGivenWithoutMakingItsPictures() {
        int made = 0;
        const QIcon icon = DeferredIcon(
            [&made] {
                ++made;
                return TwoSizeIcon();
            },
            {QSize(16, 16), QSize(32, 32)});
        QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
        QVERIFY(icon.availableSizes(QIcon::Active, QIcon::On).isEmpty());
        QCOMPARE(made, 0);
    }

    void deferredIconWithoutSizesTellsThoseOfItsPictures() {
        const QIcon icon = DeferredIcon(TwoSizeIcon);
        QCOMPARE(icon.availableSizes(), TwoSizeIcon().availableSizes());
        QCOMPARE(icon.actualSize(QSize(24, 24)), QSize(24, 24));
        QCOMPARE(icon.actualSize(QSize(64, 64)), QSize(32, 32));
    }

    void deferredIconThatMakesNothingIsNullOnceMade() {
        const QIcon icon = DeferredIcon([] { return QIcon(); });
        QVERIFY(!icon.isNull());
        QVERIFY(icon.pixmap(QSize(16, 16), 1.0).isNull());
        QVERIFY(icon.isNull());
    }

    void deferredIconPaintsItsPicture() {
        const QIcon icon = DeferredIcon(TwoSizeIcon);
        QImage canvas(16, 16, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        icon.paint(&painter, canvas.rect());
        painter.end();
        QCOMPARE(canvas.pixelColor(8, 8), QColor(Qt::red));
    }
};

PATHWICK_TEST_CLASS(ProgramStyleTest)
#include "test_programstyle.moc"
