// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace pathwick {

// A label for a file path: its caption is the whole path, and where the path
// is wider than the label it is shown shortened in the middle, so that both
// the start of the path and the file's name stay in view.
class PathLabel : public QLabel {
    Q_OBJECT
public:
    explicit PathLabel(QWidget* parent = nullptr);

    // The caption as it is shown at the label's present width and font.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace pathwick
