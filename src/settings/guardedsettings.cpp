// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/guardedsettings.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

// A hard link, which every folder that keeps the settings allows where it allows links at all
// (some network shares refuse symbolic links).
bool hardLink(const QByteArray& file, const QByteArray& link) {
    return ::link(file.constData(), link.constData()) == 0;
}

} // namespace

GuardedSettings::GuardedSettings(const QString& file) : QSettings(file, QSettings::IniFormat) {
    // A run killed while saving leaves its links behind; they are copies of an old file.
    const QFileInfo info(file);
    for (const QString& left : info.dir().entryList({info.fileName() + QStringLiteral(".kept"),
                                                     info.fileName() + QStringLiteral(".check*")},
                                                    QDir::Files | QDir::Hidden | QDir::System))
        info.dir().remove(left);
}

GuardedSettings::~GuardedSettings() {
    save();
}

void GuardedSettings::save() {
    const QByteArray file = QFile::encodeName(fileName());
    const QByteArray kept = file + ".kept";
    const bool old = hardLink(file, kept);
    sync();
    if (old && !readsBack())
        std::rename(kept.constData(), file.constData());
    ::unlink(kept.constData());
}

// QSettings answers from its memory of a file it has read before, so the new file is read under
// a name it has not seen in this run.
bool GuardedSettings::readsBack() const {
    static int checks = 0;
    const QString check = fileName() + QStringLiteral(".check%1").arg(++checks);
    const QByteArray link = QFile::encodeName(check);
    bool same = hardLink(QFile::encodeName(fileName()), link);
    if (same) {
        const QSettings written(check, QSettings::IniFormat);
        const QStringList keys = allKeys();
        same = written.allKeys() == keys &&
               std::all_of(keys.begin(), keys.end(),
                           [&](const QString& key) { return written.value(key) == value(key); });
    }
    ::unlink(link.constData());
    return same;
}

bool GuardedSettings::event(QEvent* event) {
    if (event->type() != QEvent::UpdateRequest)
        return QSettings::event(event);
    save();
    return true;
}
