// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/screenreader.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {
std::function<void(QAccessibleEvent*)>& listener() {
    static std::function<void(QAccessibleEvent*)> heard;
    return heard;
}

// Qt hands events on only while the platform's accessibility is switched on.
void switchOn(bool on) {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(on);
}
} // namespace

ScreenReader::ScreenReader(std::function<void(QAccessibleEvent*)> heard) {
    listener() = std::move(heard);
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) { listener()(event); });
    switchOn(true);
}

ScreenReader::~ScreenReader() {
    switchOn(false);
    QAccessible::installUpdateHandler(nullptr);
    listener() = nullptr;
}
