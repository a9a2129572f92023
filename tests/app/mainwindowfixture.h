#pragma once

#include "app/frmmain.h"
#include "board/boardview.h"
#include "settings/memorysettingsstore.h"
#include "support/scriptedrandom.h"
#include "windows/frmprefer.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QQueue>
#include <QTest>
#include <QTimer>
#include <memory>

// A main window on an in-memory store, with a scripted random source and scripted answers
// for the file and colour dialogs, pressed at as a player would.
struct MainWindowFixture {
    MemorySettingsStore store;
    ScriptedRandom random{{0.3f, 0.9f, 0.1f, 0.6f, 0.45f}};
    QQueue<QString> fileAnswers;                // an empty string answers "cancel"
    QQueue<std::optional<QColor>> colorAnswers; // nullopt answers "cancel"
    std::unique_ptr<frmmain> window;

    void open() {
        window = std::make_unique<frmmain>(frmmain::Services{
            store, random,
            [this](QWidget*, const QString&, const QStringList&) {
                return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
            },
            [this](QWidget*, const QString&) {
                return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.dequeue();
            }});
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename T = QWidget> T* find(const char* name) const {
        return window->findChild<T*>(QLatin1String(name));
    }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    BoardView* view(int slot = kSlot4x4) const { return window->boardView(slot); }
    bool ticking(int slot = kSlot4x4) const { return window->clock(slot)->isActive(); }

    // A key pressed while `target` has the focus, as a player would press it.
    void press(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        target->setFocus();
        press(key, mods);
    }
    void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(focus, static_cast<Qt::Key>(key), mods);
    }
    void slide(Slide way) {
        static constexpr int keys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up};
        press(keys[static_cast<int>(way)]);
    }
    // Shows another grid size through the preferences window.
    void choose(int slot) {
        click("cmdpfr");
        static constexpr const char* options[] = {"opt3", "opt2", "opt1"};
        for (const char* name : {options[slot], "cmdok"})
            QTest::mouseClick(window->preferencesWindow()->findChild<QAbstractButton*>(name),
                              Qt::LeftButton);
    }
};

// The window opened on an empty store.
struct OpenMainWindow : MainWindowFixture {
    OpenMainWindow() { open(); }
};
