#pragma once

#include <string>
#include <vector>

namespace zam {

// What a menu item does when clicked.
enum class TMenuHandler {
    Submenu,
    Procedure, // procedure command, code = Tag
    Chart, // chart command, code = Tag
    ChartReport,
    BaseData,
    ChangeUser,
    Exit,
    Print,
    FormFeed,
    SaveCopy,
    SortDays,
    TotalExport,
    Correction,
    ClosePrePeriod,
    ChoosePeriod,
    CheckLimits,
    IntervalStatistics,
    Graphic,
    EditGraphic,
    TextOptions,
    GraphicsOptions,
    PrinterSetup,
    TileHorizontal,
    TileVertical,
    Cascade,
    MinimizeAll,
    ArrangeIcons,
    Help,
};

struct TMenuItem {
    std::string name; // MIKFkt, MVEntw, ...
    std::string caption;
    int tag = 0;
    std::string hint;
    TMenuHandler handler = TMenuHandler::Submenu;
    std::vector<TMenuItem> items;
};

// The whole menu bar, as the main window builds it.
const std::vector<TMenuItem>& MainMenu();
const TMenuItem* FindMenuItem(const std::string& name);

// Hint text: before the first "|" the pop-up, after it (or all) the status text.
std::string HintPopup(const std::string& hint);
std::string HintStatus(const std::string& hint);

// The export captions of the export target 0..2: button hint, menu caption.
struct TExportCaptions {
    std::string buttonHint;
    std::string menuCaption;
    std::string menuHint;
};
TExportCaptions ExportCaptions(int target);

// Menu items hidden for a rights level.
bool MenuItemAllowed(const std::string& name, int rights);

// The tool buttons a result asks for, laid out right to left before the
// print button, with the menu items that go with them.
struct TToolLayout {
    struct TButton {
        std::string name;
        int x = 0;
    };
    int panelWidth = 0;
    std::vector<TButton> buttons; // in their order from the left
    std::vector<std::string> menuItems; // shown menu items
    bool printEnabled = true;
    bool saveEnabled = true;
    bool exportShown = true; // XPGesBtn, else SortDaysBtn
    bool exportEnabled = true;
    int correctionTag = 0;
};
TToolLayout ShowButtonsLayout(std::string flags, int currentCode, bool tableActive, bool graphicsActive, int buttonWidth);

}
