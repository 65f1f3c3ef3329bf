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

QString Capitalised(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text;
}

}  // namespace

void InstallAccessibleInterfaces() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(PictureBoxFactory);
}

GameAccessibility::GameAccessibility(const MazeState& state, const Controls& controls)
    : state_(state), controls_(controls) {
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
    // Both pictures speak for themselves, each while it shows.
    cellViewSpeech_ = new Speech(controls_.picMaze);
    mapSpeech_ = new Speech(controls_.picMap);
    before_ = Locate(state_);
    TellCellView({}, false);
    TellMap(false);
}

void GameAccessibility::BeforeKey() {
    before_ = Locate(state_);
}

void GameAccessibility::AfterKey(int key) {
    if (key != Qt::Key_Left && key != Qt::Key_Up && key != Qt::Key_Right && key != Qt::Key_Down)
        return;
    // While the map shows, the keys do nothing.
    if (state_.MapView) return;
    CellChange change = StepChange(before_, Locate(state_));
    blockedInARow_ = change.blocked ? blockedInARow_ + 1 : 0;
    change.blocked = blockedInARow_;
    TellCellView(change);
}

void GameAccessibility::AfterDrop() {
    blockedInARow_ = 0;
    CellChange change;
    change.dropped = state_.MarkerColor;
    TellCellView(change);
}

void GameAccessibility::AfterDisplayMarkers(const ShownColours& shown) {
    shown_ = shown;
    TellMap();
}

void GameAccessibility::AfterViewSwitch() {
    if (state_.MapView) {
        shown_.reset();  // the map was drawn afresh, without markers
        TellMap();
    }
}

void GameAccessibility::AfterNewGame() {
    blockedInARow_ = 0;
    shown_.reset();
    CellChange change;
    change.newMaze = true;
    TellCellView(change);
    TellMap();
}

void GameAccessibility::IndicatorsShown(const QString& filePath, const QString& saved) {
    controls_.lblFilePath->setAccessibleName(FilePathName(filePath));
    controls_.lblSaved->setAccessibleName(SavedName(saved));
}

void GameAccessibility::AfterSave(const QString& saved) {
    (state_.MapView ? mapSpeech_ : cellViewSpeech_)->Announce(SavedName(saved));
}

void GameAccessibility::TellCellView(const CellChange& change, bool announce) {
    cellView_ = DescribeCellView(state_, change);
    controls_.picMaze->setAccessibleDescription(cellView_);
    if (announce && !state_.MapView) cellViewSpeech_->Announce(cellView_);
}

void GameAccessibility::TellMap(bool announce) {
    map_ = DescribeMap(state_, shown_);
    controls_.picMap->setAccessibleDescription(map_);
    if (announce && state_.MapView) mapSpeech_->Announce(map_);
}

}  // namespace pathwick
