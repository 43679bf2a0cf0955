#include "notepad/cjotterdoc.h"

#include "notepad/cjotterapp.h"
#include "notepad/cjotterview.h"
#include "notepad/documentfile.h"
#include "notepad/jotterstrings.h"
#include "notepad/mailattachment.h"

#include "platform/messagebox.h"
#include "toolkit/commandids.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextDocumentLayout>
#include <QTextDocument>

namespace cmd = toolkit::cmd;

CJotterDoc::CJotterDoc(CJotterApp &app, const QString &untitledTitle, QObject *parent)
    : QObject(parent), m_app(app), m_text(new QTextDocument(this)), m_title(untitledTitle)
{
    m_text->setDocumentLayout(new QPlainTextDocumentLayout(m_text));
    connect(m_text, &QTextDocument::modificationChanged, this, &CJotterDoc::modificationChanged);
}

CJotterDoc::~CJotterDoc() = default;

bool CJotterDoc::isModified() const
{
    return m_text->isModified();
}

void CJotterDoc::setModified(bool modified)
{
    m_text->setModified(modified);
}

QString CJotterDoc::text() const
{
    // The document keeps its lines as blocks; toPlainText() would also turn
    // non-breaking spaces into spaces.
    QString raw = m_text->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return raw;
}

void CJotterDoc::setText(const QString &text)
{
    m_text->setPlainText(text);
    m_text->clearUndoRedoStacks();
}

bool CJotterDoc::readFile(const QString &path, QString *errorString)
{
    const documentfile::Loaded loaded = documentfile::load(path);
    if (!loaded.ok) {
        if (errorString)
            *errorString = loaded.errorString;
        return false;
    }
    m_format = loaded.decoded.format;
    setText(loaded.decoded.text);
    setModified(false);
    setPathName(path);
    return true;
}

QByteArray CJotterDoc::fileBytes(jottertext::Encoding *encodingUsed) const
{
    return jottertext::encode(text(), m_format, encodingUsed);
}

bool CJotterDoc::writeFile(const QString &path, QString *errorString)
{
    jottertext::Encoding used = m_format.encoding;
    const QByteArray bytes = fileBytes(&used);
    return writeBytes(path, bytes, used, errorString);
}

bool CJotterDoc::writeBytes(const QString &path, const QByteArray &bytes, jottertext::Encoding used,
                            QString *errorString)
{
    if (!documentfile::save(path, bytes, errorString))
        return false;
    if (used != m_format.encoding) {
        m_format.encoding = used;
        m_format.byteOrderMark = false;
    }
    setModified(false);
    setPathName(path);
    return true;
}

void CJotterDoc::setPathName(const QString &path)
{
    m_pathName = QFileInfo(path).absoluteFilePath();
    const QString title = QFileInfo(path).fileName();
    if (title != m_title) {
        m_title = title;
        emit titleChanged();
    }
}

bool CJotterDoc::save()
{
    if (m_pathName.isEmpty())
        return saveAs();
    return saveTo(m_pathName);
}

bool CJotterDoc::saveAs()
{
    const jotterstrings::DocTemplate &t = m_app.docTemplate();
    const QString allFiles = jotterstrings::text(jotterstrings::AllFilesFilter);
    QFileDialog dialog(m_app.dialogParent(), QStringLiteral("Salva con nome"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({t.filterName, allFiles});
    dialog.setDefaultSuffix(t.filterExt.mid(1));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &t](const QString &filter) {
        dialog.setDefaultSuffix(filter == t.filterName ? t.filterExt.mid(1) : QString());
    });
    if (m_pathName.isEmpty()) {
        dialog.selectFile(m_title + t.filterExt);
    } else {
        dialog.setDirectory(QFileInfo(m_pathName).absolutePath());
        dialog.selectFile(QFileInfo(m_pathName).fileName());
    }
    if (platform::ui::execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    if (!saveTo(dialog.selectedFiles().constFirst()))
        return false;
    m_app.addToRecentFiles(m_pathName);
    return true;
}

bool CJotterDoc::saveTo(const QString &path)
{
    jottertext::Encoding used = m_format.encoding;
    const QByteArray bytes = fileBytes(&used);
    if (used != m_format.encoding &&
        platform::ui::messageBox(m_app.dialogParent(),
                                 jotterstrings::text(jotterstrings::EncodingChanged).arg(m_title),
                                 {}, platform::ui::Buttons::OkCancel,
                                 platform::ui::Icon::Warning) != platform::ui::Answer::Ok)
        return false;
    QString error;
    if (!writeBytes(path, bytes, used, &error)) {
        platform::ui::error(
            m_app.dialogParent(),
            jotterstrings::text(jotterstrings::SaveFailed).arg(QFileInfo(path).fileName(), error));
        return false;
    }
    return true;
}

bool CJotterDoc::saveModified()
{
    if (!isModified())
        return true;
    switch (platform::ui::messageBox(
        m_app.dialogParent(), jotterstrings::text(jotterstrings::AskToSave).arg(m_title), {},
        platform::ui::Buttons::YesNoCancel, platform::ui::Icon::Warning)) {
    case platform::ui::Answer::Yes:
        return save();
    case platform::ui::Answer::No:
        return true;
    default:
        return false;
    }
}

bool CJotterDoc::sendMail()
{
    QString attachment;
    if (!isModified() && !m_pathName.isEmpty() && QFileInfo(m_pathName).isFile()) {
        attachment = m_pathName;
    } else {
        mailattachment::removeOldAttachments();
        QString error;
        attachment = mailattachment::writeAttachment(
            mailattachment::attachmentName(m_title, m_app.docTemplate().filterExt), fileBytes(),
            &error);
        if (attachment.isEmpty()) {
            platform::ui::error(
                m_app.dialogParent(),
                jotterstrings::text(jotterstrings::MailPrepareFailed).arg(m_title, error));
            return false;
        }
    }
    if (!mailattachment::startMailProgram(mailattachment::xdgEmailArguments(attachment, m_title))) {
        platform::ui::error(m_app.dialogParent(), jotterstrings::text(jotterstrings::MailFailed));
        return false;
    }
    return true;
}

void CJotterDoc::addView(CJotterView *view)
{
    if (!m_views.contains(view)) {
        m_views.append(view);
        emit titleChanged();
    }
}

void CJotterDoc::removeView(CJotterView *view)
{
    if (!m_views.removeOne(view))
        return;
    if (m_views.isEmpty())
        emit closed();
    else
        emit titleChanged();
}

bool CJotterDoc::handleCommand(int id)
{
    switch (id) {
    case cmd::FileSave:
        save();
        return true;
    case cmd::FileSaveAs:
        saveAs();
        return true;
    case cmd::FileSendMail:
        sendMail();
        return true;
    case cmd::FileClose:
        if (saveModified())
            m_app.closeDocument(this);
        return true;
    default:
        return false;
    }
}

bool CJotterDoc::updateCommand(int id, toolkit::CommandUpdate &update)
{
    switch (id) {
    case cmd::FileSave:
    case cmd::FileSaveAs:
    case cmd::FileClose:
        return true;
    case cmd::FileSendMail:
        update.enabled = m_app.mailAvailable();
        return true;
    default:
        return false;
    }
}
