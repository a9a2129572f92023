// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/accessiblecontrols.h"
#include "windows/frmabout.h"
#include "windows/frmhelp.h"
#include "windows/frmprefer.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

class tst_windows : public QObject {
    Q_OBJECT

private slots:
    // Both go away when closed: About by Enter or Esc, Help by its button.
    void closesAndGoes() {
        for (const auto& [help, key] :
             {std::pair(false, Qt::Key_Return), {false, Qt::Key_Escape}, {true, Qt::Key_unknown}}) {
            QPointer<QWidget> window = help ? static_cast<QWidget*>(new frmHelp) : new frmAbout;
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QCOMPARE(namelessControls(window), QStringList());
            help ? QTest::mouseClick(window->findChild<QPushButton*>(), Qt::LeftButton)
                 : QTest::keyClick(window, key);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(window.isNull());
        }
    }

    // Each line ends with a line break; an explanation that runs over goes on under it,
    // indented (shown here as "> ", as are the lines of blanks).
    void helpText() {
        frmHelp window;
        auto* edit = window.findChild<QPlainTextEdit*>("Text1");
        QStringList lines = edit->toPlainText().chopped(1).split('\n');
        QCOMPARE(lines.size(), 35);
        for (QString& line : lines)
            line = line.startsWith("  ") ? "> " + line.trimmed() : line;
        QCOMPARE(lines.mid(28),
                 (QStringList{" UnSorted   - To detect the unsorted image pieces, ",
                              "> 'UnSorted' button.",
                              " Set            - For unscrambling the image, shortcut T.",
                              " viewPic      - For viewinig the original image.  Keep the ",
                              "> button 'viewPic' pressed for", "> viewing.",
                              " Halt          - To pause, shortcut H."}));

        // The last line shows once the text is scrolled to its end.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QTextCursor end = edit->document()->find("shortcut H.");
        QVERIFY(!edit->viewport()->rect().contains(edit->cursorRect(end)));
        edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
        QVERIFY(edit->viewport()->rect().contains(edit->cursorRect(end)));
    }

    // The main window's choice and the player's click read back the same way. Closing the
    // window is a Cancel that neither throws the window away nor loses the selection.
    void selectionAndClosing() {
        QWidget owner;
        QPointer<frmprefer> window = new frmprefer(&owner);
        QCOMPARE(window->selectedSlot(), 1);              // a new window starts on 4x4
        const char* options[] = {"opt3", "opt2", "opt1"}; // slots 0, 1, 2
        for (int slot = 0; slot < 3; ++slot) {
            auto* option = window->findChild<QRadioButton*>(options[slot]);
            window->selectSlot(slot);
            QVERIFY(option->isChecked());
            window->selectSlot((slot + 1) % 3);
            option->click();
            QCOMPARE(window->selectedSlot(), slot);
        }
        window->selectSlot(3); // no such slot: nothing changes

        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(namelessControls(window), QStringList());
        int cancels = 0;
        connect(window, &frmprefer::cancelPressed, this, [&] { ++cancels; });
        QTest::mouseClick(window->findChild<QPushButton*>("cmdcancel"), Qt::LeftButton);
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.isNull() && !window->isVisible());
        QCOMPARE(cancels, 2);
        QCOMPARE(window->selectedSlot(), 2);
    }
};

QTEST_MAIN(tst_windows)
#include "tst_windows.moc"
