#include "windows/frmabout.h"
#include "windows/frmhelp.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

namespace {

// Closed windows delete themselves later; run those deletions now.
bool deletedAfterEvents(const QPointer<QWidget>& window) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.isNull();
}

QStringList helpLines(const frmHelp& window) {
    QString text = window.findChild<QPlainTextEdit*>("Text1")->toPlainText();
    if (!text.endsWith(QLatin1Char('\n')))
        return {};
    text.chop(1);
    return text.split(QLatin1Char('\n'));
}

} // namespace

class tst_aboutandhelp : public QObject {
    Q_OBJECT

private slots:
    void aboutShowsTitleAndIcon();
    void aboutClosesByKey_data();
    void aboutClosesByKey();
    void helpHasItsLines();
    void helpListsEveryKey_data();
    void helpListsEveryKey();
    void helpScrollsToLastLine();
    void helpClosesByButton();
};

void tst_aboutandhelp::aboutShowsTitleAndIcon() {
    frmAbout window;
    QCOMPARE(window.windowTitle(), QStringLiteral("About Quadrello"));
    QCOMPARE(window.findChild<QLabel*>("lblTitle")->text(), QStringLiteral("QuAdReLlO"));
    QCOMPARE(window.findChild<QLabel*>("lblVersion")->text(), QStringLiteral(" Version : 1.00.00"));
    QVERIFY(window.findChild<QLabel*>("lblTitle")->font().bold());
    const QPixmap icon = window.findChild<QLabel*>("picIcon")->pixmap();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(window.findChild<QWidget*>("Line1(0)"));
    QVERIFY(window.findChild<QWidget*>("Line1(1)"));
}

void tst_aboutandhelp::aboutClosesByKey_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void tst_aboutandhelp::aboutClosesByKey() {
    QFETCH(int, key);
    QPointer<QWidget> window = new frmAbout;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->findChild<QPushButton*>("cmdOK")->text(), QStringLiteral("OK"));

    QTest::keyClick(window, Qt::Key(key));
    QVERIFY(deletedAfterEvents(window));
}

void tst_aboutandhelp::helpHasItsLines() {
    frmHelp window;
    const QStringList lines = helpLines(window);
    QCOMPARE(lines.size(), 35);
    QCOMPARE(lines.at(1), QStringLiteral(" -How to Play?"));
    QCOMPARE(lines.at(23), QStringLiteral(" -Keys' functions:"));
    QVERIFY(lines.at(21).endsWith(QStringLiteral("Enjoy!")));
    for (int blank : {0, 2, 22, 24})
        QVERIFY2(!lines.at(blank).isEmpty() && lines.at(blank).trimmed().isEmpty(),
                 qPrintable(QString::number(blank)));
}

void tst_aboutandhelp::helpListsEveryKey_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("arrows") << 25 << " Arrow keys- To move the pieces up, down, right, or left.";
    QTest::newRow("load") << 26 << " Load Pic     - To load an image, shortcut Alt+L.  ";
    QTest::newRow("scramble") << 27 << " Scramble    - To scramble the image, shortcut S.";
    QTest::newRow("unsorted") << 28 << " UnSorted   - To detect the unsorted image pieces, ";
    QTest::newRow("unsorted, more") << 29 << "'UnSorted' button.";
    QTest::newRow("set") << 30 << " Set            - For unscrambling the image, shortcut T.";
    QTest::newRow("viewPic") << 31 << " viewPic      - For viewinig the original image.  Keep the ";
    QTest::newRow("viewPic, more") << 32 << "button 'viewPic' pressed for ";
    QTest::newRow("viewPic, end") << 33 << "viewing.";
    QTest::newRow("halt") << 34 << " Halt          - To pause, shortcut H.";
}

void tst_aboutandhelp::helpListsEveryKey() {
    QFETCH(int, line);
    QFETCH(QString, text);
    frmHelp window;
    const QString shown = helpLines(window).value(line);
    if (text.startsWith(QLatin1Char(' '))) {
        QCOMPARE(shown, text);
    } else {
        // A continuation: the same words, pushed in under the explanation above.
        QVERIFY2(shown.endsWith(text), qPrintable(shown));
        QVERIFY2(shown.startsWith(QStringLiteral("  ")), qPrintable(shown));
        QVERIFY(shown.chopped(text.size()).trimmed().isEmpty());
    }
}

void tst_aboutandhelp::helpScrollsToLastLine() {
    frmHelp window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* text = window.findChild<QPlainTextEdit*>("Text1");
    QScrollBar* bar = text->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);

    QTextCursor last =
        text->document()->find(QStringLiteral(" Halt          - To pause, shortcut H."));
    QVERIFY(!last.isNull());
    last.movePosition(QTextCursor::EndOfBlock);
    QVERIFY(!text->viewport()->rect().contains(text->cursorRect(last)));

    bar->setValue(bar->maximum());
    QVERIFY(text->viewport()->rect().contains(text->cursorRect(last)));
}

void tst_aboutandhelp::helpClosesByButton() {
    QPointer<QWidget> window = new frmHelp;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* cmdclose = window->findChild<QPushButton*>("cmdclose");
    QCOMPARE(cmdclose->text(), QStringLiteral("&Close"));

    QTest::mouseClick(cmdclose, Qt::LeftButton);
    QVERIFY(deletedAfterEvents(window));
}

QTEST_MAIN(tst_aboutandhelp)
#include "tst_aboutandhelp.moc"
