// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/helptext.h"

#include <QCoreApplication>

namespace {

// The lines are broken by hand so the text reads as laid out; a key's explanation that runs
// over goes on under it, indented with blanks. Each line is translated on its own, so a
// translation keeps the same line breaks.
constexpr const char* lines[] = {
    QT_TRANSLATE_NOOP("frmHelp", "        "),
    QT_TRANSLATE_NOOP("frmHelp", " -How to Play?"),
    QT_TRANSLATE_NOOP("frmHelp", "        "),
    QT_TRANSLATE_NOOP("frmHelp", " Quadrello is played like a jigsaw puzzle,"),
    QT_TRANSLATE_NOOP("frmHelp", " but its boxes can be numbered or"),
    QT_TRANSLATE_NOOP("frmHelp", " unnumbered. First load an image, then"),
    QT_TRANSLATE_NOOP("frmHelp", " scramble it. Slide the pieces with the"),
    QT_TRANSLATE_NOOP("frmHelp", " arrow keys into the empty box, one move"),
    QT_TRANSLATE_NOOP("frmHelp", " at a time, until the whole image is"),
    QT_TRANSLATE_NOOP("frmHelp", " unscrambled. The easy way is to sort the"),
    QT_TRANSLATE_NOOP("frmHelp", " pieces row by row, from left to right,"),
    QT_TRANSLATE_NOOP("frmHelp", " until only the last two rows remain; then"),
    QT_TRANSLATE_NOOP("frmHelp", " sort those two rows together. The object"),
    QT_TRANSLATE_NOOP("frmHelp", " is to unscramble the image in the fewest"),
    QT_TRANSLATE_NOOP("frmHelp", " moves. The image can be split in three"),
    QT_TRANSLATE_NOOP("frmHelp", " modes: choose 3x3, 4x4 or 5x5 in the"),
    QT_TRANSLATE_NOOP("frmHelp", " preferences. All three modes can be"),
    QT_TRANSLATE_NOOP("frmHelp", " played at the same time; switching"),
    QT_TRANSLATE_NOOP("frmHelp", " between them keeps each mode's moves and"),
    QT_TRANSLATE_NOOP("frmHelp", " time. The real fun is to play unnumbered"),
    QT_TRANSLATE_NOOP("frmHelp", " and to view the real image only once."),
    QT_TRANSLATE_NOOP("frmHelp", " Enjoy!"),
    QT_TRANSLATE_NOOP("frmHelp", "        "),
    QT_TRANSLATE_NOOP("frmHelp", " -Keys' functions:"),
    QT_TRANSLATE_NOOP("frmHelp", "        "),
    QT_TRANSLATE_NOOP("frmHelp", " Arrow keys- To move the pieces up, down, right, or left."),
    QT_TRANSLATE_NOOP("frmHelp", " Load Pic     - To load an image, shortcut Alt+L.  "),
    QT_TRANSLATE_NOOP("frmHelp", " Scramble    - To scramble the image, shortcut S."),
    QT_TRANSLATE_NOOP("frmHelp", " UnSorted   - To detect the unsorted image pieces, "),
    QT_TRANSLATE_NOOP("frmHelp", "                      'UnSorted' button."),
    QT_TRANSLATE_NOOP("frmHelp", " Set            - For unscrambling the image, shortcut T."),
    QT_TRANSLATE_NOOP("frmHelp", " viewPic      - For viewinig the original image.  Keep the "),
    QT_TRANSLATE_NOOP("frmHelp", "                      button 'viewPic' pressed for "),
    QT_TRANSLATE_NOOP("frmHelp", "                      viewing."),
    QT_TRANSLATE_NOOP("frmHelp", " Halt          - To pause, shortcut H."),
};

} // namespace

QString helpText() {
    QString text;
    for (const char* line : lines) {
        text += QCoreApplication::translate("frmHelp", line);
        text += QLatin1Char('\n');
    }
    return text;
}
