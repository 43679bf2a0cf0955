#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A project workspace: a text file listing plan documents, one full path a
// line. The list keeps the file's order; blank lines are skipped.
class ProjectFile
{
public:
    struct Entry
    {
        QString name; // the file name without folder and extension
        QString path; // as read or added
    };

    enum class AddResult
    {
        Added,
        Empty,
        Duplicate // exactly the same path (letter case counts) is listed
    };

    // What went wrong opening the file, for string 61475.
    struct Error
    {
        QString fileName;
        int number = 0; // the system's error number
        QString text;   // its description
        [[nodiscard]] bool isError() const { return number != 0 || !text.isEmpty(); }
        // "Errore durante l'apertura del file '%s'.\nErrore #%d\n\n'%s'."
        [[nodiscard]] QString message() const;
    };

    static QString defaultFileName() { return QStringLiteral("Predefinito.fpw"); }

    ProjectFile();

    [[nodiscard]] const QString &path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    // "Progetto: " and the project's name.
    [[nodiscard]] QString caption() const;
    [[nodiscard]] const std::vector<Entry> &entries() const { return m_entries; }

    // Reads the file; the list is emptied first, so a failed read leaves it
    // empty.
    Error read();
    // Writes every path followed by CR LF, in list order.
    Error write() const;
    // Creates the file empty (truncating an existing one); the list stays.
    Error create() const;

    AddResult add(const QString &path);
    void removeAt(int index);

    // The name an entry is listed under.
    [[nodiscard]] static QString nameOf(const QString &path);

private:
    QString m_path;
    std::vector<Entry> m_entries;
};

// Favourites: links named "<name>.lnk" in the favourites folder beside the
// executable, each pointing at a plan.
namespace favourites {

// The favourites folder: program folder + FolderFavorites.
[[nodiscard]] QString folder(const QString &programFolder, const QString &folderSetting);
// Creates (or replaces) the link for a document; an empty text on success,
// else "Errore durante la creazione del collegamento! (Codice: #n)".
[[nodiscard]] QString addLink(const QString &favouritesFolder, const QString &documentPath);
// The document a favourite points at.
[[nodiscard]] QString target(const QString &linkPath);

} // namespace favourites
