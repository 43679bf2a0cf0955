#include "cupdaterdialog.h"

#include "copytree.h"
#include "platform/process.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

CUpdaterDialog::CUpdaterDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Velmar Patchwell"));
    setObjectName(QStringLiteral("102"));

    auto *icon = new QLabel(this);
    icon->setPixmap(windowIcon().isNull()
                        ? style()->standardIcon(QStyle::SP_BrowserReload).pixmap(32, 32)
                        : windowIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    m_line1 =
        new QLabel(tr("Sono stati scaricati degli aggiornamenti dal server. Premere Avvia"), this);
    m_line1->setObjectName(QStringLiteral("1001"));
    m_line2 = new QLabel(tr("per iniziare l'aggiornamento dell'applicazione."), this);
    m_line2->setObjectName(QStringLiteral("1000"));
    m_line2->setMinimumWidth(360);
    m_start = new QPushButton(tr("&Avvia"), this);
    m_start->setObjectName(QStringLiteral("1002"));
    m_start->setDefault(true);
    m_start->setAutoDefault(true);
    m_restart = new QCheckBox(tr("&Riavvia l'applicazione al termine dell'aggiornamento"), this);
    m_restart->setObjectName(QStringLiteral("1003"));
    m_restart->setChecked(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 2, 1);
    grid->addWidget(m_line1, 0, 1);
    grid->addWidget(m_line2, 1, 1);
    grid->addWidget(m_restart, 2, 1);
    grid->addWidget(m_start, 3, 1, Qt::AlignRight);
    grid->setColumnStretch(1, 1);

    connect(m_start, &QPushButton::clicked, this, &CUpdaterDialog::OnStart);
}

bool CUpdaterDialog::restartChecked() const
{
    return m_restart->isChecked();
}

void CUpdaterDialog::OnStart()
{
    m_start->setEnabled(false);
    m_restart->setEnabled(false);
    m_line1->setText(tr("Velmar Patchwell sta aggiornando l'applicazione"));
    m_line2->clear();
    QApplication::processEvents();

    updater::CopyTree(QStringLiteral("Patchwell"), QString(),
                      [this](const QString &name, const QString &destination) {
                          m_line2->setText(
                              tr("Copia di '%1' in '%2' in corso...").arg(name, destination));
                          QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                      });

    const QString post = QStringLiteral("PostPatchwell.vbs");
    if (QFileInfo::exists(post))
        platform::startProgram(QFileInfo(post).absoluteFilePath());
    accept();
}
