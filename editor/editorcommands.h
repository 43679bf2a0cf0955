#pragma once

namespace toolkit {
class CommandTable;
}

// Puts every command of the editor into the frame's table: menu text, the
// prompt ("status-bar description\ntool tip"), icon and built-in keys.
void registerEditorCommands(toolkit::CommandTable &commands);
