// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchwindow.h"

#include "play/randomsource.h"
#include "windows/frmprefer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWindow>

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

BenchWindow::BenchWindow() : random_(makeSystemRandom()) {
    window_ = std::make_unique<frmmain>(
        frmmain::Services{store_, *random_,
                          [this](QWidget*, const QString&, const QStringList&) {
                              chosen_.start();
                              return answer_;
                          },
                          [](QWidget*, const QString&) -> std::optional<QColor> {
                              return std::nullopt;
                          }});
    window_->show();
}

BenchWindow::~BenchWindow() = default;

bool BenchWindow::waitUntilActive() {
    // Without a window manager nobody else hands out the keyboard.
    window_->activateWindow();
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (window_->windowHandle() && window_->windowHandle()->isExposed() &&
            QApplication::activeWindow() == window_.get()) {
            settle(100);
            return true;
        }
        settle(5);
    }
    return false;
}

double BenchWindow::loadPicture(const QString& path) {
    answer_ = path;
    window_->findChild<QAbstractButton*>(QStringLiteral("cmdpic"))->click();
    return double(chosen_.nsecsElapsed()) / 1e6;
}

double BenchWindow::dropPicture(const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QElapsedTimer timer;
    timer.start();
    QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window: QApplication passes on only drops its own drag machinery made.
    static_cast<QObject*>(window_.get())->event(&drop);
    return double(timer.nsecsElapsed()) / 1e6;
}

void BenchWindow::press(int key) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window_.get())
        target = window_->focusWidget() ? window_->focusWidget() : window_.get();
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &up);
}

void BenchWindow::chooseGrid(int slot) {
    static constexpr const char* options[] = {"opt3", "opt2", "opt1"};
    window_->findChild<QAbstractButton*>(QStringLiteral("cmdpfr"))->click();
    frmprefer* prefer = window_->preferencesWindow();
    prefer->findChild<QAbstractButton*>(QLatin1String(options[slot]))->click();
    prefer->findChild<QAbstractButton*>(QStringLiteral("cmdok"))->click();
    waitUntilActive();
}
