// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "board/board.h"
#include "board/gridgeometry.h"
#include "pictures/filechooser.h"
#include "play/gamecounters.h"
#include "scores/frmscore.h"
#include "scores/frmtopscores.h"
#include "scores/scoretables.h"
#include "settings/colorchooser.h"
#include "settings/colorsettings.h"
#include "settings/options.h"
#include "windows/frmabout.h"
#include "windows/frmhelp.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class BoardView;
class QAction;
class QCheckBox;
class QDragEnterEvent;
class QDropEvent;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class RandomSource;
class SettingsStore;
class frmcolor;
class frmpic;
class frmprefer;

// The main window: the three boards with their counters, the command buttons, the options
// panel and the menus. It owns the game state of the whole run and is the target of every
// command; its routines call the models, update the controls and hand the focus back to the
// board.
class frmmain : public QWidget {
    Q_OBJECT
public:
    // The platform pieces the game reaches for, handed in so tests can script them.
    struct Services {
        SettingsStore& store;
        RandomSource& random;
        FileChooser chooseFile;
        ColorChooser chooseColor;
    };

    explicit frmmain(Services services, QWidget* parent = nullptr);
    ~frmmain() override;

    // The command vocabulary of the game, called by buttons, keys, menus and other windows.
    void SetPics();
    void SetpicFocus();
    void Options();
    void Scramble();
    void Halt();
    void TimeMoveUpdate();
    void TimeMoves();
    void UnSorted();
    void GameEnd();
    void EndingGame();
    void Scores();
    void SaveScores();
    void TotScore();
    void LeastNames();
    void LeastMoves();
    void VisibleModeScore();
    void GetOptions();
    void GetColorSettings();
    void DefaultColor();
    void ColorSaveSettings();
    void UnloadSaveSettings();
    void Numbers();
    void Grid();
    void NumColor();
    void BkColor();
    void BoxColor();
    void LoadPic();

    // The slot of the board whose container is visible, and of the one that is also enabled
    // (-1 while play is halted).
    int shownSlot() const;
    int activeSlot() const;

    const Board& board(int slot) const { return boards_[static_cast<unsigned>(slot)]; }
    const GameCounters& counters(int slot) const { return games_[static_cast<unsigned>(slot)]; }
    QTimer* clock(int slot) const { return clocks_[static_cast<unsigned>(slot)]; }
    BoardView* boardView(int slot) const { return picmod_[static_cast<unsigned>(slot)]; }
    bool isHalted() const { return intHalt_ == 1; }
    const ScoreTables& scoreTables() const { return scores_; }
    frmcolor* colorWindow() const { return frmcolor_; }
    frmprefer* preferencesWindow() const { return frmprefer_; }
    frmscore* gameOverWindow() const { return frmscore_; }
    frmtopscores* topScoresWindow() const { return frmtopscores_; }
    frmpic* previewWindow() const { return frmpic_; }

    // One second of play on a grid: what its clock does every second.
    void clockTick(int slot);

signals:
    // The window has been closed and the settings saved: the program ends now.
    void unloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A picture file dropped anywhere on the window loads as if chosen with Load Pic.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void buildOptionsPanel(QWidget* client);
    void buildMenus();
    void connectCommands();
    void Form_Load();
    // Returns whether the active board acted on the key; with no active board no key does
    // anything.
    bool Form_KeyDown(int key);
    bool previewKey(QWidget* receiver, QKeyEvent* event);
    bool handleMouseButton(QObject* watched, QEvent* event);
    bool qualifiesForMarks(int slot) const;
    void startClock(int slot);
    void stopClock(int slot);
    void showCounters(int slot);
    void setCounterLabels(const QString& moves, const QString& seconds);
    void showSlot(int slot);
    void openPreferences();
    void preferencesOk();
    void preferencesCancel();
    void openTopScores();
    void openGameOverWindow();
    void openAbout();
    void openHelp();
    void showPreview(bool shown);
    // What a player who cannot see the board hears of it.
    QString boardStatus(int slot) const;
    void say(int slot, const QString& sentence);
    void sayMove(int slot, int tile);
    // Load Pic with the file that `choose` names (empty: none); returns whether it loaded.
    bool loadPicFrom(const std::function<QString()>& choose);

    Services services_;
    std::array<Board, kSlotCount> boards_{Board(5), Board(4), Board(3)};
    std::array<GameCounters, kSlotCount> games_{};
    std::array<BoardView*, kSlotCount> picmod_{};
    std::array<QTimer*, kSlotCount> clocks_{};
    std::int16_t intHalt_ = 0;
    std::int16_t intUnsortedShown_ = 0;
    std::int16_t intGridOff_ = 0;
    std::int16_t intNumOff_ = 0;
    OptionTexts optionTexts_;
    ColorTexts colorTexts_;
    ScoreTables scores_;

    QWidget* client_ = nullptr;
    QLabel* lblnummov_ = nullptr;
    QLabel* lbltimer_ = nullptr;
    QPushButton* cmdpic_ = nullptr;
    QPushButton* cmdviewpic_ = nullptr;
    QPushButton* cmdexit_ = nullptr;
    QPushButton* cmdunsorted_ = nullptr;
    QPushButton* cmdscram_ = nullptr;
    QPushButton* cmdhalt_ = nullptr;
    QPushButton* cmdset_ = nullptr;
    QGroupBox* fra1_ = nullptr;
    QToolButton* cmdclr_ = nullptr;
    QToolButton* cmdpfr_ = nullptr;
    QToolButton* cmdgrid_ = nullptr;
    QToolButton* cmdnum_ = nullptr;
    QCheckBox* chkauto_ = nullptr;
    QLabel* imgsam_ = nullptr;
    QAction* mnuoptions_ = nullptr;

    // Kept for the whole run once made: their state is part of the game.
    frmcolor* frmcolor_ = nullptr;
    frmprefer* frmprefer_ = nullptr;
    frmpic* frmpic_ = nullptr;
    // Thrown away when closed and built afresh.
    QPointer<frmscore> frmscore_;
    QPointer<frmtopscores> frmtopscores_;
    QPointer<frmAbout> frmAbout_;
    QPointer<frmHelp> frmHelp_;
    // The other windows in the order they were last shown: exit closes the latest first.
    QList<QPointer<QWidget>> openedWindows_;
};
