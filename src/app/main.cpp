// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/classiclook.h"
#include "app/frmmain.h"
#include "app/frmsplash.h"
#include "app/translations.h"
#include "app/windowplacement.h"
#include "pictures/filechooser.h"
#include "play/randomsource.h"
#include "settings/colorchooser.h"
#include "settings/qsettingsstore.h"

#include <QApplication>
#include <QSettings>
#include <QtPlugin>
#include <memory>

Q_IMPORT_PLUGIN(BuiltInPngPlugin)

int main(int, char* argv[]) {
    // The program takes no arguments, and Qt's own (-reverse, -platform, -style...) are not
    // passed on either: started with any, the game looks and behaves as without them.
    int noArguments = 1;
    QApplication app(noArguments, argv);
    QApplication::setOrganizationName(QStringLiteral("quadrello"));
    QApplication::setApplicationName(QStringLiteral("quadrello"));
    // The program ends exactly when the main window has saved, or when the splash says Exit.
    QApplication::setQuitOnLastWindowClosed(false);
    QGuiApplication::setDesktopFileName(QStringLiteral(QUADRELLO_APP_ID));
    // Qt's own dialogs keep their history and custom colours in a QtProject.conf beside the
    // game's settings. The game leaves no file there but its own: Qt's settings are sent where
    // no file can ever be made (into /dev/null, which is no folder), so they last for the run.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    useClassicLook();
    installTranslations(app);

    auto splash = std::make_unique<frmSplash>();
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<frmmain> mainWindow;

    QObject::connect(splash.get(), &frmSplash::exitChosen, &app, &QApplication::quit);
    // The settings and the boards are not needed before the player chooses to play.
    QObject::connect(splash.get(), &frmSplash::playChosen, &app, [&] {
        // The splash is not shown again: its picture and window memory go with it.
        splash.release()->deleteLater();
        store = std::make_unique<QSettingsStore>();
        random = makeSystemRandom();
        mainWindow = std::make_unique<frmmain>(
            frmmain::Services{*store, *random, systemFileChooser(), systemColorChooser()});
        // exit(), not quit(): every window has been closed already and nothing may run on.
        QObject::connect(mainWindow.get(), &frmmain::unloaded, &app, [] { QApplication::exit(0); });
        mainWindow->show();
        centerOnScreen(mainWindow.get());
    });

    splash->show();
    centerOnScreen(splash.get());
    return app.exec();
}
