// domora: the floor-plan editor.
#include "editor/cdomoraapp.h"
#include "editor/commandline.h"
#include "platform/messagebox.h"

#include <QApplication>

#include <cstdio>

namespace {

// Export mode shows no window: what it has to say goes to standard error.
platform::ui::Answer toStandardError(const platform::ui::MessageRequest &request)
{
    std::fprintf(stderr, "%s\n", qPrintable(request.text));
    switch (request.buttons) {
    case platform::ui::Buttons::Ok:
        return platform::ui::Answer::Ok;
    case platform::ui::Buttons::YesNo:
        return platform::ui::Answer::No;
    default:
        return platform::ui::Answer::Cancel;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool exportMode = CDomoraCommandLineInfo::parse(arguments).exportMode != 0;
    if (exportMode && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Domora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Domora"));
    platform::ui::setDefaultCaption(QStringLiteral("Domora"));
    if (exportMode)
        platform::ui::setMessageResponder(toStandardError);

    CDomoraApp app(QCoreApplication::arguments().mid(1));
    int code = 0;
    if (app.InitInstance())
        code = QApplication::exec();
    return app.ExitInstance(code);
}
