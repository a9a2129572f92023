// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures/frmpic.h"

#include "pictures/pictureloader.h"

#include <QLabel>
#include <QPixmap>

frmpic::frmpic(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      imgpic_(new QLabel(this)) {
    setObjectName(QStringLiteral("frmpic"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(PictureBoardSize);

    imgpic_->setObjectName(QStringLiteral("imgpic"));
    imgpic_->setAccessibleName(tr("Whole picture"));
    imgpic_->setScaledContents(true);
    imgpic_->setGeometry(rect());
}

void frmpic::setPicture(const QPixmap& picture) {
    imgpic_->setPixmap(picture);
}
