#include "settings/frmcolor.h"
#include "settings/frmpic.h"
#include "windows/accessiblecontrols.h"
#include "windows/frmabout.h"
#include "windows/frmhelp.h"
#include "windows/frmprefer.h"

#include <QLabel>
#include <QTest>
#include <memory>

namespace {

std::unique_ptr<QWidget> makeWindow(const QString& which) {
    if (which == QLatin1String("frmAbout"))
        return std::make_unique<frmAbout>();
    if (which == QLatin1String("frmHelp"))
        return std::make_unique<frmHelp>();
    if (which == QLatin1String("frmprefer"))
        return std::make_unique<frmprefer>();
    if (which == QLatin1String("frmcolor"))
        return std::make_unique<frmcolor>([](QWidget*, const QString&) { return std::nullopt; });
    return std::make_unique<frmpic>();
}

} // namespace

class tst_accessibility : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName_data();
    void everyControlHasAName();
    void swatchesAreNamedByTheirCaptions_data();
    void swatchesAreNamedByTheirCaptions();
    void swatchesDescribeTheirColour();
};

void tst_accessibility::everyControlHasAName_data() {
    QTest::addColumn<QString>("window");
    for (const char* window : {"frmAbout", "frmHelp", "frmprefer", "frmcolor", "frmpic"})
        QTest::newRow(window) << QString::fromLatin1(window);
}

void tst_accessibility::everyControlHasAName() {
    QFETCH(QString, window);
    const std::unique_ptr<QWidget> shown = makeWindow(window);
    shown->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
    const QStringList nameless = namelessControls(shown.get());
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u' ')));
}

void tst_accessibility::swatchesAreNamedByTheirCaptions_data() {
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<QString>("caption");
    QTest::newRow("numbers") << "lblnumcol"
                             << "lblcolnum";
    QTest::newRow("background") << "lblbkcol"
                                << "lblcolback";
    QTest::newRow("empty box") << "lblboxcol"
                               << "lblcolbox";
}

void tst_accessibility::swatchesAreNamedByTheirCaptions() {
    QFETCH(QString, swatch);
    QFETCH(QString, caption);
    frmcolor window([](QWidget*, const QString&) { return std::nullopt; });
    const QString captionText = window.findChild<QLabel*>(caption)->text();
    QCOMPARE(accessibleText(window.findChild<QLabel*>(swatch), QAccessible::Name), captionText);
}

void tst_accessibility::swatchesDescribeTheirColour() {
    frmcolor window([](QWidget*, const QString&) { return std::nullopt; });
    auto* swatch = window.findChild<QLabel*>("lblboxcol");
    // Red is the low byte of a stored colour.
    window.setBoxColor(10 + 256 * 20 + 65536 * 30);
    QCOMPARE(accessibleText(swatch, QAccessible::Description),
             QStringLiteral("Red 10, green 20, blue 30"));
    window.setBoxColor(255);
    QCOMPARE(accessibleText(swatch, QAccessible::Description),
             QStringLiteral("Red 255, green 0, blue 0"));
}

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
