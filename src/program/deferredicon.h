// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <functional>

namespace pathwick {

// An icon whose pictures are made by `make` only when the icon is first drawn or measured.
// Making an icon can be dear at start-up: Qt asks every installed image format plugin about
// each file it is given, loading them all. Most icons, though, are never drawn in a session.
// `sizes`, if given, answers availableSizes() without making the pictures.
QIcon DeferredIcon(std::function<QIcon()> make, QList<QSize> sizes = {});

}  // namespace pathwick
