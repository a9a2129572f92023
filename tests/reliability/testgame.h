#pragma once

#include "reliability/documentedreadings.h"
#include "reliability/seededrandom.h"

#include <QQueue>
#include <QString>
#include <memory>

class SettingsStore;
class frmmain;

// The main window as the program builds it, on a store of the test's choosing, with a seeded
// random source, a file dialog that hands out the queued paths (then cancels) and a colour
// dialog that is always cancelled.
class TestGame {
public:
    TestGame(SettingsStore& store, unsigned seed);
    ~TestGame();

    frmmain& window() { return *window_; }
    QQueue<QString>& files() { return files_; }

    // The options, colours and score tables the window is using.
    Readings readings() const;
    // A scramble and a few arrow keys, as a player starts a game. Gives what went wrong, if
    // anything: the game's state must stay sound all along.
    QString play();
    // Closes the window the way the player does, which saves everything.
    void close();

private:
    SeededRandom random_;
    QQueue<QString> files_;
    std::unique_ptr<frmmain> window_;
};
