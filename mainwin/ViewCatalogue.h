// The view catalogue: what every menu item does when chosen, as constant rows.
//
// Most items open a generic view: a host form with one scalar panel, one table
// panel or several of them on tab pages, each bound to a copy of a definition
// table.  The rest start the host's table viewer, open a dedicated dialog, run
// a command, run another item's entry or do nothing.  A view is added by
// adding rows here; one handler builds every view from its rows.
#pragma once

#include "KvSNMPVarDef.h"
#include "KvSNMPVarList.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

class QMainWindow;
class QWidget;
class TConfigForm;

// What choosing the item does.
enum class ViewAction : std::uint8_t {
    Generic,     // a host form with panels over definition tables
    Viewer,      // the host's table viewer for one MIB table; Target is the view argument
    Dialog,      // a dedicated dialog; Target is its class name
    Command,     // a command of the module (Command), or one opened like a dialog (Target)
    SameViewAs,  // the entry of the item named in Target
    NoAction,
};

enum class ViewPanel : std::uint8_t { None, Scalars, Table };

enum class ViewTitleForm : std::uint8_t {
    Designed,  // a dialog keeps its own caption
    Agent,     // the text followed by the agent's address
    Fixed,     // the text alone
    Same,      // a later page of a paged view: the first page's title holds
};

struct ViewTitle {
    ViewTitleForm Form = ViewTitleForm::Designed;
    const char* Text = nullptr;
};

// Row logic some table pages add around their Add and Edit dialogs.
enum class ViewHook : std::uint8_t {
    None,
    VlanStatic,      // a new VLAN is always created with its name
    Trunk,           // name, master port and members go with every new trunk; the master port is fixed once set
    ViewTreeFamily,  // a new view tree family starts as "included", "nonVolatile"
    Community,       // a new community always has a name and a security name, and is kept
};

// A change made to a page after its panel is built, or around the view.
enum class ViewAdjust : std::uint8_t {
    None,
    SetVarFormat,     // Row's edit takes the constraint Text
    SetOctetEditor,   // Row becomes a port list: 25 boxes a line, KswPortCount ports
    NoEdit,           // a table page whose rows can only be added and deleted
    SetEditWidth,     // scalar value controls Value pixels wide
    SetControlWidth,  // value controls of a table page's dialogs Value pixels wide
    Width,            // the form Value pixels wide
    Height,           // the form Value pixels high
    WidenBy,          // the form Value pixels wider
    Hooks,            // the page's Add/Edit events get Hook's logic
    RangeCheck,       // a Set with Row outside Value..Maximum is refused, naming Text
    MulticastRange,   // the Add/Edit dialogs check a multicast address range
    SpinLockRow,      // row 0 is checked and hidden: it goes with every Set
    VersionV2c,       // this view's requests use v2c when the module uses v1
    Counter64Prompt,  // under v1, offers to switch the module to v2c first
    ReadStpVersion,   // reads the spanning-tree version into the main window first
};

struct ViewAdjustment {
    ViewAdjust Kind = ViewAdjust::None;
    int Row = -1;
    int Value = 0;
    int Maximum = 0;
    const char* Text = nullptr;
    ViewHook Hook = ViewHook::None;
};

inline constexpr int MaxViewAdjustments = 6;
using ViewAdjustments = std::array<ViewAdjustment, MaxViewAdjustments>;

// A row-status column and the label that creates or destroys a row; letter
// case does not matter.  Row -1: the page offers no such button.
struct ViewRowStatus {
    int Row = -1;
    const char* Label = nullptr;
};

using MenuCommand = void (*)(QMainWindow& window);

// One page of an item's entry; the pages of an item are consecutive rows.
struct ViewCatalogueRow {
    const char* Item = nullptr;  // the menu item's component name
    ViewAction Action = ViewAction::NoAction;
    ViewTitle Title;
    const char* Page = nullptr;  // tab caption; null: a single-panel view
    ViewPanel Panel = ViewPanel::None;
    const KvSNMPVarDef* Defs = nullptr;
    std::uint8_t ItemType = SVT_SV;
    int Keys = 0;
    ViewRowStatus Add;
    ViewRowStatus Delete;
    ViewAdjustments Adjust{};
    const char* Target = nullptr;
    MenuCommand Command = nullptr;

    bool Has(ViewAdjust kind) const
    {
        for (const ViewAdjustment& a : Adjust)
            if (a.Kind == kind)
                return true;
        return false;
    }
};

std::span<const ViewCatalogueRow> ViewCatalogue();

// The rows of an item; empty when the catalogue has none.
std::span<const ViewCatalogueRow> FindViewEntry(std::string_view item);

// The caption of an entry's window for an agent address; empty for a dialog
// that keeps its designed caption.
QString ViewCaption(const ViewTitle& title, const QString& agentIP);

// Builds the host form of a generic entry, not shown yet.  Errors of a row
// (a status label its list does not offer...) are raised.
std::unique_ptr<TConfigForm> BuildView(std::span<const ViewCatalogueRow> entry, QWidget* owner,
                                       const QString& agentIP);

// Does what the catalogue says for the item, as if it had been chosen from
// the window's menu.  False when the catalogue has no entry for it.
bool RunViewEntry(QMainWindow& window, std::string_view item);

// The item whose view shows one port's settings: the port configuration
// table, or the interface table when the catalogue has none; each is a table
// keyed by the port's number alone.  Empty when the catalogue has neither.
std::string_view PortSettingsItem();

// Opens the generic view of item as the menu would, and once its first page
// has been read selects the row whose first key shows key.  False when the
// item has no generic view.
bool RunViewEntryAtRow(QMainWindow& window, std::string_view item, const QString& key);
