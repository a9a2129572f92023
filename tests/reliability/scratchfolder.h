#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>

// The pattern for a QTemporaryDir in memory (/dev/shm) where the machine has one: the stress
// tests write thousands of settings files, and waiting for the disk would take most of their
// time. Elsewhere, the usual temporary folder.
inline QString scratchPattern() {
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return base + QStringLiteral("/quadrello-XXXXXX");
}
