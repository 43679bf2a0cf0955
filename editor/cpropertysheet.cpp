#include "editor/cpropertysheet.h"

#include "editor/cbackgroundpage.h"
#include "editor/editingui.h"

#include <QTabWidget>
#include <QVBoxLayout>

CPropertySheet::CPropertySheet(const QString &caption, QWidget *parent)
    : QDialog(parent), m_tabs(new QTabWidget(this))
{
    setWindowTitle(caption);
    m_tabs->setObjectName(QStringLiteral("pages"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    editingui::addOkCancel(this, layout);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (auto *background = qobject_cast<CBackgroundPage *>(m_tabs->widget(m_current)))
            background->leave();
        m_current = index;
    });
}

void CPropertySheet::addPage(QWidget *page, const QString &title)
{
    m_tabs->addTab(page, title);
}

bool CPropertySheet::showPage(const QString &title)
{
    for (int i = 0; i < m_tabs->count(); ++i) {
        if (m_tabs->tabText(i).remove(QLatin1Char('&')) ==
            QString(title).remove(QLatin1Char('&'))) {
            m_tabs->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}
