#include "editor/cchildframe.h"

#include "editor/cdomoraview.h"
#include "editor/commandids.h"
#include "editor/documentmanager.h"
#include "editor/editoricons.h"
#include "editor/plandocument.h"
#include "model/cdomoradoc.h"

#include <QCloseEvent>
#include <QMdiArea>

CChildFrame::CChildFrame(PlanDocument &plan, DocumentManager &documents, ViewReadouts *readouts,
                         QWidget *parent)
    : QMdiSubWindow(parent), m_plan(plan), m_documents(documents),
      m_view(new CDomoraView(plan, documents, readouts, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_view);
    // The images of the kinds: placard, wizard, Printnet, normal.
    const QList<QIcon> images = editoricons::newDocumentImages();
    const int kind = plan.doc().GetDocType();
    setWindowIcon(images.value(kind == CDomoraDoc::placard    ? 0
                               : kind == CDomoraDoc::printnet ? 2
                                                              : 3));
    refreshTitle();
    connect(&plan, &PlanDocument::titleChanged, this, &CChildFrame::refreshTitle);
}

void CChildFrame::refreshTitle()
{
    setWindowTitle(m_plan.title() + QStringLiteral("[*]"));
}

int CChildFrame::windowsOfPlan() const
{
    int count = 0;
    if (QMdiArea *area = mdiArea()) {
        for (QMdiSubWindow *w : area->subWindowList()) {
            if (auto *child = qobject_cast<CChildFrame *>(w); child && &child->plan() == &m_plan)
                ++count;
        }
    }
    return count;
}

void CChildFrame::closeForDocument()
{
    m_closingForDocument = true;
    m_view->detach();
    close();
}

void CChildFrame::closeEvent(QCloseEvent *event)
{
    if (m_closingForDocument || windowsOfPlan() > 1) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    // The plan's last window.
    if (!m_documents.saveModified(&m_plan)) {
        event->ignore();
        return;
    }
    m_closingForDocument = true;
    QMdiSubWindow::closeEvent(event);
    m_documents.closeDocument(&m_plan);
}

bool CChildFrame::handleCommand(int id)
{
    switch (id) {
    case cmd::FileSave:
        m_documents.save(&m_plan);
        return true;
    case cmd::FileSaveAs:
        m_documents.saveAs(&m_plan);
        return true;
    case cmd::FileClose:
        if (m_documents.saveModified(&m_plan))
            m_documents.closeDocument(&m_plan);
        return true;
    default:
        return false;
    }
}

bool CChildFrame::updateCommand(int id, toolkit::CommandUpdate &)
{
    switch (id) {
    case cmd::FileSave:
        setWindowModified(m_plan.isModified());
        return true;
    case cmd::FileSaveAs:
    case cmd::FileClose:
        return true;
    default:
        return false;
    }
}
