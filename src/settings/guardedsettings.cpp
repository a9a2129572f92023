// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/guardedsettings.h"

#include <QEvent>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

GuardedSettings::GuardedSettings(const QString& file) : QSettings(file, QSettings::IniFormat) {}

GuardedSettings::~GuardedSettings() {
    save();
}

void GuardedSettings::save() {
    const QByteArray file = QFile::encodeName(fileName());
    const QByteArray kept = file + ".kept";
    const bool old = ::link(file.constData(), kept.constData()) == 0;
    sync();
    if (old && !readsBack())
        std::rename(kept.constData(), file.constData());
    ::unlink(kept.constData());
}

// QSettings answers from its memory of a file it has read before, so the new file is read under
// a name it has not seen.
bool GuardedSettings::readsBack() const {
    static int checks = 0;
    const QString check = fileName() + QStringLiteral(".check%1").arg(++checks);
    bool same = QFile::link(fileName(), check);
    if (same) {
        const QSettings written(check, QSettings::IniFormat);
        const QStringList keys = allKeys();
        same = written.allKeys() == keys &&
               std::all_of(keys.begin(), keys.end(),
                           [&](const QString& key) { return written.value(key) == value(key); });
    }
    QFile::remove(check);
    return same;
}

bool GuardedSettings::event(QEvent* event) {
    if (event->type() != QEvent::UpdateRequest)
        return QSettings::event(event);
    save();
    return true;
}
