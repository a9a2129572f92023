#pragma once

#include <QByteArray>
#include <QString>

// Picture files as a broken download, a bad disk or a hostile sender may leave them: small
// sound JPEG, BMP, GIF and PNG pictures with flipped bits, cut short, with absurd dimensions
// in their headers, empty, or not pictures at all. Every file comes from its seed alone.
struct DamagedPicture {
    QString damage;   // what was done, for failure messages
    QString fileName; // with the extension the player would see
    QByteArray content;
};

DamagedPicture damagedPicture(unsigned seed);

// The undamaged picture of each format, as the damage starts from it.
QByteArray soundPicture(const char* format);
