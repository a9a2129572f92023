// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSettings>

// An INI file that a full disk cannot cut short. Qt's QSaveFile puts a new file in place even
// when the disk filled up while it was written, so the settings would end where the space ran
// out. Every write here keeps the old file linked under a second name until the new one reads
// back as what was saved, and puts the old one back otherwise.
class GuardedSettings final : public QSettings {
public:
    explicit GuardedSettings(const QString& file);
    ~GuardedSettings() override;

    // Writes what changed, as sync() does.
    void save();

protected:
    // QSettings writes on its own too, a moment after a change; that write is guarded as well.
    bool event(QEvent* event) override;

private:
    bool readsBack() const;
};
