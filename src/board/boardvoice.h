// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <array>

class QWidget;

// One voice of a board: an accessible object and nothing else.
class Voice : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    QString sentence;
};

// How a board tells a screen reader what just happened on it. Qt has no announcement event, and
// Orca speaks no name or description change that Qt reports, so a sentence is said by giving the
// accessible focus to a voice of the board whose name is that sentence: a screen reader speaks
// an object that takes the focus. It never speaks one that has it already, so the board has two
// voices and speaks with each in turn. A voice has no pixels and takes no keys; its description
// is the board's, the counters read at the moment a screen reader asks.
class BoardVoice : public QObject {
    Q_OBJECT
public:
    explicit BoardVoice(QWidget* board);

    // A sentence said while the board's window is not the active one, say while a file dialog
    // is still closing, would be lost in what the screen reader says of the window coming back;
    // it waits for the window and only the latest waits. With no screen reader listening
    // nothing is said.
    void say(const QString& sentence);

    static constexpr int kVoices = 2;
    Voice* voice(int index) const { return voices_[static_cast<unsigned>(index)]; }
    // The voice's index, or -1 for another object.
    int indexOf(const QObject* object) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void speak(const QString& sentence);

    QWidget* board_;
    std::array<Voice*, kVoices> voices_{};
    int next_ = 0;
    QString waiting_;
};
