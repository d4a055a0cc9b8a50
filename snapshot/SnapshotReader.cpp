#include "snapshot/SnapshotReader.h"

#include "kvsnmp/KvSNMPErrors.h"

#include <QDateTime>
#include <QEventLoop>

#include <optional>

namespace {

// The system group's objects the header names.
constexpr const char* kSysDescr = "1.3.6.1.2.1.1.1";
constexpr const char* kSysObjectId = "1.3.6.1.2.1.1.2";
constexpr const char* kSysName = "1.3.6.1.2.1.1.5";

} // namespace

// A request that tells a value the agent sent from one it lacks: the walk
// leaves a hole's Value as "(NULL)", which a text object may hold too.
class SnapshotReader::Request : public KvSNMPRequest {
public:
    std::vector<char> Present;   // per item: the last response carried its value

    void ValueFromBinding(int index, const engine::VarBind& binding) override
    {
        if (binding.value.isException() || binding.value.tag == engine::kNull) {
            Variables.ItemAt(index).Value = KvNullText;
            return;
        }
        KvSNMPRequest::ValueFromBinding(index, binding);
        Present[static_cast<std::size_t>(index)] = 1;
    }
    void Clear() { std::fill(Present.begin(), Present.end(), 0); }
};

SnapshotReader::SnapshotReader(const SnapshotModel& model, bool withSecrets, std::string moduleText)
    : model_(model), withSecrets_(withSecrets), moduleText_(std::move(moduleText)), request_(std::make_unique<Request>())
{
}

SnapshotReader::~SnapshotReader()
{
    // The request's destruction lets an answer under way arrive; it must not
    // find this reader half gone.
    cancelled_ = true;
    request_.reset();
}

void SnapshotReader::Start(Finished finished, Progressed progressed)
{
    finished_ = std::move(finished);
    progressed_ = std::move(progressed);
    result_ = KvSnapshot{};
    result_.Header.Agent = request_->Device.Address + ":" + std::to_string(request_->Device.Port);
    result_.Header.Time = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString();
    result_.Header.Module = moduleText_;
    result_.Header.Secrets = withSecrets_;
    table_ = -1;
    KvSNMPVarList list;
    list.ItemType = SVT_SV;
    list.Name = "system";
    list.AppendItem(kSysName, "sysName", KvSyntax::DisplayStr, KvAccess::ReadOnly);
    list.AppendItem(kSysDescr, "sysDescr", KvSyntax::DisplayStr, KvAccess::ReadOnly);
    list.AppendItem(kSysObjectId, "sysObjectID", KvSyntax::ObjectId, KvAccess::ReadOnly);
    request_->Variables.Assign(list);
    request_->Present.assign(3, 0);
    columnOfItem_ = {0, 1, 2};
    try {
        request_->GetAsync(&SnapshotReader::Callback, this, true);
    } catch (const KvSNMPException& x) {
        KvSNMPError e;
        e.Code = x.Code();
        e.Message = x.Message();
        Fail(e);
    }
}

void SnapshotReader::Cancel()
{
    cancelled_ = true;
}

void SnapshotReader::Callback(void* self, const KvSNMPError& e, KvSNMPVarList&)
{
    static_cast<SnapshotReader*>(self)->OnResponse(e);
}

void SnapshotReader::OnResponse(const KvSNMPError& e)
{
    if (cancelled_)
        return;
    try {
        const bool scalars = table_ < 0 || model_.Tables()[static_cast<std::size_t>(table_)].Scalars;
        if (scalars) {
            TakeScalars(e);
            return;
        }
        if (e.Code != 0)
            return Fail(e);
        if (e.Finished)
            return EndTable();
        TakeRow();
        request_->Clear();
        request_->GetAsync(&SnapshotReader::Callback, this, false);
    } catch (const KvSNMPException& x) {
        KvSNMPError f;
        f.Code = x.Code();
        f.Message = x.Message();
        Fail(f);
    }
}

// One get of a group of scalars.  An SNMPv1 agent refuses the whole get for
// one object it lacks (noSuchName, naming it): that one is absent and the get
// is sent again without it.
void SnapshotReader::TakeScalars(const KvSNMPError& e)
{
    KvSNMPVarList& list = request_->Variables;
    if (e.Code == KvCodeNoSuchName && e.ErrorIndex >= 1 && e.ErrorIndex <= list.Count()) {
        const int gone = e.ErrorIndex - 1;
        KvSNMPVarList rest;
        rest.ItemType = list.ItemType;
        rest.Name = list.Name;
        std::vector<int> columns;
        for (int i = 0; i < list.Count(); ++i) {
            if (i == gone)
                continue;
            const KvSNMPVarItem& it = list.ItemAt(i);
            rest.AppendItem(it.Oid, it.Caption, it.Syntax, it.Access);
            columns.push_back(columnOfItem_[static_cast<std::size_t>(i)]);
        }
        if (table_ >= 0) {
            const SnapshotTable& t = model_.Tables()[static_cast<std::size_t>(table_)];
            const SnapshotColumn& c = t.Columns[static_cast<std::size_t>(columnOfItem_[static_cast<std::size_t>(gone)])];
            KvSnapshotLine line;
            line.Oid = c.Oid;
            line.Syntax = c.Syntax;
            line.State = KvSnapshotState::Absent;
            line.Comment = model_.Comment({table_, columnOfItem_[static_cast<std::size_t>(gone)], {}});
            result_.Lines.push_back(std::move(line));
        }
        columnOfItem_ = std::move(columns);
        if (rest.Count() == 0)
            return table_ < 0 ? TakeHeader() : EndTable();
        list.Assign(rest);
        request_->Present.assign(static_cast<std::size_t>(rest.Count()), 0);
        request_->GetAsync(&SnapshotReader::Callback, this, true);
        return;
    }
    if (e.Code != 0)
        return Fail(e);
    if (table_ < 0)
        return TakeHeader();
    const SnapshotTable& t = model_.Tables()[static_cast<std::size_t>(table_)];
    for (int i = 0; i < list.Count(); ++i) {
        const int column = columnOfItem_[static_cast<std::size_t>(i)];
        const SnapshotColumn& c = t.Columns[static_cast<std::size_t>(column)];
        KvSnapshotLine line;
        line.Syntax = c.Syntax;
        line.Comment = model_.Comment({table_, column, {}});
        if (!request_->Present[static_cast<std::size_t>(i)]) {
            line.Oid = c.Oid;
            line.State = KvSnapshotState::Absent;
        } else {
            line.Oid = c.Oid + ".0";
            if (c.Secret && !withSecrets_)
                line.State = KvSnapshotState::Withheld;
            else
                line.Value = list.ItemAt(i).Value;
        }
        result_.Lines.push_back(std::move(line));
    }
    EndTable();
}

void SnapshotReader::TakeHeader()
{
    const KvSNMPVarList& list = request_->Variables;
    for (int i = 0; i < list.Count(); ++i) {
        if (!request_->Present[static_cast<std::size_t>(i)])
            continue;
        const std::string& v = list.ItemAt(i).Value;
        switch (columnOfItem_[static_cast<std::size_t>(i)]) {
        case 0: result_.Header.SysName = v; break;
        case 1: result_.Header.SysDescr = v; break;
        case 2: result_.Header.SysObjectId = v; break;
        }
    }
    ReadNext();
}

void SnapshotReader::TakeRow()
{
    const KvSNMPVarList& list = request_->Variables;
    const SnapshotTable& t = model_.Tables()[static_cast<std::size_t>(table_)];
    const std::string& instance = list.ItemAt(0).Value;   // the key: the whole instance
    for (int i = 1; i < list.Count(); ++i) {
        if (!request_->Present[static_cast<std::size_t>(i)])
            continue;
        const int column = columnOfItem_[static_cast<std::size_t>(i)];
        const SnapshotColumn& c = t.Columns[static_cast<std::size_t>(column)];
        seen_[static_cast<std::size_t>(column)] = 1;
        KvSnapshotLine line;
        line.Oid = c.Oid + "." + instance;
        line.Syntax = c.Syntax;
        line.Comment = model_.Comment({table_, column, instance});
        if (c.Secret && !withSecrets_)
            line.State = KvSnapshotState::Withheld;
        else
            line.Value = list.ItemAt(i).Value;
        result_.Lines.push_back(std::move(line));
    }
}

void SnapshotReader::EndTable()
{
    if (table_ >= 0) {
        const SnapshotTable& t = model_.Tables()[static_cast<std::size_t>(table_)];
        if (!t.Scalars) {
            for (std::size_t c = 0; c < t.Columns.size(); ++c) {
                if (seen_[c])
                    continue;
                KvSnapshotLine line;
                line.Oid = t.Columns[c].Oid;
                line.Syntax = t.Columns[c].Syntax;
                line.State = KvSnapshotState::Absent;
                line.Comment = model_.Comment({table_, static_cast<int>(c), {}});
                result_.Lines.push_back(std::move(line));
            }
        }
        if (progressed_)
            progressed_(table_ + 1, static_cast<int>(model_.Tables().size()));
        if (cancelled_)
            return;
    }
    ReadNext();
}

void SnapshotReader::ReadNext()
{
    const auto& tables = model_.Tables();
    ++table_;
    if (table_ >= static_cast<int>(tables.size())) {
        KvSortSnapshot(result_);
        KvSNMPError ok;
        ok.Message = MapErrorCode(engine::kSuccess).Message;
        if (finished_)
            finished_(ok);
        return;
    }
    const SnapshotTable& t = tables[static_cast<std::size_t>(table_)];
    KvSNMPVarList list;
    list.Name = t.View;
    columnOfItem_.clear();
    if (t.Scalars) {
        list.ItemType = SVT_SV;
    } else {
        // One key holding the whole instance: a row is recorded by its OID,
        // whatever keys the pages decode from it.
        list.ItemType = MVT_FMV;
        list.PKeyCount = 1;
        list.AppendItem(t.Entry, "instance", KvSyntax::ObjectId, KvAccess::NotAccess | KvAccess::Implied);
        columnOfItem_.push_back(-1);
    }
    for (std::size_t c = 0; c < t.Columns.size(); ++c) {
        list.AppendItem(t.Columns[c].Oid, t.Columns[c].Caption, t.Columns[c].Syntax, KvAccess::ReadOnly);
        columnOfItem_.push_back(static_cast<int>(c));
    }
    seen_.assign(t.Columns.size(), 0);
    request_->Variables.Assign(list);
    request_->Present.assign(static_cast<std::size_t>(list.Count()), 0);
    request_->GetAsync(&SnapshotReader::Callback, this, true);
}

void SnapshotReader::Fail(const KvSNMPError& e)
{
    cancelled_ = true;
    if (finished_)
        finished_(e);
}

KvSnapshot ReadSnapshot(const SnapshotModel& model, bool withSecrets, const std::string& moduleText)
{
    SnapshotReader reader(model, withSecrets, moduleText);
    QEventLoop loop;
    std::optional<KvSNMPError> outcome;
    reader.Start([&](const KvSNMPError& e) {
        outcome = e;
        loop.quit();
    });
    if (!outcome)
        loop.exec();
    if (outcome->Code != 0)
        throw KvSNMPException(outcome->Code, outcome->Message);
    return std::move(reader.Result());
}
