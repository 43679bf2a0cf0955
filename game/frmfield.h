#pragma once

#include "floatingtext.h"
#include "gamesession.h"
#include "randomsource.h"
#include "tilepictures.h"

#include <QMainWindow>

#include <array>
#include <memory>

class FieldView;
class FloatLabel;
class PreviewRow;
class QAction;
class QLabel;
class QTimer;

// The game window: the well, the preview row, the labels on the right, the
// menus and the timers. It passes clicks and timer ticks to its GameSession
// and shows what the session reports. The record is read when the window is
// made and written when it closes.
class frmField : public QMainWindow
{
    Q_OBJECT
public:
    // The random source feeds every draw of the game (tests script it).
    explicit frmField(std::unique_ptr<game::RandomSource> random = nullptr,
                      QWidget *parent = nullptr);
    ~frmField() override;

    [[nodiscard]] const game::GameSession &session() const { return *m_session; }
    [[nodiscard]] const TilePictures &pictures() const { return m_pictures; }

    // The menu commands by their names, for the keyboard map and for tests.
    [[nodiscard]] QAction *startAction() const { return m_start; }
    [[nodiscard]] QAction *pauseAction() const { return m_pause; }
    [[nodiscard]] QAction *cancelAction() const { return m_cancel; }
    [[nodiscard]] QAction *difficultyAction(int difficulty) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void OnStart();
    void OnPause();
    void OnCancel();
    void OnRules();
    void OnAbout();
    void OnFieldReleased(QPointF pos);
    void OnMoveTick();
    void OnFloatTick();
    void OnLevelEndTick();
    void OnStateChanged();
    void OnFieldChanged();

private:
    void createMenus();
    void createLabels(QWidget *form);
    void showFloatText(const QString &text, QPoint pos);
    void updateFloatLabel();
    [[nodiscard]] QString difficultyText() const;
    void syncTimers();

    std::unique_ptr<game::RandomSource> m_random;
    std::unique_ptr<game::GameSession> m_session;
    TilePictures m_pictures;
    game::FloatingText m_float;

    FieldView *m_field = nullptr;
    PreviewRow *m_preview = nullptr;
    QLabel *m_lblLevel = nullptr;
    QLabel *m_lblLoD = nullptr;
    QLabel *m_lblScore = nullptr;
    QLabel *m_lblHiScore = nullptr;
    QLabel *m_lblRows = nullptr;
    FloatLabel *m_lblFloat = nullptr;

    QAction *m_start = nullptr;
    QAction *m_pause = nullptr;
    QAction *m_cancel = nullptr;
    std::array<QAction *, 3> m_difficulty{};

    QTimer *m_tmrMove = nullptr;
    QTimer *m_tmrFloat = nullptr;
    QTimer *m_tmrDemo = nullptr;
    QTimer *m_tmrLevelEnd = nullptr; // one filler cell per tick
    QTimer *m_tmrBanner = nullptr;   // how long "Livello Superato" stays
    QTimer *m_tmrWipe = nullptr;     // how long removed tiles sparkle
};
