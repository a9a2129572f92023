// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/boardvoice.h"

#include <QAccessible>
#include <QEvent>
#include <QTimer>
#include <QWidget>

BoardVoice::BoardVoice(QWidget* board) : QObject(board), board_(board) {
    for (Voice*& voice : voices_)
        voice = new Voice(this);
    board->installEventFilter(this);
}

int BoardVoice::indexOf(const QObject* object) const {
    for (int i = 0; i < kVoices; ++i) {
        if (voices_[static_cast<unsigned>(i)] == object)
            return i;
    }
    return -1;
}

void BoardVoice::say(const QString& sentence) {
    if (!QAccessible::isActive())
        return;
    if (board_->isActiveWindow())
        speak(sentence);
    else
        waiting_ = sentence;
}

void BoardVoice::speak(const QString& sentence) {
    Voice* voice = voices_[static_cast<unsigned>(next_)];
    next_ = (next_ + 1) % kVoices;
    voice->sentence = sentence;
    QAccessibleEvent focus(voice, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

// The window's activation gives the focus back to the board after this event; the sentence
// follows that.
bool BoardVoice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !waiting_.isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            if (!waiting_.isEmpty())
                speak(std::exchange(waiting_, QString()));
        });
    }
    return QObject::eventFilter(watched, event);
}
