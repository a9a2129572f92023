// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A second yardstick for the start-up figures: the smallest window shaped like the game's, a
// menu bar above a client area of the game's size, with nothing in it. It shows what that shape
// costs by itself, apart from the game's own controls.
#include <QApplication>
#include <QMenuBar>
#include <QVBoxLayout>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    auto* bar = new QMenuBar(&window);
    bar->addMenu(QCoreApplication::translate("minimal", "&File"));
    auto* frame = new QVBoxLayout(&window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setMenuBar(bar);
    auto* client = new QWidget(&window);
    client->setFixedSize(635, 438);
    frame->addWidget(client);
    window.show();
    return app.exec();
}
