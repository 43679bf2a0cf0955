#include "statusbar.h"

#include "commandids.h"
#include "lockkeys.h"

#include <QLabel>
#include <QTimer>

namespace toolkit {

namespace {

constexpr int indicatorIntervalMs = 300;

bool isIndicator(int id)
{
    return id == cmd::IndicatorCaps || id == cmd::IndicatorNum || id == cmd::IndicatorScroll;
}

} // namespace

StatusBar::StatusBar(QWidget *parent) : QStatusBar(parent), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("StatusBar"));
    m_timer->setInterval(indicatorIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &StatusBar::updateIndicators);
}

void StatusBar::setIndicators(const QList<int> &paneIds)
{
    for (QLabel *label : std::as_const(m_labels)) {
        if (label) {
            removeWidget(label);
            label->deleteLater();
        }
    }
    m_labels.clear();
    m_ids = paneIds;
    bool anyIndicator = false;
    for (int id : paneIds) {
        if (id == 0) {
            m_labels.append(nullptr);
            continue;
        }
        auto *label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        if (id == cmd::IndicatorCaps)
            label->setText(tr("CAP"));
        else if (id == cmd::IndicatorNum)
            label->setText(tr("NUM"));
        else if (id == cmd::IndicatorScroll)
            label->setText(tr("SCRL"));
        if (isIndicator(id)) {
            anyIndicator = true;
            label->setMinimumWidth(label->sizeHint().width());
            label->setEnabled(false);
        }
        addPermanentWidget(label);
        m_labels.append(label);
    }
    if (anyIndicator) {
        updateIndicators();
        m_timer->start();
    } else {
        m_timer->stop();
    }
}

void StatusBar::setPaneText(int index, const QString &text)
{
    if (index < 0 || index >= m_ids.size())
        return;
    if (QLabel *label = m_labels[index])
        label->setText(text);
    else
        showMessage(text);
}

QString StatusBar::paneText(int index) const
{
    if (index < 0 || index >= m_ids.size())
        return {};
    if (const QLabel *label = m_labels[index])
        return label->text();
    return currentMessage();
}

void StatusBar::setPaneWidth(int index, int widthPx)
{
    if (QLabel *label = m_labels.value(index))
        label->setMinimumWidth(widthPx);
}

bool StatusBar::isIndicatorOn(int index) const
{
    const QLabel *label = m_labels.value(index);
    return label && isIndicator(m_ids[index]) && label->isEnabled();
}

void StatusBar::updateIndicators()
{
    const std::optional<LockKeys> keys = readLockKeys();
    for (qsizetype i = 0; i < m_ids.size(); ++i) {
        QLabel *label = m_labels[i];
        if (!label || !isIndicator(m_ids[i]))
            continue;
        bool on = false;
        if (keys) {
            on = m_ids[i] == cmd::IndicatorCaps  ? keys->caps
                 : m_ids[i] == cmd::IndicatorNum ? keys->num
                                                 : keys->scroll;
        }
        label->setEnabled(on);
    }
}

} // namespace toolkit
