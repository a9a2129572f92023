// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Bytes as the settings file: the game reads its options, colours and score tables, the player
// toggles the grid lines and ranks a 3x3 result, the game saves on exit, and the next start must
// read exactly what this run held, from a folder holding nothing but the file.
#include "reliability/stressgame.h"
#include "scores/scoretables.h"
#include "settings/colorsettings.h"
#include "settings/colorvalue.h"
#include "settings/options.h"
#include "settings/qsettingsstore.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// What the game shows of its settings, every value checked on the way; the grid option as it
// reads after `flipGrid` toggles.
QString shown(const StartOptions& o, const ColorValues& c, const ScoreTables& scores,
              int flipGrid) {
    bool valid = true;
    for (const int value : {o.gridOff, o.numOff, o.autoScramble})
        valid &= value == 0 || value == 1;
    for (const qint32 value : {c.numColor, c.bkColor, c.boxColor})
        valid &= value >= 0 && value <= MaxColorValue;
    QString s =
        QString::asprintf("grid %d numbers %d auto %d colours %d %d %d", o.gridOff ^ flipGrid,
                          o.numOff, o.autoScramble, c.numColor, c.bkColor, c.boxColor);
    for (int slot = 0; slot < ScoreTables::SlotCount; ++slot) {
        for (int i = 0; i < ScoreTable::Size; ++i) {
            const ScoreEntry& e = scores.table(slot).entry(i);
            valid &= e.moves >= 0;
            s += QString::asprintf("; %d ", e.moves) + e.name;
        }
    }
    if (!valid)
        qFatal("the game shows a value it cannot hold: %s", qPrintable(s));
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QTemporaryDir folder;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (written(folder.filePath(QStringLiteral("quadrello.conf")), bytes).isEmpty())
        qFatal("cannot write the settings file");

    QString held;
    {
        QSettingsStore store(folder.path());
        const StartOptions o = readOptions(store);
        const ColorValues c = readColors(store);
        ScoreTables scores(store);
        scores.read();
        scores.rank(2, qint16(1 + size % 200));
        scores.storeName(2, QStringLiteral("Fuzz"));
        held = shown(o, c, scores, 1);
        // Start-up shows the saved options by toggling each once; G toggles the grid back.
        saveColors(store, c.numColor, c.bkColor, c.boxColor);
        saveOptions(store, o.gridOff, qint16(1 - o.numOff), o.autoScramble);
        scores.save();
        store.flush();
    }
    if (QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot) !=
        QStringList{QStringLiteral("quadrello.conf")})
        qFatal("the folder holds more than the settings file");
    QSettingsStore again(folder.path());
    ScoreTables scores(again);
    scores.read();
    const QString read = shown(readOptions(again), readColors(again), scores, 0);
    if (read != held)
        qFatal("the saved file reads as\n%s\nnot as the game held it:\n%s", qPrintable(read),
               qPrintable(held));
    return 0;
}
