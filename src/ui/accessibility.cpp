// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

#include "core/color.h"
#include "ui/picturebox.h"

namespace pathwick {

namespace {

// A picture box as assistive technology sees it: the role it was given, and
// its own name and description (the tooltip, when no description is set).
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box) {}

    QAccessible::Role role() const override {
        return static_cast<const PictureBox*>(widget())->AccessibleRole();
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
    before_ = Locate(state_);
    TellCellView({});
    TellMap();
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

void GameAccessibility::TellCellView(const CellChange& change) {
    cellView_ = DescribeCellView(state_, change);
    controls_.picMaze->setAccessibleDescription(cellView_);
}

void GameAccessibility::TellMap() {
    map_ = DescribeMap(state_, shown_);
    controls_.picMap->setAccessibleDescription(map_);
}

}  // namespace pathwick
