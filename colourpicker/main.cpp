#include "cpickerapp.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chromatrix"));
    return CPickerApp().InitInstance();
}
