// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Bytes as the settings file: the game reads its options, colours and score tables, the player
// toggles the grid lines and ranks a 3x3 result, the game saves on exit, and the next start must
// read exactly what this run held, from a folder holding nothing but the file.
#include "scores/scoretables.h"
#include "settings/colorsettings.h"
#include "settings/colorvalue.h"
#include "settings/options.h"
#include "settings/qsettingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void require(bool holds, const char* what) {
    if (!holds)
        qFatal("%s", what);
}

// What the game shows of its settings, checked for validity on the way; the grid option as it
// reads after `flipGrid` toggles.
QString shown(const StartOptions& o, const ColorValues& c, const ScoreTables& scores,
              int flipGrid) {
    QString s =
        QString::asprintf("grid %d numbers %d auto %d colours %d %d %d", o.gridOff ^ flipGrid,
                          o.numOff, o.autoScramble, c.numColor, c.bkColor, c.boxColor);
    for (const int value : {o.gridOff, o.numOff, o.autoScramble})
        require(value == 0 || value == 1, "an option is neither on nor off");
    for (const qint32 value : {c.numColor, c.bkColor, c.boxColor})
        require(value >= 0 && value <= MaxColorValue, "a colour out of range");
    for (int slot = 0; slot < ScoreTables::SlotCount; ++slot) {
        for (int i = 0; i < ScoreTable::Size; ++i) {
            const ScoreEntry& e = scores.table(slot).entry(i);
            require(e.moves >= 0, "a result of negative moves");
            s += QString::asprintf("; %d ", e.moves) + e.name;
        }
    }
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_settings";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("quadrello.conf")));
    require(file.open(QIODevice::WriteOnly) &&
                file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size),
            "cannot write the settings file");
    file.close();

    QString held;
    {
        QSettingsStore store(folder.path());
        const StartOptions o = readOptions(store);
        const ColorValues c = readColors(store);
        ScoreTables scores(store);
        scores.read();
        // Start-up shows the saved options by toggling each once; G toggles the grid back.
        const qint16 gridOff = o.gridOff, numOff = qint16(1 - o.numOff);
        scores.rank(2, qint16(1 + size % 200));
        scores.storeName(2, QStringLiteral("Fuzz"));
        held = shown(o, c, scores, 1);
        saveColors(store, c.numColor, c.bkColor, c.boxColor);
        saveOptions(store, gridOff, numOff, o.autoScramble);
        scores.save();
        store.flush();
    }
    const QStringList left =
        QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    require(left == QStringList{QStringLiteral("quadrello.conf")},
            "the folder holds more than the settings file");
    QSettingsStore again(folder.path());
    ScoreTables scores(again);
    scores.read();
    const QString read = shown(readOptions(again), readColors(again), scores, 0);
    if (read != held)
        qFatal("the saved file reads as\n%s\nnot as the game held it:\n%s", qPrintable(read),
               qPrintable(held));
    return 0;
}
