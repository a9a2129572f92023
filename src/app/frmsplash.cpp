// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsplash.h"

#include "windows/builtinpicture.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      background_(builtInPicture(QStringLiteral(":/splash.png"))) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral(" "));
    setAccessibleName(tr("Quadrello"));
    setWindowIcon(QIcon(builtInPicture(QStringLiteral(":/icons/keypad.png"))));
    setFixedSize(536, 228);

    auto* cmdplay = new QPushButton(tr("Play"), this);
    cmdplay->setObjectName(QStringLiteral("cmdplay"));
    cmdplay->setGeometry(400, 88, 89, 25);
    auto* cmdext = new QPushButton(tr("Exit"), this);
    cmdext->setObjectName(QStringLiteral("cmdext"));
    cmdext->setGeometry(400, 144, 89, 25);
    cmdplay->setFocus();
    connect(cmdplay, &QPushButton::clicked, this, &frmSplash::play);
    connect(cmdext, &QPushButton::clicked, this, &QWidget::close);
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Only a screen between two scales of the picture needs it scaled down, and smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, background_);
}

void frmSplash::mousePressEvent(QMouseEvent*) {
    play();
}

void frmSplash::keyPressEvent(QKeyEvent*) {
    play();
}

// The close box, like Exit, ends the program.
void frmSplash::closeEvent(QCloseEvent*) {
    if (!chosen_) {
        chosen_ = true;
        emit exitChosen();
    }
}

// Leads on only once, however many clicks and keys arrive before the splash is gone.
void frmSplash::play() {
    if (chosen_)
        return;
    chosen_ = true;
    emit playChosen();
    close();
}
