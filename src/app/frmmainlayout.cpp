// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the main window's controls and menus at their fixed places.
#include "app/frmmain.h"
#include "app/menuitemaccessible.h"
#include "board/boardview.h"
#include "windows/builtinpicture.h"
#include "windows/classicform.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr QColor kCaptionOlive(128, 128, 0);
constexpr QColor kNumberCrimson(152, 12, 30);

QLabel* counterLabel(const char* name, const QString& text, QRect geometry, const QColor& color,
                     QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(classicFont(9.75, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
    return label;
}

QFrame* outline(const char* name, QRect geometry, QWidget* parent) {
    auto* f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setGeometry(geometry);
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}
} // namespace

void frmmain::buildControls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(635, 438);
    client_->setAutoFillBackground(true);

    auto* imgname = new QLabel(client_);
    imgname->setObjectName(QStringLiteral("imgname"));
    imgname->setGeometry(10, 1, 430, 28);
    imgname->setPixmap(builtInPicture(QStringLiteral(":/title.png")));
    imgname->setScaledContents(true);
    imgname->setAccessibleName(tr("Quadrello"));
    outline("Shape1", {8, 32, 433, 337}, client_);
    outline("Shape2", {13, 37, 422, 327}, client_);

    // The three boards lie on top of each other; all start hidden and disabled, and the load
    // sequence shows the 4x4 board once the settings have been applied.
    for (const GridGeometry& grid : kGrids) {
        auto* view = new BoardView(grid, client_);
        view->move(14, 38);
        view->hide();
        view->setEnabled(false);
        view->setStatus([this, slot = grid.slot] { return boardStatus(slot); });
        picmod_[static_cast<unsigned>(grid.slot)] = view;
        auto* timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("tmr%1").arg(grid.slot));
        timer->setInterval(1000);
        const int slot = grid.slot;
        connect(timer, &QTimer::timeout, this, [this, slot] { clockTick(slot); });
        clocks_[static_cast<unsigned>(grid.slot)] = timer;
    }

    auto* pictime = new QWidget(client_);
    pictime->setObjectName(QStringLiteral("pictime"));
    pictime->setGeometry(88, 372, 273, 33);
    pictime->setAutoFillBackground(true);
    QPalette strip = pictime->palette();
    strip.setColor(QPalette::Window, pictime->palette().color(QPalette::WindowText));
    pictime->setPalette(strip);
    counterLabel("lblmoves", tr("Moves :"), {0, 5, 60, 25}, kCaptionOlive, pictime);
    lblnummov_ =
        counterLabel("lblnummov", QStringLiteral("0"), {60, 6, 65, 25}, kNumberCrimson, pictime);
    counterLabel("lbltime", tr("Time :"), {128, 5, 49, 25}, kCaptionOlive, pictime);
    lbltimer_ =
        counterLabel("lbltimer", QStringLiteral("0"), {177, 6, 80, 25}, kNumberCrimson, pictime);

    cmdpic_ = classicButton(client_, "cmdpic", tr("&Load Pic"), {16, 376, 65, 25});
    cmdviewpic_ = classicButton(client_, "cmdviewpic", tr("ViewPic"), {368, 376, 65, 25});
    cmdviewpic_->setToolTip(tr("Keep Pressed"));
    cmdviewpic_->setEnabled(false);
    cmdexit_ = classicButton(client_, "cmdexit", tr("E&xit"), {16, 408, 65, 25});
    cmdunsorted_ = classicButton(client_, "cmdunsorted", tr("UnSorted"), {88, 408, 65, 25});
    cmdscram_ = classicButton(client_, "cmdscram", tr("Scramble"), {160, 408, 129, 25});
    cmdscram_->setToolTip(tr("ShortCut Key \"S\" "));
    cmdhalt_ = classicButton(client_, "cmdhalt", tr("Halt"), {296, 408, 65, 25});
    cmdhalt_->setToolTip(tr("ShortCut Key \"H\""));
    cmdhalt_->setEnabled(false);
    cmdset_ = classicButton(client_, "cmdset", tr("Set"), {368, 408, 65, 25});
    cmdset_->setToolTip(tr("ShortCut Key \"T\""));
    cmdset_->setEnabled(false);

    buildOptionsPanel(client_);
}

void frmmain::buildOptionsPanel(QWidget* client) {
    fra1_ = new QGroupBox(tr("Options"), client);
    fra1_->setObjectName(QStringLiteral("fra1"));
    fra1_->setGeometry(448, 24, 185, 409);
    fra1_->setAutoFillBackground(true);

    const auto pictureButton = [this](const char* name, const QString& text, QRect geometry,
                                      const QString& face) {
        auto* b = new QToolButton(fra1_);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(geometry);
        b->setText(text);
        b->setIcon(builtInPicture(face));
        b->setIconSize({68, 38});
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        return b;
    };
    cmdclr_ = pictureButton("cmdclr", tr("Set &Color"), {8, 32, 81, 57},
                            QStringLiteral(":/faces/color.png"));
    cmdpfr_ = pictureButton("cmdpfr", tr("&Preferences"), {96, 32, 81, 57},
                            QStringLiteral(":/faces/preferences.png"));
    cmdgrid_ = pictureButton("cmdgrid", tr("Grid ON"), {8, 104, 81, 57},
                             QStringLiteral(":/faces/gridon.png"));
    cmdgrid_->setToolTip(tr("ShortCut Key \"G\""));
    cmdnum_ = pictureButton("cmdnum", tr("Numbered"), {96, 104, 81, 57},
                            QStringLiteral(":/faces/numbered.png"));
    cmdnum_->setToolTip(tr("ShortCut Key \"N\""));

    chkauto_ = new QCheckBox(tr("Enable Auto Scramble"), fra1_);
    chkauto_->setObjectName(QStringLiteral("chkauto"));
    chkauto_->setGeometry(16, 168, 128, 17);
    // It shows the window's background colour; a button's own background would be its face.
    chkauto_->setBackgroundRole(QPalette::Window);
    chkauto_->setAutoFillBackground(true);

    imgsam_ = new QLabel(fra1_);
    imgsam_->setObjectName(QStringLiteral("imgsam"));
    imgsam_->setGeometry(16, 256, 153, 113);
    imgsam_->setFrameStyle(QFrame::Box | QFrame::Plain);
    imgsam_->setScaledContents(true);
    imgsam_->setAccessibleName(tr("Picture"));
}

void frmmain::buildMenus() {
    // A plain window with the menu bar above the client area: a QMainWindow's dock and tool bar
    // machinery would cost memory for nothing here.
    auto* bar = new QMenuBar(this);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    frame->setMenuBar(bar);
    frame->addWidget(client_);
    const auto item = [](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    const auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };
    QMenu* mnufile = bar->addMenu(tr("&File"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    item(mnufile, "Mnuload", tr("&Load Pic"));
    separator(mnufile, "mnuspc1");
    connect(item(mnufile, "mnuexit", tr("E&xit")), &QAction::triggered, this, &QWidget::close);

    QMenu* mnuview = bar->addMenu(tr("&View"));
    mnuview->setObjectName(QStringLiteral("mnuview"));
    item(mnuview, "mnuscores", tr("&Scores"));
    // The shortcut items only remind the player of the letters; choosing one does nothing.
    QMenu* mnushort = mnuview->addMenu(tr("Short&Cuts "));
    mnushort->setObjectName(QStringLiteral("mnushort"));
    item(mnushort, "mnuscrm", tr("Scramble            S"));
    item(mnushort, "mnugrid", tr("GridOff               G"));
    item(mnushort, "mnunumber", tr("UnNumber         N"));
    item(mnushort, "mnuset", tr("Set                     T"));
    item(mnushort, "mnuhalt", tr("Halt                    H             "));
    separator(mnuview, "mnuspc2");
    mnuoptions_ = item(mnuview, "mnuoptions", tr("&Options"));
    mnuoptions_->setCheckable(true);
    mnuoptions_->setChecked(true);
    // Qt flips a checkable item before reporting the click; Options owns that state.
    connect(mnuoptions_, &QAction::triggered, this, [this](bool checked) {
        mnuoptions_->setChecked(!checked);
        Options();
    });

    QMenu* mnuhelp = bar->addMenu(tr("&Help"));
    mnuhelp->setObjectName(QStringLiteral("mnuhelp"));
    installMenuItemAccessibility();
    item(mnuhelp, "mnucontents", tr("&How &to...."));
    separator(mnuhelp, "mnuspc");
    item(mnuhelp, "mnuabout", tr("&About"));
}
