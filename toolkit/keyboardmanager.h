#pragma once

#include "toolkit/toolkitglobal.h"

#include <QKeySequence>
#include <QString>

namespace platform {
class Registry;
}

namespace toolkit {

class CommandTable;

// The keyboard map of a frame: which keys give which command. A key belongs
// to one command at a time. The map is saved as the keys of every command;
// a command missing from a saved map keeps its built-in keys.
class TOOLKIT_EXPORT KeyboardManager
{
public:
    // Gives the key to the command, taking it from any other command first.
    // Returns false for an empty key or an unknown command.
    static bool assign(CommandTable &commands, int id, const QKeySequence &key);
    static bool remove(CommandTable &commands, int id, const QKeySequence &key);
    // Every command gets its built-in keys back.
    static void resetAll(CommandTable &commands);
    // The command the key gives, 0 when none.
    [[nodiscard]] static int commandForKey(const CommandTable &commands, const QKeySequence &key);
    // The keys of a command as the user reads them: "Ctrl+N, F2".
    [[nodiscard]] static QString keysText(const CommandTable &commands, int id);

    bool saveState(platform::Registry &registry, const QString &section,
                   const CommandTable &commands) const;
    // Returns false when nothing is saved there.
    bool loadState(const platform::Registry &registry, const QString &section,
                   CommandTable &commands) const;
};

} // namespace toolkit
