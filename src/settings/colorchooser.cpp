// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/colorchooser.h"

#include <QColorDialog>

ColorChooser systemColorChooser() {
    return [](QWidget* parent, const QString& title) -> std::optional<QColor> {
        QColorDialog dialog(parent);
        dialog.setWindowTitle(title);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.selectedColor();
    };
}
