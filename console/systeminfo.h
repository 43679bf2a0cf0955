#pragma once

#include <QByteArray>
#include <QString>

// Facts about the computer for the bug report.
struct SystemInfo
{
    QString computerName;
    QString userName;
    QString systemName; // the system's kernel and distribution names
    int versionMajor = 0;
    int versionMinor = 0;
    int versionBuild = 0;
    int processorCount = 0;
    int processorFamily = 0;
    int processorLevel = 0;
    int processorRevision = 0;

    [[nodiscard]] static SystemInfo current();
    // The processor's family, level and revision from /proc/cpuinfo text:
    // "cpu family", "model" and "stepping" on x86, "CPU architecture",
    // "CPU part" and "CPU revision" on ARM.
    void readProcessorFacts(const QByteArray &cpuInfo);
    // The text of the report's first section, lines ended by CR LF.
    [[nodiscard]] QString text() const;
};
