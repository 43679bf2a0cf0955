#include "editor/documentmanager.h"

#include "editor/editoroptions.h"
#include "editor/eventlog.h"
#include "editor/plandocument.h"
#include "editor/recoverystore.h"
#include "model/cdomoradoc.h"
#include "model/errorreport.h"
#include "model/safesave.h"
#include "platform/messagebox.h"
#include "platform/registry.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString recentSection = QStringLiteral("Recent File List");

QString canonical(const QString &path)
{
    const QFileInfo info(path);
    const QString c = info.canonicalFilePath();
    return c.isEmpty() ? info.absoluteFilePath() : c;
}

} // namespace

DocumentManager::DocumentManager(platform::Registry &reg, EventLog &log, RecoveryStore &recovery,
                                 QObject *parent)
    : QObject(parent), m_reg(reg), m_log(log), m_recovery(recovery)
{
}

DocumentManager::~DocumentManager() = default;

QString DocumentManager::nextUntitledTitle()
{
    return QStringLiteral("Domora%1").arg(++m_untitledCount);
}

PlanDocument *DocumentManager::adopt(PlanDocument *doc)
{
    doc->setParent(this);
    m_documents.push_back(doc);
    emit documentAdded(doc);
    return doc;
}

PlanDocument *DocumentManager::newDocument()
{
    const NewDocumentRequest &request = newDocumentRequest();
    NewDocumentOptions options;
    options.docType = request.docType;
    options.fromWizard = request.fromWizard != 0;
    options.scale = request.scale;
    options.summaryTitle = request.summaryTitle;
    options.summarySubject = request.summarySubject;
    auto doc = std::make_unique<CDomoraDoc>();
    doc->OnNewDocument(options);
    return adopt(new PlanDocument(std::move(doc), nextUntitledTitle()));
}

PlanDocument *DocumentManager::findByPath(const QString &path) const
{
    const QString wanted = canonical(path);
    const auto it = std::find_if(m_documents.begin(), m_documents.end(), [&](PlanDocument *d) {
        return !d->path().isEmpty() && canonical(d->path()) == wanted;
    });
    return it == m_documents.end() ? nullptr : *it;
}

PlanDocument *DocumentManager::openDocument(const QString &path, bool report, QString *error)
{
    if (PlanDocument *open = findByPath(path)) {
        emit documentAdded(open); // the main window brings its window forward
        return open;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    auto doc = std::make_unique<CDomoraDoc>();
    const model::FileError failure = doc->OnOpenDocument(absolute);
    if (failure.isError()) {
        const QString text =
            model::saveLoadReport(absolute, failure, false, model::failedToOpenDocMessage);
        if (error)
            *error = failure.message.isEmpty() ? text : failure.message;
        if (report)
            platform::ui::error(m_dialogParent, text);
        // A recent file that no longer opens leaves the list.
        if (m_recent.removeAll(absolute) > 0) {
            saveRecentFiles();
            emit recentFilesChanged();
        }
        return nullptr;
    }
    auto *plan = new PlanDocument(std::move(doc), {});
    plan->setPath(absolute);
    addRecentFile(absolute);
    return adopt(plan);
}

PlanDocument *DocumentManager::openRecovered(const QString &recoveryPath)
{
    auto doc = std::make_unique<CDomoraDoc>();
    const model::FileError failure = doc->OnOpenDocument(recoveryPath);
    if (failure.isError()) {
        m_log.Log(EventLog::Warning, tr("Copia di recupero illeggibile: %1").arg(recoveryPath));
        RecoveryStore::discard(recoveryPath);
        return nullptr;
    }
    auto *plan = new PlanDocument(
        std::move(doc), tr("%1 (recuperato)").arg(QFileInfo(recoveryPath).completeBaseName()));
    plan->setRecoveryPath(recoveryPath);
    plan->setModified(true);
    return adopt(plan);
}

PlanDocument *DocumentManager::promptOpen()
{
    QFileDialog dialog(m_dialogParent, tr("Apri"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({CDomoraDoc::fileFilter(), tr("Tutti i file (*)")});
    dialog.setDefaultSuffix(QStringLiteral("fpd"));
    if (!m_recent.isEmpty())
        dialog.setDirectory(QFileInfo(m_recent.first()).absolutePath());
    if (platform::ui::execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return nullptr;
    return openDocument(dialog.selectedFiles().first());
}

bool DocumentManager::saveTo(PlanDocument *doc, const QString &path)
{
    const model::FileError failure = doc->doc().OnSaveDocument(path);
    if (failure.isError()) {
        platform::ui::error(m_dialogParent, model::saveLoadReport(path, failure, true,
                                                                  model::failedToSaveDocMessage));
        return false;
    }
    doc->setPath(path);
    doc->setModified(false);
    RecoveryStore::discard(doc->recoveryPath());
    doc->setRecoveryPath({});
    addRecentFile(path);
    return true;
}

bool DocumentManager::save(PlanDocument *doc)
{
    if (doc->path().isEmpty())
        return saveAs(doc);
    return saveTo(doc, doc->path());
}

bool DocumentManager::saveAs(PlanDocument *doc)
{
    QFileDialog dialog(m_dialogParent, tr("Salva con nome"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({CDomoraDoc::fileFilter()});
    dialog.setDefaultSuffix(QStringLiteral("fpd"));
    if (doc->path().isEmpty())
        dialog.selectFile(doc->title());
    else
        dialog.selectFile(doc->path());
    if (platform::ui::execDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return saveTo(doc, dialog.selectedFiles().first());
}

bool DocumentManager::saveModified(PlanDocument *doc)
{
    if (!doc->isModified())
        return true;
    const auto answer = platform::ui::messageBox(
        m_dialogParent, tr("Salvare le modifiche apportate a %1?").arg(doc->title()), {},
        platform::ui::Buttons::YesNoCancel, platform::ui::Icon::Warning);
    switch (answer) {
    case platform::ui::Answer::Yes:
        return save(doc);
    case platform::ui::Answer::No:
        return true;
    default:
        return false;
    }
}

bool DocumentManager::saveAllModified()
{
    // Copy first: saving may not change the list, but a listener might.
    const std::vector<PlanDocument *> docs = m_documents;
    return std::all_of(docs.begin(), docs.end(),
                       [this](PlanDocument *d) { return saveModified(d); });
}

void DocumentManager::closeDocument(PlanDocument *doc)
{
    const auto it = std::find(m_documents.begin(), m_documents.end(), doc);
    if (it == m_documents.end())
        return;
    emit documentClosing(doc);
    m_documents.erase(std::find(m_documents.begin(), m_documents.end(), doc));
    RecoveryStore::discard(doc->recoveryPath());
    delete doc;
}

void DocumentManager::closeAllDocuments()
{
    while (!m_documents.empty())
        closeDocument(m_documents.back());
}

void DocumentManager::autosave(PlanDocument *doc)
{
    if (!doc->isModified())
        return;
    if (!doc->path().isEmpty()) {
        const model::FileError failure = doc->doc().OnSaveDocument(doc->path());
        if (!failure.isError()) {
            doc->setModified(false);
            doc->setAutosaveFailureReported(false);
            return;
        }
        m_log.Log(EventLog::Warning,
                  tr("Salvataggio automatico non riuscito: %1").arg(doc->path()));
        if (!doc->autosaveFailureReported()) {
            doc->setAutosaveFailureReported(true);
            platform::ui::error(
                m_dialogParent,
                model::saveLoadReport(doc->path(), failure, true, model::failedToSaveDocMessage));
        }
        return;
    }
    // Never saved: a copy aside, without a word to the user.
    if (doc->recoveryPath().isEmpty())
        doc->setRecoveryPath(m_recovery.pathFor(doc->title()));
    model::FileError failure;
    try {
        failure = model::safeSave(doc->recoveryPath(), doc->doc().fileBytes());
    } catch (const std::exception &) {
        failure.cause = model::FileErrorCause::Generic;
    }
    if (failure.isError())
        m_log.Log(EventLog::Warning,
                  tr("Copia di recupero non scritta: %1").arg(doc->recoveryPath()));
}

void DocumentManager::loadRecentFiles()
{
    m_recent.clear();
    for (int i = 1; i <= recentFileCount; ++i) {
        const QString path = m_reg.readString(recentSection, QStringLiteral("File%1").arg(i));
        if (!path.isEmpty())
            m_recent << path;
    }
    emit recentFilesChanged();
}

void DocumentManager::saveRecentFiles()
{
    for (int i = 1; i <= recentFileCount; ++i) {
        const QString name = QStringLiteral("File%1").arg(i);
        if (i <= m_recent.size())
            m_reg.writeString(recentSection, name, m_recent.at(i - 1));
        else
            m_reg.deleteValue(recentSection, name);
    }
}

void DocumentManager::addRecentFile(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_recent.removeAll(absolute);
    m_recent.prepend(absolute);
    while (m_recent.size() > recentFileCount)
        m_recent.removeLast();
    saveRecentFiles();
    emit recentFilesChanged();
}
