#pragma once

#include <functional>

class CUpdaterDialog;

namespace updater {

// The whole updater: make the program folder current, show the dialog, and
// after a completed update with the restart box checked start "Talvex" and
// then "domora" from the program folder (a failed start is ignored).
// `exec` runs the dialog modally (tests script it).
int runUpdater(const std::function<int(CUpdaterDialog &)> &exec);

} // namespace updater
