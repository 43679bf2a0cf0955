#pragma once

namespace toolkit {
class CommandTable;
}

// The jotter's own command, menu and bar ids; the standard commands are the
// toolkit's (toolkit/commandids.h).
namespace jottercmd {

constexpr int Customize = 32770;           // "&Personalizza..."
constexpr int ToolBarsPlaceholder = 32771; // stands where the toolbar list goes
constexpr int UserToolBarFirst = 32793;    // show or hide user toolbar 0 ... 9
constexpr int UserToolBarLast = 32802;
constexpr int WindowsDialog = 32823;
constexpr int KeyboardMap = 32825;

// Bars: the ids the user toolbars take.
constexpr int UserToolBarIdFirst = 0xE828;
constexpr int UserToolBarIdLast = 0xE831;

// The File menu lists this many recent files.
constexpr int recentFileCount = 4;

// Menus.
constexpr int MainMenu = 128; // no document open
constexpr int DocumentMenu = 129;
constexpr int ContextMenu = 130; // "Menu contestuale"
constexpr int ToolBarMenu = 131;

// Registers every command with its menu text, description, tool tip, image
// and keys.
void registerCommands(toolkit::CommandTable &commands);

} // namespace jottercmd
