// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

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
    // Both pictures speak for themselves, each while it shows.
    cellViewSpeech_ = new Speech(controls_.picMaze);
    mapSpeech_ = new Speech(controls_.picMap);
    TellCellView({}, false);
    TellMap(false);
    IndicatorsChanged();
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
    TellMap();
}

void GameAccessibility::ViewSwitched(bool mapView) {
    if (mapView) {
        shown_.reset();  // the map was drawn afresh, without markers
        TellMap();
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
    (game_.State().MapView ? mapSpeech_ : cellViewSpeech_)->Announce(SavedName(game_.Saved()));
}

void GameAccessibility::TellCellView(const CellChange& change, bool announce) {
    cellView_ = DescribeCellView(game_.State(), change);
    controls_.picMaze->setAccessibleDescription(cellView_);
    if (announce && !game_.State().MapView) cellViewSpeech_->Announce(cellView_);
}

void GameAccessibility::TellMap(bool announce) {
    map_ = DescribeMap(game_.State(), shown_);
    controls_.picMap->setAccessibleDescription(map_);
    if (announce && game_.State().MapView) mapSpeech_->Announce(map_);
}

}  // namespace pathwick
