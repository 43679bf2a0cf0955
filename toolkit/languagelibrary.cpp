#include "languagelibrary.h"

#include "localepackabi.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QTranslator>

namespace toolkit {

namespace {

// A catalogue larger than this is not a translation file.
constexpr unsigned int maxCatalogueBytes = 64u * 1024u * 1024u;
constexpr int maxCatalogues = 64;

} // namespace

std::unique_ptr<LanguageLibrary>
LanguageLibrary::load(const QString &path, LanguageLibraryError *error, QString *errorText)
{
    const auto fail = [&](LanguageLibraryError reason, const QString &text) {
        if (error)
            *error = reason;
        if (errorText)
            *errorText = text;
        return std::unique_ptr<LanguageLibrary>();
    };
    if (!QFileInfo(path).isFile())
        return fail(LanguageLibraryError::Missing, QStringLiteral("%1: not found").arg(path));
    std::unique_ptr<LanguageLibrary> lib(new LanguageLibrary);
    lib->m_library = std::make_unique<QLibrary>(path);
    if (!lib->m_library->load())
        return fail(LanguageLibraryError::NotLoadable, lib->m_library->errorString());
    const auto version =
        reinterpret_cast<LocalePackVersionFunction>(lib->m_library->resolve("localepack_version"));
    const auto language = reinterpret_cast<LocalePackLanguageFunction>(
        lib->m_library->resolve("localepack_language"));
    const auto count = reinterpret_cast<LocalePackCountFunction>(
        lib->m_library->resolve("localepack_catalogue_count"));
    const auto catalogue = reinterpret_cast<LocalePackCatalogueFunction>(
        lib->m_library->resolve("localepack_catalogue"));
    if (!version || !language || !count || !catalogue || version() != localePackVersion) {
        // The library was loaded only to look at it; it is not used.
        lib->m_library->unload();
        return fail(LanguageLibraryError::NotALanguageLibrary,
                    QStringLiteral("%1: not a language library").arg(path));
    }
    lib->m_language = QString::fromUtf8(language() ? language() : "");
    const int n = std::clamp(count(), 0, maxCatalogues);
    for (int i = 0; i < n; ++i) {
        const LocalePackCatalogue *entry = catalogue(i);
        if (!entry || !entry->data || entry->size == 0 || entry->size > maxCatalogueBytes)
            continue;
        auto *translator = new QTranslator;
        if (translator->load(entry->data, int(entry->size))) {
            lib->m_translators.append(translator);
            lib->m_names.append(QString::fromUtf8(entry->name ? entry->name : ""));
        } else {
            delete translator;
        }
    }
    if (error)
        *error = LanguageLibraryError::None;
    return lib;
}

LanguageLibrary::~LanguageLibrary()
{
    uninstall();
    qDeleteAll(m_translators);
    m_translators.clear();
    // The translators read their texts from the library's memory: they are
    // gone before it is unloaded.
    if (m_library)
        m_library->unload();
}

QString LanguageLibrary::path() const
{
    return m_library ? m_library->fileName() : QString();
}

QStringList LanguageLibrary::catalogues() const
{
    return m_names;
}

bool LanguageLibrary::install()
{
    if (m_installed)
        return true;
    bool any = false;
    for (QTranslator *translator : std::as_const(m_translators))
        any = QCoreApplication::installTranslator(translator) || any;
    m_installed = any;
    return any;
}

void LanguageLibrary::uninstall()
{
    if (!m_installed)
        return;
    for (QTranslator *translator : std::as_const(m_translators))
        QCoreApplication::removeTranslator(translator);
    m_installed = false;
}

} // namespace toolkit
