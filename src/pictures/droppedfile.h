// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QMimeData;

// The file a drag and drop carries for loading: the first of its URLs when that names a file
// on this machine; empty for anything else (text, a folder, a web address, nothing at all).
QString droppedFile(const QMimeData* data);
