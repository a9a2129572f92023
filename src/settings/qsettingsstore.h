// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/guardedsettings.h"
#include "settings/settingsstore.h"

#include <map>
#include <memory>

// The settings store on disk: one INI file per application, <folder>/<application>.conf, read
// and written through QSettings. Section and key names match without regard to letter case and
// keep the spelling they were first written with. Names must not contain '/' or '\', which
// QSettings reads as nesting. When the file cannot be written, what was saved is still read
// back until the store is destroyed, and lost after that.
class QSettingsStore final : public SettingsStore {
public:
    // Files in the user's configuration folder, under "quadrello" (~/.config/quadrello/).
    QSettingsStore();
    explicit QSettingsStore(const QString& folder);

    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;
    void flush() override;

private:
    QSettings& settings(const QString& application);

    QString folder_;
    // Keyed by the lower-case application name, which is also the file's base name.
    std::map<QString, std::unique_ptr<GuardedSettings>> settings_;
};
