#include "notepad/cjotterview.h"

#include "notepad/cchildframe.h"
#include "notepad/cjotterapp.h"
#include "notepad/cjotterdoc.h"
#include "notepad/cmainframe.h"
#include "notepad/jottercommands.h"
#include "notepad/jotterstrings.h"

#include "platform/messagebox.h"
#include "toolkit/commandids.h"
#include "toolkit/contextmenumanager.h"
#include "toolkit/workspace.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

namespace cmd = toolkit::cmd;

namespace {

QTextDocument::FindFlags findFlags(const FindOptions &options)
{
    QTextDocument::FindFlags flags;
    if (options.matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    if (options.wholeWord)
        flags |= QTextDocument::FindWholeWords;
    if (!options.forward)
        flags |= QTextDocument::FindBackward;
    return flags;
}

} // namespace

CJotterView::CJotterView(CJotterDoc &doc, CJotterApp &app, QWidget *parent)
    : QPlainTextEdit(parent), m_doc(doc), m_app(app)
{
    setObjectName(QStringLiteral("CJotterView"));
    setDocument(doc.textDocument());
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setTabChangesFocus(false);
    doc.addView(this);
}

CJotterView::~CJotterView()
{
    m_doc.removeView(this);
}

CChildFrame *CJotterView::childFrame() const
{
    for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (auto *frame = qobject_cast<CChildFrame *>(w))
            return frame;
    }
    return nullptr;
}

// --- searching -----------------------------------------------------------------

bool CJotterView::findText(const FindOptions &options)
{
    if (options.text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags = findFlags(options);
    QTextCursor found = document()->find(options.text, textCursor(), flags);
    if (found.isNull()) {
        // Round the end once: from the other end of the text.
        QTextCursor from(document());
        from.movePosition(options.forward ? QTextCursor::Start : QTextCursor::End);
        found = document()->find(options.text, from, flags);
    }
    if (found.isNull())
        return false;
    setTextCursor(found);
    ensureCursorVisible();
    return true;
}

bool CJotterView::selectionMatches(const FindOptions &options) const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return false;
    return cursor.selectedText().compare(
               options.text, options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

bool CJotterView::replaceSelection(const FindOptions &options, const QString &replacement)
{
    if (options.text.isEmpty())
        return false;
    if (selectionMatches(options)) {
        QTextCursor cursor = textCursor();
        cursor.insertText(replacement);
        setTextCursor(cursor);
    }
    return findText(options);
}

int CJotterView::replaceAll(const FindOptions &options, const QString &replacement)
{
    if (options.text.isEmpty())
        return 0;
    FindOptions forward = options;
    forward.forward = true;
    const QTextDocument::FindFlags flags = findFlags(forward);
    QTextCursor block(document());
    block.beginEditBlock();
    QTextCursor at(document());
    int count = 0;
    for (;;) {
        at = document()->find(options.text, at, flags);
        if (at.isNull())
            break;
        at.insertText(replacement);
        ++count;
    }
    block.endEditBlock();
    return count;
}

// --- printing ----------------------------------------------------------------------

bool CJotterView::printTo(QPrinter &printer) const
{
    print(&printer);
    return printer.printerState() != QPrinter::Error;
}

void CJotterView::reportPrintFailure() const
{
    platform::ui::error(m_app.dialogParent(),
                        jotterstrings::text(jotterstrings::PrintFailed).arg(m_doc.title()));
}

void CJotterView::onFilePrint()
{
    QPrinter &printer = m_app.printer();
    printer.setDocName(m_doc.title());
    printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer, m_app.dialogParent());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, textCursor().hasSelection());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    if (!printTo(printer))
        reportPrintFailure();
}

void CJotterView::onFilePrintDirect()
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        platform::ui::error(m_app.dialogParent(), jotterstrings::text(jotterstrings::NoPrinters));
        return;
    }
    QPrinter &printer = m_app.printer();
    printer.setDocName(m_doc.title());
    printer.setPrintRange(QPrinter::AllPages);
    if (!printTo(printer))
        reportPrintFailure();
}

void CJotterView::onFilePrintPreview()
{
    QPrinter &printer = m_app.printer();
    printer.setDocName(m_doc.title());
    printer.setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog preview(&printer, m_app.dialogParent());
    if (const QWidget *parent = m_app.dialogParent())
        preview.resize(parent->size() * 9 / 10);
    preview.setWindowTitle(QStringLiteral("Anteprima di stampa - %1").arg(m_doc.title()));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { printTo(*target); });
    platform::ui::execDialog(preview);
}

// --- commands ------------------------------------------------------------------------

bool CJotterView::handleCommand(int id)
{
    switch (id) {
    case cmd::EditUndo:
        undo();
        return true;
    case cmd::EditCut:
        cut();
        return true;
    case cmd::EditCopy:
        copy();
        return true;
    case cmd::EditPaste:
        paste();
        return true;
    case cmd::EditClear:
        textCursor().removeSelectedText();
        return true;
    case cmd::EditSelectAll:
        selectAll();
        return true;
    case cmd::EditFind:
    case cmd::EditReplace:
        if (CMainFrame *frame = m_app.mainFrame())
            frame->showFindReplace(id == cmd::EditReplace, textCursor().selectedText());
        return true;
    case cmd::EditRepeat:
        if (CMainFrame *frame = m_app.mainFrame())
            frame->findAgain();
        return true;
    case cmd::FilePrint:
        onFilePrint();
        return true;
    case cmd::FilePrintDirect:
        onFilePrintDirect();
        return true;
    case cmd::FilePrintPreview:
        onFilePrintPreview();
        return true;
    default:
        return m_doc.handleCommand(id);
    }
}

bool CJotterView::updateCommand(int id, toolkit::CommandUpdate &update)
{
    switch (id) {
    case cmd::EditUndo:
        update.enabled = document()->isUndoAvailable() && !isReadOnly();
        return true;
    case cmd::EditCut:
    case cmd::EditClear:
        update.enabled = textCursor().hasSelection() && !isReadOnly();
        return true;
    case cmd::EditCopy:
        update.enabled = textCursor().hasSelection();
        return true;
    case cmd::EditPaste:
        update.enabled = !isReadOnly() && canPaste();
        return true;
    case cmd::EditSelectAll:
    case cmd::EditFind:
    case cmd::EditReplace:
        update.enabled = !document()->isEmpty();
        return true;
    case cmd::EditRepeat:
        update.enabled = !document()->isEmpty() && m_app.mainFrame() &&
                         !m_app.mainFrame()->findOptions().text.isEmpty();
        return true;
    case cmd::FilePrint:
    case cmd::FilePrintDirect:
    case cmd::FilePrintPreview:
        return true;
    default:
        return m_doc.updateCommand(id, update);
    }
}

// --- events --------------------------------------------------------------------------

void CJotterView::contextMenuEvent(QContextMenuEvent *event)
{
    const toolkit::Workspace *workspace = toolkit::Workspace::instance();
    const toolkit::ContextMenuManager *menus =
        workspace ? workspace->contextMenuManager() : nullptr;
    if (menus && menus->showPopupMenu(jottercmd::ContextMenu, event->globalPos(), this)) {
        event->accept();
        return;
    }
    QPlainTextEdit::contextMenuEvent(event);
}

// Files dropped on the text are opened, as they are anywhere on the frame;
// dragged text is inserted as usual.
void CJotterView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!CJotterApp::localFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragEnterEvent(event);
}

void CJotterView::dragMoveEvent(QDragMoveEvent *event)
{
    if (!CJotterApp::localFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    QPlainTextEdit::dragMoveEvent(event);
}

void CJotterView::dropEvent(QDropEvent *event)
{
    const QStringList files = CJotterApp::localFiles(event->mimeData());
    if (!files.isEmpty()) {
        event->acceptProposedAction();
        // Opening may ask questions: not inside the drop.
        QTimer::singleShot(0, &m_app, [app = &m_app, files] { app->openFiles(files); });
        return;
    }
    QPlainTextEdit::dropEvent(event);
}
