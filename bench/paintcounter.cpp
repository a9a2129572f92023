// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paintcounter.h"

#include "app/frmmain.h"
#include "board/boardview.h"
#include "board/tile.h"

#include <QApplication>
#include <QEventLoop>
#include <QPaintEvent>
#include <QTimer>
#include <algorithm>

PaintCounter::PaintCounter(frmmain& window) : window_(window) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const BoardView* view = window.boardView(slot);
        for (int c = 0; c < view->grid().cellCount(); ++c)
            cells_.insert(view->cell(c), {slot, c});
    }
    qApp->installEventFilter(this);
}

PaintCounter::~PaintCounter() {
    qApp->removeEventFilter(this);
}

void PaintCounter::reset() {
    painted_ = {};
    region_ = {};
    others_.clear();
    windowRegion_ = QRegion();
}

std::set<int> PaintCounter::paintedCells(int slot) const {
    return painted_[static_cast<unsigned>(slot)];
}

QRegion PaintCounter::paintedRegion(int slot) const {
    return region_[static_cast<unsigned>(slot)];
}

QStringList PaintCounter::otherPaintedOutside(const QRect& area) const {
    QStringList names;
    for (auto it = others_.constBegin(); it != others_.constEnd(); ++it) {
        if (!(it.value() - area).isEmpty())
            names << it.key();
    }
    names.sort();
    return names;
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    const auto* widget = static_cast<const QWidget*>(watched);
    if (widget->window() != &window_)
        return false;
    const QRegion area = static_cast<QPaintEvent*>(event)->region();
    windowRegion_ += area.translated(widget->mapTo(&window_, QPoint(0, 0)));
    // A cell's picture and number are children of its tile.
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const auto cell = cells_.constFind(w);
        if (cell == cells_.constEnd())
            continue;
        painted_[static_cast<unsigned>(cell->slot)].insert(cell->index);
        region_[static_cast<unsigned>(cell->slot)] +=
            area.translated(widget->mapTo(window_.boardView(cell->slot), QPoint(0, 0)));
        // Quitting here ends the wait once the whole repaint, this cell's included, is done.
        if (waiting_ && waitedForIsPainted())
            waiting_->quit();
        return false;
    }
    const QString name = widget->objectName().isEmpty()
                             ? QString::fromLatin1(widget->metaObject()->className())
                             : widget->objectName();
    others_[name] += area.translated(widget->mapTo(&window_, QPoint(0, 0)));
    return false;
}

bool PaintCounter::waitedForIsPainted() const {
    return std::includes(painted_[static_cast<unsigned>(waitSlot_)].begin(),
                         painted_[static_cast<unsigned>(waitSlot_)].end(), waitCells_.begin(),
                         waitCells_.end());
}

bool PaintCounter::waitForCells(int slot, const std::set<int>& cells, int timeoutMs) {
    waitSlot_ = slot;
    waitCells_ = cells;
    if (waitedForIsPainted())
        return true;
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    waiting_ = &loop;
    loop.exec();
    waiting_ = nullptr;
    return waitedForIsPainted();
}
