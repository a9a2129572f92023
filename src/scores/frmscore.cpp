// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/frmscore.h"

#include "windows/classicform.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <utility>

namespace {

// The window's outer heights are 3055 and 2055 twips. A fixed single-border window of the
// layout's era spends 375 twips on its title bar and borders, which leaves the short window's
// client area ending exactly where the name frame begins.
constexpr int clientWidth = 5190;
constexpr int clientHeightRanked = 3055 - 375;
constexpr int clientHeightUnranked = 2055 - 375;

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    l->setFont(classicFont(8.25, true));
    l->setAlignment(alignment);
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

frmscore::frmscore(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmscore"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr(" Game Over"));
    setFont(classicFont());

    lblnomoves_ = label(this, "lblnomoves", tr("Number of Moves :"), twips(240, 480, 1695, 375),
                        Qt::AlignRight | Qt::AlignTop);
    lbltotmoves_ = label(this, "lbltotmoves", tr("0"), twips(1950, 480, 1575, 375));
    lblnotime_ = label(this, "lblnotime", tr("Time Taken :"), twips(480, 1080, 1455, 375),
                       Qt::AlignRight | Qt::AlignTop);
    lbltottime_ = label(this, "lbltottime", tr("0"), twips(1950, 1080, 1605, 375));
    auto* cmdplay = classicButton(this, "cmdplay", tr("&Play Again"), twips(3720, 360, 1095, 375));
    auto* cmdclose = classicButton(this, "cmdclose", tr("&Close"), twips(3720, 1080, 1095, 375));

    fra1_ = new QGroupBox(tr("Least Moves"), this);
    fra1_->setObjectName(QStringLiteral("fra1"));
    fra1_->setGeometry(twips(240, 1680, 4815, 975));
    QLabel* lblname = label(fra1_, "lblname", tr("Enter Name :"), twips(120, 360, 1215, 375));
    txtname_ = new QLineEdit(QStringLiteral(" "), fra1_);
    // The caption names the box for a screen reader.
    lblname->setBuddy(txtname_);
    txtname_->setObjectName(QStringLiteral("txtname"));
    txtname_->setGeometry(twips(1320, 320, 1935, 375));
    txtname_->setFont(classicFont(8.25, true));
    txtname_->setMaxLength(10);
    // The blank is there to be confirmed or typed over, whatever way the box gets the focus.
    txtname_->selectAll();
    auto* cmdok = classicButton(fra1_, "cmdok", tr("&Ok"), twips(3480, 320, 1095, 375));

    setTabOrder(txtname_, cmdplay);
    setTabOrder(cmdplay, cmdclose);
    setTabOrder(cmdclose, cmdok);
    txtname_->setFocus();

    connect(cmdok, &QPushButton::clicked, this, [this] { answer(&frmscore::okPressed); });
    connect(cmdclose, &QPushButton::clicked, this, [this] { answer(&frmscore::closePressed); });
    connect(cmdplay, &QPushButton::clicked, this, [this] { answer(&frmscore::playAgainPressed); });

    setFixedSize(twips(0, 0, clientWidth, clientHeightRanked).size());
}

void frmscore::showResult(qint16 moves, qint16 seconds, bool ranked) {
    lbltotmoves_->setText(QString::number(moves));
    lbltottime_->setText(tr("%1 sec").arg(seconds));
    // A screen reader reading the window as it opens passes over a lone figure, so each caption
    // carries its figure in its name.
    for (const auto& [caption, figure] :
         {std::pair(lblnomoves_, lbltotmoves_), std::pair(lblnotime_, lbltottime_)})
        caption->setAccessibleName(caption->text() + QLatin1Char(' ') + figure->text());
    fra1_->setVisible(ranked);
    setFixedSize(
        twips(0, 0, clientWidth, ranked ? clientHeightRanked : clientHeightUnranked).size());
}

void frmscore::answer(void (frmscore::*signal)()) {
    // Whoever answers may already have closed the window.
    const QPointer<frmscore> self(this);
    emit(this->*signal)();
    if (self)
        close();
}

QString frmscore::typedName() const {
    return txtname_->text();
}
