// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/frmcolor.h"

#include "settings/colorvalue.h"
#include "windows/classicform.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <utility>

namespace {

QLabel* caption(QWidget* frame, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, frame);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    // The captions end just left of their swatches, and their text starts at the swatch's top
    // even where the caption is taller than the swatch.
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

QLabel* swatch(QWidget* frame, const char* name, const QRect& geometry) {
    auto* label = new QLabel(frame);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    return label;
}

void paint(QLabel* swatch, qint32 value) {
    const QColor color = colorFromValue(value);
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, color);
    swatch->setPalette(palette);
    // What a screen reader says instead of showing the colour.
    swatch->setAccessibleDescription(frmcolor::tr("Red %1, green %2, blue %3")
                                         .arg(color.red())
                                         .arg(color.green())
                                         .arg(color.blue()));
}

qint32 colorOf(const QLabel* swatch) {
    return valueFromColor(swatch->palette().color(QPalette::Window));
}

} // namespace

frmcolor::frmcolor(ColorChooser chooser, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      chooser_(std::move(chooser)) {
    setObjectName(QStringLiteral("frmcolor"));
    setWindowTitle(tr("Change Colors"));
    setFont(classicFont());
    setFixedSize(393, 194);

    auto* fracolor = new QGroupBox(tr("Select the colors"), this);
    fracolor->setObjectName(QStringLiteral("fracolor"));
    fracolor->setGeometry(8, 16, 273, 169);

    // Each caption names its swatch for a screen reader.
    QLabel* lblcolnum =
        caption(fracolor, "lblcolnum", tr("Color of the Numbers:"), {8, 40, 113, 17});
    lblnumcol_ = swatch(fracolor, "lblnumcol", {128, 40, 33, 17});
    lblcolnum->setBuddy(lblnumcol_);
    auto* cmdcolnum = classicButton(fracolor, "cmdcolnum", tr("Change"), {184, 35, 57, 25});

    QLabel* lblcolback = caption(fracolor, "lblcolback", tr("Background color:"), {8, 80, 113, 25});
    lblbkcol_ = swatch(fracolor, "lblbkcol", {128, 80, 33, 17});
    lblcolback->setBuddy(lblbkcol_);
    auto* cmdcolbk = classicButton(fracolor, "cmdcolbk", tr("Change"), {184, 77, 57, 25});

    QLabel* lblcolbox = caption(fracolor, "lblcolbox", tr("Empty box color:"), {40, 120, 81, 25});
    lblboxcol_ = swatch(fracolor, "lblboxcol", {128, 120, 33, 17});
    lblcolbox->setBuddy(lblboxcol_);
    auto* cmdcolbox = classicButton(fracolor, "cmdcolbox", tr("Change"), {184, 117, 57, 25});

    auto* cmdcolok = classicButton(this, "cmdcolok", tr("&OK"), {296, 40, 81, 25});
    cmdcolok->setDefault(true);
    auto* cmdcolcancel = classicButton(this, "cmdcolcancel", tr("&Cancel"), {296, 88, 81, 25});
    auto* cmddefault = classicButton(this, "cmddefault", tr("&Default"), {296, 136, 81, 25});

    // Until the stored colours are read in, the swatches show the built-in ones.
    setNumColor(DefaultNumColorValue);
    setBkColor(DefaultBkColorValue);
    setBoxColor(DefaultBoxColorValue);

    connect(cmdcolnum, &QPushButton::clicked, this, [this] { change(lblnumcol_); });
    connect(cmdcolbk, &QPushButton::clicked, this, [this] { change(lblbkcol_); });
    connect(cmdcolbox, &QPushButton::clicked, this, [this] { change(lblboxcol_); });
    connect(cmdcolok, &QPushButton::clicked, this, &frmcolor::okPressed);
    connect(cmdcolcancel, &QPushButton::clicked, this, &frmcolor::cancelPressed);
    connect(cmddefault, &QPushButton::clicked, this, &frmcolor::defaultPressed);
}

qint32 frmcolor::numColor() const {
    return colorOf(lblnumcol_);
}

qint32 frmcolor::bkColor() const {
    return colorOf(lblbkcol_);
}

qint32 frmcolor::boxColor() const {
    return colorOf(lblboxcol_);
}

void frmcolor::setNumColor(qint32 value) {
    paint(lblnumcol_, value);
}

void frmcolor::setBkColor(qint32 value) {
    paint(lblbkcol_, value);
}

void frmcolor::setBoxColor(qint32 value) {
    paint(lblboxcol_, value);
}

void frmcolor::reject() {
    // The main window refills the swatches from the store and hides the window; if nobody
    // answers, the window simply stays as it is.
    emit cancelPressed();
}

void frmcolor::change(QLabel* swatch) {
    if (const std::optional<QColor> chosen = chooser_(this, tr("Select a Color")))
        paint(swatch, valueFromColor(*chosen));
}
