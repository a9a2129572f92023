#pragma once

#include <QPixmap>

class QString;

// A PNG file built into the program, read as PNG. Qt, left to find out the format of a file by
// itself, first loads every image plugin on the system (over a megabyte that stays loaded), and
// QPixmap(file name) would also keep the picture in the pixmap cache after its window is gone.
QPixmap builtInPicture(const QString& path);
