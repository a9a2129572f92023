// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's looks: options, colours, numbers, grid lines and the picture.
#include "app/frmmain.h"
#include "app/waitcursor.h"
#include "board/boardview.h"
#include "pictures/frmpic.h"
#include "pictures/picturefilter.h"
#include "pictures/pictureloader.h"
#include "settings/colorvalue.h"
#include "settings/frmcolor.h"
#include "windows/builtinpicture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

void frmmain::GetOptions() {
    const StartOptions options = readOptions(services_.store);
    optionTexts_ = options.texts;
    intGridOff_ = options.gridOff;
    intNumOff_ = options.numOff;
}

// The colours window holds the current colours in its swatches, so it is made here, once,
// and stays hidden until the player asks for it.
void frmmain::GetColorSettings() {
    const ColorValues colors = readColors(services_.store);
    colorTexts_ = colors.texts;
    if (!frmcolor_) {
        frmcolor_ = new frmcolor(services_.chooseColor, this);
        connect(frmcolor_, &frmcolor::okPressed, this, [this] {
            NumColor();
            BkColor();
            BoxColor();
            ColorSaveSettings();
            SetpicFocus();
            frmcolor_->hide();
        });
        connect(frmcolor_, &frmcolor::cancelPressed, this, [this] {
            GetColorSettings();
            SetpicFocus();
            frmcolor_->hide();
        });
        connect(frmcolor_, &frmcolor::defaultPressed, this, &frmmain::DefaultColor);
    }
    frmcolor_->setNumColor(colors.numColor);
    frmcolor_->setBkColor(colors.bkColor);
    frmcolor_->setBoxColor(colors.boxColor);
}

void frmmain::DefaultColor() {
    frmcolor_->setBkColor(DefaultBkColorValue);
    frmcolor_->setBoxColor(DefaultBoxColorValue);
    frmcolor_->setNumColor(DefaultNumColorValue);
}

void frmmain::ColorSaveSettings() {
    colorTexts_ = saveColors(services_.store, frmcolor_->numColor(), frmcolor_->bkColor(),
                             frmcolor_->boxColor());
}

void frmmain::NumColor() {
    const QColor color = colorFromValue(frmcolor_->numColor());
    for (BoardView* view : picmod_)
        view->setNumberColor(color);
}

void frmmain::BkColor() {
    const QColor color = colorFromValue(frmcolor_->bkColor());
    for (QWidget* w : {client_, static_cast<QWidget*>(fra1_), static_cast<QWidget*>(chkauto_)}) {
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, color);
        w->setPalette(pal);
    }
}

void frmmain::BoxColor() {
    const QColor color = colorFromValue(frmcolor_->boxColor());
    for (BoardView* view : picmod_)
        view->setBoxColor(color);
}

void frmmain::Numbers() {
    if (intNumOff_ != 0 && intNumOff_ != 1)
        return;
    const bool show = intNumOff_ == 1;
    for (BoardView* view : picmod_)
        view->setNumbersShown(show);
    cmdnum_->setText(show ? tr("Numbered") : tr("UN-Numbered"));
    cmdnum_->setIcon(builtInPicture(show ? QStringLiteral(":/faces/numbered.png")
                                         : QStringLiteral(":/faces/unnumbered.png")));
    intNumOff_ = show ? 0 : 1;
    SetpicFocus();
}

void frmmain::Grid() {
    if (intGridOff_ != 0 && intGridOff_ != 1)
        return;
    const bool show = intGridOff_ == 1;
    for (BoardView* view : picmod_)
        view->setGridShown(show);
    cmdgrid_->setText(show ? tr("Grid ON") : tr("Grid OFF"));
    cmdgrid_->setIcon(builtInPicture(show ? QStringLiteral(":/faces/gridon.png")
                                          : QStringLiteral(":/faces/gridoff.png")));
    intGridOff_ = show ? 0 : 1;
    SetpicFocus();
}

void frmmain::LoadPic() {
    loadPicFrom(
        [this] { return services_.chooseFile(this, tr("Select A Pic"), pictureFilters()); });
}

// The clocks stop before the file is chosen. A cancelled choice or a file that is no picture
// changes nothing, but the clocks stay stopped until the next counted move.
bool frmmain::loadPicFrom(const std::function<QString()>& choose) {
    for (int slot = 0; slot < kSlotCount; ++slot)
        stopClock(slot);
    const QString path = choose();
    std::optional<WaitCursor> waiting; // until the boards hold the picture
    if (!path.isEmpty())
        waiting.emplace();
    const std::optional<LoadedPicture> picture =
        path.isEmpty() ? std::nullopt : loadPicture(path, devicePixelRatioF());
    if (picture) {
        if (!frmpic_)
            frmpic_ = new frmpic(this);
        frmpic_->setPicture(picture->board);
        imgsam_->setPixmap(picture->sample);
        picmod_[kSlot5x5]->setPicture(picture->board);
        picmod_[kSlot4x4]->setPicture(picture->board);
        picmod_[kSlot3x3]->setPicture(picture->board3x3);
        cmdviewpic_->setEnabled(true);
        for (GameCounters& game : games_) {
            game.seconds = 0;
            game.moves = 0;
        }
        if (chkauto_->isChecked())
            Scramble();
        say(shownSlot(), tr("Picture loaded"));
    }
    SetpicFocus();
    return picture.has_value();
}

// The preview lies exactly over the board while the button is held down.
void frmmain::showPreview(bool shown) {
    if (!frmpic_)
        return;
    if (shown) {
        frmpic_->move(client_->mapToGlobal(QPoint(14, 38)));
        frmpic_->show();
    } else {
        frmpic_->hide();
    }
}
