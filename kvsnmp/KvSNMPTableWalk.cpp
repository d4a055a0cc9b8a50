#include "kvsnmp/KvSNMPTableWalk.h"

#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPRequest.h"
#include "kvsnmp/KvSNMPRequestDetail.h"

#include <algorithm>
#include <charconv>

using namespace kvsnmp_detail;

// ---- asking -------------------------------------------------------------------

void KvSNMPTableWalk::Start()
{
    bulk_ = BulkRows{};
}

engine::Operation KvSNMPTableWalk::readOperation() const
{
    switch (request_.Variables.ItemType) {
    case SVT_SV:
        return engine::Operation::Get;
    case MVT_SV:
        return request_.UseGetNext ? engine::Operation::GetNext : engine::Operation::Get;
    case MVT_FMV:
    case MVT_UMV:
        return engine::Operation::GetNext;
    default:
        throw LibraryError(KvBadItemType);
    }
}

bool KvSNMPTableWalk::useBulk() const
{
    // v1 has no get-bulk; a row whose column has ended goes on with get-next.
    return request_.UseGetBulk && request_.isTable() && request_.Security.Version != 0 && !bulk_.off
        && !bulk_.columnEnded;
}

engine::Pdu KvSNMPTableWalk::NextRead(bool first, Read& read)
{
    read.op = useBulk() ? engine::Operation::GetBulk : readOperation();
    KvSNMPVarList& list = request_.Variables;
    if (!first && !request_.isTable())
        throw LibraryError(KvGetNextOnSingleValue);
    engine::Pdu pdu;
    pdu.maxRepetitions = bulk_.maxRepetitions;
    pdu.vbs.reserve(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        if (!list.IsReadable(i))
            continue;
        KvSNMPVarItem& item = list.ItemAt(i);
        if (first) {
            item.CurrentOid.clear();
            std::string oid = list.BaseOid(i);
            if (list.ItemType == SVT_SV)
                oid += ".0";
            pdu.vbs.push_back(engine::VarBind{oidOrThrow(oid), engine::Value::null()});
        } else if (const auto k = static_cast<std::size_t>(i);
                   k < arcs_.size() && !arcs_[k].currentText.empty() && arcs_[k].currentText == item.CurrentOid) {
            pdu.vbs.push_back(engine::VarBind{arcs_[k].current, engine::Value::null()});
        } else {
            pdu.vbs.push_back(engine::VarBind{oidOrThrow(item.CurrentOid), engine::Value::null()});
        }
    }
    read.columns = pdu.vbs.size();
    return pdu;
}

// ---- taking answers -------------------------------------------------------------

KvSNMPTableWalk::Next KvSNMPTableWalk::Step(const Read& read, engine::Response&& response)
{
    if (read.op == engine::Operation::GetBulk) {
        if (response.code == engine::kSuccess && takeBulk(std::move(response), read.columns))
            return NextRow();
        if (bulkFailed(response.code))
            return Next::Ask;
        throw mappedError(response.code);
    }
    int code = 0;
    if (response.code != engine::kSuccess) {
        // A table's noSuchName may be an SNMPv1 agent's end of the walk.
        code = MapErrorCode(response.code).Code;
        if (code != KvCodeNoSuchName || !request_.isTable())
            throw mappedError(response.code);
    } else {
        nextAnswered();
    }
    rowBindings_.clear();
    for (const engine::VarBind& vb : response.vbs)
        rowBindings_.push_back(&vb);
    return processRow(rowBindings_, code) ? Next::Row : Next::LastRow;
}

bool KvSNMPTableWalk::bulkFailed(int code)
{
    bulk_.vbs.clear();
    bulk_.columns = 0;
    // An agent that has answered get-bulk in this walk and then falls silent is
    // gone, not refusing get-bulk: asking again with get-next would only make the
    // user wait for a second time-out.
    if (code == engine::kTimeout && bulk_.answered)
        return false;
    if (code == engine::kAgentTooBig && bulk_.maxRepetitions > 1) {
        bulk_.maxRepetitions /= 2;
        return true;
    }
    bulk_.off = true;
    // A refusal is the agent's answer for the whole walk; a time-out may only be
    // the agent out of reach for a moment (regression: one lost get-bulk made a
    // 400-row walk ask row by row, 43.8 s instead of 1.7 s).
    bulk_.retryWhenAnswered = code == engine::kTimeout && !bulk_.retried;
    return true;
}

void KvSNMPTableWalk::nextAnswered()
{
    if (!bulk_.retryWhenAnswered)
        return;
    bulk_.retryWhenAnswered = false;
    bulk_.retried = true;
    bulk_.off = false;
}

bool KvSNMPTableWalk::takeBulk(engine::Response&& response, std::size_t columns)
{
    if (columns == 0 || response.vbs.size() < columns)
        return false;
    bulk_.answered = true;
    bulk_.peer = deviceOf(response, request_.Device);
    // The bindings handed out before go back with the response, for the engine
    // to read a later answer into.
    bulk_.vbs.swap(response.vbs);
    bulk_.columns = columns;
    bulk_.next.assign(columns, 0);
    return true;
}

bool KvSNMPTableWalk::HasRow() const
{
    const std::size_t columns = bulk_.columns;
    if (columns == 0 || bulk_.columnEnded)
        return false;
    for (std::size_t c = 0; c < columns; ++c)
        if (bulk_.next[c] * columns + c >= bulk_.vbs.size())
            return false;
    return true;
}

KvSNMPTableWalk::Next KvSNMPTableWalk::NextRow()
{
    const std::size_t columns = bulk_.columns;
    rowBindings_.clear();
    for (std::size_t c = 0; c < columns; ++c)
        rowBindings_.push_back(&bulk_.vbs[bulk_.next[c] * columns + c]);
    const bool more = processRow(rowBindings_, 0);
    for (std::size_t c = 0; c < columns; ++c)
        bulk_.next[c] += rowTaken_[c] ? 1 : 0;
    return more ? Next::Row : Next::LastRow;
}

// ---- rows -----------------------------------------------------------------------

bool KvSNMPTableWalk::processRow(std::span<const engine::VarBind* const> vbs, int code)
{
    KvSNMPVarList& list = request_.Variables;
    if (arcs_.size() < static_cast<std::size_t>(list.Count()))
        arcs_.resize(static_cast<std::size_t>(list.Count()));
    // The r-th binding belongs to the r-th readable item.
    readableItems_.clear();
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsReadable(i))
            readableItems_.push_back(i);
    checkAnswered(vbs.size(), readableItems_.size());
    rowDone_.assign(vbs.size(), 0);
    rowTaken_.assign(vbs.size(), 0);

    // Which columns have ended, and which row the others are at: get-next
    // answers a column that lacks a row with its next instance, so the row is
    // the least instance answered.
    std::string composedPrefix;
    const engine::VarBind* row = nullptr;
    std::size_t rowArcsFrom = 0;   // where the instance begins in row's OID
    auto instanceOf = [](const engine::Oid& oid, std::size_t from) {
        return std::span<const std::uint32_t>(oid).subspan(from);
    };
    std::size_t done = 0;
    for (std::size_t r = 0; r < readableItems_.size(); ++r) {
        const int i = readableItems_[r];
        const engine::VarBind& vb = *vbs[r];
        KvSNMPVarItem& item = list.ItemAt(i);
        // Without an instance the base OID is the item's own text: no copy.
        const std::string& prefix =
            list.Instance.empty() ? item.Oid : (composedPrefix = list.BaseOid(i));
        WalkArcs& arcs = arcs_[static_cast<std::size_t>(i)];

        if (code == KvCodeNoSuchName && request_.isTable()) {
            // SNMPv1 ends a walk with noSuchName, echoing the OIDs asked for.
            KvOidText(vb.oid, receivedText_);
            if (item.CurrentOid == receivedText_)
                return false;
            throw mappedError(engine::kAgentNoSuchName);
        }
        if (arcs.prefixText != prefix) {
            arcs.prefix = oidOrThrow(prefix);
            arcs.prefixText = prefix;
            KvOidText(arcs.prefix, arcs.prefixOidText);
        }
        if (arcs.currentText.empty() || arcs.currentText != item.CurrentOid) {
            // A first read, a column's end or a caller moved the item: its text
            // decides, and a text that is no OID (or none) counts as no previous.
            auto current = KvOidFromText(item.CurrentOid);
            arcs.current = current ? std::move(*current) : engine::Oid{};
        }
        if (request_.IsColumnDone(arcs.prefix, arcs.current, vb.oid)) {
            rowDone_[r] = 1;
            ++done;
        } else if (!request_.isTable()) {
            // A row list asks for one row: every binding is its own.
        } else if (const auto instance = instanceOf(vb.oid, arcs.prefix.size());
                   !row || std::ranges::lexicographical_compare(instance, instanceOf(row->oid, rowArcsFrom))) {
            row = &vb;
            rowArcsFrom = arcs.prefix.size();
        }
    }
    bulk_.columnEnded = done > 0;

    rowInstance_.clear();
    if (row) {
        for (const std::uint32_t arc : instanceOf(row->oid, rowArcsFrom)) {
            char digits[16];
            if (!rowInstance_.empty())
                rowInstance_ += '.';
            rowInstance_.append(digits, std::to_chars(digits, digits + sizeof digits, arc).ptr);
        }
    }
    for (std::size_t r = 0; r < readableItems_.size(); ++r) {
        const int i = readableItems_[r];
        const engine::VarBind& vb = *vbs[r];
        KvSNMPVarItem& item = list.ItemAt(i);
        WalkArcs& arcs = arcs_[static_cast<std::size_t>(i)];
        const std::string& prefix = arcs.prefixText;
        if (rowDone_[r]) {
            item.Value = KvNotDoneText;
            item.CurrentOid = prefix + "." + request_.InstanceFromKeys();   // the keys still hold the previous row
            arcs.currentText.clear();   // the arcs are read from the text when next sent
            continue;
        }
        if (row && !std::ranges::equal(instanceOf(vb.oid, arcs.prefix.size()), instanceOf(row->oid, rowArcsFrom))) {
            // The agent has no value of this column in this row; the binding
            // belongs to a later row, so the column is asked again from here.
            item.Value = KvNullText;
            item.CurrentOid = prefix + "." + rowInstance_;
            arcs.currentText.clear();
            continue;
        }
        request_.ValueFromBinding(i, vb);
        // Assigned into the texts' own buffers: no allocation per row.  In a
        // table the binding is the column's prefix followed by the row's
        // instance, both already in text.
        const bool prefixed = !arcs.prefix.empty() && vb.oid.size() > arcs.prefix.size()
            && std::equal(arcs.prefix.begin(), arcs.prefix.end(), vb.oid.begin());
        if (row && prefixed)
            item.CurrentOid.assign(arcs.prefixOidText).append(1, '.').append(rowInstance_);
        else
            KvOidText(vb.oid, item.CurrentOid);
        arcs.currentText = item.CurrentOid;
        arcs.current.assign(vb.oid.begin(), vb.oid.end());
        rowTaken_[r] = 1;
    }
    if (done == readableItems_.size())
        return false;
    if (request_.isTable())
        request_.KeysFromInstance(rowInstance_);
    for (int i = 0; i < list.Count(); ++i)
        request_.EvaluateDerived(i, true);
    return request_.isTable();
}

