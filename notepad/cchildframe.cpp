#include "notepad/cchildframe.h"

#include "notepad/cjotterdoc.h"
#include "notepad/cjotterview.h"
#include "notepad/jottericons.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(CJotterView *view, QWidget *parent) : QMdiSubWindow(parent), m_view(view)
{
    setObjectName(QStringLiteral("CChildFrame"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(jottericons::documentIcon());
    setWidget(view);
    CJotterDoc &doc = view->doc();
    connect(&doc, &CJotterDoc::titleChanged, this, &CChildFrame::refreshTitle);
    connect(&doc, &CJotterDoc::modificationChanged, this, &QWidget::setWindowModified);
    refreshTitle();
}

void CChildFrame::refreshTitle()
{
    const CJotterDoc &doc = m_view->doc();
    QString title = doc.title();
    const QList<CJotterView *> views = doc.views();
    if (views.size() > 1)
        title += QStringLiteral(":%1").arg(views.indexOf(m_view) + 1);
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(doc.isModified());
}

void CChildFrame::closeForDocument()
{
    m_closingForDocument = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent *event)
{
    CJotterDoc &doc = m_view->doc();
    if (!m_closingForDocument && doc.views().size() == 1 && !doc.saveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
