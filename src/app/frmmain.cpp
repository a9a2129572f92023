// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmmain.h"

#include "app/windowplacement.h"
#include "board/boardview.h"
#include "settings/frmcolor.h"
#include "settings/settingsstore.h"
#include "windows/builtinpicture.h"
#include "windows/frmabout.h"
#include "windows/frmhelp.h"
#include "windows/frmprefer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QToolButton>

namespace {
// Narrow and wide client widths of the window: the options panel is 185 pixels wide.
constexpr int kWideWidth = 635;
constexpr int kNarrowWidth = 450;
// Key previewing takes the boards in this order; only one is ever visible.
constexpr std::array<int, kSlotCount> kKeyOrder{kSlot4x4, kSlot5x5, kSlot3x3};
} // namespace

frmmain::frmmain(Services services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), scores_(services_.store) {
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(tr("Quadrello"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(builtInWindowIcon());
    buildControls();
    buildMenus();
    // The window takes exactly the size of its client area plus the menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connectCommands();
    setAcceptDrops(true);
    // Key preview: every key pressed in this window reaches Form_KeyDown first. The same
    // filter sees the mouse buttons on Scramble and ViewPic, which act on the button itself,
    // whichever it is, and not on a click, so the keyboard cannot trigger them. A second
    // filter on those buttons would see each press twice.
    qApp->installEventFilter(this);

    Form_Load();
}

frmmain::~frmmain() {
    qApp->removeEventFilter(this);
}

void frmmain::connectCommands() {
    const auto menuItem = [this](const char* name) {
        return findChild<QAction*>(QLatin1String(name));
    };
    connect(cmdexit_, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdhalt_, &QPushButton::clicked, this, &frmmain::Halt);
    connect(cmdset_, &QPushButton::clicked, this, &frmmain::SetPics);
    connect(cmdunsorted_, &QPushButton::clicked, this, [this] {
        UnSorted();
        SetpicFocus();
    });
    connect(cmdpic_, &QPushButton::clicked, this, &frmmain::LoadPic);
    connect(menuItem("Mnuload"), &QAction::triggered, this, &frmmain::LoadPic);
    connect(chkauto_, &QCheckBox::clicked, this, &frmmain::SetpicFocus);
    connect(cmdnum_, &QToolButton::clicked, this, &frmmain::Numbers);
    connect(cmdgrid_, &QToolButton::clicked, this, &frmmain::Grid);
    connect(cmdclr_, &QToolButton::clicked, this, [this] {
        frmcolor_->show();
        frmcolor_->raise();
        frmcolor_->activateWindow();
    });
    connect(cmdpfr_, &QToolButton::clicked, this, &frmmain::openPreferences);
    connect(menuItem("mnuscores"), &QAction::triggered, this, &frmmain::openTopScores);
    connect(menuItem("mnucontents"), &QAction::triggered, this, &frmmain::openHelp);
    connect(menuItem("mnuabout"), &QAction::triggered, this, &frmmain::openAbout);
}

void frmmain::Form_Load() {
    GetColorSettings();
    GetOptions();
    BkColor();
    NumColor();
    BoxColor();
    Grid();
    Numbers();
    Scores();
    chkauto_->setChecked(readOptions(services_.store).autoScramble == 1);
    // Until the boards are shown here, every focus request above found no active board.
    picmod_[kSlot3x3]->hide();
    picmod_[kSlot3x3]->setEnabled(false);
    picmod_[kSlot4x4]->show();
    picmod_[kSlot4x4]->setEnabled(true);
    picmod_[kSlot5x5]->hide();
    picmod_[kSlot5x5]->setEnabled(false);
    cmdunsorted_->setEnabled(false);
}

void frmmain::closeEvent(QCloseEvent* event) {
    UnloadSaveSettings();
    event->accept();
}

void frmmain::UnloadSaveSettings() {
    ColorSaveSettings();
    optionTexts_ =
        saveOptions(services_.store, intGridOff_, intNumOff_, chkauto_->isChecked() ? 1 : 0);
    SaveScores();
    for (auto it = openedWindows_.rbegin(); it != openedWindows_.rend(); ++it) {
        if (*it && (*it)->isVisible())
            (*it)->close();
    }
    services_.store.flush();
    emit unloaded();
}

int frmmain::shownSlot() const {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (picmod_[static_cast<unsigned>(slot)]->isVisibleTo(client_))
            return slot;
    }
    return -1;
}

int frmmain::activeSlot() const {
    const int slot = shownSlot();
    return slot >= 0 && picmod_[static_cast<unsigned>(slot)]->isEnabled() ? slot : -1;
}

void frmmain::SetpicFocus() {
    const int slot = activeSlot();
    if (slot >= 0)
        picmod_[static_cast<unsigned>(slot)]->setFocus(Qt::OtherFocusReason);
}

void frmmain::Options() {
    if (mnuoptions_->isChecked()) {
        mnuoptions_->setChecked(false);
        fra1_->hide();
        client_->setFixedWidth(kNarrowWidth);
    } else {
        mnuoptions_->setChecked(true);
        fra1_->show();
        client_->setFixedWidth(kWideWidth);
    }
}

bool frmmain::Form_KeyDown(int key) {
    for (const int slot : kKeyOrder) {
        BoardView* view = picmod_[static_cast<unsigned>(slot)];
        if (!view->isVisibleTo(client_) || !view->isEnabled())
            continue;
        view->setFocus(Qt::OtherFocusReason);
        Slide way;
        switch (key) {
        case Qt::Key_Right:
            way = Slide::Right;
            break;
        case Qt::Key_Left:
            way = Slide::Left;
            break;
        case Qt::Key_Down:
            way = Slide::Down;
            break;
        case Qt::Key_Up:
            way = Slide::Up;
            break;
        case Qt::Key_S:
            Scramble();
            return true;
        case Qt::Key_H:
            Halt();
            return true;
        case Qt::Key_T:
            SetPics();
            return true;
        case Qt::Key_G:
            Grid();
            return true;
        case Qt::Key_N:
            Numbers();
            return true;
        case Qt::Key_O:
            Options();
            return true;
        default:
            return false;
        }
        Board& board = boards_[static_cast<unsigned>(slot)];
        const int tile = board.slide(way);
        if (tile < 0) {
            say(slot, tr("Edge"));
            return true;
        }
        view->showPositions(board);
        TimeMoveUpdate();
        sayMove(slot, tile);
        GameEnd();
        return true;
    }
    return false;
}

// Tab and Shift+Tab walk the tab order from the control that has the focus, as in any window:
// the handler sees neither them nor a modifier pressed on its own, such as the Shift of a
// Shift+Tab. A key the handler acted on stops there. Space and Enter press the button they were
// pressed on, although the handler gave the focus to the board. Any other key goes on to where
// the focus is now, the board; on its way up to the parents it passes here again, and the board
// keeps the focus.
bool frmmain::previewKey(QWidget* receiver, QKeyEvent* event) {
    const int key = event->key();
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return false;
    default:
        break;
    }
    if (Form_KeyDown(key))
        return true;
    auto* button = qobject_cast<QAbstractButton*>(receiver);
    if (button && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (!event->isAutoRepeat())
            button->click();
        return true;
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus == receiver || receiver->isAncestorOf(focus))
        return false;
    QCoreApplication::sendEvent(focus, event);
    return true;
}

bool frmmain::handleMouseButton(QObject* watched, QEvent* event) {
    const bool press = event->type() != QEvent::MouseButtonRelease;
    if (!static_cast<QWidget*>(watched)->isEnabled())
        return false;
    if (watched == cmdscram_) {
        if (press)
            Scramble();
        else
            SetpicFocus();
    } else {
        showPreview(press);
        if (!press)
            SetpicFocus();
    }
    return false;
}

bool frmmain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        // Any widget of this window may be the first to receive a key. While a menu is open
        // the keys are the menu's, even those it hands on to the menu bar.
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this &&
            QApplication::activePopupWidget() == nullptr)
            return previewKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
        break;
    case QEvent::Show:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow() &&
            static_cast<QWidget*>(watched)->parentWidget() == this) {
            openedWindows_.removeAll(static_cast<QWidget*>(watched));
            openedWindows_.append(static_cast<QWidget*>(watched));
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        if (watched == cmdscram_ || watched == cmdviewpic_)
            return handleMouseButton(watched, event);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmmain::showSlot(int slot) {
    for (const int s : {kSlot3x3, kSlot4x4, kSlot5x5}) {
        picmod_[static_cast<unsigned>(s)]->setVisible(s == slot);
        picmod_[static_cast<unsigned>(s)]->setEnabled(s == slot);
    }
}

void frmmain::openPreferences() {
    if (!frmprefer_) {
        frmprefer_ = new frmprefer(this);
        connect(frmprefer_, &frmprefer::okPressed, this, &frmmain::preferencesOk);
        connect(frmprefer_, &frmprefer::cancelPressed, this, &frmmain::preferencesCancel);
        placeBeside(frmprefer_, this);
    }
    frmprefer_->show();
    frmprefer_->raise();
    frmprefer_->activateWindow();
    for (const int slot : {kSlot4x4, kSlot5x5, kSlot3x3})
        stopClock(slot);
}

void frmmain::preferencesOk() {
    const int slot = frmprefer_->selectedSlot();
    if (slot >= 0)
        showSlot(slot);
    TimeMoves();
    SetpicFocus();
    frmprefer_->hide();
}

void frmmain::preferencesCancel() {
    for (const int slot : {kSlot5x5, kSlot4x4, kSlot3x3}) {
        if (picmod_[static_cast<unsigned>(slot)]->isVisibleTo(client_)) {
            frmprefer_->selectSlot(slot);
            break;
        }
    }
    frmprefer_->hide();
    SetpicFocus();
}

void frmmain::openAbout() {
    if (!frmAbout_) {
        frmAbout_ = new frmAbout(this);
        placeBeside(frmAbout_, this);
    }
    frmAbout_->show();
    frmAbout_->raise();
    frmAbout_->activateWindow();
}

void frmmain::openHelp() {
    if (!frmHelp_) {
        frmHelp_ = new frmHelp(this);
        placeBeside(frmHelp_, this);
    }
    frmHelp_->show();
    frmHelp_->raise();
    frmHelp_->activateWindow();
}
