// The main window's menu: the whole tree as constant data, the builder that
// turns it into a menu bar, and the dispatch of every item to its entry in
// the view catalogue.
//
// Every item with an action runs the catalogue entry of its component name.
// Submenu items with an action (the RMON menu's check, and two that do
// nothing) run it each time the submenu opens, before its items are shown.
#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <span>
#include <string>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

enum MainMenuItemFlag : unsigned {
    MiHidden = 1,     // not visible in the design; stays hidden
    MiDisabled = 2,   // not enabled in the design
    MiSeparator = 4,  // a separator line
    MiAction = 8,     // runs its catalogue entry
};

// One menu item.  The tree is stored in menu order; an item's children are
// the items after it with a deeper Level, up to the next item at its own
// level or above.  Level 0 items are the menu bar's entries.
struct MainMenuItemDef {
    int Level;
    const char* Name;     // component name
    const char* Caption;  // UTF-8, exactly as shown, trailing blanks included; null for separators
    unsigned Flags;

    constexpr bool Hidden() const { return Flags & MiHidden; }
    constexpr bool Disabled() const { return Flags & MiDisabled; }
    constexpr bool Separator() const { return Flags & MiSeparator; }
    constexpr bool HasAction() const { return Flags & MiAction; }
};

std::span<const MainMenuItemDef> MainMenuItems();

// An item with an action and where the menu shows it: what "Go to View…"
// searches and "--open --list" prints.
struct MainMenuPlace {
    QString Name;     // the component name, as --open takes it
    QString Caption;  // blanks trimmed and single
    QString Menu;     // the captions of the submenus above it, " > " between
    QString Path;     // the menu, " > " and the caption
    bool Submenu;     // its action runs as its submenu opens
    bool Hidden;      // the design hides it, or a submenu above it
};

// Every item with an action, in menu order.
std::vector<MainMenuPlace> MainMenuPlaces();

// Runs what the item does; the default runs its view catalogue entry.
using MenuRunner = std::function<void(QMainWindow& window, const QString& item)>;

// The default runner.  An item without a catalogue entry raises an error.
void RunMenuItem(QMainWindow& window, const QString& item);

// Shows an error that escaped a handler: parent, caption, text.
using MenuErrorPresenter = std::function<void(QWidget*, const QString&, const QString&)>;

// "Go to View…", which finds the other items by typing (Ctrl+K or Ctrl+L).
constexpr const char* kGoToViewItem = "GoToView1";

// The SNMPv3 groups that only work over version 3.
constexpr const char* kSnmpV3MenuGroups[] = {"Engine", "MPD", "TARGET", "USM", "VACM", "Notification1",
                                             "CommunityMIB"};

// Builds the menu bar of a window from MainMenuItems() and connects every
// item with an action to `run`.  The menus and actions
// belong to the window and keep working without this object, which only
// indexes them; it must not be used after the window is gone.  An exception
// that escapes a handler is shown with `presentError` (default: an error box
// captioned with the executable's name, through the process-wide message
// hook) instead of unwinding the event loop.
class TMainMenu {
public:
    explicit TMainMenu(QMainWindow& window, MenuRunner run = {}, MenuErrorPresenter presentError = {});
    TMainMenu(const TMainMenu&) = delete;
    TMainMenu& operator=(const TMainMenu&) = delete;

    // The action of an item (for a submenu, its menu action); null for an unknown name.
    QAction* Action(const QString& name) const { return actions_.value(name); }
    // The submenu of an item that has children; null otherwise.
    QMenu* Submenu(const QString& name) const { return menus_.value(name); }
    int Count() const { return static_cast<int>(actions_.size()); }

    // Runs an item as if the user had chosen it (--open).  Besides what the user
    // could choose, the hidden items with a catalogue entry run: the editors
    // behind them work.  Unknown and disabled items, and items without an
    // action, raise an error that names the reason.
    void Choose(const QString& name);
    // Whether Choose runs the item (the reason when not).
    bool CanOpen(const QString& name, std::string* why = nullptr) const;
    // Whether the user could choose the item now from the menu (the reason when not).
    bool CanChoose(const QString& name, std::string* why = nullptr) const;

    // The SNMPv3 groups are enabled exactly when the default SNMP version is 3.
    void ApplySnmpVersion(int version);
    // "SNMP Configure" is visible exactly in local configuration mode.
    void ApplyLocalConfigMode(bool localConfigMode);

private:
    bool reachable(const QString& name, bool hiddenWithEntry, std::string* why) const;

    QMainWindow& window_;
    MenuRunner run_;
    MenuErrorPresenter presentError_;
    QHash<QString, QAction*> actions_;
    QHash<QString, QMenu*> menus_;
};
