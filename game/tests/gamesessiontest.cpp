#include "testgrids.h"

#include "game/gamesession.h"

#include <gtest/gtest.h>

using namespace game;
using namespace game::test;

namespace {

QPointF centreOf(int col, int row)
{
    return {(col - 1) * 24 + 12.0, (row - 1) * 24 + 12.0};
}

class GameSessionTest : public ::testing::Test
{
protected:
    // Scripts the start rows of level 1 (colours red and green), bottom row
    // first, each row from column 1; the tiles given here are the bottom ones.
    void scriptStartRows(const std::vector<std::string> &bottomUp)
    {
        for (const std::string &row : bottomUp) {
            ASSERT_EQ(row.size(), 12u);
            for (const char tile : row)
                scriptTile(random, tile, Red);
        }
    }
    // Plays the current level to its end with every tile of one colour: each
    // time tiles are in the well, one click clears them all.
    int playLevelThrough()
    {
        int clicks = 0;
        while (session.isClockRunning()) {
            if (!session.grid().isFieldEmpty()) {
                session.click(centreOf(firstTileColumn(), 12));
                ++clicks;
            }
            session.clockTick();
        }
        return clicks;
    }
    int firstTileColumn() const
    {
        for (int col = 1; col <= 12; ++col) {
            if (!session.grid().isEmptyCell(col, 12))
                return col;
        }
        return 1;
    }
    void finishLevelEnd()
    {
        while (session.levelEndStep()) {
        }
        session.finishLevelEnd();
    }

    ScriptedRandom random;
    GameSession session{random};
};

TEST_F(GameSessionTest, StartFillsRowsByDifficultyAndStartsTheClock)
{
    const int expectedRows[] = {3, 4, 5};
    const int intervals[] = {500, 250, 100};
    for (int difficulty = Beginner; difficulty <= Expert; ++difficulty) {
        session.setDifficulty(difficulty);
        random.push({10, 1}); // the first start tile: a bomb, coloured green
        session.doGameStart();
        EXPECT_EQ(session.clockIntervalMs(), intervals[difficulty]);
        EXPECT_TRUE(session.isPlaying());
        EXPECT_TRUE(session.isClockRunning());
        EXPECT_FALSE(session.isDemoRunning());
        EXPECT_EQ(session.level(), 1);
        EXPECT_EQ(session.rows(), 20);
        EXPECT_EQ(session.grid().emptyCellCount(), 144 - 12 * expectedRows[difficulty]);
        EXPECT_TRUE(session.grid().isRowEmpty(12 - expectedRows[difficulty]));
        EXPECT_EQ(session.grid().cellKind(1, 12), TileKind::Bomb);
        EXPECT_EQ(session.grid().cellColour(1, 12), Green) << "start tiles carry a colour";
        session.cancelGame();
    }
}

TEST_F(GameSessionTest, DifficultyIsLockedDuringAGame)
{
    session.doGameStart();
    session.setDifficulty(Expert);
    EXPECT_EQ(session.difficulty(), Intermediate);
    session.cancelGame();
    session.setDifficulty(Expert);
    EXPECT_EQ(session.difficulty(), Expert);
}

TEST_F(GameSessionTest, GroupsScoreTheSquareOfTheirSize)
{
    session.setDifficulty(Beginner);
    // From the bottom: a group of 4 (columns 1-4), of 3 (6-8) and a pair (10-11),
    // each walled in by green.
    scriptStartRows({"rrrrgrrrgrrg", "ggggrgggrggg", "grgrgrgrgrgr"});
    session.doGameStart();
    int beeps = 0;
    QObject::connect(&session, &GameSession::beep, [&beeps] { ++beeps; });

    ClickOutcome pair = session.click(centreOf(10, 12));
    EXPECT_EQ(pair.points, 0);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(session.grid().cellColour(10, 12), Red) << "a pair stays";

    ClickOutcome three = session.click(centreOf(7, 12));
    EXPECT_EQ(three.points, 9);
    EXPECT_EQ(three.text, QStringLiteral("+9"));
    ClickOutcome four = session.click(centreOf(2, 12));
    EXPECT_EQ(four.points, 16);
    EXPECT_EQ(four.text, QStringLiteral("+16"));
    EXPECT_EQ(session.score(), 25);
    EXPECT_EQ(session.hiScore(), 25);
    EXPECT_EQ(beeps, 1);
}

TEST_F(GameSessionTest, ClearingTheLastTileScoresTheBonus)
{
    session.setDifficulty(Beginner);
    random.fallback = 0; // every start tile red
    session.doGameStart();
    const ClickOutcome outcome = session.click(centreOf(7, 10));
    EXPECT_EQ(outcome.points, 5000);
    EXPECT_EQ(outcome.text, QStringLiteral("BONUS EXTRA! +5000"));
    EXPECT_EQ(session.score(), 5000);
    EXPECT_TRUE(session.grid().isFieldEmpty());
    EXPECT_EQ(session.click(centreOf(7, 10)).points, 0) << "nothing left to earn";
}

TEST_F(GameSessionTest, ClicksOutsideTheFieldOrWhilePausedDoNothing)
{
    random.fallback = 0;
    session.doGameStart();
    EXPECT_EQ(session.click({-30, 280}).points, 0);
    EXPECT_EQ(session.click({300, 280}).points, 0);
    session.setPaused(true);
    EXPECT_EQ(session.banner(), Banner::Pause);
    EXPECT_FALSE(session.isClockRunning());
    EXPECT_EQ(session.click(centreOf(1, 12)).points, 0);
    const TileGrid before = session.grid();
    session.clockTick();
    EXPECT_EQ(session.grid(), before);
    session.setPaused(false);
    EXPECT_EQ(session.banner(), Banner::None);
    EXPECT_GT(session.click(centreOf(1, 12)).points, 0);
}

TEST_F(GameSessionTest, PauseIsIgnoredWithoutAGame)
{
    session.setPaused(true);
    EXPECT_FALSE(session.isPaused());
    EXPECT_EQ(session.banner(), Banner::None);
}

TEST_F(GameSessionTest, PreviewFillsOneSlotPerTickThenTheFieldRises)
{
    session.setDifficulty(Beginner);
    random.fallback = 0;
    session.doGameStart();
    random.push({10}); // the first preview tile is a bomb: no colour is drawn
    session.clockTick();
    EXPECT_EQ(session.grid().previewCell(1), TileGrid::encode(TileKind::Bomb, NoColour));
    for (int tick = 2; tick <= 12; ++tick)
        session.clockTick();
    EXPECT_EQ(session.nextSample(), 12);
    EXPECT_TRUE(session.grid().isRowEmpty(9));
    session.clockTick(); // the thirteenth tick of a level raises the first row
    EXPECT_EQ(session.rows(), 19);
    EXPECT_FALSE(session.grid().isRowEmpty(9));
    EXPECT_EQ(session.grid().cellKind(1, 12), TileKind::Bomb);
    EXPECT_EQ(session.nextSample(), 1);
    EXPECT_NE(session.grid().previewCell(1), 0) << "slot 1 is made at once";
    for (int tick = 1; tick <= 12; ++tick)
        session.clockTick();
    EXPECT_EQ(session.rows(), 18) << "then a row every 12 ticks";
}

TEST_F(GameSessionTest, ATileInTheTopRowEndsTheGameWhenTheFieldMustRise)
{
    session.setDifficulty(Expert);
    session.doGameStart();
    int ticks = 0;
    while (session.isPlaying() && ticks < 1000) {
        session.clockTick();
        ++ticks;
    }
    // Five start rows, seven rises fill the well, the eighth cannot happen.
    EXPECT_EQ(ticks, 13 + 12 * 7);
    EXPECT_EQ(session.banner(), Banner::GameOver);
    EXPECT_FALSE(session.isClockRunning());
    EXPECT_FALSE(session.isDemoRunning()) << "the field stays under the banner";
    EXPECT_FALSE(session.grid().isRowEmpty(1));
}

TEST_F(GameSessionTest, RowsPerLevel)
{
    EXPECT_EQ(GameSession::rowsOfLevel(0), 0);
    EXPECT_EQ(GameSession::rowsOfLevel(1), 20);
    EXPECT_EQ(GameSession::rowsOfLevel(4), 20);
    for (int level = 5; level <= 9; ++level)
        EXPECT_EQ(GameSession::rowsOfLevel(level), 22) << level;
    for (int level = 30; level <= 32; ++level)
        EXPECT_EQ(GameSession::rowsOfLevel(level), 32) << level;
}

TEST_F(GameSessionTest, LevelEndCountsTenPerEmptyCellAndTheScoreCarriesOver)
{
    random.fallback = 0;
    session.doGameStart();
    playLevelThrough();
    ASSERT_EQ(session.levelEndStage(), GameSession::LevelEnd::Filling);
    EXPECT_EQ(session.rows(), 0);
    const int empty = session.grid().emptyCellCount();
    const int before = session.score();
    session.setPaused(true);
    EXPECT_FALSE(session.isPaused()) << "no pause during the count";
    int steps = 0;
    while (session.levelEndStep())
        ++steps;
    EXPECT_EQ(steps, empty);
    EXPECT_EQ(session.score(), before + 10 * empty);
    EXPECT_EQ(session.grid().emptyCellCount(), 0);
    EXPECT_EQ(session.grid().cellKind(1, 1), TileKind::Filler);
    EXPECT_EQ(session.banner(), Banner::LevelPassed);

    session.finishLevelEnd();
    EXPECT_EQ(session.level(), 2);
    EXPECT_EQ(session.rows(), 20);
    EXPECT_EQ(session.score(), before + 10 * empty);
    EXPECT_EQ(session.banner(), Banner::None);
    EXPECT_TRUE(session.isClockRunning());
    EXPECT_EQ(session.grid().cellColour(1, 12), Green) << "level 2 plays green and blue";
}

TEST_F(GameSessionTest, AfterTheLastLevelTheGameStopsWithCongratulations)
{
    random.fallback = 0;
    session.setDifficulty(Expert);
    session.doGameStart();
    int lastScore = 0;
    for (int level = 1; level <= 32; ++level) {
        ASSERT_EQ(session.level(), level);
        ASSERT_GE(session.score(), lastScore);
        lastScore = session.score();
        playLevelThrough();
        ASSERT_EQ(session.levelEndStage(), GameSession::LevelEnd::Filling) << level;
        finishLevelEnd();
    }
    EXPECT_FALSE(session.isPlaying());
    EXPECT_EQ(session.level(), 32);
    EXPECT_EQ(session.banner(), Banner::Congratulations);
    EXPECT_EQ(session.hiScore(), session.score());
    EXPECT_FALSE(session.isClockRunning());
}

TEST_F(GameSessionTest, CancelReturnsToTheDemonstration)
{
    session.doGameStart();
    session.clockTick();
    session.cancelGame();
    EXPECT_FALSE(session.isPlaying());
    EXPECT_TRUE(session.isDemoRunning());
    EXPECT_EQ(session.level(), 0);
    EXPECT_EQ(session.score(), 0);
    EXPECT_EQ(session.banner(), Banner::None);
    EXPECT_TRUE(session.grid().isFieldEmpty());
    EXPECT_EQ(session.grid().previewCell(1), 0);
    session.demoTick();
    EXPECT_EQ(session.grid().emptyCellCount(), 143);
}

TEST_F(GameSessionTest, HiScoreKeepsTheBestAcrossGames)
{
    session.setHiScore(7000);
    session.setDifficulty(Beginner);
    random.fallback = 0;
    session.doGameStart();
    session.click(centreOf(1, 12));
    EXPECT_EQ(session.hiScore(), 7000);
    session.clockTick();
    session.cancelGame();
    EXPECT_EQ(session.hiScore(), 7000);
}

} // namespace
