#include "testgrids.h"

#include "game/fieldview.h"
#include "game/frmfield.h"
#include "game/gamerecord.h"
#include "game/labelbutton.h"

#include "platform/messagebox.h"
#include "platform/paths.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace game;
using namespace game::test;

namespace {

class FieldWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        platform::setProgramFolder(m_folder.path());
    }
    void TearDown() override
    {
        platform::setProgramFolder({});
        platform::ui::setDialogResponder({});
    }
    // A window whose draws all give 0: every tile red and normal.
    std::unique_ptr<frmField> makeWindow()
    {
        auto random = std::make_unique<ScriptedRandom>();
        auto window = std::make_unique<frmField>(std::move(random));
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }
    static void press(frmField &window, Qt::Key key) { QTest::keyClick(&window, key); }

    QTemporaryDir m_folder;
};

TEST_F(FieldWindowTest, KeysStartPauseAndCancelAGame)
{
    auto window = makeWindow();
    const GameSession &session = window->session();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rubblefall"));
    EXPECT_TRUE(session.isDemoRunning());
    EXPECT_TRUE(window->startAction()->isEnabled());
    EXPECT_FALSE(window->pauseAction()->isEnabled());
    EXPECT_FALSE(window->cancelAction()->isEnabled());

    press(*window, Qt::Key_F2);
    EXPECT_TRUE(session.isPlaying());
    EXPECT_FALSE(session.isDemoRunning());
    EXPECT_FALSE(window->startAction()->isEnabled());
    EXPECT_TRUE(window->pauseAction()->isEnabled());
    for (int difficulty = Beginner; difficulty <= Expert; ++difficulty)
        EXPECT_FALSE(window->difficultyAction(difficulty)->isEnabled()) << difficulty;

    press(*window, Qt::Key_F3);
    EXPECT_TRUE(session.isPaused());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rubblefall [in pausa]"));
    EXPECT_EQ(session.banner(), Banner::Pause);
    press(*window, Qt::Key_F3);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rubblefall"));

    press(*window, Qt::Key_F4);
    EXPECT_FALSE(session.isPlaying());
    EXPECT_TRUE(session.isDemoRunning());
    EXPECT_EQ(session.level(), 0);
    EXPECT_TRUE(window->difficultyAction(Expert)->isEnabled());
}

TEST_F(FieldWindowTest, LabelsFollowTheGame)
{
    auto window = makeWindow();
    const auto labelsText = [&window] {
        QStringList texts;
        for (const QLabel *label : window->findChildren<QLabel *>())
            texts << label->text();
        return texts;
    };
    EXPECT_TRUE(labelsText().contains(QStringLiteral("0/32")));
    EXPECT_TRUE(labelsText().contains(QStringLiteral("Intermedio")));
    window->difficultyAction(Beginner)->trigger();
    EXPECT_TRUE(labelsText().contains(QStringLiteral("Principiante")));
    EXPECT_TRUE(window->difficultyAction(Beginner)->isChecked());
    press(*window, Qt::Key_F2);
    EXPECT_TRUE(labelsText().contains(QStringLiteral("1/32")));
    EXPECT_TRUE(labelsText().contains(QStringLiteral("20")));
}

TEST_F(FieldWindowTest, AClickOnTheWellScoresAndFloatsTheText)
{
    auto window = makeWindow();
    window->difficultyAction(Beginner)->trigger();
    press(*window, Qt::Key_F2);
    auto *field = window->findChild<FieldView *>();
    ASSERT_NE(field, nullptr);
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(30, 280));
    EXPECT_EQ(window->session().score(), 5000) << "36 red tiles in one group";
    EXPECT_TRUE(field->isShowingWipe());
    auto *floating = window->findChild<FloatLabel *>();
    ASSERT_NE(floating, nullptr);
    EXPECT_TRUE(floating->isVisible());
    EXPECT_EQ(floating->text(), QStringLiteral("BONUS EXTRA! +5000"));
    EXPECT_EQ(floating->pos(), field->pos() + QPoint(30, 280 - 32));
    EXPECT_TRUE(QTest::qWaitFor([field] { return !field->isShowingWipe(); }));
    EXPECT_TRUE(QTest::qWaitFor([floating] { return !floating->isVisible(); }));
}

TEST_F(FieldWindowTest, RecordIsSavedOnCloseAndReadAtStart)
{
    {
        auto window = makeWindow();
        window->difficultyAction(Expert)->trigger();
        press(*window, Qt::Key_F2);
        QTest::mouseClick(window->findChild<FieldView *>(), Qt::LeftButton, {}, QPoint(30, 280));
        window->close();
    }
    EXPECT_EQ(loadRecord(m_folder.filePath(QStringLiteral("Rubblefall.dat"))),
              (GameRecord{Expert, 5000}));
    auto window = makeWindow();
    EXPECT_EQ(window->session().difficulty(), Expert);
    EXPECT_EQ(window->session().hiScore(), 5000);
    EXPECT_TRUE(window->difficultyAction(Expert)->isChecked());
}

TEST_F(FieldWindowTest, DamagedRecordStartsWithTheDefaults)
{
    QFile file(m_folder.filePath(QStringLiteral("Rubblefall.dat")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xff\xfe garbage");
    file.close();
    auto window = makeWindow();
    EXPECT_EQ(window->session().difficulty(), Intermediate);
    EXPECT_EQ(window->session().hiScore(), 0);
}

TEST_F(FieldWindowTest, F1ShowsTheRulesAndChiudiClosesThem)
{
    auto window = makeWindow();
    QString title;
    int icons = 0;
    platform::ui::setDialogResponder([&](QDialog &dialog) {
        title = dialog.windowTitle();
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            icons += label->pixmap().isNull() ? 0 : 1;
        dialog.show();
        auto *close = dialog.findChild<LabelButton *>();
        EXPECT_NE(close, nullptr);
        if (close)
            QTest::mouseClick(close, Qt::LeftButton);
        return dialog.result();
    });
    press(*window, Qt::Key_F1);
    EXPECT_EQ(title, QStringLiteral("How to Play Rubblefall"));
    EXPECT_EQ(icons, 9);
}

} // namespace
