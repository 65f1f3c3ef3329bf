// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/dialogs.h"

class QPrinter;

namespace pathwick {

// The game's dialogs and the one that only the windows show: the print dialog.
class WindowDialogs : public Dialogs {
public:
    // The print dialog for printer; false on Cancel.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;
};

}  // namespace pathwick
