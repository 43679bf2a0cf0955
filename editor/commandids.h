#pragma once

// The editor's command ids. Menus, toolbars, saved toolbar layouts and the
// keyboard map know commands by these numbers, so they never change.
namespace cmd {

// File and application (the framework's standard numbers).
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileClose = 57602;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int FilePrintSetup = 57606;
constexpr int FilePrint = 57607;
constexpr int FilePrintPreview = 57609;
constexpr int FileMruFirst = 57616; // the four recent files
constexpr int FileMruLast = 57619;
constexpr int AppAbout = 57664;
constexpr int AppExit = 57665;
// The New command of the menu shows the start dialog; the toolbar's makes a
// plain document at once.
constexpr int FileNewPlain = 32836;

// Edit.
constexpr int EditClear = 57632;
constexpr int EditCopy = 57634;
constexpr int EditCut = 57635;
constexpr int EditPaste = 57637;
constexpr int EditSelectAll = 57642;
constexpr int EditUndo = 57643;
constexpr int EditRedo = 57644;

// Zoom.
constexpr int ZoomIn = 32972;
constexpr int ZoomOut = 32973;
constexpr int ZoomCustom = 32975;
constexpr int ZoomFitPage = 32977;
constexpr int ZoomActualSize = 32999;
constexpr int ZoomFitWidth = 33061;
constexpr int ZoomFitHeight = 33062;
// Grid and guides sheet; also the place of the user tools in the Tools menu.
constexpr int GridGuides = 32971;

// Drawing tools.
constexpr int ToolSelect = 32779;
constexpr int ToolLine = 32785;
constexpr int ToolRect = 32782;
constexpr int ToolRoundRect = 32783;
constexpr int ToolRectRoom = 33124;
constexpr int ToolEllipse = 32781;
constexpr int ToolPolyRoom = 32787;
constexpr int ToolOpenPath = 33009;
constexpr int ToolText = 32800;
constexpr int ToolSymbol = 32791;
constexpr int ToolFurniture = 32792;
constexpr int ToolImage = 33034;
constexpr int ToolRegularPolygon = 33101;
constexpr int ToolComment = 33111;
constexpr int ToolDimension = 33197;

// Click modes and room commands.
constexpr int InsertOpening = 33044;
constexpr int SplitSegment = 33106;
constexpr int DeleteSegment = 33109;
constexpr int MoveOpening = 33107;
constexpr int DeleteOpening = 33117;
constexpr int InvertOpening = 33118;
constexpr int FlipOpeningAlongWall = 33131;
constexpr int FlipOpeningHorizontally = 33134;
constexpr int OpeningProperties = 33136;
constexpr int RotateRoom = 33127;
constexpr int ScaleRoom = 33135;
constexpr int ResizeOpening = 33141;
constexpr int SplitSegmentAtPoint = 33137;
constexpr int AlignHorizontally = 33130;
constexpr int AlignVertically = 33129;

// Room presets, and the predefined-styles command (also the toolbar's combo).
constexpr int PresetCamera = 32993;
constexpr int PresetGiardino = 32996;
constexpr int PresetSala = 32994;
constexpr int PresetCucina = 32992;
constexpr int PresetBagno = 32991;
constexpr int PresetCorridoio = 171;
constexpr int PresetBalcone = 170;
constexpr int PresetRipostiglio = 181;
constexpr int PresetIngresso = 180;
constexpr int PredefinedStyles = 114;

// Moving and ordering the selection.
constexpr int MoveDown = 32825;
constexpr int MoveLeft = 32826;
constexpr int MoveRight = 32827;
constexpr int MoveUp = 32824;
constexpr int NudgeDown = 33223;
constexpr int NudgeLeft = 33224;
constexpr int NudgeRight = 33225;
constexpr int NudgeUp = 33222;
constexpr int Clone = 33000;
constexpr int Duplicate = 33001;
constexpr int OrderBackOne = 32805;
constexpr int OrderForwardOne = 32806;
constexpr int OrderToBack = 32803;
constexpr int OrderToFront = 32807;

// Display toggles and document commands.
constexpr int ShowCornerIds = 33095;
constexpr int ShowWallIds = 33100;
constexpr int ShowRotationCenter = 33096;
constexpr int DocumentType = 33143;
constexpr int FillColour = 32802;
constexpr int BorderColour = 32801;
constexpr int AutoFormat = 32981;
constexpr int Export = 32773;

// Frame.
constexpr int Customize = 32771;
constexpr int ToolBarFormatting = 32822;
constexpr int ToolBarDrawing = 32823;
constexpr int ToolBarModify = 33221;
constexpr int InfoBar = 112;
constexpr int ProjectBar = 169;
constexpr int KeyboardMap = 32970;
constexpr int CloseDocument = 33066;
constexpr int HideMdiTabs = 33070;
constexpr int MdiTabsTop = 33068;
constexpr int MdiTabsBottom = 33069;
constexpr int MdiTabIcons = 33072;
constexpr int WindowManager = 33073;
constexpr int WindowsDialog = 118;
constexpr int WindowMaximize = 33086;
constexpr int WindowMinimize = 33088;
constexpr int WindowRestore = 33087;
constexpr int FullScreen = 33226;
constexpr int CheckForUpdates = 33227;
constexpr int Options = 33228;
constexpr int WindowCascade = 57650;
constexpr int WindowTileHorz = 57651;
constexpr int WindowArrange = 57649;
constexpr int ViewStatusBar = 59393;

// Bars.
constexpr int MenuBarId = 59398;
constexpr int ToolBarStandard = 59392;
constexpr int StatusBarId = 59393;

// User tools and tear-off menus.
constexpr int UserToolFirst = 119;
constexpr int UserToolLast = 128;
constexpr int TearOffFirst = 61460;
constexpr int TearOffLast = 61474;
// Ids of toolbars the user makes.
constexpr int UserToolBarFirst = 59432;
constexpr int UserToolBarLast = 59441;

} // namespace cmd
