#include "scores/frmscore.h"
#include "scores/frmtopscores.h"
#include "scores/scoretables.h"
#include "settings/memorysettingsstore.h"
#include "windows/accessiblecontrols.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

static QString text(QWidget* window, const QString& name) {
    return window->findChild<QLabel*>(name)->text();
}

class tst_ScoreWindows : public QObject {
    Q_OBJECT

private slots:
    void gameOver_data() {
        QTest::addColumn<bool>("ranked");
        QTest::addColumn<QStringList>("buttonAndHeard"); // no button: the title bar's close
        QTest::newRow("Ok") << true << QStringList{"cmdok", "ok:Maximilian,closed"};
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
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(namelessControls(w), QStringList());
        QCOMPARE(w->findChild<QWidget*>("fra1")->isVisible(), ranked);
        if (ranked) {
            // The name box has the focus and its caption's name; typing replaces its blank.
            QWidget* box = QApplication::focusWidget();
            QCOMPARE(accessibleText(box, QAccessible::Name), text(w, "lblname"));
            QTest::keyClicks(box, "Maximilian Longname");
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

    // Entries the store never held keep their placeholders; a grid button asks for fresh rows,
    // then shows its panel alone.
    void topScores() {
        MemorySettingsStore store;
        ScoreTables tables(store);
        frmtopscores w;
        QCOMPARE(namelessControls(&w), QStringList());
        w.fillRows(tables);
        QCOMPARE(text(&w, "lbl3x3mov(10)") + text(&w, "lbl3x3score(10)"),
                 "1)  None[                    ]");
        connect(&w, &frmtopscores::refreshRequested, this, [&] {
            tables.rank(1, 70);
            w.fillRows(tables);
        });
        w.findChild<QPushButton*>("cmd4x4")->click();
        QCOMPARE(text(&w, "lbl3x3mov(10)") + text(&w, "lbl3x3score(10)"), "1)  None       70");
        for (int k = 0; k < 3; ++k)
            QCOMPARE(w.findChild<QWidget*>(QString("picscore(%1)").arg(k))->isHidden(), k != 1);
    }
};

QTEST_MAIN(tst_ScoreWindows)
#include "tst_scorewindows.moc"
