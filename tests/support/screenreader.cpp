// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/screenreader.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {
std::function<void(QAccessibleEvent*)> listener;
} // namespace

// Qt hands events on only while the platform's accessibility is switched on.
ScreenReader::ScreenReader(std::function<void(QAccessibleEvent*)> heard) {
    listener = std::move(heard);
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) { listener(event); });
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
}

ScreenReader::~ScreenReader() {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
}
