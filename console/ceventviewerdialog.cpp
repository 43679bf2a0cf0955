#include "ceventviewerdialog.h"

#include "editlistbox.h"
#include "eventlogfile.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QVBoxLayout>

CEventViewerDialog::CEventViewerDialog(const QString &logPath, QWidget *parent)
    : QDialog(parent), m_logPath(logPath),
      m_list(new EditListBox(tr("Visualizzatore eventi"), this))
{
    setWindowTitle(tr("Visualizzatore degli eventi"));
    setObjectName(QStringLiteral("141"));
    setSizeGripEnabled(true);
    m_list->setItems(console::eventlog::readLines(logPath));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    resize(640, 420);
}

void CEventViewerDialog::closeEvent(QCloseEvent *event)
{
    m_list->commitEditing();
    // Errors are ignored: the log stays as it was.
    console::eventlog::writeLines(m_logPath, m_list->items());
    QDialog::closeEvent(event);
}
