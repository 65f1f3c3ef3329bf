// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "core/mazestate.h"
#include "game/description.h"

class QLabel;
class QWidget;

namespace pathwick {

class PictureBox;
class Speech;

// Makes the picture boxes known to assistive technology by the role each one
// is given (PictureBox::SetAccessibleRole). Once per program; later calls do
// nothing.
void InstallAccessibleInterfaces();

// What a screen reader learns of the game window: the names of the pictures
// and of the indicators, and after every command that changes the cell view or
// the map, their descriptions in words. Setting a description sends the
// accessibility event that tells a screen reader to present it.
//
// The cell view's words go into its accessible description: a screen reader
// reads a focused object's name, role and description when it gets the focus
// and presents every later change of that description as a message. A value
// is presented only for numeric controls such as sliders, and a text would be
// taken for a document to move a caret through with the very arrow keys that
// walk the mouse.
class GameAccessibility {
public:
    struct Controls {
        PictureBox* picMaze = nullptr;
        PictureBox* picMap = nullptr;
        QLabel* lblFilePath = nullptr;
        QLabel* lblSaved = nullptr;
        // The colour swatches of the mouse, the start and the end.
        std::array<QWidget*, 3> swatches{};
    };

    // state must outlive this object; the controls are the window's.
    GameAccessibility(const MazeState& state, const Controls& controls);

    // Around every key of the window: the mouse's place before and the words
    // after an arrow key.
    void BeforeKey();
    void AfterKey(int key);

    // After a marker was dropped in the cell view.
    void AfterDrop();
    // After "Display Markers" with the colour boxes' values.
    void AfterDisplayMarkers(const ShownColours& shown);
    // After the cell view and the map changed places.
    void AfterViewSwitch();
    // After a new maze was made or a file opened.
    void AfterNewGame();
    // After the file path or the saved indicator changed.
    void IndicatorsShown(const QString& filePath, const QString& saved);
    // After a save was tried: the saved indicator is said.
    void AfterSave(const QString& saved);

    // What the cell view and the map report now.
    const QString& CellViewReport() const { return cellView_; }
    const QString& MapReport() const { return map_; }

private:
    // The words go to the picture's description, and are said at once when
    // announce is set and the picture shows.
    void TellCellView(const CellChange& change, bool announce = true);
    void TellMap(bool announce = true);

    const MazeState& state_;
    Controls controls_;
    // Owned by the pictures.
    Speech* cellViewSpeech_ = nullptr;
    Speech* mapSpeech_ = nullptr;
    Whereabouts before_;
    int blockedInARow_ = 0;
    // The colour boxes of the last "Display Markers" since the map was drawn.
    std::optional<ShownColours> shown_;
    QString cellView_;
    QString map_;
};

}  // namespace pathwick
