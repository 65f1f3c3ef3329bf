// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "support/testmain.h"
#include "ui/frmabout.h"

using namespace pathwick;

namespace {

QString LabelText(QWidget& dialog, const char* name) {
    const QLabel* label = dialog.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(name);
}

}  // namespace

class FrmAboutTest : public QObject {
    Q_OBJECT

private slots:
    void textsComeFromTheProgramsVersionInformation() {
        frmAbout about;
        QCOMPARE(about.windowTitle(), QString("About Pathwick!"));
        QCOMPARE(LabelText(about, "lblTitle"), QString("Pathwick!"));
        QCOMPARE(LabelText(about, "lblVersion"), QString("Version 1.0.0"));
        QCOMPARE(LabelText(about, "lblDescription"),
                 QString("Find your way through a randomly-generated two-dimensional maze."));
        const QString notice = LabelText(about, "lblDisclaimer");
        QVERIFY2(notice.contains(QString::fromUtf8("\u00a9")) && !notice.startsWith("Warning"),
                 qPrintable(notice));
    }

    void etchedSeparatorIsAGreyLineOverAWhiteOne() {
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QImage picture = about.grab().toImage();
        for (int x : {8, 200, 376}) {
            QCOMPARE(picture.pixel(x, 163) & 0xFFFFFFu, 0x808080u);
            QCOMPARE(picture.pixel(x, 164) & 0xFFFFFFu, 0xFFFFFFu);
        }
        // Nothing of the separator above or below it.
        QVERIFY((picture.pixel(200, 162) & 0xFFFFFFu) != 0x808080u);
        QVERIFY((picture.pixel(200, 165) & 0xFFFFFFu) != 0xFFFFFFu);
    }

    void keyClosesTheModalDialog_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(QDialog::Accepted);
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }
    void keyClosesTheModalDialog() {
        QFETCH(int, key);
        QFETCH(int, result);
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));

        // Once the about box runs modal, press the key in it as the player would.
        QPointer<frmAbout> shown;
        int finished = -1;
        bool pressed = false;
        QTimer presser;
        presser.setInterval(10);
        connect(&presser, &QTimer::timeout, [&] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            if (about == nullptr || !about->isVisible() || pressed) return;
            shown = about;
            connect(about, &QDialog::finished, [&](int r) { finished = r; });
            pressed = true;
            QTest::keyClick(about->windowHandle(), Qt::Key(key));
        });
        // If the key does not close it, close it after a while so that the test fails
        // instead of hanging.
        bool timedOut = false;
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                timedOut = true;
                modal->close();
            }
        });
        presser.start();
        guard.start(5000);
        ShowAbout(&owner);
        presser.stop();
        guard.stop();

        QVERIFY(pressed);
        QVERIFY(!timedOut);
        QCOMPARE(finished, result);
        QVERIFY(shown.isNull());  // gone once closed
    }

    void okButtonClosesTheDialog() {
        frmAbout about;
        auto* ok = about.findChild<QPushButton*>("cmdOK");
        QVERIFY(ok);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(!about.isVisible());
    }
};

PATHWICK_TEST_CLASS(FrmAboutTest)
#include "test_frmabout.moc"
