#include "snapshot/SnapshotRestore.h"

#include "kvsnmp/KvSNMPErrors.h"

#include <QEventLoop>

#include <map>
#include <optional>

bool CanRestore(const SnapshotModel& model, const SnapshotDifference& d)
{
    if (d.Table < 0)
        return false;
    const SnapshotTable& t = model.Tables()[static_cast<std::size_t>(d.Table)];
    switch (d.Kind) {
    case SnapshotDiffKind::Changed:
    case SnapshotDiffKind::OnlyLeft:
        return d.Column >= 0 && !d.LeftWithheld;
    case SnapshotDiffKind::RowOnlyLeft:
        return t.RowStatus >= 0 && !t.CreateValue.empty();
    case SnapshotDiffKind::RowOnlyRight:
        return t.RowStatus >= 0 && !t.DestroyValue.empty();
    case SnapshotDiffKind::OnlyRight:
    case SnapshotDiffKind::AbsentLeft:
    case SnapshotDiffKind::AbsentRight:
        return false;
    }
    return false;
}

bool RestoreByDefault(const SnapshotDifference& d)
{
    return d.Kind != SnapshotDiffKind::RowOnlyRight;
}

namespace {

SnapshotBinding Binding(const SnapshotModel& model, int table, int column, const std::string& instance,
                        const std::string& value)
{
    const SnapshotTable& t = model.Tables()[static_cast<std::size_t>(table)];
    const SnapshotColumn& c = t.Columns[static_cast<std::size_t>(column)];
    SnapshotBinding b;
    b.Oid = c.Oid + (t.Scalars ? std::string(".0") : "." + instance);
    b.Syntax = c.Syntax;
    b.Value = value;
    b.Shown = model.Comment({table, column, t.Scalars ? std::string() : instance}) + " = "
        + SnapshotModel::Shown(c, value);
    return b;
}

} // namespace

std::vector<SnapshotSet> PlanRestore(const SnapshotModel& model, const KvSnapshot& left,
                                     const std::vector<SnapshotDifference>& differences,
                                     const std::vector<int>& chosen)
{
    // The snapshot's values by OID, for the columns of rows to create.
    std::map<std::string, const KvSnapshotLine*> byOid;
    for (const KvSnapshotLine& l : left.Lines)
        byOid[l.Oid] = &l;

    std::vector<SnapshotSet> scalars, creates, changes, deletes;
    std::map<int, std::size_t> scalarSetOfTable;
    std::map<std::pair<int, std::string>, std::size_t> changeSetOfRow;
    for (const int index : chosen) {
        const SnapshotDifference& d = differences.at(static_cast<std::size_t>(index));
        if (!CanRestore(model, d))
            continue;
        const SnapshotTable& t = model.Tables()[static_cast<std::size_t>(d.Table)];
        const std::string key = model.KeyText(d.Table, d.Instance);
        switch (d.Kind) {
        case SnapshotDiffKind::Changed:
        case SnapshotDiffKind::OnlyLeft:
            if (t.Scalars) {
                auto [it, added] = scalarSetOfTable.emplace(d.Table, scalars.size());
                if (added)
                    scalars.push_back({"Set the scalars of " + t.View, {}, {}});
                scalars[it->second].Bindings.push_back(Binding(model, d.Table, d.Column, {}, d.Left));
            } else {
                auto [it, added] = changeSetOfRow.emplace(std::make_pair(d.Table, d.Instance), changes.size());
                if (added)
                    changes.push_back({"Change row " + key + " of " + t.View, {}, {}});
                changes[it->second].Bindings.push_back(Binding(model, d.Table, d.Column, d.Instance, d.Left));
            }
            break;
        case SnapshotDiffKind::RowOnlyLeft: {
            SnapshotSet s{"Create row " + key + " of " + t.View, {}, {}};
            s.Bindings.push_back(Binding(model, d.Table, t.RowStatus, d.Instance, t.CreateValue));
            for (int c = 0; c < static_cast<int>(t.Columns.size()); ++c) {
                if (c == t.RowStatus)
                    continue;
                const auto it = byOid.find(t.Columns[static_cast<std::size_t>(c)].Oid + "." + d.Instance);
                if (it == byOid.end())
                    continue;
                if (it->second->State == KvSnapshotState::Value)
                    s.Bindings.push_back(Binding(model, d.Table, c, d.Instance, it->second->Value));
                else if (it->second->State == KvSnapshotState::Withheld)
                    s.Withheld.push_back(t.Columns[static_cast<std::size_t>(c)].Caption);
            }
            creates.push_back(std::move(s));
            break;
        }
        case SnapshotDiffKind::RowOnlyRight: {
            SnapshotSet s{"Delete row " + key + " of " + t.View, {}, {}};
            s.Bindings.push_back(Binding(model, d.Table, t.RowStatus, d.Instance, t.DestroyValue));
            deletes.push_back(std::move(s));
            break;
        }
        default:
            break;
        }
    }
    std::vector<SnapshotSet> plan;
    for (auto* part : {&scalars, &creates, &changes, &deletes})
        for (SnapshotSet& s : *part)
            plan.push_back(std::move(s));
    return plan;
}

std::string RestorePlanText(const std::vector<SnapshotSet>& plan)
{
    std::string out;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        out += std::to_string(i + 1) + ". " + plan[i].Title + "\n";
        for (const SnapshotBinding& b : plan[i].Bindings)
            out += "   " + b.Oid + " = " + KvSnapshotQuote(b.Value) + "   (" + b.Shown + ")\n";
        for (const std::string& caption : plan[i].Withheld)
            out += "   not sent, withheld in the snapshot: " + caption + "\n";
    }
    return out;
}

bool SnapshotRestoreReport::Unanswered() const
{
    return RefusedSet >= 0 && Refusal.Code == MapErrorCode(engine::kTimeout).Code;
}

std::string SnapshotRestoreReport::Text(const std::vector<SnapshotSet>& plan) const
{
    std::string out;
    int applied = 0, notTried = 0;
    for (const SnapshotSetState s : States) {
        applied += s == SnapshotSetState::Applied;
        notTried += s == SnapshotSetState::NotTried;
    }
    out += "Applied: " + std::to_string(applied) + " of " + std::to_string(plan.size()) + " SETs.\n";
    for (std::size_t i = 0; i < plan.size() && i < States.size(); ++i) {
        const char* state = States[i] == SnapshotSetState::Applied ? "applied"
                          : States[i] != SnapshotSetState::Refused ? "not tried"
                          : Unanswered()                            ? "NO ANSWER"
                                                                    : "REFUSED";
        out += std::string(state) + ": " + plan[i].Title;
        if (States[i] == SnapshotSetState::Refused) {
            out += " - " + Refusal.Message;
            if (Unanswered())
                out += " (the switch may or may not have applied it: compare again to see)";
            if (Refusal.ErrorIndex >= 1 && Refusal.ErrorIndex <= static_cast<int>(plan[i].Bindings.size()))
                out += " (" + plan[i].Bindings[static_cast<std::size_t>(Refusal.ErrorIndex - 1)].Shown + ")";
        }
        out += "\n";
    }
    if (notTried)
        out += std::to_string(notTried) + " SETs were not tried.\n";
    return out;
}

SnapshotRestorer::SnapshotRestorer(std::vector<SnapshotSet> plan)
    : plan_(std::move(plan)), request_(std::make_unique<KvSNMPRequest>())
{
    report_.States.assign(plan_.size(), SnapshotSetState::NotTried);
}

SnapshotRestorer::~SnapshotRestorer()
{
    gone_ = true;
    request_.reset();
}

void SnapshotRestorer::Start(Finished finished)
{
    finished_ = std::move(finished);
    next_ = 0;
    SendNext();
}

void SnapshotRestorer::SendNext()
{
    if (next_ >= static_cast<int>(plan_.size())) {
        if (finished_)
            finished_(report_);
        return;
    }
    // One row of a table, addressed by full OIDs: each item is written at its Oid.
    KvSNMPVarList list;
    list.ItemType = MVT_SV;
    list.Name = plan_[static_cast<std::size_t>(next_)].Title;
    for (const SnapshotBinding& b : plan_[static_cast<std::size_t>(next_)].Bindings)
        list.AppendItem(b.Oid, b.Shown, b.Syntax, KvAccess::ReadWrite);
    for (int i = 0; i < list.Count(); ++i)
        list.ItemAt(i).Value = plan_[static_cast<std::size_t>(next_)].Bindings[static_cast<std::size_t>(i)].Value;
    request_->Variables.Assign(list);
    try {
        request_->SetAsync(&SnapshotRestorer::Callback, this, "");
    } catch (const KvSNMPException& x) {
        KvSNMPError e;
        e.Code = x.Code();
        e.Message = x.Message();
        Stop(e);
    }
}

void SnapshotRestorer::Callback(void* self, const KvSNMPError& e, KvSNMPVarList&)
{
    auto* r = static_cast<SnapshotRestorer*>(self);
    if (r->gone_)
        return;
    if (e.Code != 0)
        return r->Stop(e);
    r->report_.States[static_cast<std::size_t>(r->next_)] = SnapshotSetState::Applied;
    ++r->next_;
    r->SendNext();
}

void SnapshotRestorer::Stop(const KvSNMPError& e)
{
    report_.States[static_cast<std::size_t>(next_)] = SnapshotSetState::Refused;
    report_.RefusedSet = next_;
    report_.Refusal = e;
    if (finished_)
        finished_(report_);
}

SnapshotRestoreReport RestoreSnapshot(const std::vector<SnapshotSet>& plan)
{
    SnapshotRestorer restorer(plan);
    QEventLoop loop;
    std::optional<SnapshotRestoreReport> report;
    restorer.Start([&](const SnapshotRestoreReport& r) {
        report = r;
        loop.quit();
    });
    if (!report)
        loop.exec();
    return *report;
}
