#include "ceventviewerdialog.h"

#include "eventlogfile.h"
#include "toolkit/editlistbox.h"

#include <QCloseEvent>
#include <QListWidget>
#include <QVBoxLayout>

CEventViewerDialog::CEventViewerDialog(const QString &logPath, QWidget *parent)
    : QDialog(parent), m_logPath(logPath),
      m_list(new toolkit::EditListBox(this, toolkit::EditListBox::NewButton |
                                                toolkit::EditListBox::DeleteButton))
{
    setWindowTitle(tr("Visualizzatore degli eventi"));
    setObjectName(QStringLiteral("141"));
    setSizeGripEnabled(true);
    m_list->setCaption(tr("Visualizzatore eventi"));
    m_list->setItems(console::eventlog::readLines(logPath));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    resize(640, 420);
}

void CEventViewerDialog::closeEvent(QCloseEvent *event)
{
    // Moving the current item commits an edit in progress.
    m_list->listWidget()->setCurrentIndex(QModelIndex());
    // Errors are ignored: the log stays as it was.
    console::eventlog::writeLines(m_logPath, m_list->items());
    QDialog::closeEvent(event);
}
