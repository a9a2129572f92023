// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmabout.h"

#include "windows/builtinpicture.h"
#include "windows/classicform.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

namespace {

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// One pixel high strip of a single colour; two of them, grey over white, make the etched
// separator.
void addLine(QWidget* parent, const char* name, const QColor& colour, int top) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::NoFrame);
    line->setGeometry(6, top, parent->width() - 12, 1);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
}

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About Quadrello"));
    setFixedSize(321, 187);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(16, 16, 32, 32);
    picIcon->setPixmap(builtInPicture(QStringLiteral(":/icons/keypad.png")));
    picIcon->setAccessibleName(tr("Quadrello"));

    QLabel* lblTitle = addLabel(this, "lblTitle", tr("QuAdReLlO"), {70, 16, 259, 32});
    lblTitle->setFont(classicFont(12, true));

    addLabel(this, "lblVersion", tr(" Version : 1.00.00"), {70, 52, 259, 15});

    // The label runs past the window's right edge and the OK button covers its bottom right,
    // so the credit and the notice are kept to three short lines.
    QLabel* lblDescription = addLabel(this, "lblDescription",
                                      tr("Quadrello, a sliding-tile picture puzzle.\n"
                                         "Free to play, copy and share.\n"
                                         "It comes with no warranty of any kind."),
                                      {70, 75, 259, 62});
    lblDescription->setWordWrap(true);
    QPalette black = lblDescription->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    lblDescription->setPalette(black);

    addLine(this, "Line1(0)", QColor(0x80, 0x80, 0x80), 163);
    addLine(this, "Line1(1)", Qt::white, 164);

    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(224, 128, 84, 23);
    // Enter presses the default button; Esc rejects the dialog, which closes it just the same.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);
}
