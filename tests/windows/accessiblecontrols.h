#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

// The controls a screen reader stops at (buttons, boxes, texts, pictures, anything that takes
// the focus) but could only announce as nameless, by object name.
inline void collectNamelessControls(QAccessibleInterface* iface, QStringList& nameless) {
    static const QList<QAccessible::Role> controlRoles{
        QAccessible::PushButton,   QAccessible::CheckBox,   QAccessible::RadioButton,
        QAccessible::EditableText, QAccessible::StaticText, QAccessible::Graphic,
        QAccessible::ButtonMenu,   QAccessible::MenuItem};
    const bool control = controlRoles.contains(iface->role()) || iface->state().focusable;
    if (control && iface->text(QAccessible::Name).trimmed().isEmpty())
        nameless.append(iface->object() ? iface->object()->objectName() : QString());
    for (int i = 0; i < iface->childCount(); ++i)
        collectNamelessControls(iface->child(i), nameless);
}

inline QStringList namelessControls(QWidget* window) {
    QStringList nameless;
    collectNamelessControls(QAccessible::queryAccessibleInterface(window), nameless);
    return nameless;
}

inline QString accessibleText(QWidget* widget, QAccessible::Text which) {
    return QAccessible::queryAccessibleInterface(widget)->text(which);
}
