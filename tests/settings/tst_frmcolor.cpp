#include "settings/frmcolor.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <deque>

namespace {

// Answers the colour dialog from a script and remembers how it was asked.
struct ScriptedChooser {
    std::deque<std::optional<QColor>> answers;
    QStringList titles;
    QList<QWidget*> parents;

    ColorChooser hook() {
        return [this](QWidget* parent, const QString& title) {
            titles.append(title);
            parents.append(parent);
            if (answers.empty())
                return std::optional<QColor>();
            std::optional<QColor> answer = answers.front();
            answers.pop_front();
            return answer;
        };
    }
};

QList<qint32> swatches(const frmcolor& w) {
    return {w.numColor(), w.bkColor(), w.boxColor()};
}

} // namespace

class TestFrmColor : public QObject {
    Q_OBJECT

private slots:
    void changeSetsOnlyItsRow_data();
    void changeSetsOnlyItsRow();
    void buttonsEmitTheirSignal_data();
    void buttonsEmitTheirSignal();
    void enterActsAsOk_data();
    void enterActsAsOk();
    void closingIsACancelThatKeepsTheSwatches_data();
    void closingIsACancelThatKeepsTheSwatches();
    void showingAgainKeepsTheSwatches();
    void layout_data();
    void layout();
};

void TestFrmColor::changeSetsOnlyItsRow_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<std::optional<QColor>>("answer");
    QTest::addColumn<QList<qint32>>("expected");

    const std::optional<QColor> picked = QColor(0x0A, 0x14, 0x1E);
    const qint32 value = 0x1E140A;
    const std::optional<QColor> cancelled;
    const QList<qint32> before{128, 11310476, 11310476};
    QTest::newRow("numbers") << "cmdcolnum" << picked << QList<qint32>{value, 11310476, 11310476};
    QTest::newRow("background") << "cmdcolbk" << picked << QList<qint32>{128, value, 11310476};
    QTest::newRow("empty box") << "cmdcolbox" << picked << QList<qint32>{128, 11310476, value};
    QTest::newRow("numbers cancelled") << "cmdcolnum" << cancelled << before;
    QTest::newRow("background cancelled") << "cmdcolbk" << cancelled << before;
    QTest::newRow("empty box cancelled") << "cmdcolbox" << cancelled << before;
}

void TestFrmColor::changeSetsOnlyItsRow() {
    QFETCH(QString, button);
    QFETCH(std::optional<QColor>, answer);
    QFETCH(QList<qint32>, expected);
    ScriptedChooser chooser;
    chooser.answers.push_back(answer);
    frmcolor w(chooser.hook());

    w.findChild<QPushButton*>(button)->click();

    QCOMPARE(chooser.titles, QStringList{"Select a Color"});
    QCOMPARE(chooser.parents, QList<QWidget*>{&w});
    QCOMPARE(swatches(w), expected);
}

void TestFrmColor::buttonsEmitTheirSignal_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("counts"); // ok, cancel, default

    QTest::newRow("OK") << "cmdcolok" << QList<int>{1, 0, 0};
    QTest::newRow("Cancel") << "cmdcolcancel" << QList<int>{0, 1, 0};
    QTest::newRow("Default") << "cmddefault" << QList<int>{0, 0, 1};
}

void TestFrmColor::buttonsEmitTheirSignal() {
    QFETCH(QString, button);
    QFETCH(QList<int>, counts);
    ScriptedChooser chooser;
    frmcolor w(chooser.hook());
    w.setNumColor(0x010203);
    QSignalSpy ok(&w, &frmcolor::okPressed);
    QSignalSpy cancel(&w, &frmcolor::cancelPressed);
    QSignalSpy defaults(&w, &frmcolor::defaultPressed);

    w.findChild<QPushButton*>(button)->click();

    QCOMPARE((QList<int>{int(ok.count()), int(cancel.count()), int(defaults.count())}), counts);
    // The window leaves the swatches to whoever answers the signal.
    QCOMPARE(w.numColor(), 0x010203);
}

void TestFrmColor::enterActsAsOk_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");

    QTest::newRow("Return on a Change button") << "cmdcolnum" << int(Qt::Key_Return);
    QTest::newRow("Enter on Cancel") << "cmdcolcancel" << int(Qt::Key_Enter);
    QTest::newRow("Return on Default") << "cmddefault" << int(Qt::Key_Return);
    QTest::newRow("Return on OK") << "cmdcolok" << int(Qt::Key_Return);
}

void TestFrmColor::enterActsAsOk() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    ScriptedChooser chooser;
    frmcolor w(chooser.hook());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* target = w.findChild<QPushButton*>(focus);
    target->setFocus();
    QSignalSpy ok(&w, &frmcolor::okPressed);
    QSignalSpy cancel(&w, &frmcolor::cancelPressed);
    QSignalSpy defaults(&w, &frmcolor::defaultPressed);

    QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(ok.count(), 1);
    QCOMPARE(cancel.count() + defaults.count(), 0);
    QVERIFY(chooser.titles.isEmpty());
}

void TestFrmColor::closingIsACancelThatKeepsTheSwatches_data() {
    QTest::addColumn<bool>("byEscape");

    QTest::newRow("title bar") << false;
    QTest::newRow("Escape") << true;
}

void TestFrmColor::closingIsACancelThatKeepsTheSwatches() {
    QFETCH(bool, byEscape);
    ScriptedChooser chooser;
    frmcolor w(chooser.hook());
    w.setNumColor(0x112233);
    w.setBkColor(0x445566);
    w.setBoxColor(0x778899);
    const QList<qint32> chosen{0x112233, 0x445566, 0x778899};
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy cancel(&w, &frmcolor::cancelPressed);
    QSignalSpy ok(&w, &frmcolor::okPressed);

    if (byEscape)
        QTest::keyClick(&w, Qt::Key_Escape);
    else
        w.close();

    QCOMPARE(cancel.count(), 1);
    QCOMPARE(ok.count(), 0);
    QVERIFY(w.isVisible()); // hiding is left to whoever answers the cancel
    QCOMPARE(swatches(w), chosen);

    connect(&w, &frmcolor::cancelPressed, &w, &QWidget::hide);
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QCOMPARE(swatches(w), chosen);
}

void TestFrmColor::showingAgainKeepsTheSwatches() {
    ScriptedChooser chooser;
    chooser.answers.push_back(QColor(0x20, 0x40, 0x60));
    frmcolor w(chooser.hook());
    w.show();
    w.findChild<QPushButton*>("cmdcolbox")->click();
    w.hide();
    w.show();

    QCOMPARE(w.boxColor(), 0x604020);
    const auto* swatch = w.findChild<QLabel*>("lblboxcol");
    QCOMPARE(swatch->palette().color(QPalette::Window), QColor(0x20, 0x40, 0x60));
}

void TestFrmColor::layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("frame") << "fracolor"
                           << "frmcolor" << QRect(8, 16, 273, 169);
    QTest::newRow("numbers caption") << "lblcolnum"
                                     << "fracolor" << QRect(8, 40, 113, 17);
    QTest::newRow("empty box caption") << "lblcolbox"
                                       << "fracolor" << QRect(40, 120, 81, 25);
    QTest::newRow("background swatch") << "lblbkcol"
                                       << "fracolor" << QRect(128, 80, 33, 17);
    QTest::newRow("empty box Change") << "cmdcolbox"
                                      << "fracolor" << QRect(184, 117, 57, 25);
    QTest::newRow("Default") << "cmddefault"
                             << "frmcolor" << QRect(296, 136, 81, 25);
}

void TestFrmColor::layout() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    ScriptedChooser chooser;
    frmcolor w(chooser.hook());

    QCOMPARE(w.windowTitle(), QString("Change Colors"));
    QCOMPARE(w.minimumSize(), QSize(393, 194));
    QCOMPARE(w.maximumSize(), QSize(393, 194));
    QVERIFY(!w.isModal());
    QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    auto* widget = w.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), geometry);
}

QTEST_MAIN(TestFrmColor)
#include "tst_frmcolor.moc"
