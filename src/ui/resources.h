#pragma once
// Kestrin's resources as data, and the few steps that turn them into Qt objects.
//
// Data flow: res/menus.json (menus, context menus, accelerators, toolbars), res/strings.json (the
// English and Japanese string tables) and the XPM bitmaps in res/bitmaps and res/icon are compiled
// into the Qt resource system. The loaders below read them once and hand out plain structs and
// images; buildMenuBar / buildMenu / fillToolBar make widgets whose QActions carry their command
// numbers as data, so the window's one dispatch function serves menus, toolbars and keys alike.
//
// Bitmap numbers: 110 home buttons, 132 background, 158 reverse button, 187 bar background;
// toolbar strips 154/162 numbering, 156/160 edit, 159/161 mode; icon 31234.

#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QPixmap>
#include <QString>

#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QPalette;
class QToolBar;
class QWidget;
struct ButtonColours;

namespace resources {

// ---------------------------------------------------------------- menus

// One entry of a menu resource. Texts are as in the resource: "\t" starts the second column,
// "\b" (character 8) starts its right-aligned form, "&" marks the access key.
struct MenuItem {
    int command = 0;                 // 0 for separators and popups
    QString text;                    // a popup's title; empty for separators
    std::vector<MenuItem> children;  // a popup's items
    bool separator = false;
    bool popup = false;
};

// A menu resource by name: "MainEMenu", "MainMenu" (menu bars: popups), "UnitChange", "MemorySet"
// (commands, to be hung in as a popup), "POPEMENU", "POPMENU", "SLIDEEMENU", "SLIDEMENU"
// (context menus: one popup whose title is never shown). Unknown names give an empty menu.
struct Menu {
    QString name;
    std::vector<MenuItem> items;
};
Menu loadMenu(const QString& name);

// ---------------------------------------------------------------- accelerators

struct Accelerator {
    QKeySequence keys;  // one key with its modifiers, e.g. Shift+1, Ctrl+C, Tab
    int command = 0;
};
// "MainAccelTable": the documented table plus Ctrl+Z for Undo (631), as design.md decides.
std::vector<Accelerator> loadAccelerators(const QString& name = QStringLiteral("MainAccelTable"));

// ---------------------------------------------------------------- toolbars

enum class ToolbarKind { Numbering, Edit, Mode };

struct Toolbar {
    int resource = 0;
    std::vector<int> commands;  // in button order; 0 is a separator
    int imageWidth = 18;
    int imageHeight = 17;
};
// The toolbar resource for `Language`: 0 gives 162, 160, 161; any other value 154, 156, 159.
int toolbarResource(ToolbarKind kind, int language);
// Unknown numbers give a toolbar with no commands.
Toolbar loadToolbar(int resource);
// The images of the toolbar's buttons, one per command that is not a separator, mapped.
std::vector<QPixmap> toolbarImages(int resource, const QPalette& palette);

// ---------------------------------------------------------------- bitmaps

inline constexpr int kApplicationIcon = 31234;

// The bitmap as drawn (the toolbar numbers give the whole strip); a null image if unknown.
QImage loadBitmap(int id);
// The bitmap "loaded mapped": black, #808080, #C0C0C0 and white become the palette's
// ButtonText, Dark, Button and Light colours; every other colour stays.
QImage loadMappedBitmap(int id, const QPalette& palette);
QImage mapButtonColours(const QImage& image, const QPalette& palette);
QImage mapButtonColours(const QImage& image, const ButtonColours& colours);
// The program's icon (31234) in 16, 32 and 48 pixels.
QIcon applicationIcon();

// ---------------------------------------------------------------- string table

enum class UiLanguage { English, Japanese };

// Japanese when the system's first user-interface language is Japanese, otherwise English.
UiLanguage systemUiLanguage();
// Entry `id` of the table for `table`; when the table has no entry at all in id's group of 16
// (1-16, 17-32, ...), the other table's entry. Empty when there is none.
QString loadString(int id, UiLanguage table);
// The part before "\n" (the whole text when there is no "\n"): the status-line prompt.
QString stringPrompt(int id, UiLanguage table);
// The part after "\n" (empty when there is no "\n"): the tooltip.
QString stringTip(int id, UiLanguage table);

// ---------------------------------------------------------------- Qt widgets

// A resource text as a QAction text: "\b" becomes "\t", so both show in the shortcut column.
QString actionText(const QString& resourceText);
// The command number a QAction carries as data; 0 for popups, separators and foreign actions.
int commandOf(const QAction* action);

// A menu bar of the menu's popups. Every command item is a QAction with its command number as
// data, its text through actionText, no shortcut of its own (keys go through the accelerator
// table) and its status tip from the string table's prompt part.
QMenuBar* buildMenuBar(const Menu& menu, QWidget* parent, UiLanguage strings);
// A popup menu titled `title` holding `items` (for a context menu: its one popup's children;
// for "UnitChange" and "MemorySet": menu.items).
QMenu* buildMenu(const QString& title, const std::vector<MenuItem>& items, QWidget* parent,
                 UiLanguage strings);
// Appends `items` to `menu` the same way.
void fillMenu(QMenu* menu, const std::vector<MenuItem>& items, UiLanguage strings);
// The first action with this command number in the menu (bar) or its popups, depth first.
QAction* findAction(const QWidget* menuOrBar, int command);

// Clears `bar` and adds the toolbar's buttons: mapped image, command number as data, tooltip
// from the tip part and status tip from the prompt part of the string table; separators.
void fillToolBar(QToolBar* bar, int resource, const QPalette& palette, UiLanguage strings);

}  // namespace resources
