// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmrules.h"

#include <QAbstractTextDocumentLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "core/dialogs.h"
#include "core/twips.h"
#include "rules/rtfreader.h"
#include "ui/fitcaption.h"

namespace pathwick {

namespace {

// The table of contents: the headings of the rules document, as the document in the player's
// language writes them, and whether each is a sub-section, which the list indents by two blanks
// that are not part of the heading.
struct ContentsEntry {
    const char* heading;
    bool sub;
};
const ContentsEntry kContents[] = {
    {QT_TRANSLATE_NOOP("pathwick::frmRules", "INTRODUCTION"), false},
    {QT_TRANSLATE_NOOP("pathwick::frmRules", "TRAVELING THE MAZE"), false},
    {QT_TRANSLATE_NOOP("pathwick::frmRules", "Movement"), true},
    {QT_TRANSLATE_NOOP("pathwick::frmRules", "Dropping Markers"), true},
    {QT_TRANSLATE_NOOP("pathwick::frmRules", "MAP VIEW"), false},
    {QT_TRANSLATE_NOOP("pathwick::frmRules", "FILE OPERATIONS"), false}};

QString WithoutLeadingBlanks(const QString& text) {
    qsizetype first = 0;
    while (first < text.size() && text.at(first) == QLatin1Char(' ')) ++first;
    return text.mid(first);
}

// The top of the line that holds position in the document, in document coordinates.
qreal LineTop(QTextDocument& document, int position) {
    const QTextBlock block = document.findBlock(position);
    // Asking for the block's rectangle lays the document out as far as that block.
    const QRectF blockRect = document.documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    if (layout == nullptr) return blockRect.top();
    const QTextLine line = layout->lineForTextPosition(position - block.position());
    if (!line.isValid()) return blockRect.top();
    return layout->position().y() + line.y();
}

}  // namespace

frmRules::frmRules(Dialogs& dialogs, const QStringList& directories, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("frmRules"));
    setWindowTitle(tr("%1 Rules").arg(QString::fromLatin1(kProgramTitle)));
    resize(Pixels(9285), Pixels(6330));
    // The controls are laid out in pixels, as in the game's window: their captions keep the
    // matching size of 8.25 points at 96 dots per inch, whatever the desktop's font.
    QFont captions = font();
    captions.setPixelSize(11);
    setFont(captions);
    // Escape closes the window, as it closes a dialog.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    rtbRules = new QTextEdit(this);
    rtbRules->setObjectName(QStringLiteral("rtbRules"));
    rtbRules->setGeometry(TwipsRect(120, 360, 5535, 5655));
    rtbRules->setReadOnly(true);
    rtbRules->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The document's colours are chosen for the page it is written on, white with black
    // automatic text; the box keeps that page under a dark palette too.
    QPalette page = rtbRules->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    rtbRules->setPalette(page);

    lblContents = new QLabel(tr("Table of Contents"), this);
    lblContents->setObjectName(QStringLiteral("lblContents"));
    lblContents->setGeometry(TwipsRect(6240, 360, 2415, 255));
    QFont contentsFont = lblContents->font();
    contentsFont.setPixelSize(13);  // 9.75 points
    contentsFont.setBold(true);
    lblContents->setFont(contentsFont);
    FitCaption(*lblContents);

    lstContents = new QListWidget(this);
    lstContents->setObjectName(QStringLiteral("lstContents"));
    lstContents->setGeometry(TwipsRect(6240, 720, 2415, 3570));
    lstContents->setSelectionMode(QAbstractItemView::SingleSelection);
    // A pixel around each entry: the accent of a capital ("Ü", "É") reaches
    // above the font's line and would be cut by the frame at the top.
    lstContents->setSpacing(1);
    for (const ContentsEntry& entry : kContents)
        lstContents->addItem((entry.sub ? QStringLiteral("  ") : QString()) + tr(entry.heading));
    // A selection made with the mouse or the keyboard jumps; so does a click on the entry that
    // is already selected. Mere focus, which makes the first entry current, does not.
    connect(lstContents, &QListWidget::itemSelectionChanged, this, &frmRules::lstContents_Click);
    connect(lstContents, &QListWidget::itemClicked, this, &frmRules::lstContents_Click);

    Form_Load(dialogs, directories);
}

void frmRules::Form_Load(Dialogs& dialogs, const QStringList& directories) {
    rulesPath_ = FindRulesFile(directories);
    QString error;
    if (!LoadRtfFile(rulesPath_, *rtbRules->document(), &error)) {
        rtbRules->clear();
        dialogs.Message(tr("The rules could not be shown. %1").arg(error), windowTitle());
    }
    // Loading moves the text box's cursor along with the text to the end; the player starts
    // reading at the top.
    rtbRules->moveCursor(QTextCursor::Start);
    rtbRules->verticalScrollBar()->setValue(0);
}

void frmRules::lstContents_Click() {
    const QList<QListWidgetItem*> selected = lstContents->selectedItems();
    if (selected.isEmpty()) return;
    const QString heading = WithoutLeadingBlanks(selected.first()->text());
    if (heading.isEmpty()) return;

    QTextDocument& document = *rtbRules->document();
    const QTextCursor found = document.find(heading, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull()) return;

    // Select the heading, then scroll so that its line is the first one in the view; near the
    // end of the document the view stops at its bottom instead.
    rtbRules->setTextCursor(found);
    const qreal top = LineTop(document, found.selectionStart());
    rtbRules->verticalScrollBar()->setValue(qRound(top));
}

void frmRules::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted()) emit closed();
}

RulesWindow::RulesWindow(Dialogs& dialogs, QStringList directories)
    : dialogs_(dialogs), directories_(std::move(directories)) {}

RulesWindow::~RulesWindow() {
    delete window_.data();
}

frmRules* RulesWindow::Show() {
    if (window_.isNull()) {
        auto* window = new frmRules(dialogs_, directories_);
        window->setAttribute(Qt::WA_DeleteOnClose);
        // Forget the window as soon as it is closed: it is deleted only later, and a request
        // in between must get a new one.
        QObject::connect(window, &frmRules::closed, window, [this] { window_.clear(); });
        window_ = window;
    }
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_.data();
}

void RulesWindow::Close() {
    if (!window_.isNull()) window_->close();
}

}  // namespace pathwick
