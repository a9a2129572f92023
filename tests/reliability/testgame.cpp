#include "reliability/testgame.h"

#include "app/frmmain.h"
#include "board/boardview.h"
#include "board/tile.h"
#include "reliability/invariants.h"
#include "settings/frmcolor.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTest>

TestGame::TestGame(SettingsStore& store, unsigned seed) : random_(seed) {
    window_ = std::make_unique<frmmain>(
        frmmain::Services{store, random_,
                          [this](QWidget*, const QString&, const QStringList&) {
                              return files_.isEmpty() ? QString() : files_.dequeue();
                          },
                          [](QWidget*, const QString&) -> std::optional<QColor> {
                              return std::nullopt;
                          }});
    window_->show();
}

TestGame::~TestGame() = default;

Readings TestGame::readings() const {
    Readings r;
    const Tile* tile = window_->boardView(kSlot4x4)->cell(0);
    r.gridHidden = !tile->borderShown();
    r.numbersHidden = !tile->number()->isVisibleTo(tile);
    r.autoScramble = window_->findChild<QCheckBox*>(QStringLiteral("chkauto"))->isChecked();
    const frmcolor* colors = window_->colorWindow();
    r.colors = {colors->numColor(), colors->bkColor(), colors->boxColor()};
    for (unsigned s = 0; s < 3; ++s) {
        for (unsigned i = 0; i < 10; ++i) {
            const ScoreEntry& e = window_->scoreTables().table(int(s)).entry(int(i));
            r.moves[s][i] = e.moves;
            r.names[s][i] = e.name;
        }
    }
    return r;
}

QString TestGame::play() {
    if (QString fault = windowFault(*window_); !fault.isEmpty())
        return QStringLiteral("at start: ") + fault;
    QTest::keyClick(window_.get(), Qt::Key_S);
    if (window_->counters(kSlot4x4).scrambled != 1)
        return QStringLiteral("S did not start a game");
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}) {
        QTest::keyClick(window_.get(), key);
        if (QString fault = windowFault(*window_); !fault.isEmpty())
            return fault;
    }
    return {};
}

void TestGame::close() {
    window_->close();
}
