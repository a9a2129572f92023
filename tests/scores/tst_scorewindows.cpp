#include "scores/frmscore.h"
#include "scores/frmtopscores.h"
#include "scores/scoretables.h"
#include "settings/memorysettingsstore.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

QString text(QWidget* window, const QString& name) {
    return window->findChild<QLabel*>(name)->text();
}

// The focus, starting where the window puts it, then after each of four Tabs.
QString tabChain(QWidget* window) {
    QStringList visited;
    for (window->show(); visited.size() < 5 && QTest::qWaitForWindowActive(window);
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
        visited << QApplication::focusWidget()->objectName();
    return visited.join(' ');
}

} // namespace

class tst_ScoreWindows : public QObject {
    Q_OBJECT

private slots:
    void gameOver_data() {
        QTest::addColumn<bool>("ranked");
        QTest::addColumn<QStringList>("buttonAndHeard"); // no button: the title bar's close
        QTest::newRow("Ok") << true << QStringList{"cmdok", "ok:Maximilian,closed"};
        QTest::newRow("Close") << true << QStringList{"cmdclose", "close:Maximilian,closed"};
        QTest::newRow("Play Again, not ranked") << false << QStringList{"cmdplay", "play: ,closed"};
        QTest::newRow("title bar") << true << QStringList{"", "closed"};
    }

    // Each button tells first, while the typed name can still be read, then the window closes
    // and goes; closed from its title bar, it goes without a word.
    void gameOver() {
        QFETCH(bool, ranked);
        QFETCH(QStringList, buttonAndHeard);
        QPointer<frmscore> w = new frmscore;
        w->showResult(57, 83, ranked);
        QCOMPARE(text(w, "lbltotmoves") + '|' + text(w, "lbltottime"), "57|83 sec");
        // Outer heights 3055 and 2055 twips less 375 twips of title bar and borders.
        QCOMPARE(w->size(), QSize(346, ranked ? 179 : 112));
        w->show();
        QCOMPARE(w->findChild<QWidget*>("fra1")->isVisible(), ranked);
        if (ranked) {
            QVERIFY(QTest::qWaitForWindowActive(w));
            QCOMPARE(w->typedName(), " ");
            // The name box has the focus, and typing replaces its blank.
            QTest::keyClicks(QApplication::focusWidget(), "Maximilian Longname");
            QCOMPARE(tabChain(w), "txtname cmdplay cmdclose cmdok txtname");
        }

        QStringList said;
        connect(w, &frmscore::okPressed, this, [&] { said << "ok:" + w->typedName(); });
        connect(w, &frmscore::closePressed, this, [&] { said << "close:" + w->typedName(); });
        connect(w, &frmscore::playAgainPressed, this, [&] { said << "play:" + w->typedName(); });
        connect(w, &QDialog::finished, this, [&] { said << "closed"; });
        buttonAndHeard[0].isEmpty() ? void(w->close())
                                    : w->findChild<QPushButton*>(buttonAndHeard[0])->click();
        QCOMPARE(said.join(','), buttonAndHeard[1]);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }

    // A grid button asks for fresh rows before it shows its panel, and only that one.
    void topScores() {
        MemorySettingsStore store;
        ScoreTables tables(store);
        frmtopscores w;
        w.fillRows(tables);
        QCOMPARE(tabChain(&w), "cmdclose cmd3x3 cmd4x4 cmd5x5 cmdclose");
        const auto row = [&w](int e) {
            return text(&w, QString("lbl3x3mov(%1)").arg(e)) + '|' +
                   text(&w, QString("lbl3x3score(%1)").arg(e));
        };
        // Entries the store never held keep their placeholders.
        QCOMPARE(row(21), "2)  None|[                    ]");

        int slot = 0;
        connect(&w, &frmtopscores::refreshRequested, this, [&] {
            QVERIFY(!w.findChild<QWidget*>(QString("picscore(%1)").arg(slot))->isVisible());
            tables.rank(slot, qint16(70 + slot));
            w.fillRows(tables);
        });
        const QString buttons[] = {"cmd5x5", "cmd4x4", "cmd3x3"};
        for (slot = 0; slot < 3; ++slot) {
            w.findChild<QPushButton*>(buttons[slot])->click();
            for (int k = 0; k < 3; ++k) {
                QCOMPARE(w.findChild<QWidget*>(QString("picscore(%1)").arg(k))->isVisible(),
                         k == slot);
                QCOMPARE(w.findChild<QPushButton*>(buttons[k])->font().bold(), k == slot);
            }
        }
        QCOMPARE(QStringList({row(0), row(10), row(20), row(29)}).join(','),
                 "1)  None|       70,1)  None|       71,1)  None|       72,10)  None|       0");
        QCOMPARE(text(&w, "lbl3x3(2)"), "Top 3x3 Least Moves");
    }
};

QTEST_MAIN(tst_ScoreWindows)
#include "tst_scorewindows.moc"
