#include "editor/cdoctypedlg.h"

#include "editor/editingui.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CDocTypeDlg::CDocTypeDlg(QWidget *parent)
    : QDialog(parent), m_normal(new QRadioButton(tr("Documento &normale"), this)),
      m_placard(new QRadioButton(tr("Documento specifico per &cartello"), this)),
      m_fitSize(new QCheckBox(tr("Adatta le &dimensioni"), this)),
      m_fitBorders(new QCheckBox(tr("Adatta i &bordi"), this))
{
    setWindowTitle(tr("Modifica il tipo di documento"));
    m_normal->setObjectName(QStringLiteral("normal"));
    m_placard->setObjectName(QStringLiteral("placard"));
    m_fitSize->setObjectName(QStringLiteral("fitSize"));
    m_fitBorders->setObjectName(QStringLiteral("fitBorders"));
    m_normal->setChecked(true);
    m_fitSize->setChecked(true);
    m_fitBorders->setChecked(true);

    auto *group = new QGroupBox(tr("Tipo di documento"), this);
    auto *g = new QVBoxLayout(group);
    g->addWidget(m_normal);
    g->addWidget(m_placard);
    auto *options = new QVBoxLayout;
    options->setContentsMargins(20, 0, 0, 0);
    options->addWidget(m_fitSize);
    options->addWidget(m_fitBorders);
    g->addLayout(options);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    editingui::addOkCancel(this, layout);
    connect(m_placard, &QRadioButton::toggled, this, &CDocTypeDlg::updateEnabling);
    updateEnabling();
}

void CDocTypeDlg::updateEnabling()
{
    m_fitSize->setEnabled(m_placard->isChecked());
    m_fitBorders->setEnabled(m_placard->isChecked());
}

editing::DocumentTypeChoice CDocTypeDlg::choice() const
{
    return {m_placard->isChecked(), m_fitSize->isChecked(), m_fitBorders->isChecked()};
}
