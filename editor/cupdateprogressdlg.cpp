#include "editor/cupdateprogressdlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>

CUpdateProgressDlg::CUpdateProgressDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_text(new QLabel(this)), m_status(new QLabel(QStringLiteral("0 %"), this)),
      m_bar(new QProgressBar(this))
{
    setWindowTitle(QStringLiteral("Velmar Domora Patchwell"));
    setModal(false);
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("348"));
    icon->setPixmap(style()->standardIcon(QStyle::SP_ArrowDown).pixmap(32, 32));
    m_text->setObjectName(QStringLiteral("1291"));
    m_text->setMinimumWidth(320);
    m_text->setTextFormat(Qt::PlainText);
    m_status->setObjectName(QStringLiteral("1004"));
    m_bar->setObjectName(QStringLiteral("1003"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(m_text, 0, 1);
    layout->addWidget(m_status, 1, 1);
    layout->addWidget(m_bar, 2, 1);
    layout->setColumnStretch(1, 1);
    resize(sizeHint());
}

void CUpdateProgressDlg::setText(const QString &text)
{
    m_text->setText(text);
}

void CUpdateProgressDlg::setStatus(const QString &status)
{
    m_status->setText(status);
}

void CUpdateProgressDlg::setPercent(int percent)
{
    m_bar->setValue(qBound(0, percent, 100));
}

QString CUpdateProgressDlg::text() const
{
    return m_text->text();
}

QString CUpdateProgressDlg::status() const
{
    return m_status->text();
}

int CUpdateProgressDlg::percent() const
{
    return m_bar->value();
}
