#pragma once

#include <QtGlobal>

// The toolkit is a shared library used by the editor, the console, the
// notepad and the skin library.
#if defined(TOOLKIT_LIBRARY)
#define TOOLKIT_EXPORT Q_DECL_EXPORT
#else
#define TOOLKIT_EXPORT Q_DECL_IMPORT
#endif
