#include "ccopydialog.h"

#include "copyanimation.h"
#include "elidedlabel.h"
#include "platform/messagebox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

// The bar works in ten-thousandths: a byte count may not fit its int range.
constexpr int progressSteps = 10000;

} // namespace

CCopyDialog::CCopyDialog(CopyJob job, QWidget *parent)
    : StepTimerDialog(parent), m_job(std::move(job)),
      m_animation(new CopyAnimation(CopyAnimation::Kind::Searching, this)),
      m_current(new ElidedLabel(this)), m_source(new ElidedLabel(this)),
      m_destination(new ElidedLabel(this)), m_progress(new QProgressBar(this))
{
    setIntervalsMs(firstDelayMs, periodMs);
    setWindowTitle(tr("Copia in corso..."));
    setObjectName(QStringLiteral("144"));
    m_animation->setObjectName(QStringLiteral("1021"));
    m_current->setObjectName(QStringLiteral("1023"));
    m_source->setObjectName(QStringLiteral("1024"));
    m_destination->setObjectName(QStringLiteral("1025"));
    m_progress->setObjectName(QStringLiteral("1022"));

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

    QDialogButtonBox *buttons = makeCancelButtons();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_animation, 0, Qt::AlignHCenter);
    layout->addWidget(m_current);
    layout->addLayout(folders);
    layout->addWidget(m_progress);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

void CCopyDialog::step()
{
    if (m_firstStep) {
        m_firstStep = false;
        m_animation->setKind(CopyAnimation::Kind::Copying);
    }
    if (m_job.atEnd()) {
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
            done(Rejected);
            return;
        }
    }
    m_doneBytes += step.bytes;
    if (m_job.totalBytes() > 0)
        m_progress->setValue(static_cast<int>(m_doneBytes * progressSteps / m_job.totalBytes()));
    m_job.advance();
    if (m_job.atEnd())
        done(Accepted);
}
