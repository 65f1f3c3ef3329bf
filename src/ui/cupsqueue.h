// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace pathwick {

// What the CUPS server tells of a print queue. Qt hands a finished printout
// to CUPS without saying whether the server took it, so the print command
// compares the queue's jobs before and after printing.

// A job on a queue, as the server lists it.
struct CupsJob {
    int id = 0;
    QString title;
    bool failed = false;  // aborted or cancelled
};

// The jobs on queue (a destination's name, "printer" or "printer/instance")
// of all users, finished ones included; nothing when the server cannot be
// asked.
std::optional<QList<CupsJob>> CupsJobsOn(const QString& queue);

}  // namespace pathwick
