// A tiny program for the single-instance test: it claims the name given as
// its first argument and reports on standard output what happened.
#include "platform/singleinstance.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    platform::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (!instance.claim()) {
        std::printf("SECONDARY\n");
        return 0;
    }
    std::printf("PRIMARY\n");
    std::fflush(stdout);
    QObject::connect(&instance, &platform::SingleInstance::showRequested, &app, [] {
        std::printf("SHOWN\n");
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    QTimer::singleShot(15000, &app, [] { QCoreApplication::exit(3); });
    return app.exec();
}
