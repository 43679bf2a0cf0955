#include "systeminfo.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>

#include <thread>

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace {

int numberFrom(const QString &text)
{
    bool ok = false;
    const QString t = text.trimmed();
    const int value = t.startsWith(QLatin1String("0x")) ? t.mid(2).toInt(&ok, 16) : t.toInt(&ok);
    return ok ? value : 0;
}

} // namespace

SystemInfo SystemInfo::current()
{
    SystemInfo info;
    info.computerName = QSysInfo::machineHostName();
    if (const passwd *pw = ::getpwuid(::getuid()))
        info.userName = QString::fromLocal8Bit(pw->pw_name);
    else
        info.userName = qEnvironmentVariable("USER");

    utsname uts = {};
    QString kernel = QStringLiteral("Linux");
    if (::uname(&uts) == 0) {
        kernel = QString::fromLocal8Bit(uts.sysname);
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^(\\d+)\\.(\\d+)(?:\\.(\\d+))?"))
                .match(QString::fromLocal8Bit(uts.release));
        if (m.hasMatch()) {
            info.versionMajor = m.captured(1).toInt();
            info.versionMinor = m.captured(2).toInt();
            info.versionBuild = m.captured(3).toInt();
        }
    }
    const QString product = QSysInfo::prettyProductName();
    info.systemName = product.isEmpty() || product.startsWith(kernel)
                          ? kernel
                          : kernel + QStringLiteral(", ") + product;

    info.processorCount = static_cast<int>(std::thread::hardware_concurrency());
    QFile cpuInfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuInfo.open(QIODevice::ReadOnly))
        info.readProcessorFacts(cpuInfo.readAll());
    return info;
}

void SystemInfo::readProcessorFacts(const QByteArray &cpuInfo)
{
    // Only the first processor's block is read: all of them are alike.
    const QList<QByteArray> lines = cpuInfo.split('\n');
    bool x86 = false;
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromLatin1(raw);
        if (line.trimmed().isEmpty() && (processorFamily || processorLevel))
            break;
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0)
            continue;
        const QString key = line.left(colon).trimmed();
        const QString value = line.mid(colon + 1);
        if (key == QLatin1String("cpu family")) {
            processorFamily = numberFrom(value);
            x86 = true;
        } else if (key == QLatin1String("model") && x86) {
            processorLevel = numberFrom(value);
        } else if (key == QLatin1String("stepping")) {
            processorRevision = numberFrom(value);
        } else if (key == QLatin1String("CPU architecture")) {
            processorFamily = numberFrom(value);
        } else if (key == QLatin1String("CPU part")) {
            processorLevel = numberFrom(value);
        } else if (key == QLatin1String("CPU revision")) {
            processorRevision = numberFrom(value);
        }
    }
}

QString SystemInfo::text() const
{
    const auto tr = [](const char *s) { return QCoreApplication::translate("console", s); };
    QString out;
    out += tr("Nome del computer: %1\r\n").arg(computerName);
    out += tr("Nome dell'utente: %1\r\n\r\n").arg(userName);
    out += tr("Sistema operativo: %1 (%2.%3,%4)\r\n\r\n")
               .arg(systemName, QString::number(versionMajor), QString::number(versionMinor),
                    QString::number(versionBuild));
    out += tr("Numero di processori: %1\r\nFamiglia del processore: %2\r\nLivello e revisione "
              "del processore: %3, %4\r\n\r\n")
               .arg(processorCount)
               .arg(processorFamily)
               .arg(processorLevel)
               .arg(processorRevision);
    return out;
}
