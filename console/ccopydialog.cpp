#include "ccopydialog.h"

#include "copyanimation.h"
#include "elidedlabel.h"
#include "platform/messagebox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The bar works in ten-thousandths: a byte count may not fit its int range.
constexpr int progressSteps = 10000;

} // namespace

CCopyDialog::CCopyDialog(CopyJob job, QWidget *parent)
    : QDialog(parent), m_job(std::move(job)),
      m_animation(new CopyAnimation(CopyAnimation::Kind::Searching, this)),
      m_current(new ElidedLabel(this)), m_source(new ElidedLabel(this)),
      m_destination(new ElidedLabel(this)), m_progress(new QProgressBar(this)),
      m_timer(new QTimer(this))
{
    setWindowTitle(tr("Copia in corso..."));
    setObjectName(QStringLiteral("144"));
    m_animation->setObjectName(QStringLiteral("1021"));
    m_current->setObjectName(QStringLiteral("1023"));
    m_source->setObjectName(QStringLiteral("1024"));
    m_destination->setObjectName(QStringLiteral("1025"));
    m_progress->setObjectName(QStringLiteral("1022"));
    m_timer->setObjectName(QString::number(timerId));

    m_current->setFullText(tr("ricerca delle informazioni..."));
    m_source->setFullText(m_job.sourceFolder());
    m_destination->setFullText(m_job.destinationFolder());
    m_progress->setRange(0, progressSteps);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    auto *folders = new QGridLayout;
    folders->addWidget(new QLabel(tr("Da:"), this), 0, 0);
    folders->addWidget(m_source, 0, 1);
    folders->addWidget(new QLabel(tr("A:"), this), 1, 0);
    folders->addWidget(m_destination, 1, 1);
    folders->setColumnStretch(1, 1);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *cancel = buttons->addButton(tr("Annulla"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("2"));
    connect(cancel, &QPushButton::clicked, this, [this] { done(Rejected); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_animation, 0, Qt::AlignHCenter);
    layout->addWidget(m_current);
    layout->addLayout(folders);
    layout->addWidget(m_progress);
    layout->addWidget(buttons);
    setMinimumWidth(420);

    connect(m_timer, &QTimer::timeout, this, &CCopyDialog::tick);
}

void CCopyDialog::setIntervalsMs(int firstDelay, int period)
{
    m_firstDelayMs = firstDelay;
    m_periodMs = period;
}

void CCopyDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    m_timer->start(m_firstDelayMs);
}

void CCopyDialog::done(int result)
{
    m_timer->stop();
    QDialog::done(result);
}

void CCopyDialog::tick()
{
    if (m_inTick)
        return;
    m_inTick = true;
    if (m_firstTick) {
        m_firstTick = false;
        m_animation->setKind(CopyAnimation::Kind::Copying);
        m_timer->start(m_periodMs);
    }
    if (m_job.atEnd()) {
        m_inTick = false;
        done(Accepted);
        return;
    }
    const QString name = m_job.currentName();
    m_current->setFullText(name);
    const CopyJob::Step step = m_job.copyCurrent();
    if (step.reportFailure) {
        const auto answer = platform::ui::messageBox(this, CopyJob::failureQuestion(name), {},
                                                     platform::ui::Buttons::YesNoCancel,
                                                     platform::ui::Icon::Warning);
        if (answer == platform::ui::Answer::Yes) {
            CopyJob::setReportCopyErrors(false);
        } else if (answer == platform::ui::Answer::Cancel) {
            m_inTick = false;
            done(Rejected);
            return;
        }
    }
    m_doneBytes += step.bytes;
    if (m_job.totalBytes() > 0)
        m_progress->setValue(static_cast<int>(m_doneBytes * progressSteps / m_job.totalBytes()));
    m_job.advance();
    m_inTick = false;
    if (m_job.atEnd())
        done(Accepted);
}
