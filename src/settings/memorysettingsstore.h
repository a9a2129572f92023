// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/settingsstore.h"

#include <QList>

// A store that lives in memory only, for tests and for runs that must not touch the disk.
// It records every write in order, so callers can check what was saved and when.
class MemorySettingsStore final : public SettingsStore {
public:
    struct Write {
        QString section;
        QString key;
        QString value;
    };

    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;

    // Every SaveSetting call since construction (or since clearLog), in order.
    const QList<Write>& writes() const { return writes_; }
    void clearLog() { writes_.clear(); }
    bool isEmpty() const { return entries_.isEmpty(); }

private:
    struct Entry {
        QString application;
        QString section;
        QString key;
        QString value;
    };
    Entry* find(const QString& application, const QString& section, const QString& key);

    QList<Entry> entries_;
    QList<Write> writes_;
};
