// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
QRect availableArea(const QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}
} // namespace

void centerOnScreen(QWidget* window) {
    const QRect area = availableArea(window);
    if (area.isEmpty())
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

void placeBeside(QWidget* window, const QWidget* anchor) {
    const QRect area = availableArea(anchor);
    const QRect beside = anchor->frameGeometry();
    QRect frame = window->frameGeometry();
    frame.moveTop(beside.top());
    frame.moveLeft(beside.right() + 1);
    if (!area.isEmpty() && frame.right() > area.right())
        frame.moveRight(beside.left() - 1);
    if (!area.isEmpty() && frame.left() < area.left())
        frame.moveLeft(area.left());
    window->move(frame.topLeft());
}
