#pragma once

#include <QString>

namespace platform {
class Registry;
}

enum class TimeStampCheck
{
    Unchanged,
    LayoutErased,
    ExecutableMissing
};

// Compares the executable's modification time with the one last seen
// ("ExeTimeStamp" in "Settings", "FIRST" before the first start). When they
// differ the saved toolbar, menu and window layout (the whole "Interface"
// key) is erased and the new time remembered, so every new executable starts
// with the built-in layout.
TimeStampCheck checkExeTimeStamp(platform::Registry &reg, const QString &executablePath);

// How far the shutdown sequence runs for a quit mode: the number of the last
// step carried out (1 ends at once; 10 is the full sequence).
[[nodiscard]] int lastShutdownStep(int quitMode);
