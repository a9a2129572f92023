// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class BenchWindow;
class PaintCounter;

// Picture loading through the main window's "Load Pic" and by a drop, against reading the same
// file with QImageReader and setScaledSize alone, or libheif alone for HEIC and AVIF (the floor),
// against libjpeg alone at an eighth of the size, and against decoding it whole and then scaling
// it. Prints its part of the table; returns false when a load failed.
bool benchLoads(BenchWindow& bench, PaintCounter& paints, const QStringList& files, int runs,
                int fullRuns);

// A picture taken with the phone turned must come out upright and stretched to the board.
bool checkTurnedPhoto(BenchWindow& bench, const QString& file);

// The memory a load takes, each measured in a fresh process of this program (see
// memoryProbe); `self` is this program's path.
bool benchLoadMemory(const QString& self, const QString& photo24, const QString& photo48,
                     const QString& heic, const QString& avif, const QString& heic48,
                     const QString& avif48, int runs);

// What one process measures for benchLoadMemory: how: "game", "floor" or "full".
int memoryProbe(const QString& how, const QString& file);
