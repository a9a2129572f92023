// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/colorchooser.h"

#include <QDialog>

class QLabel;

// The colours window: three swatches for the colours of the tile numbers, the main window's
// background and the empty box. The swatches are the program's only record of the current
// colours, so the window is created once, hidden, and only ever shown and hidden afterwards.
// It changes nothing outside itself: its OK, Cancel and Default buttons are answered by the
// main window through the signals below.
class frmcolor : public QDialog {
    Q_OBJECT

public:
    explicit frmcolor(ColorChooser chooser, QWidget* parent = nullptr);

    // Colours as 24-bit values with red in the low byte.
    qint32 numColor() const;
    qint32 bkColor() const;
    qint32 boxColor() const;
    void setNumColor(qint32 value);
    void setBkColor(qint32 value);
    void setBoxColor(qint32 value);

signals:
    void okPressed();
    // Also sent when the window is closed from its title bar or with Escape: the swatches
    // must then be refilled from the store just as for the Cancel button.
    void cancelPressed();
    void defaultPressed();

public slots:
    // Closing must never throw the window away or lose the swatches; it is a Cancel.
    void reject() override;

private:
    void change(QLabel* swatch);

    ColorChooser chooser_;
    QLabel* lblnumcol_;
    QLabel* lblbkcol_;
    QLabel* lblboxcol_;
};
