// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/memorysettingsstore.h"

namespace {
bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

MemorySettingsStore::Entry* MemorySettingsStore::find(const QString& application,
                                                      const QString& section, const QString& key) {
    for (Entry& e : entries_) {
        if (same(e.application, application) && same(e.section, section) && same(e.key, key))
            return &e;
    }
    return nullptr;
}

QString MemorySettingsStore::GetSetting(const QString& application, const QString& section,
                                        const QString& key, const QString& defaultValue) {
    const Entry* e = find(application, section, key);
    return e ? e->value : defaultValue;
}

void MemorySettingsStore::SaveSetting(const QString& application, const QString& section,
                                      const QString& key, const QString& value) {
    writes_.append({section, key, value});
    if (Entry* e = find(application, section, key))
        e->value = value;
    else
        entries_.append({application, section, key, value});
}
