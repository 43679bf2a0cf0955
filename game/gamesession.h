#pragma once

#include "fieldrules.h"
#include "tilegrid.h"

#include <QObject>
#include <QPointF>
#include <QString>

namespace game {

class RandomSource;

// The pictures shown over the field.
enum class Banner
{
    None,
    GameOver,       // "Partita Finita"
    Pause,          // "Pausa"
    LevelPassed,    // "Livello Superato"
    Congratulations // "Complimenti"
};

// The three difficulties; they set the game clock.
enum Difficulty : int
{
    Beginner = 0,     // Principiante, 500 ms
    Intermediate = 1, // Intermedio, 250 ms
    Expert = 2        // Esperto, 100 ms
};

// What a click on the field earned.
struct ClickOutcome
{
    PlayResult play;
    int points = 0;
    QString text; // the floating text, empty when nothing was earned
};

// One game of Rubblefall without its window: the grid, the score, the level
// and the steps of a game. The window owns the timers and calls clockTick(),
// demoTick() and the level-end steps while isClockRunning(), isDemoRunning()
// and levelEndStage() say so; it redraws on fieldChanged() and updates its
// labels, menus, caption and banners on stateChanged().
//
// States: demonstration -> playing (doGameStart) <-> paused -> level end
// (filling, then the banner) -> next level, or stopped (game over, or all 32
// levels passed) -> playing again. cancelGame() returns to the demonstration.
class GameSession : public QObject
{
    Q_OBJECT
public:
    static constexpr int lastLevel = 32;
    static constexpr int levelEndFillMs = 5;
    static constexpr int levelEndBannerMs = 2000;
    static constexpr int demoTickMs = 100;
    static constexpr int fillerPoints = 10;

    enum class LevelEnd
    {
        None,
        Filling, // call levelEndStep() until it returns false
        Banner   // "Livello Superato" is up; call finishLevelEnd()
    };

    explicit GameSession(RandomSource &random, QObject *parent = nullptr);

    [[nodiscard]] const TileGrid &grid() const { return m_grid; }
    [[nodiscard]] bool isDemoMode() const { return m_demoMode; }
    [[nodiscard]] int level() const { return m_level; }
    [[nodiscard]] int difficulty() const { return m_difficulty; }
    [[nodiscard]] bool isPaused() const { return m_paused; }
    [[nodiscard]] bool isPlaying() const { return m_playing; }
    [[nodiscard]] int score() const { return m_score; }
    [[nodiscard]] int hiScore() const { return m_hiScore; }
    [[nodiscard]] int nextSample() const { return m_nextSample; }
    [[nodiscard]] int rows() const { return m_rows; }
    [[nodiscard]] Banner banner() const { return m_banner; }
    [[nodiscard]] LevelEnd levelEndStage() const { return m_levelEnd; }
    // The game clock: runs while a game is played and not paused.
    [[nodiscard]] bool isClockRunning() const { return m_clockRunning; }
    [[nodiscard]] int clockIntervalMs() const;
    [[nodiscard]] bool isDemoRunning() const { return m_demoMode; }
    // Pause is offered while a game runs, but not during the level-end count.
    [[nodiscard]] bool canPause() const { return m_playing && m_levelEnd == LevelEnd::None; }
    // The rows a level needs: 20 at level 1, two more every five levels.
    [[nodiscard]] static int rowsOfLevel(int level);

    // Ignored while a game runs (the menu is disabled then).
    void setDifficulty(int difficulty);
    void setHiScore(int hiScore);
    // Ignored unless a game runs and the level-end count is not under way.
    void setPaused(bool paused);

    void doGameStart();
    // Ends the game: "Complimenti" at the last level, "Partita Finita" before.
    void doGameStop();
    // Back to the demonstration with an empty well.
    void doGameClear();
    // Stops the game and returns to the demonstration (menu "Annulla").
    void cancelGame();

    // One tick of the game clock: the next preview tile, or the rise of the
    // field when the preview row is full.
    void clockTick();
    // One tick of the demonstration.
    void demoTick();
    // A click at a pixel of the field; ignored unless the clock runs.
    ClickOutcome click(QPointF fieldPx);

    // The level-end count: one empty cell becomes grey filler and scores 10.
    // Returns false when the field is full (the banner is then shown).
    bool levelEndStep();
    // After the banner: the next level, or the stop after the last one.
    void finishLevelEnd();

signals:
    void fieldChanged();
    void stateChanged();
    void beep();

private:
    void setDemoMode(bool on);
    void setLevel(int level);
    void setPlaying(bool playing);
    void setScore(int score);
    void setNextSample(int nextSample);
    void setBanner(Banner banner);
    void setClockRunning(bool running);
    void clearScreen();
    void fillStartRows();
    void makePreviewTile(int slot);
    void doGameNextLevel();
    void doLevelComplete();

    RandomSource &m_random;
    TileGrid m_grid;
    bool m_demoMode = false;
    int m_level = 0;
    int m_difficulty = Intermediate;
    bool m_paused = false;
    bool m_playing = false;
    int m_score = 0;
    int m_hiScore = 0;
    int m_nextSample = 0;
    int m_rows = 0;
    Banner m_banner = Banner::None;
    LevelEnd m_levelEnd = LevelEnd::None;
    bool m_clockRunning = false;
};

} // namespace game
