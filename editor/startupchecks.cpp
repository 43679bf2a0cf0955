#include "startupchecks.h"

#include "platform/paths.h"
#include "platform/registry.h"

#include <QFile>

TimeStampCheck checkExeTimeStamp(platform::Registry &reg, const QString &executablePath)
{
    QFile exe(executablePath);
    if (!exe.open(QIODevice::ReadOnly))
        return TimeStampCheck::ExecutableMissing;
    const QString now = platform::fileTimeText(executablePath);
    const QString seen = reg.readString(QStringLiteral("Settings"), QStringLiteral("ExeTimeStamp"),
                                        QStringLiteral("FIRST"));
    if (seen == now)
        return TimeStampCheck::Unchanged;
    reg.deleteKey(QStringLiteral("Interface"));
    reg.writeString(QStringLiteral("Settings"), QStringLiteral("ExeTimeStamp"), now);
    reg.sync();
    return TimeStampCheck::LayoutErased;
}

int lastShutdownStep(int quitMode)
{
    switch (quitMode) {
    case 1:
        return 1;
    case 2:
        return 6;
    case 3:
        return 9;
    default:
        return 10;
    }
}
