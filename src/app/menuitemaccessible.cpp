// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menuitemaccessible.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

namespace {

// The caption as it reads: every single '&' goes, and "&&" stands for one '&'.
QString withoutMarkers(const QString& caption) {
    QString name;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        name += caption[i];
    }
    return name;
}

bool hasSeveralMarkers(const QString& caption) {
    return withoutMarkers(caption).size() + 1 < caption.size();
}

// An item of a drop-down menu with no menu of its own, as a screen reader sees it.
class MenuItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuItemAccessible(QAction* action, QMenu* menu) : action_(action), menu_(menu) {}

    bool isValid() const override { return action_ && menu_; }
    QObject* object() const override { return action_; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name)
            return withoutMarkers(action_->text());
        if (which == QAccessible::Accelerator)
            return action_->shortcut().toString(QKeySequence::NativeText);
        return {};
    }

    QRect rect() const override {
        const QRect inMenu = menu_->actionGeometry(action_);
        return {menu_->mapToGlobal(inMenu.topLeft()), inMenu.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.disabled = !action_->isEnabled();
        s.invisible = !action_->isVisible() || !menu_->isVisible();
        s.focused = s.hotTracked = menu_->activeAction() == action_;
        s.checkable = action_->isCheckable();
        s.checked = action_->isChecked();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && action_->isEnabled())
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
};

QAccessibleInterface* menuItemFactory(const QString& className, QObject* object) {
    auto* action = className == QLatin1String("QAction") ? static_cast<QAction*>(object) : nullptr;
    if (action == nullptr || action->menu() != nullptr || !hasSeveralMarkers(action->text()))
        return nullptr;
    for (QObject* owner : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(owner))
            return new MenuItemAccessible(action, menu);
    }
    return nullptr;
}

} // namespace

void installMenuItemAccessibility() {
    QAccessible::removeFactory(menuItemFactory);
    QAccessible::installFactory(menuItemFactory);
}
