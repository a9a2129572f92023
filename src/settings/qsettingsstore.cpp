// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/qsettingsstore.h"

#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>

namespace {

// The name among `names` that matches `wanted` without regard to case. A hand-edited file may
// hold several spellings of one name; the one that sorts first by code point wins (so
// "NumColor" before "numcolor"), whatever order the file lists them in.
QString match(const QStringList& names, const QString& wanted) {
    QString found;
    for (const QString& name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0 && (found.isEmpty() || name < found))
            found = name;
    }
    return found;
}

QString text(const QVariant& value) {
    // An unquoted value with commas, typed into the file by hand, comes back as a list.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// QSettings guards its writes with <file>.lock. A run killed while creating that lock leaves it
// empty, and QSettings would then wait half a minute, the game frozen, before taking it over. A
// lock that names no process guards nothing and is removed at once.
void removeBrokenLock(const QString& file) {
    QLockFile lock(file + QStringLiteral(".lock"));
    qint64 pid = 0;
    QString host;
    QString app;
    if (QFileInfo::exists(file + QStringLiteral(".lock")) && !lock.getLockInfo(&pid, &host, &app))
        lock.removeStaleLockFile();
}

// A damaged file can hold entries that QSettings reads in its typed forms, or as no value at all
// (a key without a name), and writes back otherwise: the save's read-back check would then refuse
// every later save. Every entry is kept as the text the game reads from it; QSettings refuses
// those without a name.
void keepAsText(QSettings& settings) {
    QList<std::pair<QString, QString>> kept;
    for (const QString& key : settings.allKeys())
        kept.append({key, text(settings.value(key))});
    settings.clear();
    for (const auto& [key, value] : kept)
        settings.setValue(key, value);
}

} // namespace

QSettingsStore::QSettingsStore()
    : QSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     QStringLiteral("/quadrello")) {}

QSettingsStore::QSettingsStore(const QString& folder) : folder_(folder) {}

QSettings& QSettingsStore::settings(const QString& application) {
    const QString name = application.toLower();
    std::unique_ptr<GuardedSettings>& settings = settings_[name];
    if (!settings) {
        const QString file = folder_ + u'/' + name + QStringLiteral(".conf");
        removeBrokenLock(file);
        settings = std::make_unique<GuardedSettings>(file);
        // QSettings writes a new file beside the old one and renames it over it, so a kill
        // mid-write leaves either the old settings or the new ones. That is the default; saying
        // so keeps it from ever falling back to rewriting the file in place.
        settings->setAtomicSyncRequired(true);
        keepAsText(*settings);
    }
    return *settings;
}

QString QSettingsStore::GetSetting(const QString& application, const QString& section,
                                   const QString& key, const QString& defaultValue) {
    QSettings& s = settings(application);
    const QString group = match(s.childGroups(), section);
    if (group.isEmpty())
        return defaultValue;
    s.beginGroup(group);
    const QString storedKey = match(s.childKeys(), key);
    const QString value = storedKey.isEmpty() ? defaultValue : text(s.value(storedKey));
    s.endGroup();
    return value;
}

void QSettingsStore::SaveSetting(const QString& application, const QString& section,
                                 const QString& key, const QString& value) {
    QSettings& s = settings(application);
    const QString group = match(s.childGroups(), section);
    s.beginGroup(group.isEmpty() ? section : group);
    const QString storedKey = match(s.childKeys(), key);
    s.setValue(storedKey.isEmpty() ? key : storedKey, value);
    s.endGroup();
}

void QSettingsStore::flush() {
    for (auto& entry : settings_)
        entry.second->save();
}
