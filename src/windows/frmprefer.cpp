// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmprefer.h"

#include "windows/classicform.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

frmprefer::frmprefer(QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_group(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("frmprefer"));
    setWindowTitle(tr("Select the splitting"));
    setFixedSize(twips(0, 0, 4350, 2295).size());

    const QRect frameRect = twips(120, 120, 4095, 2055);
    auto* fra2 = new QGroupBox(tr("Splittings Options"), this);
    fra2->setObjectName(QStringLiteral("fra2"));
    fra2->setGeometry(frameRect);

    // The option buttons are placed in window coordinates but live inside the frame, so that
    // they are drawn over it and move with it; hence the shift by the frame's own corner.
    auto addOption = [&](const char* name, const QString& caption, QRect onWindow) {
        auto* option = new QRadioButton(caption, fra2);
        option->setObjectName(QString::fromLatin1(name));
        option->setGeometry(onWindow.translated(-frameRect.topLeft()));
        return option;
    };
    m_opt1 = addOption("opt1", tr("3x3"), twips(840, 480, 615, 495));
    m_opt2 = addOption("opt2", tr("4x4"), twips(840, 960, 855, 495));
    m_opt3 = addOption("opt3", tr("5x5"), twips(840, 1440, 855, 495));

    // The slot ids let selectedSlot() and selectSlot() speak the main window's grid numbering.
    m_group->setExclusive(true);
    m_group->addButton(m_opt3, 0);
    m_group->addButton(m_opt2, 1);
    m_group->addButton(m_opt1, 2);
    m_opt2->setChecked(true);

    auto* cmdok = new QPushButton(tr("&OK"), fra2);
    cmdok->setObjectName(QStringLiteral("cmdok"));
    cmdok->setGeometry(twips(1800, 360, 1335, 495));

    auto* cmdcancel = new QPushButton(tr("&Cancel"), fra2);
    cmdcancel->setObjectName(QStringLiteral("cmdcancel"));
    cmdcancel->setGeometry(twips(1800, 1200, 1335, 495));

    // The frame itself never takes the focus, so it drops out of the tab chain.
    setTabOrder(m_opt1, m_opt2);
    setTabOrder(m_opt2, m_opt3);
    setTabOrder(m_opt3, cmdok);
    setTabOrder(cmdok, cmdcancel);

    connect(cmdok, &QPushButton::clicked, this, &frmprefer::okPressed);
    connect(cmdcancel, &QPushButton::clicked, this, &frmprefer::cancelPressed);
}

int frmprefer::selectedSlot() const {
    for (QRadioButton* option : {m_opt1, m_opt2, m_opt3}) {
        if (option->isChecked())
            return m_group->id(option);
    }
    return -1;
}

void frmprefer::selectSlot(int slot) {
    if (QAbstractButton* option = m_group->button(slot))
        option->setChecked(true);
}

void frmprefer::closeEvent(QCloseEvent* event) {
    // Closing the window, from the title bar or otherwise, is the player backing out, so the
    // main window treats it as Cancel. The window is only hidden, never destroyed, and so keeps
    // its selection.
    emit cancelPressed();
    event->accept();
}
