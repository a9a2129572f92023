// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A file dragged onto the main window: the drop takes the place of the file dialog.
#include "app/frmmain.h"
#include "pictures/droppedfile.h"

#include <QDragEnterEvent>
#include <QDropEvent>

// The cursor shows a drop as possible only for a file, the one thing a drop can load.
void frmmain::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// Whatever the drop holds by the time it lands, it is handled as the file dialog's answer: a
// name that cannot be loaded changes nothing, as a cancelled dialog. A picture that loads brings
// the game forward from the window it was dragged from, so the arrow keys play at once.
void frmmain::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    const QString path = droppedFile(event->mimeData());
    if (loadPicFrom([&path] { return path; })) {
        raise();
        activateWindow();
    }
}
