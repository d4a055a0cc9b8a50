#include "KvSNMPRequest.h"

#include "KvConvert.h"
#include "KvExpression.h"
#include "KvNumList.h"
#include "KvSNMPErrors.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>

#include <poll.h>

#include <algorithm>
#include <charconv>
#include <exception>

bool DefaultUseGetBulk = true;

namespace {

constexpr int kDrainMs = 6000;

KvSNMPException mappedError(int raw)
{
    const KvMappedCode m = MapErrorCode(raw);
    return KvSNMPException(m.Code, m.Message);
}

engine::Oid oidOrThrow(const std::string& text)
{
    auto oid = KvOidFromText(text);
    if (!oid)
        throw mappedError(engine::kInvalidObjectId);
    return std::move(*oid);
}

// The responder of a response; the agent asked when the engine knows none.
KvSNMPDevice deviceOf(const engine::Response& response, const KvSNMPDevice& fallback)
{
    if (response.peerAddress.empty())
        return fallback;
    return KvSNMPDevice{response.peerAddress, response.peerPort};
}

// Runs a read's response processing into its outcome: Finished from what it
// gives (true: another row follows), or the code and message of its failure.
template <class Process>
void processInto(KvSNMPError& e, Process&& process)
{
    try {
        e.Finished = !process();
    } catch (const KvSNMPException& x) {
        e.Code = x.Code();
        e.Message = x.Message();
        e.Finished = true;
    } catch (const std::exception&) {
        const KvSNMPException unknown = LibraryError(KvUnknownErrorCode);
        e.Code = unknown.Code();
        e.Message = unknown.Message();
        e.Finished = true;
    }
}

// Bindings are matched to the items asked for by position: an answer with
// another count would put values into the wrong items, or none into some.
void checkAnswered(std::size_t received, std::size_t asked)
{
    if (received != asked)
        throw LibraryError(KvResponseMismatch);
}

// A value that cannot be converted names its item, so that the user sees which
// entry to correct.
template <class Convert>
void namingItem(const KvSNMPVarItem& item, Convert&& convert)
{
    try {
        convert();
    } catch (const KvSNMPException& e) {
        if (e.Code() != KvLibraryCode(KvBadSyntax))
            throw;
        const std::string& name = item.Caption.empty() ? item.Oid : item.Caption;
        throw KvSNMPException(e.Code(), e.Message() + " (" + name + ": \"" + item.Value + "\")");
    }
}

engine::Session& session()
{
    if (!GlobalSession)
        throw LibraryError(KvCannotCreateSession);
    return *GlobalSession;
}

} // namespace

KvSNMPRequest::KvSNMPRequest()
    : Timeout(DefaultTimeout), Device(DefaultDevice), Scope(DefaultScope), Security(DefaultSecurity),
      self_(std::make_shared<KvSNMPRequest*>(this))
{
}

KvSNMPRequest::~KvSNMPRequest()
{
    Alive = false;
    // Let the outstanding responses reach their callbacks, waking as soon as the
    // session's socket turns readable rather than at the pump's next tick.
    QElapsedTimer waited;
    waited.start();
    while (Pending > 0 && GlobalSession && waited.elapsed() < kDrainMs) {
        GlobalSession->processPendingEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (Pending <= 0)
            break;
        int waitMs = static_cast<int>(std::min<qint64>(10, kDrainMs - waited.elapsed()));
        if (const auto due = GlobalSession->msUntilNextTimeout())
            waitMs = std::clamp(*due, 0, waitMs);
        pollfd fd{GlobalSession->socketDescriptor(), POLLIN, 0};
        if (fd.fd >= 0 && waitMs > 0)
            ::poll(&fd, 1, waitMs);
    }
    // Whatever answers later finds no request to deliver to.
    *self_ = nullptr;
}

// ---- building ---------------------------------------------------------------

bool KvSNMPRequest::isTable() const
{
    return Variables.ItemType == MVT_FMV || Variables.ItemType == MVT_UMV;
}

engine::Operation KvSNMPRequest::readOperation() const
{
    switch (Variables.ItemType) {
    case SVT_SV:
        return engine::Operation::Get;
    case MVT_SV:
        return UseGetNext ? engine::Operation::GetNext : engine::Operation::Get;
    case MVT_FMV:
    case MVT_UMV:
        return engine::Operation::GetNext;
    default:
        throw LibraryError(KvBadItemType);
    }
}

engine::Target KvSNMPRequest::target() const
{
    session();
    return BuildTarget(Device, Scope, Security, Timeout, Retries);
}

const engine::Target& KvSNMPRequest::readTarget(Mode mode)
{
    ReadTarget& kept = readTarget_;
    if (kept.valid && mode == Mode::NextRead && Security.Version != 3 && kept.timeout == Timeout
        && kept.retries == Retries && kept.device == Device && kept.scope == Scope && kept.security == Security)
        return kept.target;
    kept.valid = false;
    kept.target = target();
    if (Security.Version != 3) {
        kept.device = Device;
        kept.scope = Scope;
        kept.security = Security;
        kept.timeout = Timeout;
        kept.retries = Retries;
        kept.valid = true;
    }
    return kept.target;
}

engine::Pdu KvSNMPRequest::buildPdu(Mode mode)
{
    if (mode == Mode::NextRead && !isTable())
        throw LibraryError(KvGetNextOnSingleValue);
    engine::Pdu pdu;
    pdu.vbs.reserve(static_cast<std::size_t>(Variables.Count()));
    for (int i = 0; i < Variables.Count(); ++i) {
        if (!Variables.IsReadable(i))
            continue;
        KvSNMPVarItem& item = Variables.ItemAt(i);
        if (mode == Mode::FirstRead) {
            item.CurrentOid.clear();
            std::string oid = Variables.BaseOid(i);
            if (Variables.ItemType == SVT_SV)
                oid += ".0";
            pdu.vbs.push_back(engine::VarBind{oidOrThrow(oid), engine::Value::null()});
        } else if (const auto k = static_cast<std::size_t>(i);
                   k < walkArcs_.size() && !walkArcs_[k].currentText.empty() &&
                   walkArcs_[k].currentText == item.CurrentOid) {
            pdu.vbs.push_back(engine::VarBind{walkArcs_[k].current, engine::Value::null()});
        } else {
            pdu.vbs.push_back(engine::VarBind{oidOrThrow(item.CurrentOid), engine::Value::null()});
        }
    }
    return pdu;
}

engine::Pdu KvSNMPRequest::buildWritePdu(const std::string& selection)
{
    if (Variables.ItemType > MVT_UMV)
        throw LibraryError(KvBadItemType);
    // Exclude the items not selected for this one write, then put everything back.
    const KvSNMPVarList saved(Variables);
    struct Restore {
        KvSNMPVarList& list;
        const KvSNMPVarList& saved;
        ~Restore() { list.Assign(saved); }
    } restore{Variables, saved};

    std::string digits;
    std::remove_copy_if(selection.begin(), selection.end(), std::back_inserter(digits),
                        [](char c) { return c == ' ' || c == '\t'; });
    if (!digits.empty()) {
        KvNumList<int> chosen;
        chosen.Delimiter = ',';
        chosen.Parse(digits);
        for (int i = 0; i < Variables.Count(); ++i) {
            std::uint32_t& access = Variables.ItemAt(i).Access;
            if (chosen.IndexOf(i) >= 0)
                access &= ~KvAccess::Invalid;
            else
                access |= KvAccess::Invalid;
        }
    }
    for (int i = 0; i < Variables.Count(); ++i)
        EvaluateDerived(i, false);

    engine::Pdu pdu;
    const std::string instance = isTable() ? InstanceFromKeys() : std::string();
    for (int i = 0; i < Variables.Count(); ++i) {
        if ((isTable() && i < Variables.PKeyCount) || !Variables.IsSettable(i))
            continue;
        std::string oid = Variables.BaseOid(i);
        if (Variables.ItemType == SVT_SV)
            oid += ".0";
        else if (isTable())
            oid += "." + instance;
        engine::VarBind vb{oidOrThrow(oid), engine::Value::null()};
        namingItem(Variables.ItemAt(i), [&] { BindingFromValue(i, vb); });
        pdu.vbs.push_back(std::move(vb));
    }
    return pdu;
}

// ---- reading ----------------------------------------------------------------

bool KvSNMPRequest::Get(bool first)
{
    if (!Alive)
        return false;
    if (first)
        bulk_ = BulkRows{};
    else if (bulk_.HasRow())
        return nextBulkRow();
    for (;;) {
        const bool bulk = useBulk();
        const engine::Operation op = bulk ? engine::Operation::GetBulk : readOperation();
        const engine::Target& t = readTarget(first ? Mode::FirstRead : Mode::NextRead);
        engine::Pdu pdu = buildPdu(first ? Mode::FirstRead : Mode::NextRead);
        pdu.maxRepetitions = bulk_.maxRepetitions;
        const std::size_t columns = pdu.vbs.size();
        engine::Response r = session().sendSync(op, t, pdu);
        if (bulk) {
            if (r.code == 0 && takeBulk(std::move(r), columns))
                return nextBulkRow();
            if (bulkFailed(r.code))
                continue;
            const KvMappedCode m = MapErrorCode(r.code);
            throw KvSNMPException(m.Code, m.Message);
        }
        const KvMappedCode m = MapErrorCode(r.code);
        if (m.Code != 0 && !(m.Code == KvCodeNoSuchName && isTable()))
            throw KvSNMPException(m.Code, m.Message);
        if (r.code == engine::kSuccess)
            nextAnswered();
        return processResponse(r.vbs, m.Code);
    }
}

void KvSNMPRequest::GetAsync(KvSNMPCallback callback, void* userData, bool first)
{
    if (!Alive)
        return;
    if (first)
        bulk_ = BulkRows{};
    else if (bulk_.HasRow())
        return deliverBulkRow(callback, userData);
    sendRead(first ? Mode::FirstRead : Mode::NextRead, callback, userData);
}

void KvSNMPRequest::sendRead(Mode mode, KvSNMPCallback callback, void* userData)
{
    const engine::Operation op = useBulk() ? engine::Operation::GetBulk : readOperation();
    engine::Pdu pdu = buildPdu(mode);
    pdu.maxRepetitions = bulk_.maxRepetitions;
    const engine::Target& t = readTarget(mode);
    const std::size_t columns = pdu.vbs.size();
    std::shared_ptr<KvSNMPRequest*> self = self_;
    const int rc = session().send(op, t, std::move(pdu),
                                  [self, callback, userData, op, mode, columns](const engine::Response& response) {
        if (KvSNMPRequest* request = *self)
            request->handleResponse(response, true, callback, userData, op, mode, columns);
    });
    if (rc != 0) {
        const KvMappedCode m = MapErrorCode(rc);
        if (m.Code != 0)
            throw KvSNMPException(m.Code, m.Message);
    }
    ++Pending;
}

// ---- get-bulk walks -----------------------------------------------------------

bool KvSNMPRequest::useBulk() const
{
    // v1 has no get-bulk; a row whose column has ended goes on with get-next.
    return UseGetBulk && isTable() && Security.Version != 0 && !bulk_.off && !bulk_.columnEnded;
}

bool KvSNMPRequest::bulkFailed(int code)
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

void KvSNMPRequest::nextAnswered()
{
    if (!bulk_.retryWhenAnswered)
        return;
    bulk_.retryWhenAnswered = false;
    bulk_.retried = true;
    bulk_.off = false;
}

bool KvSNMPRequest::takeBulk(engine::Response&& response, std::size_t columns)
{
    if (columns == 0 || response.vbs.size() < columns)
        return false;
    bulk_.answered = true;
    bulk_.peer = deviceOf(response, Device);
    bulk_.vbs = std::move(response.vbs);
    bulk_.columns = columns;
    bulk_.next.assign(columns, 0);
    return true;
}

bool KvSNMPRequest::nextBulkRow()
{
    const std::size_t columns = bulk_.columns;
    rowBindings_.clear();
    for (std::size_t c = 0; c < columns; ++c)
        rowBindings_.push_back(&bulk_.vbs[bulk_.next[c] * columns + c]);
    const bool more = processRow(rowBindings_, 0);
    for (std::size_t c = 0; c < columns; ++c)
        bulk_.next[c] += rowTaken_[c] ? 1 : 0;
    return more;
}

void KvSNMPRequest::deliverBulkRow(KvSNMPCallback callback, void* userData)
{
    // Answered from the rows at hand, yet as every asynchronous answer is: later,
    // from the event loop, never inside the call that asked.
    ++Pending;
    std::shared_ptr<KvSNMPRequest*> self = self_;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self, callback, userData] {
            KvSNMPRequest* request = *self;
            if (!request)
                return;
            --request->Pending;
            KvSNMPError e;
            const KvMappedCode ok = MapErrorCode(engine::kSuccess);
            e.Code = ok.Code;
            e.Message = ok.Message;
            e.Device = request->bulk_.peer;
            processInto(e, [request] { return request->nextBulkRow(); });
            request->deliver(e, callback, userData);
        },
        Qt::QueuedConnection);
}

bool KvSNMPRequest::processResponse(std::span<const engine::VarBind> vbs, int code)
{
    rowBindings_.clear();
    for (const engine::VarBind& vb : vbs)
        rowBindings_.push_back(&vb);
    return processRow(rowBindings_, code);
}

bool KvSNMPRequest::processRow(std::span<const engine::VarBind* const> vbs, int code)
{
    if (walkArcs_.size() < static_cast<std::size_t>(Variables.Count()))
        walkArcs_.resize(static_cast<std::size_t>(Variables.Count()));
    // The r-th binding belongs to the r-th readable item.
    readableItems_.clear();
    for (int i = 0; i < Variables.Count(); ++i)
        if (Variables.IsReadable(i))
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
        KvSNMPVarItem& item = Variables.ItemAt(i);
        // Without an instance the base OID is the item's own text: no copy.
        const std::string& prefix =
            Variables.Instance.empty() ? item.Oid : (composedPrefix = Variables.BaseOid(i));
        WalkArcs& arcs = walkArcs_[static_cast<std::size_t>(i)];

        if (code == KvCodeNoSuchName && isTable()) {
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
        if (IsColumnDone(arcs.prefix, arcs.current, vb.oid)) {
            rowDone_[r] = 1;
            ++done;
        } else if (!isTable()) {
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
        KvSNMPVarItem& item = Variables.ItemAt(i);
        WalkArcs& arcs = walkArcs_[static_cast<std::size_t>(i)];
        const std::string& prefix = arcs.prefixText;
        if (rowDone_[r]) {
            item.Value = KvNotDoneText;
            item.CurrentOid = prefix + "." + InstanceFromKeys();   // the keys still hold the previous row
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
        ValueFromBinding(i, vb);
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
    if (isTable())
        KeysFromInstance(rowInstance_);
    for (int i = 0; i < Variables.Count(); ++i)
        EvaluateDerived(i, true);
    return isTable();
}

// ---- writing ----------------------------------------------------------------

void KvSNMPRequest::Set(const std::string& selection)
{
    if (!Alive)
        return;
    const engine::Target t = target();
    const engine::Pdu pdu = buildWritePdu(selection);
    const engine::Response r = session().sendSync(engine::Operation::Set, t, pdu);
    const KvMappedCode m = MapErrorCode(r.code);
    if (m.Code != 0)
        throw KvSNMPException(m.Code, m.Message);
    checkAnswered(r.vbs.size(), pdu.vbs.size());
}

void KvSNMPRequest::SetAsync(KvSNMPCallback callback, void* userData, const std::string& selection)
{
    if (!Alive)
        return;
    send(engine::Operation::Set, buildWritePdu(selection), false, callback, userData);
}

// ---- asynchronous plumbing ----------------------------------------------------

void KvSNMPRequest::send(engine::Operation op, engine::Pdu pdu, bool read, KvSNMPCallback callback,
                         void* userData)
{
    const engine::Target t = target();
    std::shared_ptr<KvSNMPRequest*> self = self_;
    const std::size_t asked = pdu.vbs.size();
    const int rc = session().send(op, t, std::move(pdu), [self, read, asked, callback, userData](const engine::Response& response) {
        if (KvSNMPRequest* request = *self)
            request->handleResponse(response, read, callback, userData, engine::Operation::Set, Mode::Write, 0, asked);
    });
    if (rc != 0) {
        const KvMappedCode m = MapErrorCode(rc);
        if (m.Code != 0)
            throw KvSNMPException(m.Code, m.Message);
    }
    ++Pending;
}

void KvSNMPRequest::handleResponse(const engine::Response& response, bool read, KvSNMPCallback callback,
                                   void* userData, engine::Operation op, Mode mode, std::size_t columns,
                                   std::size_t asked)
{
    // This request is answered; counted down first so that a callback that
    // destroys the request does not wait for its own answer.
    --Pending;
    if (response.code == engine::kSessionDestroyed)
        return;

    KvSNMPError e;
    KvMappedCode m = MapErrorCode(response.code);
    e.Code = m.Code;
    e.Message = std::move(m.Message);
    e.ErrorIndex = response.errorIndex;
    e.Device = deviceOf(response, Device);
    e.Finished = true;
    if (e.Code == 0 && !read && response.vbs.size() != asked) {
        const KvSNMPException mismatch = LibraryError(KvResponseMismatch);
        e.Code = mismatch.Code();
        e.Message = mismatch.Message();
    }
    bool fromBulk = false;
    if (op == engine::Operation::GetBulk) {
        fromBulk = response.code == 0 && takeBulk(engine::Response(response), columns);
        if (!fromBulk) {
            // The same read again, with fewer repetitions or with get-next; the
            // caller sees only that read's outcome.
            try {
                if (bulkFailed(response.code) && Alive)
                    return sendRead(mode, callback, userData);
            } catch (const KvSNMPException& x) {
                e.Code = x.Code();
                e.Message = x.Message();
            }
            return deliver(e, callback, userData);
        }
    }
    if (read && !fromBulk && response.code == engine::kSuccess)
        nextAnswered();
    if ((e.Code == 0 && read) || (e.Code == KvCodeNoSuchName && isTable())) {
        processInto(e, [&] {
            const bool more = fromBulk ? nextBulkRow() : processResponse(response.vbs, e.Code);
            if (e.Code != 0) {
                // noSuchName where the agent simply ran out of objects.
                const KvMappedCode ok = MapErrorCode(engine::kSuccess);
                e.Code = ok.Code;
                e.Message = ok.Message;
            }
            return more;
        });
    }
    deliver(e, callback, userData);
}

void KvSNMPRequest::deliver(KvSNMPError& e, KvSNMPCallback callback, void* userData)
{
    if (!callback)
        return;
    // The session calls us from inside its event handling: nothing may leave here
    // by an exception.
    try {
        callback(userData, e, Variables);
    } catch (const std::exception& x) {
        qWarning("KvSNMPRequest: a response callback failed: %s", x.what());
    } catch (...) {
        qWarning("KvSNMPRequest: a response callback failed");
    }
}

// ---- keys -------------------------------------------------------------------

void KvSNMPRequest::KeysFromInstance(const std::string& instance)
{
    if (Variables.PKeyCount > Variables.Count())
        throw LibraryError(KvBadKeyCount);
    std::string rest = instance;
    for (int k = 0; k < Variables.PKeyCount; ++k) {
        if (rest.empty())
            throw LibraryError(KvBadKeyCount);
        if (!Variables.IsReadable(k))
            Variables.ItemAt(k).CurrentOid = Variables.BaseOid(k) + "." + instance;
        rest = DecodeKey(k, rest);
    }
}

std::string KvSNMPRequest::InstanceFromKeys()
{
    std::string out;
    const int keys = std::min(Variables.PKeyCount, Variables.Count());
    for (int k = 0; k < keys; ++k) {
        if (k)
            out += '.';
        namingItem(Variables.ItemAt(k), [&] { out += EncodeKey(k); });
    }
    return out;
}

// ---- base behaviour of the replaceable operations ----------------------------------

std::string KvSNMPRequest::SubstituteVariables(const std::string& expression, bool quoteStrings,
                                               const std::string& marker)
{
    return KvSubstituteVariables(Variables, expression, quoteStrings, marker);
}

std::string KvSNMPRequest::DecodeKey(int keyIndex, const std::string& instance)
{
    const bool lastImplied = keyIndex == Variables.PKeyCount - 1 && Variables.IsImplied(keyIndex);
    return KvDecodeKey(Variables.ItemAt(keyIndex), lastImplied, instance);
}

std::string KvSNMPRequest::EncodeKey(int keyIndex)
{
    const bool lastImplied = keyIndex == Variables.PKeyCount - 1 && Variables.IsImplied(keyIndex);
    return KvEncodeKey(Variables.ItemAt(keyIndex), lastImplied);
}

void KvSNMPRequest::ValueFromBinding(int index, const engine::VarBind& binding)
{
    KvSNMPVarItem& item = Variables.ItemAt(index);
    KvValueFromBinding(item, binding.value, item.Value);
}

void KvSNMPRequest::BindingFromValue(int index, engine::VarBind& binding)
{
    binding.value = KvBindingFromValue(Variables.ItemAt(index));
}

void KvSNMPRequest::EvaluateDerived(int index, bool afterRead)
{
    KvSNMPVarItem& item = Variables.ItemAt(index);
    const std::string& expression = KvDerivedExpression(item, afterRead);
    if (expression.empty())
        return;
    KvStoreDerivedValue(item, EvaluateNumber(SubstituteVariables(expression, false, "$")));
}

bool KvSNMPRequest::EvaluateCondition(const std::string& condition)
{
    if (condition.empty())
        return true;
    return EvaluateLogic(SubstituteVariables(condition, true, "$"));
}

bool KvSNMPRequest::IsColumnDone(const engine::Oid& prefix, const engine::Oid& previous,
                                 const engine::Oid& received)
{
    if (!isTable())
        return false;
    if (received.size() <= prefix.size() || !std::equal(prefix.begin(), prefix.end(), received.begin()))
        return true;
    // An agent must answer get-next with a greater OID; one that does not (no
    // progress, or going backwards) would otherwise keep the walk going forever.
    // No previous OID (the first row) is empty, before every other.
    return !std::lexicographical_compare(previous.begin(), previous.end(), received.begin(), received.end());
}

bool KvSNMPRequest::IsColumnDone(const std::string& prefix, const std::string& previousOid,
                                 const std::string& receivedOid)
{
    // A previous text that is no OID counts as none; a received text that is no
    // OID, or a prefix that is none, leaves nothing inside the column.
    static const engine::Oid none;
    const auto p = KvOidFromText(prefix), previous = KvOidFromText(previousOid), r = KvOidFromText(receivedOid);
    return IsColumnDone(p ? *p : none, previous ? *previous : none, p && r ? *r : none);
}
