// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scores/frmtopscores.h"

#include "scores/scoretables.h"
#include "windows/classicform.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

QString element(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel* label(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    // Names are whatever the player typed; blanks line the columns up and must all show.
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

frmtopscores::frmtopscores(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmtopscores"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Top Least Moves"));
    setFont(classicFont());
    setFixedSize(twips(0, 0, 4455, 6165).size());

    buttons_[2] = classicButton(this, "cmd3x3", tr("3x3"), twips(240, 360, 1095, 375));
    buttons_[1] = classicButton(this, "cmd4x4", tr("4x4"), twips(1680, 360, 1095, 375));
    buttons_[0] = classicButton(this, "cmd5x5", tr("5x5"), twips(3120, 360, 1095, 375));
    auto* cmdclose = classicButton(this, "cmdclose", tr("&Close"), twips(3240, 5640, 975, 375));

    const std::array<QString, SlotCount> banners{
        tr("Top 5x5 Least Moves"), tr("Top 4x4 Least Moves"), tr("Top 3x3 Least Moves")};
    for (int k = 0; k < SlotCount; ++k) {
        auto* panel = new QFrame(this);
        panel->setObjectName(element("picscore", k));
        panel->setGeometry(twips(120, 960, 4215, 4575));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->hide();
        picscore_[k] = panel;

        QLabel* banner = label(panel, element("lbl3x3", k), twips(0, 0, 4150, 375));
        banner->setText(banners[k]);
        banner->setFont(classicFont(8.25, true));
        banner->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

        QLabel* heading = label(panel, element("lblbanner", k), twips(120, 480, 3975, 375));
        heading->setText(tr("  Names                                Moves"));
        heading->setFont(classicFont(8.25, true));

        for (int r = 0; r < RowCount; ++r) {
            const int e = RowCount * k + r;
            const int top = 840 + 360 * r;
            // The last rank has two digits; starting further left keeps its name in line.
            const int left = r == RowCount - 1 ? 30 : 120;
            lbl3x3mov_[e] = label(panel, element("lbl3x3mov", e), twips(left, top, 2000, 255));
            lbl3x3mov_[e]->setText(tr("%1)  None").arg(r + 1));
            lbl3x3score_[e] = label(panel, element("lbl3x3score", e), twips(2500, top, 1455, 255));
            lbl3x3score_[e]->setText(tr("[                    ]"));
        }
    }

    setTabOrder(cmdclose, buttons_[2]);
    setTabOrder(buttons_[2], buttons_[1]);
    setTabOrder(buttons_[1], buttons_[0]);
    cmdclose->setFocus();

    for (int slot = 0; slot < SlotCount; ++slot) {
        connect(buttons_[slot], &QPushButton::clicked, this, [this, slot] {
            emit refreshRequested();
            showPanel(slot);
        });
    }
    connect(cmdclose, &QPushButton::clicked, this, &QWidget::close);
}

void frmtopscores::fillRows(const ScoreTables& tables) {
    for (int e = 0; e < SlotCount * RowCount; ++e) {
        const ScoreEntry& entry = tables.table(e / RowCount).entry(e % RowCount);
        if (entry.movesText.isEmpty())
            continue;
        lbl3x3mov_[e]->setText(tr("%1) %2").arg(QString::number(e % RowCount + 1), entry.name));
        lbl3x3score_[e]->setText(tr("       %1").arg(entry.movesText));
    }
}

void frmtopscores::showPanel(int slot) {
    for (int k = 0; k < SlotCount; ++k) {
        picscore_[k]->setVisible(k == slot);
        QFont font = buttons_[k]->font();
        font.setBold(k == slot);
        buttons_[k]->setFont(font);
    }
}
