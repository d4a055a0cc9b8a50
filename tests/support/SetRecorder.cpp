#include "SetRecorder.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// One BER element inside a buffer: its tag, and where its contents are.
struct Tlv {
    unsigned char Tag = 0;
    std::size_t Start = 0;   // first content byte
    std::size_t Length = 0;
    std::size_t End() const { return Start + Length; }
};

std::optional<Tlv> readTlv(const std::string& b, std::size_t at, std::size_t limit)
{
    if (at + 2 > limit)
        return std::nullopt;
    Tlv t;
    t.Tag = static_cast<unsigned char>(b[at]);
    std::size_t p = at + 1;
    std::size_t len = static_cast<unsigned char>(b[p++]);
    if (len & 0x80) {
        const std::size_t n = len & 0x7F;
        if (n == 0 || n > 4 || p + n > limit)
            return std::nullopt;
        len = 0;
        for (std::size_t i = 0; i < n; ++i)
            len = len << 8 | static_cast<unsigned char>(b[p++]);
    }
    if (p + len > limit)
        return std::nullopt;
    t.Start = p;
    t.Length = len;
    return t;
}

std::string hexOf(const std::string& b, const Tlv& t)
{
    std::string out;
    char pair[3];
    for (std::size_t i = t.Start; i < t.End(); ++i) {
        std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(b[i]));
        out += pair;
    }
    return out;
}

std::string oidOf(const std::string& b, const Tlv& t)
{
    std::string out;
    unsigned long long arc = 0;
    bool first = true;
    for (std::size_t i = t.Start; i < t.End(); ++i) {
        const auto c = static_cast<unsigned char>(b[i]);
        arc = arc << 7 | (c & 0x7F);
        if (c & 0x80)
            continue;
        if (first) {
            const unsigned long long x = arc < 80 ? arc / 40 : 2;
            out = std::to_string(x) + "." + std::to_string(arc - 40 * x);
            first = false;
        } else {
            out += "." + std::to_string(arc);
        }
        arc = 0;
    }
    return out;
}

std::string valueOf(const std::string& b, const Tlv& t)
{
    switch (t.Tag) {
    case 0x02: {   // INTEGER, signed
        long long v = t.Length && (static_cast<unsigned char>(b[t.Start]) & 0x80) ? -1 : 0;
        for (std::size_t i = t.Start; i < t.End(); ++i)
            v = static_cast<long long>(static_cast<unsigned long long>(v) << 8) | static_cast<unsigned char>(b[i]);
        return std::to_string(v);
    }
    case 0x41: case 0x42: case 0x43: case 0x46: {   // unsigned counters, gauges, ticks
        unsigned long long v = 0;
        for (std::size_t i = t.Start; i < t.End(); ++i)
            v = v << 8 | static_cast<unsigned char>(b[i]);
        return std::to_string(v);
    }
    case 0x40: {   // IpAddress
        std::string out;
        for (std::size_t i = t.Start; i < t.End(); ++i)
            out += (out.empty() ? "" : ".") + std::to_string(static_cast<unsigned char>(b[i]));
        return out;
    }
    case 0x06:
        return oidOf(b, t);
    case 0x05:
        return {};
    default:
        return hexOf(b, t);
    }
}

struct SetPdu {
    std::vector<SetRecorder::VarBind> Bindings;
    std::size_t PduTagAt = 0;
    std::size_t ErrorStatusAt = 0;   // the content byte of a one-byte error status
    std::size_t ErrorIndexAt = 0;
};

constexpr unsigned char kSetPdu = 0xA3, kResponsePdu = 0xA2, kGetBulkPdu = 0xA5;

// The bindings of a v1 / v2c request of the given PDU type (SET unless told);
// nothing for anything else.
std::optional<SetPdu> decodeSet(const std::string& b, unsigned char pduType = kSetPdu)
{
    const auto msg = readTlv(b, 0, b.size());
    if (!msg || msg->Tag != 0x30)
        return std::nullopt;
    const auto version = readTlv(b, msg->Start, msg->End());
    if (!version || version->Tag != 0x02)
        return std::nullopt;
    const auto community = readTlv(b, version->End(), msg->End());
    if (!community || community->Tag != 0x04)
        return std::nullopt;
    const std::size_t pduAt = community->End();
    const auto pdu = readTlv(b, pduAt, msg->End());
    if (!pdu || pdu->Tag != pduType)
        return std::nullopt;
    SetPdu out;
    out.PduTagAt = pduAt;
    const auto id = readTlv(b, pdu->Start, pdu->End());
    if (!id)
        return std::nullopt;
    const auto status = readTlv(b, id->End(), pdu->End());
    if (!status || status->Length != 1)
        return std::nullopt;
    const auto index = readTlv(b, status->End(), pdu->End());
    if (!index || index->Length != 1)
        return std::nullopt;
    out.ErrorStatusAt = status->Start;
    out.ErrorIndexAt = index->Start;
    const auto list = readTlv(b, index->End(), pdu->End());
    if (!list || list->Tag != 0x30)
        return std::nullopt;
    for (std::size_t at = list->Start; at < list->End();) {
        const auto vb = readTlv(b, at, list->End());
        if (!vb || vb->Tag != 0x30)
            return std::nullopt;
        const auto name = readTlv(b, vb->Start, vb->End());
        if (!name || name->Tag != 0x06)
            return std::nullopt;
        const auto value = readTlv(b, name->End(), vb->End());
        if (!value)
            return std::nullopt;
        out.Bindings.push_back({oidOf(b, *name), value->Tag, valueOf(b, *value)});
        at = vb->End();
    }
    return out;
}

int loopbackSocket(quint16 port, sockaddr_in* bound)
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    if (bound)
        *bound = a;
    return fd;
}

}  // namespace

std::vector<std::string> SetRecorder::SetRequest::Oids() const
{
    std::vector<std::string> out;
    for (const VarBind& v : Bindings)
        out.push_back(v.Oid);
    return out;
}

std::string SetRecorder::SetRequest::ValueOf(const std::string& oid) const
{
    for (const VarBind& v : Bindings)
        if (v.Oid == oid)
            return v.Value;
    return {};
}

bool SetRecorder::SetRequest::Has(const std::string& oid) const
{
    for (const VarBind& v : Bindings)
        if (v.Oid == oid)
            return true;
    return false;
}

SetRecorder::SetRecorder(quint16 agentPort)
{
    sockaddr_in mine{};
    listen_ = loopbackSocket(0, &mine);
    upstream_ = loopbackSocket(0, nullptr);
    if (listen_ < 0 || upstream_ < 0 || ::pipe(stopPipe_) != 0) {
        if (listen_ >= 0)
            ::close(listen_);
        listen_ = -1;
        return;
    }
    sockaddr_in agent{};
    agent.sin_family = AF_INET;
    agent.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    agent.sin_port = htons(agentPort);
    ::connect(upstream_, reinterpret_cast<sockaddr*>(&agent), sizeof agent);
    port_ = ntohs(mine.sin_port);
    thread_ = std::thread([this] { run(); });
}

SetRecorder::~SetRecorder()
{
    if (thread_.joinable()) {
        const char stop = 1;
        [[maybe_unused]] const auto n = ::write(stopPipe_[1], &stop, 1);
        thread_.join();
    }
    for (int fd : {listen_, upstream_, stopPipe_[0], stopPipe_[1]})
        if (fd >= 0)
            ::close(fd);
}

std::vector<SetRecorder::SetRequest> SetRecorder::Sets() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return sets_;
}

void SetRecorder::Clear()
{
    std::lock_guard<std::mutex> lock(mutex_);
    sets_.clear();
}

void SetRecorder::FailNextSet(int errorStatus)
{
    failNext_ = errorStatus;
}

void SetRecorder::FailGetBulks(int errorStatus, int count)
{
    failBulkStatus_ = errorStatus;
    failBulks_ = count;
}

// Turns a request into its own answer with an error status.
static std::string refusal(const std::string& request, const SetPdu& pdu, int status)
{
    std::string answer = request;
    answer[pdu.PduTagAt] = static_cast<char>(kResponsePdu);
    answer[pdu.ErrorStatusAt] = static_cast<char>(status);
    answer[pdu.ErrorIndexAt] = 1;
    return answer;
}

void SetRecorder::fromModule(const std::string& datagram, const void* peer, unsigned peerLength)
{
    ++requests_;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        client_.assign(static_cast<const unsigned char*>(peer), static_cast<const unsigned char*>(peer) + peerLength);
    }
    if (std::optional<SetPdu> set = decodeSet(datagram)) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            sets_.push_back({set->Bindings});
        }
        if (const int status = failNext_.exchange(0)) {
            const std::string answer = refusal(datagram, *set, status);
            ::sendto(listen_, answer.data(), answer.size(), 0, static_cast<const sockaddr*>(peer), peerLength);
            return;
        }
    } else if (std::optional<SetPdu> bulk = decodeSet(datagram, kGetBulkPdu)) {
        ++bulks_;
        if (failBulks_.load() > 0) {
            --failBulks_;
            const std::string answer = refusal(datagram, *bulk, failBulkStatus_);
            ::sendto(listen_, answer.data(), answer.size(), 0, static_cast<const sockaddr*>(peer), peerLength);
            return;
        }
    }
    [[maybe_unused]] const auto n = ::send(upstream_, datagram.data(), datagram.size(), 0);
}

void SetRecorder::run()
{
    std::string buffer(65536, '\0');
    for (;;) {
        pollfd fds[3] = {{listen_, POLLIN, 0}, {upstream_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (::poll(fds, 3, -1) < 0)
            continue;
        if (fds[2].revents)
            return;
        if (fds[0].revents) {   // an error is read (and dropped) like a datagram
            sockaddr_storage peer{};
            socklen_t len = sizeof peer;
            const auto n = ::recvfrom(listen_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&peer), &len);
            if (n > 0)
                fromModule(buffer.substr(0, static_cast<std::size_t>(n)), &peer, len);
        }
        if (fds[1].revents) {
            const auto n = ::recv(upstream_, buffer.data(), buffer.size(), 0);
            std::vector<unsigned char> client;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                client = client_;
            }
            if (n > 0 && !client.empty())
                ::sendto(listen_, buffer.data(), static_cast<std::size_t>(n), 0,
                         reinterpret_cast<const sockaddr*>(client.data()), static_cast<socklen_t>(client.size()));
        }
    }
}
