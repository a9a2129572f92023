// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmhelp.h"

#include "windows/helptext.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>

frmHelp::frmHelp(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Help"));
    setFixedSize(421, 395);

    auto* lblhelp = new QLabel(tr("Help Topics"), this);
    lblhelp->setObjectName(QStringLiteral("lblhelp"));
    lblhelp->setGeometry(16, 8, 209, 33);
    QFont headingFont(QStringLiteral("Times New Roman"), 18, QFont::Bold);
    headingFont.setStyleHint(QFont::Serif);
    lblhelp->setFont(headingFont);

    // Read-only: the text is the same every time the window opens, so an edit would only be
    // lost; the player can still select and copy from it.
    auto* Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(8, 40, 401, 321);
    Text1->setReadOnly(true);
    Text1->setAccessibleName(tr("Help Topics"));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont textFont(QStringLiteral("Times New Roman"));
    textFont.setStyleHint(QFont::Serif);
    textFont.setPointSizeF(11.25);
    textFont.setBold(true);
    Text1->setFont(textFont);
    QPalette grey = Text1->palette();
    grey.setColor(QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
    Text1->setPalette(grey);
    Text1->setPlainText(helpText());

    auto* cmdclose = new QPushButton(tr("&Close"), this);
    cmdclose->setObjectName(QStringLiteral("cmdclose"));
    cmdclose->setGeometry(296, 368, 89, 25);
    connect(cmdclose, &QPushButton::clicked, this, &QWidget::close);
}
