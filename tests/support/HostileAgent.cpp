#include "HostileAgent.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <vector>

namespace {

using Oid = std::vector<std::uint32_t>;

// ---- the few BER forms an SNMPv1/v2c message needs ------------------------------

enum : std::uint8_t {
    kInteger = 0x02, kOctets = 0x04, kNull = 0x05, kObjectId = 0x06, kSequence = 0x30,
    kCounter32 = 0x41, kEndOfMibView = 0x82, kNoSuchInstance = 0x81,
    kGet = 0xA0, kGetNext = 0xA1, kResponse = 0xA2, kGetBulk = 0xA5,
};

struct Element {
    std::uint8_t tag = 0;
    std::string contents;
    std::string whole;
};

// Reads the element at pos; nothing when the data is cut short.
std::optional<Element> read(const std::string& d, std::size_t& pos)
{
    const std::size_t start = pos;
    if (pos + 2 > d.size())
        return std::nullopt;
    Element e;
    e.tag = static_cast<std::uint8_t>(d[pos++]);
    std::size_t length = static_cast<std::uint8_t>(d[pos++]);
    if (length & 0x80) {
        const std::size_t octets = length & 0x7F;
        if (octets > 3 || pos + octets > d.size())
            return std::nullopt;
        length = 0;
        for (std::size_t i = 0; i < octets; ++i)
            length = length << 8 | static_cast<std::uint8_t>(d[pos++]);
    }
    if (length > d.size() - pos)
        return std::nullopt;
    e.contents = d.substr(pos, length);
    pos += length;
    e.whole = d.substr(start, pos - start);
    return e;
}

std::string element(std::uint8_t tag, const std::string& contents)
{
    std::string out(1, static_cast<char>(tag));
    const std::size_t n = contents.size();
    if (n < 0x80) {
        out += static_cast<char>(n);
    } else {
        out += static_cast<char>(0x83);
        out += static_cast<char>(n >> 16);
        out += static_cast<char>(n >> 8 & 0xFF);
        out += static_cast<char>(n & 0xFF);
    }
    return out + contents;
}

std::string integer(std::int64_t v)
{
    std::string octets;
    do {
        octets.insert(octets.begin(), static_cast<char>(v & 0xFF));
        v >>= 8;
    } while (!(v == 0 && !(octets.front() & 0x80)) && !(v == -1 && (octets.front() & 0x80)));
    return element(kInteger, octets);
}

std::int64_t integerValue(const std::string& contents)
{
    std::int64_t v = contents.empty() || !(contents[0] & 0x80) ? 0 : -1;
    for (char c : contents)
        v = v * 256 + static_cast<std::uint8_t>(c);
    return v;
}

std::string objectId(const Oid& arcs)
{
    std::string out(1, static_cast<char>(arcs[0] * 40 + arcs[1]));
    for (std::size_t i = 2; i < arcs.size(); ++i) {
        std::string b(1, static_cast<char>(arcs[i] & 0x7F));
        for (std::uint32_t v = arcs[i] >> 7; v; v >>= 7)
            b.insert(b.begin(), static_cast<char>(0x80 | (v & 0x7F)));
        out += b;
    }
    return element(kObjectId, out);
}

Oid objectIdValue(const std::string& contents)
{
    Oid arcs;
    if (contents.empty())
        return arcs;
    const auto first = static_cast<std::uint8_t>(contents[0]);
    arcs = {first < 80u ? first / 40u : 2u, first < 80u ? first % 40u : first - 80u};
    std::uint32_t v = 0;
    for (std::size_t i = 1; i < contents.size(); ++i) {
        v = v << 7 | (contents[i] & 0x7F);
        if (!(contents[i] & 0x80)) {
            arcs.push_back(v);
            v = 0;
        }
    }
    return arcs;
}

Oid parse(const char* text)
{
    Oid arcs;
    std::istringstream in(text);
    for (std::string arc; std::getline(in, arc, '.');)
        arcs.push_back(static_cast<std::uint32_t>(std::stoul(arc)));
    return arcs;
}

struct Object {
    Oid oid;
    std::uint8_t tag;
    std::int64_t number;
    std::string octets;
};

} // namespace

HostileAgent::HostileAgent(Fault fault, int faultFrom, int rows, int bulkRows, int faultCount)
    : fault_(fault), faultFrom_(faultFrom), rows_(rows), bulkRows_(bulkRows), faultCount_(faultCount)
{
    fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof a;
    if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0
        || ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &length) != 0) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        return;
    }
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { run(); });
}

HostileAgent::~HostileAgent()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (fd_ >= 0)
        ::close(fd_);
}

void HostileAgent::run()
{
    std::string buffer(65536, '\0');
    while (!stop_) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0)
            continue;
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const ssize_t n = ::recvfrom(fd_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &length);
        if (n <= 0)
            continue;
        const std::string reply = answer(buffer.substr(0, static_cast<std::size_t>(n)));
        if (!reply.empty())
            ::sendto(fd_, reply.data(), reply.size(), 0, reinterpret_cast<const sockaddr*>(&from), sizeof from);
    }
}

std::string HostileAgent::answer(const std::string& request)
{
    std::size_t pos = 0, m = 0, q = 0, l = 0;
    const auto message = read(request, pos);
    if (!message)
        return {};
    const auto version = read(message->contents, m);
    const auto community = read(message->contents, m);
    const auto pdu = read(message->contents, m);
    if (!version || !community || !pdu)
        return {};
    const auto id = read(pdu->contents, q);
    const auto status = read(pdu->contents, q);
    const auto index = read(pdu->contents, q);
    const auto list = read(pdu->contents, q);
    if (!id || !status || !index || !list)
        return {};
    std::vector<Oid> asked;
    while (const auto vb = read(list->contents, l)) {
        std::size_t v = 0;
        if (const auto name = read(vb->contents, v))
            asked.push_back(objectIdValue(name->contents));
    }

    const int number = ++requests_;
    const bool faulty = number >= faultFrom_ && (faultCount_ == 0 || number < faultFrom_ + faultCount_);
    const Fault fault = faulty ? fault_ : Fault::None;
    const bool v1 = integerValue(version->contents) == 0;

    Oid scalar = parse(kScalar);
    scalar.push_back(0);
    std::vector<Object> objects{{scalar, kInteger, 42, {}}};
    const Oid entry = parse(kEntry);
    for (std::uint32_t column : {1u, 2u})
        for (int row = 1; row <= rows_; ++row) {
            Oid oid = entry;
            oid.push_back(column);
            oid.push_back(static_cast<std::uint32_t>(row));
            if (column == 1)
                objects.push_back({oid, kInteger, row, {}});
            else
                objects.push_back({oid, kOctets, 0, "row-" + std::to_string(row)});
        }
    std::sort(objects.begin(), objects.end(), [](const Object& a, const Object& b) { return a.oid < b.oid; });

    const bool bulk = pdu->tag == kGetBulk;
    std::int64_t errorStatus = 0, errorIndex = 0;
    // The binding that answers oid (its successor for get-next and get-bulk), with
    // the fault applied; names what it answers for in `name`.
    auto answerOne = [&](const Oid& oid, std::size_t position, Oid& name) {
        const Object* found = nullptr;
        if (pdu->tag == kGetNext || bulk) {
            const auto next = std::upper_bound(objects.begin(), objects.end(), oid,
                                               [](const Oid& o, const Object& b) { return o < b.oid; });
            found = next == objects.end() ? nullptr : &*next;
            if (fault == Fault::BackwardsOid || fault == Fault::EqualOid) {
                // The object at or before the one asked for, whatever it was.
                auto at = next;
                if (at != objects.begin())
                    --at;
                if (fault == Fault::BackwardsOid && at != objects.begin() && at->oid == oid)
                    --at;
                found = &*at;
            }
        } else {
            const auto it = std::find_if(objects.begin(), objects.end(), [&](const Object& o) { return o.oid == oid; });
            found = it == objects.end() ? nullptr : &*it;
        }
        std::string value;
        name = found ? found->oid : oid;
        if (fault == Fault::EqualOid || fault == Fault::EndOfMibView)
            name = oid;
        if (fault == Fault::EndOfMibView || !found) {
            if (v1 && !errorStatus) {
                errorStatus = 2;   // noSuchName
                errorIndex = static_cast<std::int64_t>(position + 1);
            }
            const bool ended = fault == Fault::EndOfMibView || pdu->tag == kGetNext || bulk;
            value = element(v1 ? kNull : ended ? kEndOfMibView : kNoSuchInstance, {});
        } else if (found->tag == kInteger) {
            value = fault == Fault::WrongType ? element(kOctets, "not a number") : integer(found->number);
        } else {
            std::string text = found->octets;
            if (fault == Fault::EmptyString)
                text.clear();
            else if (fault == Fault::HugeString)
                text.assign(kHugeLength, 'h');
            value = fault == Fault::WrongType ? element(kCounter32, std::string(1, '\x07')) : element(kOctets, text);
        }
        return element(kSequence, objectId(name) + value);
    };

    std::vector<std::string> answered;
    Oid named;
    if (bulk) {
        // Non-repeaters and max-repetitions stand where error status and index are.
        const auto nonRepeaters = static_cast<std::size_t>(
            std::clamp<std::int64_t>(integerValue(status->contents), 0, static_cast<std::int64_t>(asked.size())));
        const std::int64_t repetitions = std::clamp<std::int64_t>(integerValue(index->contents), 0, bulkRows_);
        for (std::size_t i = 0; i < nonRepeaters; ++i)
            answered.push_back(answerOne(asked[i], i, named));
        std::vector<Oid> last(asked.begin() + static_cast<std::ptrdiff_t>(nonRepeaters), asked.end());
        for (std::int64_t r = 0; r < repetitions; ++r)
            for (Oid& oid : last) {
                answered.push_back(answerOne(oid, answered.size(), named));
                oid = named;
            }
    } else {
        for (std::size_t i = 0; i < asked.size(); ++i)
            answered.push_back(answerOne(asked[i], i, named));
    }
    if (!answered.empty() && (fault == Fault::FewerVarbinds || (bulk && fault == Fault::BulkCut)))
        answered.pop_back();
    if (fault == Fault::NoVarbinds || (bulk && fault == Fault::BulkEmpty))
        answered.clear();
    std::string bindings;
    for (const std::string& b : answered)
        bindings += b;
    if (fault == Fault::TooBig) {
        errorStatus = 1;
        errorIndex = 0;
    }
    if (errorStatus)
        bindings = list->contents;   // an error response echoes the request's bindings
    const std::string requestId =
        fault == Fault::WrongRequestId ? integer(integerValue(id->contents) + 1) : id->whole;
    const std::string reply = element(kSequence, version->whole + community->whole
        + element(kResponse, requestId + integer(errorStatus) + integer(errorIndex) + element(kSequence, bindings)));
    switch (fault) {
    case Fault::Silence:
        return {};
    case Fault::BulkSilence:
        return bulk ? std::string() : reply;
    case Fault::Garbage:
        return "\x30\x84\xff\xff\xff\xffnot an SNMP message";
    case Fault::Truncated:
        return reply.substr(0, reply.size() / 2);
    default:
        return reply;
    }
}
