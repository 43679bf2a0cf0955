// The language library: the Italian texts of the toolkit's dialogs and of
// Qt's own standard dialogs, as compiled translation catalogues.
#include "toolkit/localepackabi.h"

#include "catalogues.h"

#if defined(_WIN32)
#define LOCALEPACK_EXPORT __declspec(dllexport)
#else
#define LOCALEPACK_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {

LOCALEPACK_EXPORT int localepack_version()
{
    return localePackVersion;
}

LOCALEPACK_EXPORT const char *localepack_language()
{
    return "it";
}

LOCALEPACK_EXPORT int localepack_catalogue_count()
{
    return localepack::catalogueCount;
}

LOCALEPACK_EXPORT const LocalePackCatalogue *localepack_catalogue(int index)
{
    if (index < 0 || index >= localepack::catalogueCount)
        return nullptr;
    return &localepack::catalogues[index];
}
}
