// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/boardaccessible.h"

#include "board/boardview.h"
#include "board/boardvoice.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace {

class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardView* view) : QAccessibleWidget(view) {}

    QString text(QAccessible::Text which) const override {
        const QString status = which == QAccessible::Description ? view()->status() : QString();
        return status.isEmpty() ? QAccessibleWidget::text(which) : status;
    }

    // The voices come after the cells.
    int childCount() const override {
        return QAccessibleWidget::childCount() + BoardVoice::kVoices;
    }
    QAccessibleInterface* child(int index) const override {
        const int cells = QAccessibleWidget::childCount();
        return index < cells
                   ? QAccessibleWidget::child(index)
                   : QAccessible::queryAccessibleInterface(view()->voice()->voice(index - cells));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int voice = child ? view()->voice()->indexOf(child->object()) : -1;
        return voice < 0 ? QAccessibleWidget::indexOfChild(child)
                         : QAccessibleWidget::childCount() + voice;
    }

private:
    BoardView* view() const { return static_cast<BoardView*>(widget()); }
};

// A voice has no place on the screen: two voices that said the same sentence in turn must not
// look like one object that said it twice.
class VoiceAccessible : public QAccessibleInterface {
public:
    explicit VoiceAccessible(Voice* voice) : voice_(voice) {}

    bool isValid() const override { return voice_ != nullptr; }
    QObject* object() const override { return voice_; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(voice_->parent()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Client; }
    QRect rect() const override { return {}; }
    QAccessible::State state() const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name)
            return voice_->sentence;
        if (which == QAccessible::Description)
            return parent()->text(QAccessible::Description);
        return {};
    }

private:
    QPointer<Voice> voice_;
};

QAccessibleInterface* boardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("BoardView"))
        return new BoardAccessible(static_cast<BoardView*>(object));
    if (className == QLatin1String("Voice"))
        return new VoiceAccessible(static_cast<Voice*>(object));
    return nullptr;
}

} // namespace

void installBoardAccessibility() {
    QAccessible::removeFactory(boardFactory);
    QAccessible::installFactory(boardFactory);
}
