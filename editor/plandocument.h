#pragma once

#include <QObject>
#include <QString>

#include <memory>

class CDomoraDoc;

// One open plan: the document with the file it belongs to and the title its
// windows show. A plan never saved has no path; its title is "Domora" with a
// number, and its unsaved work is kept in a recovery copy.
class PlanDocument : public QObject
{
    Q_OBJECT
public:
    PlanDocument(std::unique_ptr<CDomoraDoc> doc, QString title, QObject *parent = nullptr);
    ~PlanDocument() override;

    [[nodiscard]] CDomoraDoc &doc() const { return *m_doc; }
    [[nodiscard]] QString path() const { return m_path; }
    // Takes the path and the title that goes with it (the file's name).
    void setPath(const QString &path);
    [[nodiscard]] QString title() const { return m_title; }
    void setTitle(const QString &title);
    [[nodiscard]] bool isModified() const;
    void setModified(bool modified);

    // The recovery copy of a never-saved plan; empty when there is none.
    [[nodiscard]] QString recoveryPath() const { return m_recoveryPath; }
    void setRecoveryPath(const QString &path) { m_recoveryPath = path; }
    // A failed automatic save is reported once per document.
    [[nodiscard]] bool autosaveFailureReported() const { return m_autosaveFailureReported; }
    void setAutosaveFailureReported(bool reported) { m_autosaveFailureReported = reported; }

signals:
    void titleChanged(const QString &title);

private:
    std::unique_ptr<CDomoraDoc> m_doc;
    QString m_path;
    QString m_title;
    QString m_recoveryPath;
    bool m_autosaveFailureReported = false;
};
