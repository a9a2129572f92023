// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

inline QString accessibleText(QWidget* widget, QAccessible::Text which) {
    return QAccessible::queryAccessibleInterface(widget)->text(which);
}

// The controls a screen reader stops at (buttons, boxes, texts, pictures, anything that takes
// the focus) but could only announce as nameless, by object name. `below` is where the search
// has got to inside the window.
inline QStringList namelessControls(QWidget* window, QAccessibleInterface* below = nullptr) {
    static const QList<QAccessible::Role> controlRoles{
        QAccessible::PushButton,   QAccessible::CheckBox,   QAccessible::RadioButton,
        QAccessible::EditableText, QAccessible::StaticText, QAccessible::Graphic,
        QAccessible::ButtonMenu,   QAccessible::MenuItem};
    QAccessibleInterface* iface = below ? below : QAccessible::queryAccessibleInterface(window);
    QStringList nameless;
    const bool control = controlRoles.contains(iface->role()) || iface->state().focusable;
    if (control && iface->text(QAccessible::Name).trimmed().isEmpty())
        nameless.append(iface->object() ? iface->object()->objectName() : QString());
    for (int i = 0; i < iface->childCount(); ++i)
        nameless += namelessControls(window, iface->child(i));
    return nameless;
}
