#pragma once

#include "toolkit/toolkitglobal.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QLibrary;
class QTranslator;

namespace toolkit {

enum class LanguageLibraryError
{
    None,
    Missing,            // no file at the path
    NotLoadable,        // the file is not a shared library of this system
    NotALanguageLibrary // a library without the language library's exports
};

// The language library (localepack.so): the texts of the toolkit's own
// dialogs and of Qt's standard dialogs in the program's language. A program
// loads it by path at start and hands it to the toolkit with install(); the
// toolkit's texts are English in the source and come from here.
class TOOLKIT_EXPORT LanguageLibrary
{
public:
    // Null, with the reason in `error` (and a text in `errorText`), when the
    // library cannot be used.
    [[nodiscard]] static std::unique_ptr<LanguageLibrary>
    load(const QString &path, LanguageLibraryError *error = nullptr, QString *errorText = nullptr);
    // Takes the texts back and frees the library.
    ~LanguageLibrary();
    LanguageLibrary(const LanguageLibrary &) = delete;
    LanguageLibrary &operator=(const LanguageLibrary &) = delete;

    [[nodiscard]] QString path() const;
    [[nodiscard]] QString language() const { return m_language; }
    [[nodiscard]] QStringList catalogues() const;

    // Puts the texts in force for the whole program; false when no
    // catalogue of the library could be read.
    bool install();
    void uninstall();
    [[nodiscard]] bool isInstalled() const { return m_installed; }

private:
    LanguageLibrary() = default;

    std::unique_ptr<QLibrary> m_library;
    QString m_language;
    QStringList m_names;
    QList<QTranslator *> m_translators; // owned; deleted with the library
    bool m_installed = false;
};

} // namespace toolkit
