#include "KvSNMPBulkGet.h"

#include "KvSNMPErrors.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <poll.h>

#include <algorithm>
#include <exception>

namespace {

constexpr int kDrainMs = 6000;

} // namespace

KvSNMPBulkGet::KvSNMPBulkGet()
    : Timeout(DefaultTimeout), Device(DefaultDevice), Scope(DefaultScope), Security(DefaultSecurity),
      state_(std::make_shared<State>(State{this, 0}))
{
}

KvSNMPBulkGet::~KvSNMPBulkGet()
{
    // From here on answers only count down Pending: whoever asked may be gone.
    QElapsedTimer waited;
    waited.start();
    state_->owner = nullptr;
    while (state_->pending > 0 && GlobalSession && waited.elapsed() < kDrainMs) {
        GlobalSession->processPendingEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (state_->pending <= 0)
            break;
        int waitMs = static_cast<int>(std::min<qint64>(10, kDrainMs - waited.elapsed()));
        if (const auto due = GlobalSession->msUntilNextTimeout())
            waitMs = std::clamp(*due, 0, waitMs);
        pollfd fd{GlobalSession->socketDescriptor(), POLLIN, 0};
        if (fd.fd >= 0 && waitMs > 0)
            ::poll(&fd, 1, waitMs);
    }
}

void KvSNMPBulkGet::Send(std::vector<engine::Oid> oids, int nonRepeaters, int maxRepetitions, Done done)
{
    if (Security.Version == 0)
        throw LibraryError(KvUnknownErrorCode, "SNMPv1 has no get-bulk");
    if (!GlobalSession)
        throw LibraryError(KvCannotCreateSession);
    engine::Pdu pdu;
    for (engine::Oid& oid : oids)
        pdu.vbs.push_back(engine::VarBind{std::move(oid), engine::Value::null()});
    pdu.errorStatus = std::clamp(nonRepeaters, 0, static_cast<int>(pdu.vbs.size()));   // where the wire has them
    pdu.maxRepetitions = std::max(maxRepetitions, 1);
    const engine::Target target = BuildTarget(Device, Scope, Security, Timeout, Retries);
    const std::shared_ptr<State> state = state_;
    const int rc = GlobalSession->send(engine::Operation::GetBulk, target, std::move(pdu),
                                       [state, done = std::move(done)](const engine::Response& response) {
        --state->pending;
        KvSNMPBulkGet* request = state->owner;
        if (!request || response.code == engine::kSessionDestroyed || !done)
            return;
        KvSNMPError e;
        KvMappedCode m = MapErrorCode(response.code);
        e.Code = m.Code;
        e.Message = std::move(m.Message);
        e.ErrorIndex = response.errorIndex;
        e.Device = response.peerAddress.empty() ? request->Device
                                                : KvSNMPDevice{response.peerAddress, response.peerPort};
        // The session calls us from inside its event handling: nothing may leave by an exception.
        try {
            done(e, e.Code == 0 ? std::span<const engine::VarBind>(response.vbs) : std::span<const engine::VarBind>());
        } catch (const std::exception& x) {
            qWarning("KvSNMPBulkGet: an answer's callback failed: %s", x.what());
        } catch (...) {
            qWarning("KvSNMPBulkGet: an answer's callback failed");
        }
    });
    if (rc != 0) {
        const KvMappedCode m = MapErrorCode(rc);
        if (m.Code != 0)
            throw KvSNMPException(m.Code, m.Message);
    }
    ++state_->pending;
}
