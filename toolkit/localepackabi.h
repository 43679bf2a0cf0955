#pragma once

// What a language library exports, with C names. The toolkit loads the
// library by path and reads its catalogues of translated texts:
//
//   int localepack_version()               2 for this layout
//   const char *localepack_language()      "it"
//   int localepack_catalogue_count()
//   const LocalePackCatalogue *localepack_catalogue(int index)   null when out of range
//
// A catalogue is a compiled Qt translation file held in the library; its data
// stays valid while the library is loaded.

extern "C" {

struct LocalePackCatalogue
{
    const char *name; // "toolkit", "qtbase"
    const unsigned char *data;
    unsigned int size;
};

using LocalePackVersionFunction = int (*)();
using LocalePackLanguageFunction = const char *(*)();
using LocalePackCountFunction = int (*)();
using LocalePackCatalogueFunction = const LocalePackCatalogue *(*)(int index);
}

constexpr int localePackVersion = 2;
