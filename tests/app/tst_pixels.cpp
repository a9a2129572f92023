// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window in the states that tell it apart, drawn pixel for pixel as the references under
// tests/data/pixels/<scale>x/ show them, on a 1x and on a 2x screen. After a change meant to alter
// the look, QUADRELLO_NEW_PIXELS=1 writes the references again; look at each before committing.
#include "app/frmsplash.h"
#include "mainwindowfixture.h"
#include "scores/frmtopscores.h"
#include "settings/frmcolor.h"
#include "windows/frmabout.h"
#include "windows/frmhelp.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QtPlugin>

Q_IMPORT_PLUGIN(BuiltInPngPlugin)

namespace {

// The differing pixels in red over a pale copy of what was drawn.
QImage difference(const QImage& drawn, const QImage& wanted) {
    QImage d = drawn.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < d.height(); ++y) {
        for (int x = 0; x < d.width(); ++x) {
            const bool same = x < wanted.width() && y < wanted.height() &&
                              drawn.pixel(x, y) == wanted.pixel(x, y);
            d.setPixel(x, y, same ? QColor(d.pixel(x, y)).lighter(170).rgb() : qRgb(255, 0, 0));
        }
    }
    return d;
}

} // namespace

class tst_pixels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setCursorFlashTime(0); } // the text cursor stays still

    void everyWindowAsDrawn_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("window");
        const auto row = [](const char* name, const char* steps, const char* window) {
            QTest::newRow(name) << steps << window;
        };
        row("start", "", "frmmain");
        row("3x3-marked-unnumbered", "3x3 S N cmdunsorted", "frmmain");
        row("5x5-halted-no-lines-narrow", "5x5 S move tick G O H", "frmmain");
        row("picture-4x4-scrambled", "load S", "frmmain");
        row("picture-3x3-solved", "load 3x3 S solve", "frmscore");
        row("picture-preview", "load", "frmpic");
        row("scores", "3x3 S solve frmscore.cmdclose mnuscores", "frmtopscores");
        row("preferences", "cmdpfr", "frmprefer");
        row("colours", "cmdclr", "frmcolor");
        row("about", "mnuabout", "frmAbout");
        row("help", "mnucontents", "frmHelp");
        row("splash", "", "frmSplash");
        for (const char* menu : {"mnufile", "mnuview", "mnuhelp"})
            row(menu, "", menu);
    }

    void everyWindowAsDrawn() {
        QFETCH(QString, steps);
        QFETCH(QString, window);
        OpenMainWindow g;
        g.play(steps);
        frmSplash splash;
        splash.setVisible(window == "frmSplash");
        if (window == "frmpic")
            QTest::mousePress(g.button("cmdviewpic"), Qt::LeftButton);
        if (window.startsWith("mnu"))
            g.window->findChild<QMenuBar*>()->setActiveAction(
                g.find<QMenu>(qPrintable(window))->menuAction());
        QWidget* shown = g.window.get();
        for (QWidget* w : QApplication::topLevelWidgets())
            shown = w->objectName() == window && w->isVisible() ? w : shown;
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        // Another window stands beside the game at its top, as far as the screen allows; the
        // preview lies over the board.
        const QRect game = g.window->frameGeometry(), at = shown->frameGeometry();
        if (QStringList{"frmscore", "frmtopscores", "frmprefer", "frmAbout", "frmHelp"}.contains(
                window))
            QVERIFY(at.top() == game.top() &&
                    (at.left() == game.right() + 1 || at.right() + 1 == game.left() ||
                     at.left() == shown->screen()->availableGeometry().left()));
        if (window == "frmpic")
            QCOMPARE(at.topLeft(), g.view()->mapToGlobal(QPoint()));
        QCoreApplication::sendPostedEvents(); // a layout the last step changed takes its size
        const QImage drawn = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString name = QString::fromLatin1(QTest::currentDataTag()) + ".png";
        const QString folder = QStringLiteral("%1/pixels/%2x/")
                                   .arg(qEnvironmentVariable("QUADRELLO_TEST_DATA"))
                                   .arg(shown->devicePixelRatio());
        if (qEnvironmentVariableIntValue("QUADRELLO_NEW_PIXELS")) {
            QVERIFY(QDir().mkpath(folder) && drawn.save(folder + name));
            return;
        }
        const QImage wanted(folder + name);
        if (drawn != wanted.convertToFormat(QImage::Format_RGB32)) {
            const QString diff = QDir::current().absoluteFilePath("difference-" + name);
            difference(drawn, wanted).save(diff);
            QFAIL(qPrintable("drawn otherwise than " + folder + name + "; see " + diff));
        }
    }
};

QTEST_MAIN(tst_pixels)
#include "tst_pixels.moc"
