// What a configuration snapshot holds, and how two snapshots differ.
//
// The objects are every writable object of the definition tables the views and
// dialogs bind: the sources name those tables with the list kind, keys and
// row-status column each page gives them (mainwin builds them from the view
// catalogue and the definition-table index).  An object bound by several pages
// belongs to the first; the columns of one table are read together, however
// many pages show them.  Commands (reboot, save, start a transfer, clear
// counters) and advisory spin locks are not settings and are left out.
#pragma once

#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPVarDef.h"
#include "kvsnmp/KvSnapshotFile.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A page (or dialog) binding a definition table.
struct SnapshotSource {
    std::string View;                 // the caption users know the page by
    const KvSNMPVarDef* Defs = nullptr;
    std::uint8_t Kind = SVT_SV;       // list kind; SVT_SV is a group of scalars
    int Keys = 0;
    int SpinLockRow = -1;             // an advisory lock written with every set, not a setting
    int RowStatusRow = -1;            // the column that creates and destroys rows
    std::string CreateLabel;          // its labels for that (option labels or values)
    std::string DestroyLabel;
};

// One object the snapshot keeps: a scalar or a table column.
struct SnapshotColumn {
    std::string Oid;                  // without instance (a scalar without its .0)
    std::string Caption;
    std::uint32_t Syntax = 0;
    const KvOptionList* Options = nullptr;
    bool Secret = false;
};

// Objects read together: a page's scalars, or the columns of one table.
struct SnapshotTable {
    std::string View;
    bool Scalars = true;
    std::string Entry;                // a table's entry OID (its columns' parent)
    std::vector<KvSNMPVarDef> Keys;   // the key definitions, to show a row's key
    std::vector<SnapshotColumn> Columns;
    int RowStatus = -1;               // the column index that creates and destroys rows
    std::string CreateValue;          // the row-status values that do it, as sent
    std::string DestroyValue;
};

class SnapshotModel {
public:
    explicit SnapshotModel(std::span<const SnapshotSource> sources);

    const std::vector<SnapshotTable>& Tables() const { return tables_; }
    int ObjectCount() const;

    // Where an object line belongs.
    struct Place {
        int Table = -1;
        int Column = -1;
        std::string Instance;         // a table row's instance; "" for scalars and absent columns
    };
    std::optional<Place> Find(const std::string& oid) const;

    // A row's keys as the views show them ("5", "public", "10, 3"); the instance
    // itself when the keys do not read from it.
    std::string KeyText(int table, const std::string& instance) const;
    // A value as the views show it: its option label.
    static std::string Shown(const SnapshotColumn& column, const std::string& value);
    // The comment of a line: view | key | column, or view | column.
    std::string Comment(const Place& place) const;

private:
    std::vector<SnapshotTable> tables_;
    std::map<std::string, std::pair<int, int>> columns_;   // column OID -> table, column
};

// Values of one side of a comparison.
enum class SnapshotSide : std::uint8_t { Left, Right };

enum class SnapshotDiffKind : std::uint8_t {
    Changed,         // both sides have the object, with other values
    OnlyLeft,        // a cell of a row both have, missing on the right
    OnlyRight,
    RowOnlyLeft,     // a whole row
    RowOnlyRight,
    AbsentLeft,      // the left side's agent did not have the object at all
    AbsentRight,
};

struct SnapshotDifference {
    SnapshotDiffKind Kind = SnapshotDiffKind::Changed;
    int Table = -1;                    // -1: an object the model does not know
    int Column = -1;                   // -1: a whole row
    std::string Instance;
    std::string Oid;                   // a cell's full OID; the column's for absent objects
    std::string Left, Right;           // values as saved ("" when none)
    bool LeftWithheld = false, RightWithheld = false;
    // Texts as the views show them.
    std::string View, Key, ColumnCaption, LeftShown, RightShown;
};

// The differences between two snapshots, grouped by view in the model's order,
// then by row and column.  Withheld values equal anything.
std::vector<SnapshotDifference> CompareSnapshots(const SnapshotModel& model, const KvSnapshot& left,
                                                 const KvSnapshot& right);

// The differences as text lines, one each: view, key, column, left, right.
std::string DifferenceText(const std::vector<SnapshotDifference>& differences, const std::string& leftName,
                           const std::string& rightName);
// What a difference is, in words ("changed", "row only in the snapshot" ...).
std::string DifferenceKindText(const SnapshotDifference& d, const std::string& leftName,
                               const std::string& rightName);

// Whether two sysObjectIDs name the same switch model.
bool SameSwitchModel(const std::string& a, const std::string& b);
