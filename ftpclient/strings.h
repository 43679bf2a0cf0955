#pragma once

#include <QString>

// The FTP browser's numbered texts.
namespace ftpStrings {
enum Id
{
    AboutItem = 101,
    AgentName = 102,
    NoSession = 103,
    NotConnected = 104,
    InvalidAddress = 105,
    ConnectionFailed = 106,
    Read = 1002
};

[[nodiscard]] QString text(Id id);
} // namespace ftpStrings
