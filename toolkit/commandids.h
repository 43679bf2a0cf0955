#pragma once

// Command ids shared by every program of the suite. The numbers are the
// framework's standard commands, so menus, toolbars, saved toolbar layouts
// and keyboard maps agree on them across programs.
namespace toolkit::cmd {

constexpr int Separator = 0;

constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileClose = 57602;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int FilePageSetup = 57605;
constexpr int FilePrintSetup = 57606;
constexpr int FilePrint = 57607;
constexpr int FilePrintDirect = 57608;
constexpr int FilePrintPreview = 57609;
constexpr int FileSendMail = 57612;
constexpr int FileMruFirst = 57616; // the recent files, up to 16 of them
constexpr int FileMruLast = 57631;

constexpr int EditClear = 57632;
constexpr int EditClearAll = 57633;
constexpr int EditCopy = 57634;
constexpr int EditCut = 57635;
constexpr int EditFind = 57636;
constexpr int EditPaste = 57637;
constexpr int EditRepeat = 57640;
constexpr int EditReplace = 57641;
constexpr int EditSelectAll = 57642;
constexpr int EditUndo = 57643;
constexpr int EditRedo = 57644;

constexpr int WindowNew = 57648;
constexpr int WindowArrange = 57649;
constexpr int WindowCascade = 57650;
constexpr int WindowTileHorz = 57651;
constexpr int WindowTileVert = 57652;
constexpr int WindowSplit = 57653;

constexpr int AppAbout = 57664;
constexpr int AppExit = 57665;
constexpr int HelpIndex = 57666;
constexpr int NextPane = 57680;
constexpr int PrevPane = 57681;

// A command whose id equals the id of a bar shows or hides that bar.
constexpr int ViewToolBar = 59392;
constexpr int ViewStatusBar = 59393;

// Ids of bars that every frame has.
constexpr int MenuBarId = 59398;
constexpr int StatusBarId = 59393;

// Status-bar panes showing the state of the lock keys.
constexpr int IndicatorCaps = 59137;
constexpr int IndicatorNum = 59138;
constexpr int IndicatorScroll = 59139;

} // namespace toolkit::cmd
