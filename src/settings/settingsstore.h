// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The per-user store of options, colours and score tables. Values travel as text; sections
// and keys match without regard to letter case. Reads and writes never report failure:
// a store that cannot be used answers with the defaults and forgets what it is given.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored value, or defaultValue when the key or its section is absent.
    virtual QString GetSetting(const QString& application, const QString& section,
                               const QString& key, const QString& defaultValue) = 0;
    // Creates or replaces the value; keeps the spelling of a key that already exists.
    virtual void SaveSetting(const QString& application, const QString& section, const QString& key,
                             const QString& value) = 0;
    // Pushes pending writes to permanent storage (the program ends right after its last save).
    virtual void flush() {}
};
