// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/accessiblecontrols.h"
#include "windows/builtinpicture.h"
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

    // The main window's choice shows on the option of its size (the player's click is read back
    // through the main window). Closing the window by its title bar is a Cancel that neither
    // throws the window away nor loses the selection.
    void selectionAndClosing() {
        QWidget owner;
        QPointer<frmprefer> window = new frmprefer(&owner);
        QCOMPARE(window->selectedSlot(), 1);              // a new window starts on 4x4
        const char* options[] = {"opt3", "opt2", "opt1"}; // slots 0, 1, 2
        for (int slot = 0; slot < 3; ++slot) {
            window->selectSlot(slot);
            QVERIFY(window->findChild<QRadioButton*>(options[slot])->isChecked());
        }

        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(namelessControls(window), QStringList());
        int cancels = 0;
        connect(window, &frmprefer::cancelPressed, this, [&] { ++cancels; });
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.isNull() && !window->isVisible());
        QCOMPARE(cancels, 1);
        QCOMPARE(window->selectedSlot(), 2);
    }

    // The pictures the windows load from the resources compiled into quadrello_assets: each must
    // be there and decode at the size its window was laid out for, on screens of every scale.
    void picture_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("scale");
        const auto atEveryScale = [](const char* name, const QString& path, QSize size) {
            for (const int scale : {1, 2, 3})
                QTest::addRow("%s %dx", name, scale) << path << size << scale;
        };
        atEveryScale("splash background", ":/splash.png", QSize(539, 229));
        atEveryScale("title banner", ":/title.png", QSize(430, 28));
        for (const char* name :
             {"numbered", "unnumbered", "gridon", "gridoff", "color", "preferences"})
            atEveryScale(name, QString(":/faces/%1.png").arg(name), QSize(68, 38));
        atEveryScale("About icon", ":/icons/keypad.png", QSize(32, 32));
        for (const int side : {16, 24, 32, 48, 64, 128})
            QTest::addRow("window icon %d", side)
                << QString(":/icons/quadrello-%1.png").arg(side) << QSize(side, side) << 1;
    }

    void picture() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(int, scale);
        const QPixmap picture = builtInPicture(path, scale);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(size));
        QCOMPARE(picture.size(), size * scale);
        // The splash background is a plain 24-bit picture: nothing of the window shows through.
        QVERIFY(!path.startsWith(":/splash") || !picture.hasAlphaChannel());
    }
};

QTEST_MAIN(tst_windows)
#include "tst_windows.moc"
