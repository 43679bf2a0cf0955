#include "stewardapp.h"

#include "platform/paths.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("steward"));
    QApplication::setApplicationDisplayName(QStringLiteral("Domora Management Console"));
    return steward::run(platform::programFolder());
}
