// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frmmaze.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>

#include "core/newmaze.h"
#include "core/twips.h"
#include "files/mazeformat.h"
#include "program/programicon.h"
#include "ui/accessibility.h"
#include "ui/fitcaption.h"
#include "ui/frmmaze_controls.h"
#include "ui/frmrules.h"
#include "ui/pathlabel.h"
#include "ui/picturebox.h"
#include "ui/windowdialogs.h"
#include "views/cellview.h"

namespace pathwick {

namespace {

// The file path line's tooltip while the game has no file; with a file, the
// tooltip is the whole path.
QString FilePathDescription() {
    return frmMaze::tr("Shows filepath of current maze");
}

template <typename Control>
Control* Place(Control* control, const char* name, const QRect& geometry,
               const QString& toolTip = {}) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    if (!toolTip.isEmpty()) control->setToolTip(toolTip);
    return control;
}

// The saved indicator's "Y" or "N" in the player's language.
QString SavedIndicator(const QString& saved) {
    if (saved == QLatin1String("Y")) return frmMaze::tr("Y", "saved indicator: the maze is saved");
    if (saved == QLatin1String("N"))
        return frmMaze::tr("N", "saved indicator: the maze has changed since it was saved");
    return saved;
}

QLabel* MakeLabel(QWidget* parent, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The small serif of the saved indicator, narrowed so that "Saved:" fits its label.
QFont SavedIndicatorFont() {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(6);
    font.setStretch(QFont::Condensed);
    return font;
}

// The cell view's font: a bold sans-serif, as large as 8.25 points (11 pixels)
// allows while the start label, written at 10.5 units, and the end label, at
// 11 units, stay inside the centre square, which ends where the east bar begins
// at 13 units.
QFont CellViewFont(int unitW, int unitH) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    const int top = (unitH * 11) / kTwipsPerPixel;
    const int right = (unitW * 13) / kTwipsPerPixel;
    const int bottom = (unitH * 13) / kTwipsPerPixel;
    const std::pair<QString, int> labels[] = {{StartLabel(), (unitW * 21 / 2) / kTwipsPerPixel},
                                              {EndLabel(), (unitW * 11) / kTwipsPerPixel}};
    for (int pixels = 11; pixels > 4; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        // One pixel spare on each side against hinting differences.
        const auto fits = [&](const std::pair<QString, int>& label) {
            const QRect ink = metrics.tightBoundingRect(label.first);
            return ink.left() >= 0 && label.second + ink.right() + 1 < right &&
                   top + metrics.ascent() + ink.bottom() + 1 < bottom;
        };
        if (std::all_of(std::begin(labels), std::end(labels), fits)) return font;
    }
    return font;
}

}  // namespace

frmMaze::frmMaze(RandomSource& random, WindowDialogs& dialogs, std::function<float()> timeOfDay,
                 QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), timeOfDay_(std::move(timeOfDay)) {
    setObjectName(QStringLiteral("frmMaze"));
    setWindowTitle(tr("Pathwick!"));
    setWindowIcon(ProgramIcon());
    // The controls are laid out in pixels; their captions get the matching
    // size of 8.25 points at 96 dots per inch, whatever the screen.
    QFont captions = font();
    captions.setPixelSize(11);
    setFont(captions);
    CreateControls();
    CreateGame(random);
    rules_ = std::make_unique<RulesWindow>(dialogs_);
    CreateMenus();
    SetTabOrder();
    ConnectHandlers();
    SetFixedWindowSize();
    FitCaptions();
    Form_Load();
    accessibility_ = std::make_unique<GameAccessibility>(
        *game_, GameAccessibility::Controls{picMaze,
                                            picMap,
                                            lblFilePath,
                                            lblSaved,
                                            {shpMouse, ShpStart, shpEnd},
                                            fraMarkerColorOpts});
    ShowIndicators();
    picMaze->setFocus();  // the first control in the tab order
    qApp->installEventFilter(this);
}

frmMaze::~frmMaze() {
    qApp->removeEventFilter(this);
    // The surfaces go with the game, before the child widgets that show them.
    picMaze->ReleaseSurface();
    picMap->ReleaseSurface();
}

QSize frmMaze::ClientSize() {
    return {Pixels(6360), Pixels(4560)};
}

void frmMaze::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    fraKey = Place(new Frame(tr("Key"), client), "fraKey", TwipsRect(4680, 120, 1455, 1095),
                   tr("Displays colors used for your mouse, maze Start, and maze End"));
    lblEnd = Place(MakeLabel(fraKey, tr("End")), "lblEnd", TwipsRect(480, 720, 615, 255));
    lblStart = Place(MakeLabel(fraKey, tr("Start")), "lblStart", TwipsRect(480, 480, 615, 255));
    lblMouse = Place(MakeLabel(fraKey, tr("You")), "lblMouse", TwipsRect(480, 240, 615, 255));
    shpEnd = Place(new Shape(kEndColor, fraKey), "shpEnd", TwipsRect(240, 780, 135, 135));
    shpMouse = Place(new Shape(kMouseColor, fraKey), "shpMouse", TwipsRect(240, 300, 135, 135));
    ShpStart = Place(new Shape(kStartColor, fraKey), "ShpStart", TwipsRect(240, 540, 135, 135));

    picMap = Place(new PictureBox(client), "picMap", TwipsRect(120, 120, 4215, 4215),
                   tr("Map of the entire maze"));
    picMap->setFocusPolicy(Qt::StrongFocus);
    picMap->setVisible(false);

    fraMarkerColorOpts = Place(new Frame(tr("&Marker Color"), client), "fraMarkerColorOpts",
                               TwipsRect(4680, 1320, 1455, 1335),
                               tr("Choose a marker color, then click on Drop Marker"));
    fraMarkerColorChks = Place(new Frame(tr("&Marker Color"), fraMarkerColorOpts),
                               "fraMarkerColorChks", TwipsRect(0, 0, 1455, 1335),
                               tr("Check the colors of the markers you would like to see, then "
                                  "click on Display Markers"));
    // Painted opaque, so that it hides the option buttons it covers.
    fraMarkerColorChks->setAutoFillBackground(true);
    fraMarkerColorChks->setVisible(false);
    chkMagenta = Place(new CheckBox(tr("Magenta"), fraMarkerColorChks), "chkMagenta",
                       TwipsRect(120, 960, 975, 255));
    chkCyan = Place(new CheckBox(tr("Cyan"), fraMarkerColorChks), "chkCyan",
                    TwipsRect(120, 720, 975, 255));
    chkBlack = Place(new CheckBox(tr("Black"), fraMarkerColorChks), "chkBlack",
                     TwipsRect(120, 480, 975, 255));
    chkWhite = Place(new CheckBox(tr("White"), fraMarkerColorChks), "chkWhite",
                     TwipsRect(120, 240, 855, 255));
    optMagenta = Place(new QRadioButton(tr("Magenta"), fraMarkerColorOpts), "optMagenta",
                       TwipsRect(120, 960, 1095, 255), tr("Press F4 to drop a magenta marker"));
    optCyan = Place(new QRadioButton(tr("Cyan"), fraMarkerColorOpts), "optCyan",
                    TwipsRect(120, 720, 855, 255), tr("Press F3 to drop a cyan marker"));
    optBlack = Place(new QRadioButton(tr("Black"), fraMarkerColorOpts), "optBlack",
                     TwipsRect(120, 480, 975, 255), tr("Press F2 to drop a black marker"));
    optWhite = Place(new QRadioButton(tr("White"), fraMarkerColorOpts), "optWhite",
                     TwipsRect(120, 240, 975, 255), tr("Press F1 to drop a white marker"));
    // The check boxes' frame was created first; it must cover the option buttons.
    fraMarkerColorChks->raise();
    // The arrow keys move the choice in this order.
    new OptionGroup({optWhite, optBlack, optCyan, optMagenta}, fraMarkerColorOpts);
    auto* compact = new CompactButtonStyle(DrawingStyleName(*QApplication::style()));
    compact->setParent(this);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             chkMagenta, chkCyan, chkBlack, chkWhite, optMagenta, optCyan, optBlack, optWhite})
        button->setStyle(compact);

    cmdDropMarker = Place(new CommandButton(tr("&Drop Marker"), client), "cmdDropMarker",
                          TwipsRect(4920, 2760, 1095, 495));
    // A focused button answers Enter itself; elsewhere Enter clicks cmdViewMap,
    // the window's default button (see keyPressEvent).
    cmdDropMarker->setAutoDefault(true);
    cmdViewMap = Place(new CommandButton(tr("&View Map"), client), "cmdViewMap",
                       TwipsRect(4920, 3720, 1095, 495));
    cmdViewMap->setDefault(true);

    picMaze = Place(new PictureBox(client), "picMaze", TwipsRect(120, 120, 4215, 4215),
                    tr("One coordinate of the maze"));
    picMaze->setFocusPolicy(Qt::StrongFocus);

    lblSaved = Place(MakeLabel(client, QString()), "lblSaved", TwipsRect(6240, 4440, 135, 255),
                     tr("Is maze saved?"));
    lblSaved->setFont(SavedIndicatorFont());
    lblSaved2 = Place(MakeLabel(client, tr("Saved:")), "lblSaved2", TwipsRect(5760, 4440, 375, 255),
                      tr("Is maze saved?"));
    lblSaved2->setFont(SavedIndicatorFont());
    lblFilePath = Place(new PathLabel(client), "lblFilePath", TwipsRect(120, 4320, 5535, 255),
                        FilePathDescription());
    // Labels lie beneath the other controls: the file path's top row is under
    // the picture boxes' bottom edge.
    lblFilePath->lower();
}

void frmMaze::CreateGame(RandomSource& random) {
    game_ = std::make_unique<Game>(picMaze->contentsRect().size(), picMap->contentsRect().size(),
                                   random, dialogs_);
    const ViewUnits units = ComputeViewUnits(game_->picMaze());
    game_->picMaze().SetFont(CellViewFont(units.w, units.h));
    shpEnd->SetFillColor(game_->EndFillColor());
    // Connected before the words for assistive technology: a message comes
    // first, and the step is told once it is answered.
    connect(game_.get(), &Game::indicatorsChanged, this, &frmMaze::ShowIndicators);
    connect(game_.get(), &Game::viewSwitched, this, &frmMaze::ShowView);
    connect(game_.get(), &Game::stepped, this, &frmMaze::ShowEndReached);
    connect(game_.get(), &Game::markerRefused, this, &frmMaze::ShowMarkerRefused);
    connect(game_.get(), &Game::endFillColorChanged, shpEnd, &Shape::SetFillColor);
    picMaze->SetSurface(&game_->picMaze());
    picMap->SetSurface(&game_->picMap());
}

void frmMaze::CreateMenus() {
    const auto command = [this](QMenu* menu, const char* name, const QString& caption,
                                const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        return action;
    };

    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew = command(mnuFile, "mnuFileNew", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen =
        command(mnuFile, "mnuFileOpen", tr("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave = command(mnuFile, "mnuFileSave", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = command(mnuFile, "mnuFileSaveAs", tr("Save &As..."));
    mnuFileSep1 = mnuFile->addSeparator();
    mnuFileSep1->setObjectName(QStringLiteral("mnuFileSep1"));
    mnuFilePrint =
        command(mnuFile, "mnuFilePrint", tr("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFileExit = command(mnuFile, "mnuFileExit", tr("E&xit"));

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpRules = command(mnuHelp, "mnuHelpRules", tr("&Rules..."));
    mnuHelpAbout = command(mnuHelp, "mnuHelpAbout", tr("&About..."));
}

void frmMaze::SetTabOrder() {
    // Frames and labels take no focus; the rest in the window's tab order.
    const QWidget* order[] = {picMaze,  optWhite, optBlack,   optCyan,       optMagenta, chkWhite,
                              chkBlack, chkCyan,  chkMagenta, cmdDropMarker, cmdViewMap, picMap};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}

void frmMaze::ConnectHandlers() {
    connect(cmdDropMarker, &QPushButton::clicked, this, &frmMaze::cmdDropMarker_Click);
    connect(cmdViewMap, &QPushButton::clicked, this, &frmMaze::cmdViewMap_Click);
    const auto onSelected = [this](QRadioButton* option, void (frmMaze::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected) (this->*handler)();
        });
    };
    onSelected(optWhite, &frmMaze::optWhite_Click);
    onSelected(optBlack, &frmMaze::optBlack_Click);
    onSelected(optCyan, &frmMaze::optCyan_Click);
    onSelected(optMagenta, &frmMaze::optMagenta_Click);

    connect(mnuFileNew, &QAction::triggered, this, &frmMaze::mnuFileNew_Click);
    connect(mnuFileOpen, &QAction::triggered, this, &frmMaze::mnuFileOpen_Click);
    connect(mnuFileSave, &QAction::triggered, this, &frmMaze::mnuFileSave_Click);
    connect(mnuFileSaveAs, &QAction::triggered, this, &frmMaze::mnuFileSaveAs_Click);
    connect(mnuFilePrint, &QAction::triggered, this, &frmMaze::mnuFilePrint_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMaze::mnuFileExit_Click);
    connect(mnuHelpRules, &QAction::triggered, this, &frmMaze::mnuHelpRules_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMaze::mnuHelpAbout_Click);
    ConnectSessionEnd();
}

void frmMaze::SetFixedWindowSize() {
    const QSize client = ClientSize();
    QMenuBar* bar = menuBar();
    const int menuHeight =
        bar->hasHeightForWidth() ? bar->heightForWidth(client.width()) : bar->sizeHint().height();
    designedSize_ = QSize(client.width(), client.height() + menuHeight);
    // A least size only: a window whose least and greatest sizes are equal cannot be maximised
    // on X11, and a Wayland compositor may end the connection of one that stays smaller than
    // the maximised size it was given. The controls keep their places at the top left of the
    // client area, which only grows to the right and downwards; Form_Resize undoes every other
    // size of the normal state.
    centralWidget()->setMinimumSize(client);
    setMinimumSize(designedSize_);
    resize(designedSize_);
}

void frmMaze::FitCaptions() {
    for (QWidget* control : std::initializer_list<QWidget*>{
             fraKey, lblEnd, lblStart, lblMouse, fraMarkerColorOpts, fraMarkerColorChks, chkMagenta,
             chkCyan, chkBlack, chkWhite, optMagenta, optCyan, optBlack, optWhite, cmdDropMarker,
             cmdViewMap, lblSaved2})
        FitCaption(*control);
}

void frmMaze::Form_Load() {
    game_->Start(timeOfDay_());
    optWhite->setChecked(true);
}

void frmMaze::ShowIndicators() {
    lblFilePath->setText(game_->FilePath());
    lblFilePath->setToolTip(game_->FilePath().isEmpty() ? FilePathDescription()
                                                        : game_->FilePath());
    lblSaved->setText(SavedIndicator(game_->Saved()));
}

// ---- The keyboard ---------------------------------------------------------

QWidget* frmMaze::FirstKeyReceiver() const {
    // The widget the platform hands a key press of this window to; if it
    // ignores the key, the key travels on to its parents.
    if (QWidget* grabber = QWidget::keyboardGrabber()) return grabber;
    QWidget* focus = focusWidget();
    return focus ? focus : const_cast<frmMaze*>(this);
}

bool frmMaze::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == windowHandle())
        NoteDesktopSize(static_cast<QResizeEvent*>(event)->size());
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* receiver = static_cast<QWidget*>(watched);
        // Only the first delivery of a key: the copies passed on to the
        // parents of a control that ignored it are the same key again.
        if (receiver->window() == this && receiver == FirstKeyReceiver()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            Form_KeyDown(key->key(), key->modifiers());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMaze::Form_KeyDown(int key, Qt::KeyboardModifiers) {
    // Shift and Ctrl make no difference. While the map shows, keys do nothing.
    if (game_->State().MapView) return;
    switch (key) {
        case Qt::Key_Left:
            game_->MoveMouse(Direction::kLeft);
            break;
        case Qt::Key_Up:
            game_->MoveMouse(Direction::kUp);
            break;
        case Qt::Key_Right:
            game_->MoveMouse(Direction::kRight);
            break;
        case Qt::Key_Down:
            game_->MoveMouse(Direction::kDown);
            break;
        case Qt::Key_F1:
            DropMarkerOfColour(optWhite);
            break;
        case Qt::Key_F2:
            DropMarkerOfColour(optBlack);
            break;
        case Qt::Key_F3:
            DropMarkerOfColour(optCyan);
            break;
        case Qt::Key_F4:
            DropMarkerOfColour(optMagenta);
            break;
        default:
            break;
    }
}

void frmMaze::DropMarkerOfColour(QRadioButton* option) {
    if (game_->State().MapView) return;
    option->setChecked(true);  // its handler sets the marker colour
    cmdDropMarker_Click();
}

void frmMaze::keyPressEvent(QKeyEvent* event) {
    // Enter that no control took answers the default button. The keypad's
    // Enter is left alone: it is the screen reader's "where am I", and a
    // screen reader that answers late lets it through to the window.
    if (event->key() == Qt::Key_Return) {
        cmdViewMap->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// ---- Window placement -----------------------------------------------------

void frmMaze::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        CentreOnScreen();
    }
    QMainWindow::showEvent(event);
}

void frmMaze::CentreOnScreen() {
    const QScreen* where = screen();
    if (!where) return;
    const QRect available = where->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
}

// ---- Markers and views ----------------------------------------------------

void frmMaze::cmdDropMarker_Click() {
    if (!game_->State().MapView) {
        game_->DropMarker();
        picMaze->setFocus();
    } else {
        game_->DisplayMarkers(
            {chkWhite->Value(), chkBlack->Value(), chkCyan->Value(), chkMagenta->Value()});
    }
}

void frmMaze::ShowEndReached(const MouseStep& step) {
    if (step.endReached)
        dialogs_.Message(tr("You've reached the end of the maze!"), tr("Congratulations!"));
}

void frmMaze::ShowMarkerRefused() {
    dialogs_.Message(tr("This cell already has as many markers as a maze file can keep "
                        "(%1).\r\nDrop the marker in another cell.")
                         .arg(kMaxMarkersInACell),
                     tr("Marker Not Dropped"));
}

void frmMaze::cmdViewMap_Click() {
    game_->SwitchView();
}

void frmMaze::ShowView(bool mapView) {
    picMaze->setVisible(!mapView);
    picMap->setVisible(mapView);
    cmdViewMap->setText(mapView ? tr("&View Maze") : tr("&View Map"));
    cmdDropMarker->setText(mapView ? tr("&Display Markers") : tr("&Drop Marker"));
    fraMarkerColorChks->setVisible(mapView);
    FitCaption(*cmdViewMap);
    FitCaption(*cmdDropMarker);
    if (!mapView) picMaze->setFocus();
}

void frmMaze::optWhite_Click() {
    game_->SetMarkerColor(kWhite);
}
void frmMaze::optBlack_Click() {
    game_->SetMarkerColor(kBlack);
}
void frmMaze::optCyan_Click() {
    game_->SetMarkerColor(kCyan);
}
void frmMaze::optMagenta_Click() {
    game_->SetMarkerColor(kMagenta);
}

}  // namespace pathwick
