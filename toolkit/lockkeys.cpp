#include "lockkeys.h"

#include <QGuiApplication>
#include <QLibrary>

#if QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#endif

namespace toolkit {

namespace {

// Xlib is opened at run time so the toolkit needs no X libraries to build or
// to run on other window systems.
struct XkbFunctions
{
    using InternAtom = unsigned long (*)(void *display, const char *name, int onlyIfExists);
    using GetNamedIndicator = int (*)(void *display, unsigned long name, int *index, int *state,
                                      void *map, int *real);
    InternAtom internAtom = nullptr;
    GetNamedIndicator getNamedIndicator = nullptr;
};

const XkbFunctions &xkb()
{
    static const XkbFunctions functions = [] {
        XkbFunctions f;
        QLibrary x11(QStringLiteral("X11"), 6);
        if (x11.load()) {
            f.internAtom = reinterpret_cast<XkbFunctions::InternAtom>(x11.resolve("XInternAtom"));
            f.getNamedIndicator = reinterpret_cast<XkbFunctions::GetNamedIndicator>(
                x11.resolve("XkbGetNamedIndicator"));
        }
        return f;
    }();
    return functions;
}

} // namespace

std::optional<LockKeys> readLockKeys()
{
#if QT_CONFIG(xcb)
    auto *x11App =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    void *display = x11App ? static_cast<void *>(x11App->display()) : nullptr;
    const XkbFunctions &f = xkb();
    if (!display || !f.internAtom || !f.getNamedIndicator)
        return std::nullopt;
    const auto indicator = [&](const char *name) {
        const unsigned long atom = f.internAtom(display, name, 1);
        int state = 0;
        return atom != 0 && f.getNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr) &&
               state != 0;
    };
    return LockKeys{indicator("Caps Lock"), indicator("Num Lock"), indicator("Scroll Lock")};
#else
    return std::nullopt;
#endif
}

} // namespace toolkit
