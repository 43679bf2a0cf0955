#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class EventLog;
class PlanDocument;
class QWidget;
class RecoveryStore;

namespace platform {
class Registry;
}

// The editor's documents: makes new plans from the new-document request,
// opens and saves plan files, asks before modified plans are closed, keeps
// the list of recent files and the automatic saves. The main window shows
// what it announces.
class DocumentManager : public QObject
{
    Q_OBJECT
public:
    static constexpr int recentFileCount = 4;

    DocumentManager(platform::Registry &reg, EventLog &log, RecoveryStore &recovery,
                    QObject *parent = nullptr);
    ~DocumentManager() override;

    // Parent of the messages and file dialogs.
    void setDialogParent(QWidget *parent) { m_dialogParent = parent; }

    [[nodiscard]] const std::vector<PlanDocument *> &documents() const { return m_documents; }

    // A new plan of the kind the new-document request names.
    PlanDocument *newDocument();
    // Opens the file, or finds it among the open plans. A file that cannot be
    // read is reported (when `report` is set) and gives nullptr.
    PlanDocument *openDocument(const QString &path, bool report = true, QString *error = nullptr);
    // Opens a recovery copy as a plan that was never saved.
    PlanDocument *openRecovered(const QString &recoveryPath);
    // The open-file dialog, then openDocument().
    PlanDocument *promptOpen();

    // Saves to the document's file; a plan without one asks for a name.
    bool save(PlanDocument *doc);
    bool saveAs(PlanDocument *doc);
    // Asks whether to save a modified plan: true unless the user cancels or
    // the save fails.
    bool saveModified(PlanDocument *doc);
    bool saveAllModified();
    // Closes the plan without asking; its windows go first.
    void closeDocument(PlanDocument *doc);
    void closeAllDocuments();

    // The five-minute save: a plan with a file is saved to it, a plan
    // without one is written to its recovery copy. Plans without changes are
    // left alone; a failure is logged and reported once per plan.
    void autosave(PlanDocument *doc);

    [[nodiscard]] QStringList recentFiles() const { return m_recent; }
    void loadRecentFiles();
    void saveRecentFiles();
    void addRecentFile(const QString &path);

signals:
    // A plan was made or opened: the main window gives it a window.
    void documentAdded(PlanDocument *doc);
    // A plan is about to close: its windows must go.
    void documentClosing(PlanDocument *doc);
    void recentFilesChanged();

private:
    PlanDocument *adopt(PlanDocument *doc);
    [[nodiscard]] PlanDocument *findByPath(const QString &path) const;
    bool saveTo(PlanDocument *doc, const QString &path);
    [[nodiscard]] QString nextUntitledTitle();

    platform::Registry &m_reg;
    EventLog &m_log;
    RecoveryStore &m_recovery;
    QWidget *m_dialogParent = nullptr;
    std::vector<PlanDocument *> m_documents; // children of this object
    QStringList m_recent;
    int m_untitledCount = 0;
};
