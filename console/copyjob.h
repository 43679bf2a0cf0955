#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One backup or restore: copies listed names from a source folder to a
// destination folder, one name per step. The windows drive it from a timer
// and ask the user about failures; the rules live here.
class CopyJob
{
public:
    // Folders are trimmed and get a trailing '/'. The size of every source
    // file is read once here (0 for a file whose status cannot be read).
    CopyJob(QStringList files, const QString &sourceFolder, const QString &destinationFolder,
            bool overwrite, bool silent);

    [[nodiscard]] const QString &sourceFolder() const { return m_source; }
    [[nodiscard]] const QString &destinationFolder() const { return m_destination; }
    [[nodiscard]] qint64 totalBytes() const { return m_totalBytes; }
    [[nodiscard]] qsizetype count() const { return m_files.size(); }
    [[nodiscard]] qsizetype index() const { return m_index; }
    [[nodiscard]] bool atEnd() const { return m_index >= m_files.size(); }
    [[nodiscard]] QString currentName() const;

    struct Step
    {
        bool copied = false;
        bool reportFailure = false; // ask the user: failed, reporting on, not silent
        qint64 bytes = 0;           // the progress to add, copied or not
    };
    // Copies the current name; does not advance.
    Step copyCurrent();
    void advance() { ++m_index; }

    // The process-wide switch the user turns off by answering Yes to the
    // copy-error question; it stays off for the rest of the run.
    [[nodiscard]] static bool reportCopyErrors();
    static void setReportCopyErrors(bool report);

    // Copies one file as the console does: fails when the target exists
    // unless `overwrite`, when the target's folder does not exist, or when
    // the name leaves the folders ("..", absolute names). The copy keeps the
    // source's permissions and modification time and replaces the target
    // only once it is complete.
    static bool copyFile(const QString &source, const QString &target, bool overwrite);

    // The Yes/No/Cancel question after a failed copy.
    [[nodiscard]] static QString failureQuestion(const QString &name);

private:
    QStringList m_files;
    QList<qint64> m_sizes;
    QString m_source;
    QString m_destination;
    bool m_overwrite;
    bool m_silent;
    qint64 m_totalBytes = 0;
    qsizetype m_index = 0;
};
