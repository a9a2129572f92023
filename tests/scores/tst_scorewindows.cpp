#include "scores/frmscore.h"
#include "scores/frmtopscores.h"
#include "scores/scoretables.h"
#include "settings/memorysettingsstore.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

template <typename T = QWidget> T* child(QWidget* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QString text(QWidget* window, const QString& name) {
    return child<QLabel>(window, name)->text();
}

bool shown(QWidget* window, const QString& name) {
    return !child(window, name)->isHidden();
}

void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class tst_ScoreWindows : public QObject {
    Q_OBJECT

private slots:
    void gameOverLayout_data();
    void gameOverLayout();
    void gameOverButtons_data();
    void gameOverButtons();
    void nameBox();
    void tabOrder_data();
    void tabOrder();
    void rows();
    void gridButtonRefreshesFirst_data();
    void gridButtonRefreshesFirst();
};

void tst_ScoreWindows::gameOverLayout_data() {
    QTest::addColumn<bool>("ranked");
    QTest::addColumn<int>("height");

    // Outer heights 3055 and 2055 twips less 375 twips of title bar and borders.
    QTest::newRow("ranked") << true << 179;
    QTest::newRow("not ranked") << false << 112;
}

void tst_ScoreWindows::gameOverLayout() {
    QFETCH(bool, ranked);
    QFETCH(int, height);

    frmscore window;
    window.showResult(57, 83, ranked);
    QCOMPARE(text(&window, QStringLiteral("lbltotmoves")), QStringLiteral("57"));
    QCOMPARE(text(&window, QStringLiteral("lbltottime")), QStringLiteral("83 sec"));
    QCOMPARE(shown(&window, QStringLiteral("fra1")), ranked);
    QCOMPARE(window.size(), QSize(346, height));
}

void tst_ScoreWindows::gameOverButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("heard");

    QTest::newRow("Ok") << "cmdok"
                        << "ok:Ann";
    QTest::newRow("Close") << "cmdclose"
                           << "close:Ann";
    QTest::newRow("Play Again") << "cmdplay"
                                << "play:Ann";
    QTest::newRow("title bar") << ""
                               << "";
    QTest::newRow("Escape") << "Escape"
                            << "";
}

void tst_ScoreWindows::gameOverButtons() {
    QFETCH(QString, button);
    QFETCH(QString, heard);

    QPointer<frmscore> window = new frmscore;
    window->showResult(12, 30, true);
    showActive(window);
    QTest::keyClicks(child(window, QStringLiteral("txtname")), QStringLiteral("Ann"));

    QStringList answers;
    const auto listen = [&](void (frmscore::*signal)(), const char* name) {
        connect(window, signal, this, [&answers, &window, name] {
            // The name is read while the window is still there.
            if (window->isVisible())
                answers.append(QLatin1String(name) + u':' + window->typedName());
        });
    };
    listen(&frmscore::okPressed, "ok");
    listen(&frmscore::closePressed, "close");
    listen(&frmscore::playAgainPressed, "play");

    if (button.isEmpty())
        window->close();
    else if (button == QStringLiteral("Escape"))
        QTest::keyClick(window, Qt::Key_Escape);
    else
        QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
    QCOMPARE(answers.join(u','), heard);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

void tst_ScoreWindows::nameBox() {
    frmscore window;
    showActive(&window);
    auto* txtname = child<QLineEdit>(&window, QStringLiteral("txtname"));
    QCOMPARE(QApplication::focusWidget(), txtname);
    QCOMPARE(window.typedName(), QStringLiteral(" "));
    QTest::keyClicks(txtname, QStringLiteral("Maximilian Longname"));
    QCOMPARE(window.typedName(), QStringLiteral("Maximilian"));
}

void tst_ScoreWindows::tabOrder_data() {
    QTest::addColumn<bool>("topScores");
    QTest::addColumn<QString>("order");

    QTest::newRow("game over") << false << "txtname cmdplay cmdclose cmdok txtname";
    QTest::newRow("top scores") << true << "cmdclose cmd3x3 cmd4x4 cmd5x5 cmdclose";
}

void tst_ScoreWindows::tabOrder() {
    QFETCH(bool, topScores);
    QFETCH(QString, order);

    std::unique_ptr<QWidget> window;
    if (topScores)
        window = std::make_unique<frmtopscores>();
    else
        window = std::make_unique<frmscore>();
    showActive(window.get());
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited.join(u' '), order);
}

void tst_ScoreWindows::rows() {
    MemorySettingsStore store;
    const QString app = QStringLiteral("quadrello");
    store.SaveSetting(app, QStringLiteral("Scores2"), QStringLiteral("top0"), QStringLiteral("23"));
    store.SaveSetting(app, QStringLiteral("Scores2"), QStringLiteral("Nam0"),
                      QStringLiteral(" Eve"));
    ScoreTables tables(store);
    tables.read();
    frmtopscores window;
    const auto row = [&window](int e) {
        return text(&window, QStringLiteral("lbl3x3mov(%1)").arg(e)) + u'|' +
               text(&window, QStringLiteral("lbl3x3score(%1)").arg(e));
    };
    const QString unused = QStringLiteral("|[                    ]");

    window.fillRows(tables);
    QCOMPARE(row(20), QStringLiteral("1)  Eve|       23"));
    QCOMPARE(row(21), QStringLiteral("2)  None") + unused);
    QCOMPARE(row(9), QStringLiteral("10)  None") + unused);
    QCOMPARE(row(10), QStringLiteral("1)  None") + unused);

    // Once saved, every entry has a moves text and every row is filled.
    tables.save();
    window.fillRows(tables);
    QCOMPARE(row(21), QStringLiteral("2)  None|       0"));
    QCOMPARE(row(9), QStringLiteral("10)  None|       0"));
    QCOMPARE(text(&window, QStringLiteral("lbl3x3(1)")), QStringLiteral("Top 4x4 Least Moves"));
    QCOMPARE(text(&window, QStringLiteral("lblbanner(2)")),
             QStringLiteral("  Names                                Moves"));
}

void tst_ScoreWindows::gridButtonRefreshesFirst_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("button");

    QTest::newRow("5x5") << 0 << "cmd5x5";
    QTest::newRow("4x4") << 1 << "cmd4x4";
    QTest::newRow("3x3") << 2 << "cmd3x3";
}

void tst_ScoreWindows::gridButtonRefreshesFirst() {
    QFETCH(int, slot);
    QFETCH(QString, button);

    MemorySettingsStore store;
    ScoreTables tables(store);
    tables.read();
    frmtopscores window;
    window.fillRows(tables);
    window.showPanel((slot + 1) % 3);
    const QString panel = QStringLiteral("picscore(%1)").arg(slot);

    bool shownDuringRefresh = true;
    connect(&window, &frmtopscores::refreshRequested, this, [&] {
        shownDuringRefresh = shown(&window, panel);
        tables.rank(slot, 77);
        window.fillRows(tables);
    });
    QTest::mouseClick(child<QPushButton>(&window, button), Qt::LeftButton);

    QVERIFY(!shownDuringRefresh);
    QCOMPARE(text(&window, QStringLiteral("lbl3x3score(%1)").arg(10 * slot)),
             QStringLiteral("       77"));
    for (int k = 0; k < 3; ++k)
        QCOMPARE(shown(&window, QStringLiteral("picscore(%1)").arg(k)), k == slot);
    for (const char* name : {"cmd3x3", "cmd4x4", "cmd5x5"}) {
        const QString b = QString::fromLatin1(name);
        QCOMPARE(child(&window, b)->font().bold(), b == button);
    }
}

QTEST_MAIN(tst_ScoreWindows)
#include "tst_scorewindows.moc"
