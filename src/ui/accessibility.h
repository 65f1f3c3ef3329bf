// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <optional>

#include "game/description.h"
#include "game/game.h"

class QKeyEvent;
class QLabel;
class QWidget;

namespace pathwick {

class PictureBox;
class Speech;

// Makes the picture boxes known to assistive technology by the role each one
// is given (PictureBox::SetAccessibleRole). Once per program; later calls do
// nothing.
void InstallAccessibleInterfaces();

// What a screen reader learns of the game window: the names of the pictures,
// the swatches and the indicators, each picture's description in words, and
// after every command that changes the cell view or the map, short words said
// at once through the picture's Speech (a screen reader may not present a
// changed description at all).
//
// The full words go into the picture's accessible description, which a screen
// reader reads with its name and role when it gets the focus. A value is
// presented only for numeric controls such as sliders, and a text would be
// taken for a document to move a caret through with the very arrow keys that
// walk the mouse.
class GameAccessibility : public QObject {
    Q_OBJECT
public:
    struct Controls {
        PictureBox* picMaze = nullptr;
        PictureBox* picMap = nullptr;
        QLabel* lblFilePath = nullptr;
        QLabel* lblSaved = nullptr;
        // The colour swatches of the mouse, the start and the end.
        std::array<QWidget*, 3> swatches{};
        // The colour choices: a colour chosen there with the keyboard is said.
        QWidget* colourChoices = nullptr;
    };

    // Tells the words of game from now on, after each thing the game reports;
    // game must outlive this object, the controls are the window's.
    GameAccessibility(const Game& game, const Controls& controls);

    // A key pressed in the program, before any screen reader hears of it:
    // the screen reader's "where am I" (keypad Enter) reads the focused item
    // of the picture that shows again, which then holds the full report.
    void KeyPressed(const QKeyEvent& key);

private:
    void Stepped(const MouseStep& step);
    void MarkerDropped(Color colour);
    void MarkersDisplayed(const MarkerFilter& filter);
    void ViewSwitched(bool mapView);
    void GameReplaced();
    void IndicatorsChanged();
    void FileSaved();
    void ColourChosen(Color colour);

    // The words go to the picture's description, and are said at once when
    // announce is set and the picture shows.
    void TellCellView(const CellChange& change, bool announce = true);
    void TellMap(bool announce = true);
    Speech* ShowingSpeech() const;

    const Game& game_;
    Controls controls_;
    // Owned by the pictures.
    Speech* cellViewSpeech_ = nullptr;
    Speech* mapSpeech_ = nullptr;
    int blockedInARow_ = 0;
    // Sees the keys before the accessibility bridge hands them to a screen reader.
    QObject* keyWatch_ = nullptr;
    // The colour boxes of the last "Display Markers" since the map was drawn.
    std::optional<ShownColours> shown_;
    QString cellView_;
    QString cellViewSaid_;  // the short words last said for the cell view
    QString map_;
};

}  // namespace pathwick
