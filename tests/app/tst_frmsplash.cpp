// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/frmsplash.h"
#include "app/translations.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

class tst_frmsplash : public QObject {
    Q_OBJECT
private slots:
    // Every case starts from the program's English texts.
    void cleanup() { qDeleteAll(qApp->findChildren<QTranslator*>()); }

    // Play, a click anywhere or any key leads on to the game; Exit and the close box end.
    void leavingTheSplash() {
        for (const QString how : {"cmdplay", "click", "key", "cmdext", "close"}) {
            frmSplash splash;
            splash.show();
            QVERIFY(QTest::qWaitForWindowExposed(&splash));
            QSignalSpy play(&splash, &frmSplash::playChosen);
            QSignalSpy exit(&splash, &frmSplash::exitChosen);
            if (how == "click")
                QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(100, 100));
            else if (how == "key")
                QTest::keyClick(&splash, Qt::Key_Q);
            else if (how == "close")
                splash.close();
            else
                QTest::mouseClick(splash.findChild<QPushButton*>(how), Qt::LeftButton);
            QCOMPARE(play.count() == 1, how != "cmdext" && how != "close");
            QVERIFY(!splash.isVisible());
            // A second click while the splash goes away must not lead on twice.
            QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(100, 100));
            QCOMPARE(play.count() + exit.count(), 1);
        }
    }

    // German where the player's language is German; English everywhere else.
    void speaksThePlayersLanguage() {
        for (const auto& [locale, play] :
             {std::pair("de_DE", "Spielen"), {"en_US", "Play"}, {"C", "Play"}}) {
            QCOMPARE(installTranslations(*qApp, QLocale(locale)), play != QLatin1String("Play"));
            QCOMPARE(frmSplash().findChild<QPushButton*>("cmdplay")->text(), QLatin1String(play));
            cleanup();
        }
    }
};

QTEST_MAIN(tst_frmsplash)
#include "tst_frmsplash.moc"
