// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace pathwick {

// The about box: the program's title, version, description and legal notice, read from the
// program's version information each time it is created. OK, Enter and Esc close it.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

protected:
    // Draws the etched separator above the legal notice.
    void paintEvent(QPaintEvent* event) override;
    // Undoes every size of the normal state.
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
};

// Shows the about box modal over parent and returns once it has been closed.
void ShowAbout(QWidget* parent);

}  // namespace pathwick
