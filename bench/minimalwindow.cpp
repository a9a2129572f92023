// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the start-up figures: the smallest Qt Widgets program that shows a window,
// built with the same compiler and flags and timed beside the game in the same run.
#include <QApplication>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QPushButton hello(QCoreApplication::translate("minimal", "Hello world!"));
    hello.show();
    return app.exec();
}
