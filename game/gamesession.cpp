#include "gamesession.h"

#include "randomsource.h"
#include "tiledraw.h"

#include <array>

namespace game {

namespace {

constexpr std::array<int, 3> clockIntervalsMs = {500, 250, 100};
constexpr int N = TileGrid::fieldSize;

} // namespace

GameSession::GameSession(RandomSource &random, QObject *parent) : QObject(parent), m_random(random)
{
}

int GameSession::clockIntervalMs() const
{
    return clockIntervalsMs[static_cast<std::size_t>(m_difficulty)];
}

int GameSession::rowsOfLevel(int level)
{
    return level == 0 ? 0 : (level / 5) * 2 + 20;
}

void GameSession::setDifficulty(int difficulty)
{
    if (m_playing || difficulty < Beginner || difficulty > Expert || difficulty == m_difficulty)
        return;
    m_difficulty = difficulty;
    emit stateChanged();
}

void GameSession::setHiScore(int hiScore)
{
    if (hiScore == m_hiScore)
        return;
    m_hiScore = hiScore;
    emit stateChanged();
}

void GameSession::setPaused(bool paused)
{
    if (!canPause())
        return;
    m_paused = paused;
    m_clockRunning = !paused;
    if (paused)
        m_banner = Banner::Pause;
    else if (m_banner == Banner::Pause)
        m_banner = Banner::None;
    emit stateChanged();
}

void GameSession::setDemoMode(bool on)
{
    m_demoMode = on;
    m_grid.clearGrid();
    m_grid.resetPreview();
    emit fieldChanged();
    emit stateChanged();
}

void GameSession::setLevel(int level)
{
    m_level = level;
    m_rows = rowsOfLevel(level);
    emit stateChanged();
}

void GameSession::setPlaying(bool playing)
{
    m_playing = playing;
    emit stateChanged();
}

void GameSession::setScore(int score)
{
    m_score = score;
    if (m_score > m_hiScore)
        m_hiScore = m_score;
    emit stateChanged();
}

void GameSession::setNextSample(int nextSample)
{
    m_nextSample = nextSample;
    if (nextSample >= 1)
        makePreviewTile(nextSample);
    emit stateChanged();
}

void GameSession::setBanner(Banner banner)
{
    m_banner = banner;
    emit stateChanged();
}

void GameSession::setClockRunning(bool running)
{
    m_clockRunning = running;
    emit stateChanged();
}

void GameSession::clearScreen()
{
    m_grid.resetPreview();
    emit fieldChanged();
}

void GameSession::fillStartRows()
{
    const int top = 10 - m_difficulty;
    for (int row = N; row >= top; --row) {
        for (int col = 1; col <= N; ++col) {
            const TileKind kind = randomKind(m_level, m_random);
            const int colour = randomColour(m_level, m_random);
            m_grid.setCell(col, row, kind, colour);
        }
    }
    emit fieldChanged();
}

void GameSession::makePreviewTile(int slot)
{
    const TileKind kind = randomKind(m_level, m_random);
    const int colour = kind == TileKind::Normal ? randomColour(m_level, m_random) : NoColour;
    m_grid.setPreviewCell(slot, kind, colour);
    emit fieldChanged();
}

void GameSession::doGameStart()
{
    doGameClear();
    setDemoMode(false);
    setLevel(1);
    setPaused(false);
    setPlaying(true);
    setScore(0);
    fillStartRows();
    setClockRunning(true);
}

void GameSession::doGameNextLevel()
{
    setNextSample(0);
    setLevel(m_level + 1);
    setPaused(false);
    m_grid.clearGrid();
    fillStartRows();
    setClockRunning(true);
}

void GameSession::doGameStop()
{
    setPaused(false);
    m_levelEnd = LevelEnd::None;
    setPlaying(false);
    setClockRunning(false);
    setBanner(m_level < lastLevel ? Banner::GameOver : Banner::Congratulations);
}

void GameSession::doGameClear()
{
    setNextSample(0);
    setLevel(0);
    setScore(0);
    setBanner(Banner::None);
    clearScreen();
    setDemoMode(true);
}

void GameSession::cancelGame()
{
    if (!m_playing)
        return;
    doGameStop();
    doGameClear();
}

void GameSession::clockTick()
{
    if (!m_clockRunning)
        return;
    if (m_nextSample < N) {
        setNextSample(m_nextSample + 1);
        return;
    }
    --m_rows;
    emit stateChanged();
    if (m_rows <= 0) {
        doLevelComplete();
        return;
    }
    if (!riseField(m_grid)) {
        doGameStop();
        return;
    }
    emit fieldChanged();
    setNextSample(1);
}

void GameSession::demoTick()
{
    if (!m_demoMode)
        return;
    demoStep(m_grid, m_random);
    emit fieldChanged();
}

ClickOutcome GameSession::click(QPointF fieldPx)
{
    ClickOutcome outcome;
    if (!m_clockRunning)
        return outcome;
    const int x = qRound(fieldPx.x());
    const int y = qRound(fieldPx.y());
    if (x < 0 || y < 0)
        return outcome;
    outcome.play = playCell(m_grid, x / TileGrid::cellSizePx + 1, y / TileGrid::cellSizePx + 1);
    if (outcome.play.beep)
        emit beep();
    if (outcome.play.basis == 0)
        return outcome;
    emit fieldChanged();
    if (outcome.play.basis == fieldClearedBasis) {
        outcome.points = fieldClearedBasis;
        outcome.text = tr("BONUS EXTRA! +%1").arg(fieldClearedBasis);
    } else {
        outcome.points = outcome.play.basis * outcome.play.basis;
        outcome.text = tr("+%1").arg(outcome.points);
    }
    setScore(m_score + outcome.points);
    return outcome;
}

void GameSession::doLevelComplete()
{
    setClockRunning(false);
    m_levelEnd = LevelEnd::Filling;
    emit stateChanged();
}

bool GameSession::levelEndStep()
{
    if (m_levelEnd != LevelEnd::Filling)
        return false;
    CellPos pos;
    if (nextEmptyCell(m_grid, pos)) {
        m_grid.setCell(pos.col, pos.row, TileKind::Filler, NoColour);
        emit fieldChanged();
        setScore(m_score + fillerPoints);
        return true;
    }
    m_levelEnd = LevelEnd::Banner;
    setBanner(Banner::LevelPassed);
    return false;
}

void GameSession::finishLevelEnd()
{
    if (m_levelEnd != LevelEnd::Banner)
        return;
    m_levelEnd = LevelEnd::None;
    m_grid.clearGrid();
    clearScreen();
    setBanner(Banner::None);
    if (m_level < lastLevel)
        doGameNextLevel();
    else
        doGameStop();
}

} // namespace game
