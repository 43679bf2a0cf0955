#include "cpickerapp.h"

#include "gtcolordialog.h"
#include "platform/messagebox.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

int CPickerApp::InitInstance(const DialogRunner &run)
{
    // The edit boxes' own menus speak Italian like the rest of the window.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_it"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    platform::ui::setDefaultCaption(QStringLiteral("Chromatrix"));

    GTColorDialog dialog(0xFF0000);
    if (run)
        run(dialog);
    else
        platform::ui::execDialog(dialog);
    return 0;
}
