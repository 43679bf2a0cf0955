#include "notepad/cjotterapp.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Jotter"));
    QApplication::setOrganizationName(QStringLiteral("Velmar"));
    CJotterApp app;
    if (!app.initInstance(QApplication::arguments().mid(1)))
        return app.exitInstance();
    const int code = QApplication::exec();
    app.exitInstance();
    return code;
}
