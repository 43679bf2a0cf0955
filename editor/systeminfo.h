#pragma once

#include <QString>

#include <optional>

// What the About box tells about the machine.
namespace systeminfo {

struct Memory
{
    quint64 totalBytes = 0;
    quint64 availableBytes = 0;
};

// From /proc/meminfo (MemTotal, MemAvailable); empty when unreadable.
[[nodiscard]] std::optional<Memory> memory();
// Parses the text of /proc/meminfo.
[[nodiscard]] std::optional<Memory> parseMeminfo(const QByteArray &text);

// "%lu MB, libera: %lu %%": total megabytes and 100 minus the memory load.
[[nodiscard]] QString memoryText(const Memory &memory);

// "%lu MB liberi in <mount point>" for the file system of a folder, or
// "Non disponibile".
[[nodiscard]] QString diskText(const QString &folder);

} // namespace systeminfo
