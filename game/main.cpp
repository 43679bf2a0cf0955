#include "frmfield.h"

#include "platform/messagebox.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    platform::ui::setDefaultCaption(QStringLiteral("Rubblefall"));
    frmField window;
    window.show();
    return QApplication::exec();
}
