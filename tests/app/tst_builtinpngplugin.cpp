// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QtPlugin>

Q_IMPORT_PLUGIN(BuiltInPngPlugin)

// Pictures built into the program and into Qt are read without loading the system's image
// plugins, which would stay loaded for the whole run; a player's file still reaches them.
class tst_builtinpngplugin : public QObject {
    Q_OBJECT

    static bool imagePluginsLoaded() {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
    }

private slots:
    void builtInPicturesLoadNoImagePlugin() {
        QVERIFY(!imagePluginsLoaded());
        // A menu bar asks the style for its overflow arrow, one of Qt's own PNG files.
        QMenuBar bar;
        QCOMPARE(QPixmap(QStringLiteral(":/title.png")).size(), QSize(430, 28));
        QCOMPARE(QIcon(QStringLiteral(":/faces/color.png")).pixmap(68, 38).size(), QSize(68, 38));
        QVERIFY(!imagePluginsLoaded());

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("player.png"));
        QImage drawn(8, 6, QImage::Format_RGB32);
        drawn.fill(Qt::darkCyan);
        QVERIFY(drawn.save(path));
        const QImage read(path);
        QCOMPARE(read.pixelColor(7, 5), QColor(Qt::darkCyan));
        QVERIFY(imagePluginsLoaded());
    }
};

QTEST_MAIN(tst_builtinpngplugin)
#include "tst_builtinpngplugin.moc"
