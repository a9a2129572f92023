#pragma once

#include <QByteArray>
#include <QString>

// Settings files as a crash, a full disk, a bad sector or a curious player may leave them.
// Every file comes from its seed alone, so a failing one can be made again.
struct DamagedSettings {
    QString damage;     // what was done to it, for failure messages
    QByteArray content; // the bytes of the file
};

DamagedSettings damagedSettings(unsigned seed);
