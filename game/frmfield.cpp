#include "frmfield.h"

#include "fieldview.h"
#include "frmabout.h"
#include "frmrules.h"
#include "gamelook.h"
#include "gamerecord.h"

#include "platform/messagebox.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

using game::GameSession;

namespace {

// The layout of the form, pixels of its client area.
constexpr QSize formSize(392, 410);
constexpr QPoint fieldAt(12, 78);
constexpr QPoint previewAt(12, 376);
constexpr int wipeShowMs = 50;

QString withoutMnemonic(QString text)
{
    return text.remove(u'&');
}

} // namespace

frmField::frmField(std::unique_ptr<game::RandomSource> random, QWidget *parent)
    : QMainWindow(parent),
      m_random(random ? std::move(random) : std::make_unique<game::SeededRandom>()),
      m_session(std::make_unique<GameSession>(*m_random)), m_pictures(qApp->devicePixelRatio())
{
    setWindowTitle(tr("Rubblefall"));

    auto *form = new QWidget(this);
    form->setFixedSize(formSize);
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, gamelook::formBack);
    form->setPalette(palette);
    form->setAutoFillBackground(true);
    setCentralWidget(form);

    auto *title = new QLabel(form);
    title->setPixmap(m_pictures.title());
    const QSize titleSize = m_pictures.title().deviceIndependentSize().toSize();
    title->setGeometry((formSize.width() - titleSize.width()) / 2, 7, titleSize.width(),
                       titleSize.height());

    m_field = new FieldView(*m_session, m_pictures, form);
    m_field->move(fieldAt);
    m_preview = new PreviewRow(*m_session, m_pictures, form);
    m_preview->move(previewAt);
    createLabels(form);

    m_tmrMove = new QTimer(this);
    m_tmrFloat = new QTimer(this);
    m_tmrFloat->setInterval(game::FloatingText::tickMs);
    m_tmrDemo = new QTimer(this);
    m_tmrDemo->setInterval(GameSession::demoTickMs);
    m_tmrLevelEnd = new QTimer(this);
    m_tmrLevelEnd->setInterval(GameSession::levelEndFillMs);
    m_tmrBanner = new QTimer(this);
    m_tmrBanner->setSingleShot(true);
    m_tmrBanner->setInterval(GameSession::levelEndBannerMs);
    m_tmrWipe = new QTimer(this);
    m_tmrWipe->setSingleShot(true);
    m_tmrWipe->setInterval(wipeShowMs);
    connect(m_tmrMove, &QTimer::timeout, this, &frmField::OnMoveTick);
    connect(m_tmrFloat, &QTimer::timeout, this, &frmField::OnFloatTick);
    connect(m_tmrDemo, &QTimer::timeout, m_session.get(), &GameSession::demoTick);
    connect(m_tmrLevelEnd, &QTimer::timeout, this, &frmField::OnLevelEndTick);
    connect(m_tmrBanner, &QTimer::timeout, m_session.get(), &GameSession::finishLevelEnd);
    connect(m_tmrWipe, &QTimer::timeout, m_field, &FieldView::showGrid);

    connect(m_session.get(), &GameSession::stateChanged, this, &frmField::OnStateChanged);
    connect(m_session.get(), &GameSession::fieldChanged, this, &frmField::OnFieldChanged);
    connect(m_session.get(), &GameSession::beep, this, [] { QApplication::beep(); });
    connect(m_field, &FieldView::released, this, &frmField::OnFieldReleased);

    createMenus();
    setFixedSize(sizeHint());

    const game::GameRecord record = game::loadRecord(game::recordPath());
    m_session->setDifficulty(record.difficulty);
    m_session->setHiScore(record.hiScore);
    m_session->doGameClear();
    OnStateChanged();
}

frmField::~frmField() = default;

void frmField::createMenus()
{
    QMenu *gameMenu = menuBar()->addMenu(tr("&Gioco"));
    m_start = gameMenu->addAction(tr("&Inizia"), this, &frmField::OnStart);
    m_start->setShortcut(Qt::Key_F2);
    m_pause = gameMenu->addAction(tr("Pa&usa"), this, &frmField::OnPause);
    m_pause->setShortcut(Qt::Key_F3);
    m_cancel = gameMenu->addAction(tr("&Annulla"), this, &frmField::OnCancel);
    m_cancel->setShortcut(Qt::Key_F4);
    gameMenu->addSeparator();
    gameMenu->addAction(tr("&Chiudi"), this, &QWidget::close);

    QMenu *difficultyMenu = menuBar()->addMenu(tr("&Difficoltà"));
    auto *group = new QActionGroup(this);
    const QString names[] = {tr("&Principiante"), tr("&Intermedio"), tr("&Esperto")};
    for (int difficulty = game::Beginner; difficulty <= game::Expert; ++difficulty) {
        QAction *action = difficultyMenu->addAction(names[difficulty]);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, difficulty] { m_session->setDifficulty(difficulty); });
        m_difficulty[static_cast<std::size_t>(difficulty)] = action;
    }

    QMenu *infoMenu = menuBar()->addMenu(tr("&Informazioni"));
    QAction *rules =
        infoMenu->addAction(tr("Come si gioca a Rubblefall!"), this, &frmField::OnRules);
    rules->setShortcut(Qt::Key_F1);
    infoMenu->addAction(tr("Informazioni su Rubblefall!"), this, &frmField::OnAbout);
}

void frmField::createLabels(QWidget *form)
{
    using gamelook::applyLook;
    using gamelook::tahoma;
    const QFont captionFont = tahoma(12, true);
    const QFont smallCaptionFont = tahoma(9.75, true);
    const QFont valueFont = tahoma(9, true);

    const auto caption = [&](const QString &text, QRect geometry, const QFont &font) {
        auto *label = new QLabel(text, form);
        applyLook(label, font, gamelook::captionText);
        label->setGeometry(geometry);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    };
    const auto value = [&](QRect geometry, const QColor &colour) {
        auto *label = new QLabel(form);
        applyLook(label, valueFont, colour, gamelook::valueBack);
        label->setGeometry(geometry);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };

    caption(tr("Livello"), {304, 76, 80, 24}, captionFont);
    m_lblLevel = value({304, 94, 80, 16}, gamelook::levelText);
    m_lblLoD = value({304, 112, 80, 16}, gamelook::difficultyColour);
    caption(tr("Punti"), {304, 148, 80, 24}, captionFont);
    m_lblScore = value({304, 166, 80, 16}, gamelook::scoreText);
    caption(tr("Migliore"), {304, 198, 80, 24}, captionFont);
    m_lblHiScore = value({304, 216, 80, 16}, gamelook::hiScoreText);

    m_lblRows = new QLabel(form);
    applyLook(m_lblRows, tahoma(48, false), gamelook::captionText, gamelook::formBack);
    m_lblRows->setGeometry(304, 264, 80, 68);
    m_lblRows->setAlignment(Qt::AlignCenter);
    caption(tr("Righe Rimaste"), {304, 334, 80, 32}, smallCaptionFont);
    QLabel *next = caption(tr("< Prossima"), {302, 380, 73, 16}, smallCaptionFont);
    next->setWordWrap(false);
    next->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_lblFloat = new FloatLabel(form);
    m_lblFloat->setFont(valueFont);
    m_lblFloat->setText(tr("Floating Text"));
    m_lblFloat->move(104, 176);
    m_lblFloat->hide();
}

QString frmField::difficultyText() const
{
    return withoutMnemonic(m_difficulty[static_cast<std::size_t>(m_session->difficulty())]->text());
}

QAction *frmField::difficultyAction(int difficulty) const
{
    return m_difficulty.at(static_cast<std::size_t>(difficulty));
}

void frmField::OnStart()
{
    if (!m_session->isPlaying())
        m_session->doGameStart();
}

void frmField::OnPause()
{
    m_session->setPaused(!m_session->isPaused());
}

void frmField::OnCancel()
{
    m_session->cancelGame();
}

void frmField::OnRules()
{
    frmRules rules(m_pictures, this);
    platform::ui::execDialog(rules);
}

void frmField::OnAbout()
{
    frmAbout about(m_pictures, this);
    platform::ui::execDialog(about);
}

void frmField::OnFieldReleased(QPointF pos)
{
    // While the removed tiles still sparkle the well shows the old field:
    // a click there would aim at tiles that have already moved.
    if (m_field->isShowingWipe())
        return;
    const game::TileGrid before = m_session->grid();
    const game::ClickOutcome outcome = m_session->click(pos);
    if (!outcome.play.wiped.empty()) {
        m_field->showWipe(before, outcome.play.wiped);
        m_tmrWipe->start();
    }
    if (!outcome.text.isEmpty())
        showFloatText(outcome.text, (m_field->pos() + pos).toPoint() - QPoint(0, 32));
}

void frmField::showFloatText(const QString &text, QPoint pos)
{
    m_float.start(text, pos);
    m_lblFloat->setText(text);
    updateFloatLabel();
    m_tmrFloat->start();
}

void frmField::OnFloatTick()
{
    if (!m_float.tick())
        m_tmrFloat->stop();
    updateFloatLabel();
}

void frmField::updateFloatLabel()
{
    m_lblFloat->move(m_float.pos());
    m_lblFloat->setGrey(m_float.grey());
    m_lblFloat->setVisible(m_float.isVisible());
    m_lblFloat->raise();
}

void frmField::OnMoveTick()
{
    m_session->clockTick();
}

void frmField::OnLevelEndTick()
{
    m_session->levelEndStep();
}

void frmField::OnFieldChanged()
{
    m_field->showGrid();
    m_preview->update();
}

void frmField::OnStateChanged()
{
    const GameSession &s = *m_session;
    m_lblLevel->setText(tr("%1/%2").arg(s.level()).arg(GameSession::lastLevel));
    m_lblLoD->setText(difficultyText());
    m_lblScore->setText(QString::number(s.score()));
    m_lblHiScore->setText(QString::number(s.hiScore()));
    m_lblRows->setText(QString::number(s.rows()));

    m_start->setEnabled(!s.isPlaying());
    m_pause->setEnabled(s.canPause());
    m_cancel->setEnabled(s.isPlaying());
    for (int difficulty = game::Beginner; difficulty <= game::Expert; ++difficulty) {
        QAction *action = m_difficulty[static_cast<std::size_t>(difficulty)];
        action->setEnabled(!s.isPlaying());
        action->setChecked(difficulty == s.difficulty());
    }
    setWindowTitle(s.isPaused() ? tr("Rubblefall") + tr(" [in pausa]") : tr("Rubblefall"));
    m_field->update();
    syncTimers();
}

void frmField::syncTimers()
{
    const GameSession &s = *m_session;
    if (m_tmrMove->interval() != s.clockIntervalMs())
        m_tmrMove->setInterval(s.clockIntervalMs());
    if (s.isClockRunning() != m_tmrMove->isActive())
        s.isClockRunning() ? m_tmrMove->start() : m_tmrMove->stop();
    if (s.isDemoRunning() != m_tmrDemo->isActive())
        s.isDemoRunning() ? m_tmrDemo->start() : m_tmrDemo->stop();
    const bool filling = s.levelEndStage() == GameSession::LevelEnd::Filling;
    if (filling != m_tmrLevelEnd->isActive())
        filling ? m_tmrLevelEnd->start() : m_tmrLevelEnd->stop();
    const bool banner = s.levelEndStage() == GameSession::LevelEnd::Banner;
    if (!banner)
        m_tmrBanner->stop();
    else if (!m_tmrBanner->isActive())
        m_tmrBanner->start();
}

void frmField::closeEvent(QCloseEvent *event)
{
    // A record that cannot be written (a read-only program folder) is let go.
    game::saveRecord(game::recordPath(), {m_session->difficulty(), m_session->hiScore()});
    event->accept();
}
