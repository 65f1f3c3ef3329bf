// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmabout.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>

#include "core/twips.h"
#include "program/programinfo.h"
#include "ui/fitcaption.h"
#include "version.h"

namespace pathwick {

namespace {

QLabel* NewLabel(QWidget* parent, const char* name, const char* designText, QRect geometry) {
    auto* label = new QLabel(QString::fromLatin1(designText), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The design's black text, where the box's background is light enough for it; a dark palette
// keeps its own light text.
void SetBlackText(QLabel* label) {
    QPalette palette = label->palette();
    if (Contrast(Qt::black, palette.color(QPalette::Window)) < kReadableContrast) return;
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About MyApp"));
    // Not resizable, yet with a least size only: a desktop cannot maximise a window of equal
    // least and greatest sizes, and a Wayland compositor may end the connection of one that
    // stays smaller than the maximised size it was given. resizeEvent undoes other sizes.
    setMinimumSize(Pixels(5730), Pixels(3555));
    resize(minimumSize());
    setSizeGripEnabled(false);
    // Laid out in pixels as the game's window is, with its captions at 8.25 points at 96 dots per
    // inch and the title at 12, whatever the desktop's font.
    QFont captions = font();
    captions.setPixelSize(11);
    setFont(captions);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(TwipsRect(240, 240, 540, 540));
    picIcon->setAlignment(Qt::AlignCenter);
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) picIcon->setPixmap(icon.pixmap(32, 32));

    lblTitle = NewLabel(this, "lblTitle", "Application Title", TwipsRect(1050, 240, 3885, 480));
    QFont titleFont = lblTitle->font();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    SetBlackText(lblTitle);

    lblVersion = NewLabel(this, "lblVersion", "Version", TwipsRect(1050, 780, 3885, 225));

    lblDescription =
        NewLabel(this, "lblDescription", "App Description", TwipsRect(1050, 1125, 3885, 1170));
    lblDescription->setWordWrap(true);
    SetBlackText(lblDescription);

    lblDisclaimer =
        NewLabel(this, "lblDisclaimer", "Warning: ...", TwipsRect(255, 2625, 3870, 825));
    lblDisclaimer->setWordWrap(true);
    SetBlackText(lblDisclaimer);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(TwipsRect(4245, 2625, 1260, 345));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // Esc rejects the dialog, which closes it as well.

    Form_Load();
}

void frmAbout::Form_Load() {
    const QString title = QString::fromLatin1(kProgramTitle);
    setWindowTitle(tr("About %1").arg(title));
    lblVersion->setText(VersionText());
    lblTitle->setText(title);
    lblDescription->setText(DescriptionText());
    lblDisclaimer->setText(LegalNoticeText());
    for (QLabel* label : {lblTitle, lblVersion, lblDescription, lblDisclaimer}) FitCaption(*label);
    FitCaption(*cmdOK);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // Maximised or full screen, the box takes the desktop's size with its controls in their
    // places at the top left; in the normal state it keeps its own.
    constexpr Qt::WindowStates kDesktopSized = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (!(windowState() & kDesktopSized) && size() != minimumSize()) resize(minimumSize());
}

void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(Pixels(90), Pixels(2445), Pixels(5654), Pixels(2445));
    painter.setPen(Qt::white);
    painter.drawLine(Pixels(105), Pixels(2460), Pixels(5654), Pixels(2460));
}

void ShowAbout(QWidget* parent) {
    frmAbout about(parent);
    about.exec();
}

}  // namespace pathwick
