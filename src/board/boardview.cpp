// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/boardview.h"

#include "board/board.h"
#include "board/boardaccessible.h"
#include "board/boardvoice.h"
#include "board/tile.h"
#include "board/tileimage.h"

#include <QLabel>

namespace {
// Where the number sits on a tile, and how it is padded, per grid size.
QRect numberGeometry(const GridGeometry& grid) {
    switch (grid.slot) {
    case kSlot5x5:
        return {0, 6, 84, 65};
    case kSlot4x4:
        return {0, 6, 49, 33};
    default:
        return {0, 10, 81, 41};
    }
}

QString numberText(const GridGeometry& grid, int tile) {
    const QString pad = grid.slot == kSlot3x3 ? QStringLiteral("   ") : QStringLiteral("  ");
    return pad + QString::number(tile + 1);
}

QString arrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}
} // namespace

BoardView::BoardView(const GridGeometry& grid, QWidget* parent)
    : QWidget(parent), grid_(grid), voice_(new BoardVoice(this)) {
    installBoardAccessibility();
    setObjectName(arrayName("picmod", grid.slot));
    setFixedSize(grid.boardWidth(), grid.boardHeight());
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("%1x%1 board").arg(grid.n));
    const QSize cellSize(grid.stepW, grid.stepH);
    // The pic/lbl/img array names carry the board's number: pic1 is 5x5, pic2 4x4, pic3 3x3.
    const int arrayNo = grid.slot + 1;
    const QByteArray pic = "pic" + QByteArray::number(arrayNo);
    const QByteArray lbl = "lbl" + QByteArray::number(arrayNo);
    const QByteArray img = "img" + QByteArray::number(arrayNo);
    for (int c = 0; c < grid.cellCount(); ++c) {
        const bool empty = c == grid.emptyIndex();
        const QPoint home = pixelPos(c % grid.n, c / grid.n);
        auto* tile = new Tile(cellSize, home, empty ? QString() : numberText(grid, c),
                              numberGeometry(grid), this);
        tile->setObjectName(arrayName(pic.constData(), c));
        tile->setAccessibleName(empty ? tr("Empty box") : tr("Tile %1").arg(c + 1));
        describePlace(tile);
        if (!empty) {
            tile->number()->setObjectName(arrayName(lbl.constData(), c));
            tile->image()->setObjectName(arrayName(img.constData(), c));
        }
        cells_.push_back(tile);
    }
}

void BoardView::showPositions(const Board& board) {
    for (int c = 0; c < grid_.cellCount(); ++c) {
        const CellPos p = board.position(c);
        const QPoint at = pixelPos(p.col, p.row);
        Tile* tile = cells_[static_cast<unsigned>(c)];
        if (tile->pos() != at) {
            tile->move(at);
            describePlace(tile);
        }
    }
}

// A screen reader cannot see where a tile stands, nor its mark, so each cell says them in its
// description.
void BoardView::describePlace(Tile* tile) {
    const QString place =
        tr("Row %1, column %2").arg(tile->y() / grid_.stepH + 1).arg(tile->x() / grid_.stepW + 1);
    tile->setAccessibleDescription(!tile->isEmptyBox() && tile->image()->isHidden()
                                       ? tr("%1, not in place").arg(place)
                                       : place);
}

void BoardView::setPicture(const QPixmap& picture) {
    for (Tile* t : cells_) {
        if (!t->isEmptyBox())
            t->image()->setPicture(picture);
    }
}

void BoardView::setNumbersShown(bool shown) {
    for (Tile* t : cells_) {
        if (!t->isEmptyBox())
            t->number()->setVisible(shown);
    }
}

// The empty box keeps its border: only the tiles change.
void BoardView::setGridShown(bool shown) {
    for (Tile* t : cells_) {
        if (!t->isEmptyBox())
            t->setBorderShown(shown);
    }
}

void BoardView::setNumberColor(const QColor& color) {
    for (Tile* t : cells_) {
        if (t->isEmptyBox())
            continue;
        QPalette pal = t->number()->palette();
        pal.setColor(QPalette::WindowText, color);
        t->number()->setPalette(pal);
    }
}

void BoardView::setBoxColor(const QColor& color) {
    emptyBox()->setBackground(color);
}

void BoardView::setMarked(int tile, bool marked) {
    Tile* t = cell(tile);
    t->setBackground(palette().color(marked ? QPalette::Highlight : QPalette::Button));
    t->image()->setVisible(!marked);
    describePlace(t);
}

bool BoardView::isMarked(int tile) const {
    return cell(tile)->image()->isHidden();
}

void BoardView::say(const QString& sentence) {
    voice_->say(sentence);
}
