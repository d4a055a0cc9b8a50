#include "snapshot/SnapshotModel.h"

#include "defs/ViewDefinitions.h"
#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSecrets.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include <QString>

namespace {

// Writing one of these makes the switch act (reboot, save, start or delete a
// file transfer, clear counters); the object keeps no setting of its own.
bool IsCommand(const KvSNMPVarDef& d)
{
    static const KvOptionList* const commands[] = {&SystemResetOptions, &SaveConfigOptions, &FileCtrlOptions,
                                                   &CertificateFileControlOptions, &CleanCountersOptions};
    // The 802.1X port controls share their true/false list with real settings:
    // setting one true initializes or re-authenticates the port, and it reads
    // false again once done.  Restoring one would knock users off their ports.
    static const std::string_view triggers[] = {
        "1.0.8802.1.1.1.1.1.2.1.4",   // Port Initialize
        "1.0.8802.1.1.1.1.1.2.1.5",   // Port Reauthenticate
    };
    return std::find(std::begin(commands), std::end(commands), d.Options) != std::end(commands)
        || (d.Oid && std::find(std::begin(triggers), std::end(triggers), std::string_view(d.Oid)) != std::end(triggers));
}

bool IsWritable(const KvSNMPVarDef& d)
{
    return (d.Access & KvAccess::WriteOnly) && !(d.Access & (KvAccess::NotAccess | KvAccess::Invalid));
}

std::string ParentOid(const std::string& oid)
{
    const auto dot = oid.rfind('.');
    return dot == std::string::npos ? std::string() : oid.substr(0, dot);
}

// The values a label list gives for creating and destroying rows, as sent.
std::string ValueOfLabel(const KvOptionList* options, const std::string& label)
{
    if (label.empty())
        return {};
    if (!options)
        return label;
    for (int i = 0; i < options->Count(); ++i) {
        const KvOptionEntry& e = options->Item(i);
        if (QString::fromStdString(e.Label).compare(QString::fromStdString(label), Qt::CaseInsensitive) == 0)
            return options->ValueOf(e.Label);
    }
    return {};
}

} // namespace

SnapshotModel::SnapshotModel(std::span<const SnapshotSource> sources)
{
    std::unordered_map<std::string, int> tableOfEntry;
    for (const SnapshotSource& src : sources) {
        if (!src.Defs)
            continue;
        const bool scalars = src.Kind == SVT_SV;
        int count = 0;
        while (src.Defs[count].Oid)
            ++count;
        int table = -1;
        for (int i = 0; i < count; ++i) {
            const KvSNMPVarDef& d = src.Defs[i];
            if (!IsWritable(d) || IsCommand(d) || i == src.SpinLockRow)
                continue;
            if (const auto claimed = columns_.find(d.Oid); claimed != columns_.end()) {
                // Shown by an earlier page; a later one may be the page that adds rows.
                SnapshotTable& owner = tables_[static_cast<std::size_t>(claimed->second.first)];
                if (!scalars && i == src.RowStatusRow && owner.RowStatus < 0 && !owner.Scalars) {
                    owner.RowStatus = claimed->second.second;
                    owner.CreateValue = ValueOfLabel(d.Options, src.CreateLabel);
                    owner.DestroyValue = ValueOfLabel(d.Options, src.DestroyLabel);
                }
                continue;
            }
            if (scalars) {
                if (table < 0) {
                    SnapshotTable t;
                    t.View = src.View;
                    tables_.push_back(std::move(t));
                    table = static_cast<int>(tables_.size()) - 1;
                }
            } else {
                const std::string entry = ParentOid(d.Oid);
                auto [it, added] = tableOfEntry.emplace(entry, static_cast<int>(tables_.size()));
                if (added) {
                    SnapshotTable t;
                    t.View = src.View;
                    t.Scalars = false;
                    t.Entry = entry;
                    tables_.push_back(std::move(t));
                }
                table = it->second;
            }
            SnapshotTable& t = tables_[static_cast<std::size_t>(table)];
            SnapshotColumn c;
            c.Oid = d.Oid;
            c.Caption = d.Caption ? d.Caption : "";
            c.Syntax = d.Syntax;
            c.Options = d.Options;
            c.Secret = KvHoldsSecret(d);
            if (!scalars && i == src.RowStatusRow && t.RowStatus < 0) {
                t.RowStatus = static_cast<int>(t.Columns.size());
                t.CreateValue = ValueOfLabel(d.Options, src.CreateLabel);
                t.DestroyValue = ValueOfLabel(d.Options, src.DestroyLabel);
            }
            columns_[c.Oid] = {table, static_cast<int>(t.Columns.size())};
            t.Columns.push_back(std::move(c));
        }
        // A table's keys come from the page that names most of them.
        if (!scalars && table >= 0 && static_cast<int>(tables_[static_cast<std::size_t>(table)].Keys.size()) < src.Keys) {
            SnapshotTable& t = tables_[static_cast<std::size_t>(table)];
            t.Keys.assign(src.Defs, src.Defs + std::min(src.Keys, count));
        }
    }
    // A table whose row status no page names keeps the rows it has: the
    // rows can be changed, not made or removed.
}

int SnapshotModel::ObjectCount() const
{
    int n = 0;
    for (const SnapshotTable& t : tables_)
        n += static_cast<int>(t.Columns.size());
    return n;
}

std::optional<SnapshotModel::Place> SnapshotModel::Find(const std::string& oid) const
{
    // The column is the longest known prefix; a scalar's instance is ".0".
    std::string prefix = oid;
    while (!prefix.empty()) {
        if (const auto it = columns_.find(prefix); it != columns_.end()) {
            Place p{it->second.first, it->second.second, oid.size() > prefix.size() ? oid.substr(prefix.size() + 1) : ""};
            const SnapshotTable& t = tables_[static_cast<std::size_t>(p.Table)];
            if (t.Scalars && !p.Instance.empty() && p.Instance != "0")
                return std::nullopt;
            if (t.Scalars)
                p.Instance.clear();
            return p;
        }
        prefix = ParentOid(prefix);
    }
    return std::nullopt;
}

std::string SnapshotModel::KeyText(int table, const std::string& instance) const
{
    const SnapshotTable& t = tables_.at(static_cast<std::size_t>(table));
    if (t.Scalars || instance.empty())
        return {};
    try {
        std::string rest = instance, text;
        for (std::size_t k = 0; k < t.Keys.size(); ++k) {
            if (rest.empty())
                return instance;
            KvSNMPVarItem key;
            key.Syntax = t.Keys[k].Syntax;
            key.Access = t.Keys[k].Access;
            key.Options = t.Keys[k].Options;
            const bool lastImplied = k + 1 == t.Keys.size() && (key.Access & KvAccess::Implied);
            rest = KvDecodeKey(key, lastImplied, rest);
            if (k)
                text += ", ";
            text += key.Value;
        }
        return t.Keys.empty() || !rest.empty() ? instance : text;
    } catch (const KvSNMPException&) {
        return instance;
    }
}

std::string SnapshotModel::Shown(const SnapshotColumn& column, const std::string& value)
{
    return column.Options ? column.Options->LabelOf(value) : value;
}

std::string SnapshotModel::Comment(const Place& p) const
{
    const SnapshotTable& t = tables_.at(static_cast<std::size_t>(p.Table));
    const SnapshotColumn& c = t.Columns.at(static_cast<std::size_t>(p.Column));
    if (t.Scalars || p.Instance.empty())
        return t.View + " | " + c.Caption;
    return t.View + " | " + KeyText(p.Table, p.Instance) + " | " + c.Caption;
}

// ---- comparing --------------------------------------------------------------------

namespace {

// One side, sorted into tables, rows and columns.
struct Side {
    // table -> column -> absent
    std::set<std::pair<int, int>> absent;
    // table -> instance -> column -> line
    std::map<int, std::map<std::string, std::map<int, const KvSnapshotLine*>>> rows;
    std::map<std::string, const KvSnapshotLine*> unknown;   // objects the model does not know
};

Side Sort(const SnapshotModel& model, const KvSnapshot& s)
{
    Side side;
    for (const KvSnapshotLine& l : s.Lines) {
        const auto place = model.Find(l.Oid);
        if (!place) {
            side.unknown[l.Oid] = &l;
            continue;
        }
        if (l.State == KvSnapshotState::Absent)
            side.absent.emplace(place->Table, place->Column);
        else
            side.rows[place->Table][place->Instance][place->Column] = &l;
    }
    return side;
}

bool InstanceLess(const std::string& a, const std::string& b)
{
    return KvOidLess(a, b);
}

} // namespace

std::vector<SnapshotDifference> CompareSnapshots(const SnapshotModel& model, const KvSnapshot& left,
                                                 const KvSnapshot& right)
{
    const Side l = Sort(model, left);
    const Side r = Sort(model, right);
    std::vector<SnapshotDifference> out;
    const auto& tables = model.Tables();
    auto base = [&](SnapshotDiffKind kind, int table, int column, const std::string& instance) {
        SnapshotDifference d;
        d.Kind = kind;
        d.Table = table;
        d.Column = column;
        d.Instance = instance;
        const SnapshotTable& t = tables[static_cast<std::size_t>(table)];
        d.View = t.View;
        d.Key = model.KeyText(table, instance);
        if (column >= 0) {
            const SnapshotColumn& c = t.Columns[static_cast<std::size_t>(column)];
            d.ColumnCaption = c.Caption;
            d.Oid = c.Oid + (t.Scalars ? ".0" : instance.empty() ? "" : "." + instance);
        } else {
            d.Oid = t.Entry;
        }
        return d;
    };
    auto shown = [&](const SnapshotDifference& d, const KvSnapshotLine* line) -> std::string {
        if (!line)
            return {};
        if (line->State == KvSnapshotState::Withheld)
            return "(withheld)";
        if (d.Column < 0)
            return {};
        return SnapshotModel::Shown(tables[static_cast<std::size_t>(d.Table)].Columns[static_cast<std::size_t>(d.Column)],
                                    line->Value);
    };
    static const std::map<std::string, std::map<int, const KvSnapshotLine*>> noRows;

    for (int ti = 0; ti < static_cast<int>(tables.size()); ++ti) {
        const SnapshotTable& t = tables[static_cast<std::size_t>(ti)];
        const auto lt = l.rows.find(ti);
        const auto rt = r.rows.find(ti);
        const auto& lrows = lt == l.rows.end() ? noRows : lt->second;
        const auto& rrows = rt == r.rows.end() ? noRows : rt->second;
        const int columns = static_cast<int>(t.Columns.size());
        std::vector<char> skip(static_cast<std::size_t>(columns), 0);
        // A column one agent lacks altogether is said once, not cell by cell.
        for (int c = 0; c < columns; ++c) {
            const bool la = l.absent.count({ti, c}) > 0, ra = r.absent.count({ti, c}) > 0;
            auto hasAny = [&](const auto& rows) {
                return std::any_of(rows.begin(), rows.end(), [&](const auto& row) { return row.second.count(c) > 0; });
            };
            if (la && !ra && hasAny(rrows)) {
                out.push_back(base(SnapshotDiffKind::AbsentLeft, ti, c, {}));
                out.back().Oid = t.Columns[static_cast<std::size_t>(c)].Oid;
                skip[static_cast<std::size_t>(c)] = 1;
            } else if (ra && !la && hasAny(lrows)) {
                out.push_back(base(SnapshotDiffKind::AbsentRight, ti, c, {}));
                out.back().Oid = t.Columns[static_cast<std::size_t>(c)].Oid;
                skip[static_cast<std::size_t>(c)] = 1;
            }
        }
        std::vector<std::string> instances;
        for (const auto& row : lrows)
            instances.push_back(row.first);
        for (const auto& row : rrows)
            if (!lrows.count(row.first))
                instances.push_back(row.first);
        std::sort(instances.begin(), instances.end(), InstanceLess);
        for (const std::string& inst : instances) {
            const auto li = lrows.find(inst);
            const auto ri = rrows.find(inst);
            if (!t.Scalars && (li == lrows.end() || ri == rrows.end())) {
                const bool onLeft = li != lrows.end();
                SnapshotDifference d = base(onLeft ? SnapshotDiffKind::RowOnlyLeft : SnapshotDiffKind::RowOnlyRight, ti,
                                            -1, inst);
                d.Oid = t.Entry + "." + inst;
                (onLeft ? d.LeftShown : d.RightShown) = "row";
                out.push_back(std::move(d));
                continue;
            }
            static const std::map<int, const KvSnapshotLine*> none;
            const auto& lc = li == lrows.end() ? none : li->second;
            const auto& rc = ri == rrows.end() ? none : ri->second;
            for (int c = 0; c < columns; ++c) {
                if (skip[static_cast<std::size_t>(c)])
                    continue;
                const auto a = lc.find(c);
                const auto b = rc.find(c);
                const KvSnapshotLine* x = a == lc.end() ? nullptr : a->second;
                const KvSnapshotLine* y = b == rc.end() ? nullptr : b->second;
                if (!x && !y)
                    continue;
                const bool xw = x && x->State == KvSnapshotState::Withheld;
                const bool yw = y && y->State == KvSnapshotState::Withheld;
                SnapshotDiffKind kind;
                if (x && y) {
                    if (xw || yw || x->Value == y->Value)
                        continue;
                    kind = SnapshotDiffKind::Changed;
                } else {
                    // A scalar one side lacks that the other has: absent there.
                    if (t.Scalars)
                        kind = x ? SnapshotDiffKind::AbsentRight : SnapshotDiffKind::AbsentLeft;
                    else
                        kind = x ? SnapshotDiffKind::OnlyLeft : SnapshotDiffKind::OnlyRight;
                }
                SnapshotDifference d = base(kind, ti, c, inst);
                if (x && !xw)
                    d.Left = x->Value;
                if (y && !yw)
                    d.Right = y->Value;
                d.LeftWithheld = xw;
                d.RightWithheld = yw;
                d.LeftShown = shown(d, x);
                d.RightShown = shown(d, y);
                out.push_back(std::move(d));
            }
        }
    }
    // Objects the module does not know (a file of another version): by OID.
    std::set<std::string, bool (*)(std::string_view, std::string_view)> unknown(KvOidLess);
    for (const auto& u : l.unknown)
        unknown.insert(u.first);
    for (const auto& u : r.unknown)
        unknown.insert(u.first);
    for (const std::string& oid : unknown) {
        const auto a = l.unknown.find(oid);
        const auto b = r.unknown.find(oid);
        const KvSnapshotLine* x = a == l.unknown.end() ? nullptr : a->second;
        const KvSnapshotLine* y = b == r.unknown.end() ? nullptr : b->second;
        if (x && y && x->State == y->State && x->Value == y->Value)
            continue;
        SnapshotDifference d;
        d.Kind = x && y ? SnapshotDiffKind::Changed : x ? SnapshotDiffKind::OnlyLeft : SnapshotDiffKind::OnlyRight;
        d.Oid = oid;
        d.View = "(objects this module does not know)";
        d.ColumnCaption = oid;
        auto text = [](const KvSnapshotLine* line) -> std::string {
            if (!line)
                return {};
            return line->State == KvSnapshotState::Value ? line->Value
                 : line->State == KvSnapshotState::Withheld ? "(withheld)" : "(absent)";
        };
        d.LeftShown = text(x);
        d.RightShown = text(y);
        out.push_back(std::move(d));
    }
    return out;
}

std::string DifferenceKindText(const SnapshotDifference& d, const std::string& leftName, const std::string& rightName)
{
    switch (d.Kind) {
    case SnapshotDiffKind::Changed: return "changed";
    case SnapshotDiffKind::OnlyLeft: return "only in " + leftName;
    case SnapshotDiffKind::OnlyRight: return "only in " + rightName;
    case SnapshotDiffKind::RowOnlyLeft: return "row only in " + leftName;
    case SnapshotDiffKind::RowOnlyRight: return "row only in " + rightName;
    case SnapshotDiffKind::AbsentLeft: return "absent in " + leftName;
    case SnapshotDiffKind::AbsentRight: return "absent in " + rightName;
    }
    return {};
}

std::string DifferenceText(const std::vector<SnapshotDifference>& differences, const std::string& leftName,
                           const std::string& rightName)
{
    std::string out;
    std::string view;
    for (const SnapshotDifference& d : differences) {
        if (d.View != view) {
            view = d.View;
            out += view + "\n";
        }
        out += "  ";
        if (!d.Key.empty())
            out += d.Key + " | ";
        if (!d.ColumnCaption.empty())
            out += d.ColumnCaption + " | ";
        out += DifferenceKindText(d, leftName, rightName);
        if (d.Kind == SnapshotDiffKind::Changed || d.Kind == SnapshotDiffKind::OnlyLeft
            || d.Kind == SnapshotDiffKind::OnlyRight)
            out += ": " + KvSnapshotQuote(d.LeftShown) + " -> " + KvSnapshotQuote(d.RightShown);
        out += "\n";
    }
    return out;
}

bool SameSwitchModel(const std::string& a, const std::string& b)
{
    return a == b;
}
