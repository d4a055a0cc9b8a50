#include "KvSNMPSession.h"

#include "KvSNMPErrors.h"
#include "KvTextUtil.h"
#include "engine/QtEventDriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <malloc.h>

#include <map>
#include <tuple>


namespace {

constexpr int kPumpIntervalMs = 20;
// snmpEngineBoots stops at 2^31 - 1 (the engine then needs a new id).
constexpr std::uint32_t kMaxEngineBoots = 2147483647u;
// How long a name resolved for a target is trusted before it is looked up again;
// saves a blocking name lookup per request.
constexpr qint64 kNameCacheMs = 60000;

// glibc gives the free memory at the top of the heap back to the system once it
// exceeds a threshold that it moves by itself as large blocks come and go.  A walk
// frees and allocates its answers' buffers at the top of the heap, so where the
// heap happened to end decided whether each answer cost a shrink and a grow of the
// heap: the same get-bulk walk took 0.085 or 0.155 s of processor time.  Fixed
// thresholds, set once when the first session opens, keep that from run to run: up
// to this much free memory stays at the heap's top, and blocks from this size on
// are mapped on their own.
constexpr int kHeapTrimThreshold = 4 << 20;
constexpr int kHeapMmapThreshold = 1 << 20;

void KeepHeapSteady()
{
    mallopt(M_MMAP_THRESHOLD, kHeapMmapThreshold);
    mallopt(M_TRIM_THRESHOLD, kHeapTrimThreshold);
}

std::uint32_t gEngineBoots = 0;
bool gEngineStarted = false;

// The session is deliberately never destroyed: at process end, callbacks of
// requests still outstanding would run into objects that are gone already; the
// operating system closes the socket.
std::unique_ptr<engine::Session>* gSessionHolder = nullptr;

class EventPump : public QObject {
public:
    EventPump()
    {
        timer_.setInterval(kPumpIntervalMs);
        timer_.setSingleShot(false);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    }

    void Start()
    {
        running_ = true;
        if (GlobalSession && !driver_) {
            driver_ = std::make_unique<engine::QtEventDriver>(*GlobalSession);
            QObject::connect(driver_.get(), &engine::QtEventDriver::waiting, this, [this](bool any) {
                if (!any)
                    timer_.stop();
                else if (running_ && !working_ && !timer_.isActive())
                    timer_.start();
            });
        }
        if (Waiting())
            timer_.start();
    }
    // The socket watcher stays: Stop may be called from a callback that the
    // watcher itself is running.
    void Stop()
    {
        running_ = false;
        timer_.stop();
    }
    bool IsRunning() const { return running_; }

private:
    void Tick()
    {
        // Off while working: a callback that pumps GUI messages must not re-enter.
        timer_.stop();
        working_ = true;
        if (driver_)
            driver_->processNow();   // shares the driver's guard against nested delivery
        else if (GlobalSession)
            GlobalSession->processPendingEvents();
        working_ = false;
        // A callback may have stopped the pump; only a running pump is re-armed,
        // and only while a request waits: an idle module does not wake up.
        if (running_ && Waiting())
            timer_.start();
    }
    static bool Waiting() { return GlobalSession && GlobalSession->pendingCount() > 0; }

    QTimer timer_;
    // Delivers a response as soon as its datagram is readable and runs time-outs
    // when due; the timer above is the safety net that keeps everything moving.
    std::unique_ptr<engine::QtEventDriver> driver_;
    bool running_ = false;
    bool working_ = false;
};

EventPump* gPump = nullptr;

EventPump& Pump()
{
    if (!gPump) {
        gPump = new EventPump;
        // Library finalisation: the pump's timer goes with the application object.
        qAddPostRoutine([] {
            delete gPump;
            gPump = nullptr;
        });
    }
    return *gPump;
}

std::uint32_t AdvanceBootCounter(const std::string& folder)
{
    const std::string path = JoinPath(folder, KvBootCounterFile);
    std::uint32_t boots = 0;
    int rc = engine::getBootCounter(path, KvLocalEngineId, boots);
    if (rc == engine::kBootsNoEntry || rc == engine::kBootsCannotOpen)
        boots = 0;   // no entry yet, or no file yet: the first start
    else if (rc != 0)
        throw LibraryError(KvBootsLoadError);
    if (boots < kMaxEngineBoots)
        ++boots;
    if (engine::saveBootCounter(path, KvLocalEngineId, boots) != 0)
        throw LibraryError(KvBootsSaveError);
    return boots;
}

// Credentials last registered per user name: a request with the same ones needs
// no second registration (key derivation costs milliseconds).
using UserKey = std::tuple<int, int, std::string, std::string>;
std::map<std::string, UserKey>& RegisteredUsers()
{
    static std::map<std::string, UserKey> users;
    return users;
}

void RegisterUser(const KvSNMPSecurity& security)
{
    if (!GlobalSession)
        return;
    UserKey key{security.AuthProtocol, security.PrivProtocol, security.AuthPassword, security.PrivPassword};
    auto& users = RegisteredUsers();
    auto it = users.find(security.SecurityName);
    if (it != users.end() && it->second == key)
        return;
    int rc = GlobalSession->addUser(security.SecurityName, security.AuthProtocol, security.PrivProtocol,
                                    security.AuthPassword, security.PrivPassword);
    if (rc == 0)
        users[security.SecurityName] = std::move(key);
    else
        users.erase(security.SecurityName);   // try again with the next request
}

std::string DottedText(std::uint32_t hostOrder)
{
    return std::to_string(hostOrder >> 24) + '.' + std::to_string((hostOrder >> 16) & 0xFF) + '.' +
           std::to_string((hostOrder >> 8) & 0xFF) + '.' + std::to_string(hostOrder & 0xFF);
}

// Address text -> dotted IPv4, or nullopt.  Dotted text is checked strictly;
// names are looked up and the answer kept for a while.
std::optional<std::string> ResolveAddress(const std::string& address)
{
    struct Cached {
        std::string dotted;
        QElapsedTimer age;
    };
    static std::map<std::string, Cached> names;

    if (auto it = names.find(address); it != names.end()) {
        if (it->second.age.elapsed() < kNameCacheMs)
            return it->second.dotted;
        names.erase(it);
    }
    std::optional<std::uint32_t> ip = engine::resolveIPv4(address);
    if (!ip)
        return std::nullopt;
    std::string dotted = DottedText(*ip);
    if (dotted != address) {
        Cached c{dotted, {}};
        c.age.start();
        names[address] = std::move(c);
    }
    return dotted;
}

} // namespace

void CreateGlobalSession(const std::string& folder)
{
    if (!gEngineStarted) {
        if (!gSessionHolder) {
            KeepHeapSteady();
            int status = -1;
            std::unique_ptr<engine::Session> session = engine::Session::open(status);
            if (!session || status != 0)
                throw LibraryError(KvCannotCreateSession);
            gSessionHolder = new std::unique_ptr<engine::Session>(std::move(session));
            GlobalSession = gSessionHolder->get();
        }
        std::uint32_t boots = AdvanceBootCounter(folder);
        if (GlobalSession->mpInit(KvLocalEngineId, boots) != 0)
            throw LibraryError(KvCannotCreateSession);
        gEngineBoots = boots;
        gEngineStarted = true;
    }
    ResetDefaultParameters();
    KvSNMPEventPump::Start();
}

std::uint32_t LocalEngineBoots()
{
    return gEngineBoots;
}

engine::Target BuildTarget(const KvSNMPDevice& device, const KvSNMPScope& scope,
                           const KvSNMPSecurity& security, std::int32_t timeout, std::int32_t retries)
{
    std::optional<std::string> dotted = ResolveAddress(device.Address);
    if (!dotted)
        throw LibraryError(KvInvalidAddress);

    engine::Target target;
    target.address = *dotted;
    target.port = device.Port;
    target.version = security.Version;
    target.retries = retries;
    target.timeoutCs = timeout;
    // The level and the context travel with every PDU; v1 and v2c ignore them.
    target.securityLevel = security.SecurityLevel;
    target.contextName = scope.ContextName;
    target.contextEngineId = scope.ContextEngineID;
    if (security.Version == 3) {
        target.securityModel = security.SecurityModel;
        target.securityName = security.SecurityName;
        RegisterUser(security);
    } else {
        target.readCommunity = security.ReadCommunity;
        target.writeCommunity = security.WriteCommunity;
    }
    return target;
}

namespace KvSNMPEventPump {
void Start() { Pump().Start(); }
void Stop()
{
    if (gPump)
        gPump->Stop();
}
bool IsRunning() { return gPump && gPump->IsRunning(); }
} // namespace KvSNMPEventPump
