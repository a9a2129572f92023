#include "app/frmsplash.h"
#include "app/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

class tst_translations : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void followsTheLanguage_data();
    void followsTheLanguage();
    void dialogsFollowTheProgram();
};

// Every case starts from the program's English texts.
void tst_translations::cleanup() {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

void tst_translations::followsTheLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("play");
    QTest::addColumn<QString>("exit");

    QTest::newRow("German") << "de_DE" << true << "Spielen"
                            << "Beenden";
    QTest::newRow("German in Austria") << "de_AT" << true << "Spielen"
                                       << "Beenden";
    QTest::newRow("American English") << "en_US" << false << "Play"
                                      << "Exit";
    QTest::newRow("British English") << "en_GB" << false << "Play"
                                     << "Exit";
    QTest::newRow("no translation: French") << "fr_FR" << false << "Play"
                                            << "Exit";
    QTest::newRow("C locale") << "C" << false << "Play"
                              << "Exit";
}

void tst_translations::followsTheLanguage() {
    QFETCH(QString, locale);
    QFETCH(bool, installed);
    QFETCH(QString, play);
    QFETCH(QString, exit);
    QCOMPARE(installTranslations(*qApp, QLocale(locale)), installed);
    const frmSplash splash;
    QCOMPARE(splash.findChild<QPushButton*>("cmdplay")->text(), play);
    QCOMPARE(splash.findChild<QPushButton*>("cmdext")->text(), exit);
}

// The file and colour dialogs speak the program's language, and only that one.
void tst_translations::dialogsFollowTheProgram() {
    const QString qtGerman =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFileInfo::exists(qtGerman))
        QSKIP("Qt's own translations are not installed");
    const QString english = QStringLiteral("&Basic colors");
    QVERIFY(!installTranslations(*qApp, QLocale(QStringLiteral("fr_FR"))));
    QCOMPARE(QCoreApplication::translate("QColorDialog", "&Basic colors"), english);
    QVERIFY(installTranslations(*qApp, QLocale(QStringLiteral("de_DE"))));
    QVERIFY(QCoreApplication::translate("QColorDialog", "&Basic colors") != english);
}

QTEST_MAIN(tst_translations)
#include "tst_translations.moc"
