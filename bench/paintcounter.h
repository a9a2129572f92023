// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/gridgeometry.h"

#include <QHash>
#include <QObject>
#include <QRegion>
#include <QStringList>
#include <array>
#include <set>

class QEventLoop;
class QWidget;
class frmmain;

// Watches every paint event in the main window: which cells of which board were repainted
// (a cell is its tile with the picture and number on it, or the empty box), what area of the
// board that covered, and which other widgets were repainted.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(frmmain& window);
    ~PaintCounter() override;

    // Forgets what was painted so far.
    void reset();

    std::set<int> paintedCells(int slot) const;
    // The repainted area of a board, in the board's coordinates.
    QRegion paintedRegion(int slot) const;
    // Everything repainted in the window, in the window's coordinates.
    QRegion windowRegion() const { return windowRegion_; }
    // Widgets outside the cells that were repainted somewhere outside `area` (in the window's
    // coordinates), by object name.
    QStringList otherPaintedOutside(const QRect& area) const;

    // Runs the event loop until all the given cells of the board have been painted and the
    // window's contents sent to the screen. False when that did not happen in time.
    bool waitForCells(int slot, const std::set<int>& cells, int timeoutMs = 5000);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Cell {
        int slot;
        int index;
    };
    bool waitedForIsPainted() const;

    frmmain& window_;
    QHash<const QWidget*, Cell> cells_; // the tile widgets
    std::array<std::set<int>, kSlotCount> painted_;
    std::array<QRegion, kSlotCount> region_;
    QHash<QString, QRegion> others_; // in the window's coordinates
    QRegion windowRegion_;
    QEventLoop* waiting_ = nullptr;
    int waitSlot_ = 0;
    std::set<int> waitCells_;
};
