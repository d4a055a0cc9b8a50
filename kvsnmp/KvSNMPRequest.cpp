#include "KvSNMPRequest.h"

#include "KvConvert.h"
#include "KvExpression.h"
#include "KvNumList.h"
#include "KvSNMPErrors.h"
#include "kvsnmp/KvSNMPRequestDetail.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>

#include <poll.h>

#include <algorithm>
#include <charconv>
#include <exception>

bool DefaultUseGetBulk = true;

using namespace kvsnmp_detail;

namespace {

constexpr int kDrainMs = 6000;

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
        walk_.Start();
    else if (walk_.HasRow())
        return walk_.NextRow() == KvSNMPTableWalk::Next::Row;
    for (;;) {
        KvSNMPTableWalk::Read read;
        const engine::Pdu pdu = walk_.NextRead(first, read);
        const engine::Target& t = readTarget(first ? Mode::FirstRead : Mode::NextRead);
        const KvSNMPTableWalk::Next next = walk_.Step(read, session().sendSync(read.op, t, pdu));
        if (next != KvSNMPTableWalk::Next::Ask)
            return next == KvSNMPTableWalk::Next::Row;
    }
}

void KvSNMPRequest::GetAsync(KvSNMPCallback callback, void* userData, bool first)
{
    if (!Alive)
        return;
    if (first)
        walk_.Start();
    else if (walk_.HasRow())
        return deliverBulkRow(callback, userData);
    sendRead(first ? Mode::FirstRead : Mode::NextRead, callback, userData);
}

void KvSNMPRequest::sendRead(Mode mode, KvSNMPCallback callback, void* userData)
{
    KvSNMPTableWalk::Read read;
    engine::Pdu pdu = walk_.NextRead(mode == Mode::FirstRead, read);
    const engine::Target& t = readTarget(mode);
    std::shared_ptr<KvSNMPRequest*> self = self_;
    const int rc = session().send(read.op, t, std::move(pdu),
                                  [self, callback, userData, read, mode](engine::Response&& response) {
        if (KvSNMPRequest* request = *self)
            request->handleRead(std::move(response), read, mode, callback, userData);
    });
    if (rc != 0) {
        const KvMappedCode m = MapErrorCode(rc);
        if (m.Code != 0)
            throw KvSNMPException(m.Code, m.Message);
    }
    ++Pending;
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
            e.Device = request->walk_.RowsPeer();
            processInto(e, [request] { return request->walk_.NextRow() == KvSNMPTableWalk::Next::Row; });
            request->deliver(e, callback, userData);
        },
        Qt::QueuedConnection);
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
    engine::Pdu pdu = buildWritePdu(selection);
    const engine::Target t = target();
    std::shared_ptr<KvSNMPRequest*> self = self_;
    const std::size_t asked = pdu.vbs.size();
    const int rc = session().send(engine::Operation::Set, t, std::move(pdu),
                                  [self, asked, callback, userData](engine::Response&& response) {
        if (KvSNMPRequest* request = *self)
            request->handleWrite(response, asked, callback, userData);
    });
    if (rc != 0) {
        const KvMappedCode m = MapErrorCode(rc);
        if (m.Code != 0)
            throw KvSNMPException(m.Code, m.Message);
    }
    ++Pending;
}

// ---- answers ------------------------------------------------------------------

void KvSNMPRequest::handleWrite(const engine::Response& response, std::size_t asked, KvSNMPCallback callback,
                                void* userData)
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
    if (e.Code == 0 && response.vbs.size() != asked) {
        const KvSNMPException mismatch = LibraryError(KvResponseMismatch);
        e.Code = mismatch.Code();
        e.Message = mismatch.Message();
    }
    deliver(e, callback, userData);
}

void KvSNMPRequest::handleRead(engine::Response&& response, const KvSNMPTableWalk::Read& read, Mode mode,
                               KvSNMPCallback callback, void* userData)
{
    --Pending;
    const int code = response.code;
    if (code == engine::kSessionDestroyed)
        return;
    KvSNMPError e;
    KvMappedCode ok = MapErrorCode(engine::kSuccess);
    e.Code = ok.Code;
    e.Message = std::move(ok.Message);
    e.ErrorIndex = response.errorIndex;
    e.Device = deviceOf(response, Device);
    KvSNMPTableWalk::Next next = KvSNMPTableWalk::Next::LastRow;
    processInto(e, [&] {
        next = walk_.Step(read, std::move(response));
        return next == KvSNMPTableWalk::Next::Row;
    });
    if (next == KvSNMPTableWalk::Next::Ask) {
        // The same read again, with fewer repetitions or with get-next; the
        // caller sees only that read's outcome.
        if (!Alive) {
            KvMappedCode m = MapErrorCode(code);
            e.Code = m.Code;
            e.Message = std::move(m.Message);
        } else {
            try {
                return sendRead(mode, callback, userData);
            } catch (const KvSNMPException& x) {
                e.Code = x.Code();
                e.Message = x.Message();
            }
        }
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

void KvSNMPRequest::CheckValue(int index)
{
    const KvSNMPVarItem& item = Variables.ItemAt(index);
    if (isTable() && index < Variables.PKeyCount) {
        namingItem(item, [&] { EncodeKey(index); });
        return;
    }
    engine::VarBind vb{{}, engine::Value::null()};
    namingItem(item, [&] { BindingFromValue(index, vb); });
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
