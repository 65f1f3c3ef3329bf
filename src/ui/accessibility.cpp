// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>

#include "core/color.h"
#include "ui/picturebox.h"
#include "ui/speech.h"

namespace pathwick {

namespace {

// A picture box as assistive technology sees it: the role it was given, its
// own name and description (the tooltip, when no description is set), and the
// items of its speech as its children.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box) {}

    QAccessible::Role role() const override {
        return static_cast<const PictureBox*>(widget())->AccessibleRole();
    }
    int childCount() const override {
        const Speech* speech = Speech::Of(widget());
        return speech ? speech->ItemCount() : 0;
    }
    QAccessibleInterface* child(int index) const override {
        const Speech* speech = Speech::Of(widget());
        return speech ? speech->Item(index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const Speech* speech = Speech::Of(widget());
        return speech ? speech->IndexOfItem(child) : -1;
    }
    QAccessibleInterface* focusChild() const override {
        const Speech* speech = Speech::Of(widget());
        return speech && widget()->hasFocus() ? speech->FocusedItem() : nullptr;
    }
};

QAccessibleInterface* PictureBoxFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        if (auto* box = qobject_cast<PictureBox*>(object)) return new PictureBoxAccessible(box);
    return nullptr;
}

// Watches the program's keys ahead of the accessibility bridge. The bridge
// watches them too, as a filter of the whole program installed once a screen
// reader listens: it holds each key back until the screen reader has said
// whether it takes it, then hands it on again. The filter installed last sees
// a key first, so this one installs itself again behind every key handed on.
class KeyWatch : public QObject {
public:
    explicit KeyWatch(GameAccessibility* owner) : QObject(owner), owner_(owner) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        if (event->spontaneous()) {
            owner_->KeyPressed(*static_cast<QKeyEvent*>(event));
        } else if (!moving_) {
            // A key handed on: come first again, once this event is done.
            moving_ = true;
            QTimer::singleShot(0, this, [this] {
                QCoreApplication::instance()->removeEventFilter(this);
                QCoreApplication::instance()->installEventFilter(this);
                moving_ = false;
            });
        }
        return false;
    }

private:
    GameAccessibility* owner_;
    bool moving_ = false;
};

}  // namespace

void InstallAccessibleInterfaces() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(PictureBoxFactory);
}

GameAccessibility::GameAccessibility(const Game& game, const Controls& controls)
    : game_(game), controls_(controls) {
    InstallAccessibleInterfaces();
    // The cell view is walked with the keyboard, the map is looked at.
    controls_.picMaze->SetAccessibleRole(QAccessible::Canvas);
    controls_.picMaze->setAccessibleName(QObject::tr("Maze"));
    controls_.picMap->SetAccessibleRole(QAccessible::Graphic);
    controls_.picMap->setAccessibleName(QObject::tr("Map"));
    const Color swatchColours[] = {kMouseColor, kStartColor, kEndColor};
    for (std::size_t i = 0; i < controls_.swatches.size(); ++i)
        if (controls_.swatches[i])
            controls_.swatches[i]->setAccessibleName(Capitalised(ColourName(swatchColours[i])));
    connect(&game, &Game::stepped, this, &GameAccessibility::Stepped);
    connect(&game, &Game::markerDropped, this, &GameAccessibility::MarkerDropped);
    connect(&game, &Game::markersDisplayed, this, &GameAccessibility::MarkersDisplayed);
    connect(&game, &Game::viewSwitched, this, &GameAccessibility::ViewSwitched);
    connect(&game, &Game::gameReplaced, this, &GameAccessibility::GameReplaced);
    connect(&game, &Game::indicatorsChanged, this, &GameAccessibility::IndicatorsChanged);
    connect(&game, &Game::fileSaved, this, &GameAccessibility::FileSaved);
    connect(&game, &Game::markerColorChanged, this, &GameAccessibility::ColourChosen);
    // Both pictures speak for themselves, each while it shows.
    cellViewSpeech_ = new Speech(controls_.picMaze);
    mapSpeech_ = new Speech(controls_.picMap);
    keyWatch_ = new KeyWatch(this);
    TellCellView({}, false);
    TellMap(false);
    IndicatorsChanged();
}

void GameAccessibility::KeyPressed(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Enter && key.modifiers().testFlag(Qt::KeypadModifier))
        ShowingSpeech()->Reveal();
}

Speech* GameAccessibility::ShowingSpeech() const {
    return game_.State().MapView ? mapSpeech_ : cellViewSpeech_;
}

void GameAccessibility::Stepped(const MouseStep& step) {
    CellChange change = StepChange(step);
    blockedInARow_ = change.blocked ? blockedInARow_ + 1 : 0;
    change.blocked = blockedInARow_;
    TellCellView(change);
}

void GameAccessibility::MarkerDropped(Color colour) {
    blockedInARow_ = 0;
    CellChange change;
    change.dropped = colour;
    TellCellView(change);
}

void GameAccessibility::MarkersDisplayed(const MarkerFilter& filter) {
    shown_ = filter;
    TellMap(false);
    mapSpeech_->Announce(DescribeShownMarkers(game_.State(), shown_), map_);
}

void GameAccessibility::ViewSwitched(bool mapView) {
    if (mapView) {
        shown_.reset();  // the map was drawn afresh, without markers
        TellMap(false);
        mapSpeech_->Announce(DescribeMapShown(game_.State()), map_);
    } else {
        cellViewSpeech_->Announce(cellView_);
    }
}

void GameAccessibility::GameReplaced() {
    blockedInARow_ = 0;
    shown_.reset();
    CellChange change;
    change.newMaze = true;
    TellCellView(change);
    TellMap();
}

void GameAccessibility::IndicatorsChanged() {
    controls_.lblFilePath->setAccessibleName(FilePathName(game_.FilePath()));
    controls_.lblSaved->setAccessibleName(SavedName(game_.Saved()));
}

void GameAccessibility::FileSaved() {
    ShowingSpeech()->Announce(SavedName(game_.Saved()), game_.State().MapView ? map_ : cellView_);
}

void GameAccessibility::ColourChosen(Color colour) {
    // An arrow key on a colour button chooses the colour after it has moved
    // the mouse: both are said.
    const QWidget* focus = QApplication::focusWidget();
    if (game_.State().MapView || !controls_.colourChoices || !focus ||
        !controls_.colourChoices->isAncestorOf(focus))
        return;
    cellViewSpeech_->Announce(ColourChosenWords(colour) + QLatin1Char(' ') + cellViewSaid_,
                              cellView_);
}

void GameAccessibility::TellCellView(const CellChange& change, bool announce) {
    cellView_ = DescribeCell(game_.State());
    cellViewSaid_ = DescribeCellView(game_.State(), change);
    // The words before the description: a screen reader takes the events in
    // the order they come, and would otherwise handle the description first.
    if (announce && !game_.State().MapView) cellViewSpeech_->Announce(cellViewSaid_, cellView_);
    controls_.picMaze->setAccessibleDescription(cellView_);
}

void GameAccessibility::TellMap(bool announce) {
    map_ = DescribeMap(game_.State(), shown_);
    controls_.picMap->setAccessibleDescription(map_);
    if (announce && game_.State().MapView) mapSpeech_->Announce(map_);
}

}  // namespace pathwick
