// Values, OIDs, address resolution and the engine-boots file: the parts of the
// engine that need nothing of the protocol library.
#include "SnmpEngine.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace engine {

Value Value::integer(std::int32_t v)
{
    Value r;
    r.tag = kInteger;
    r.number = static_cast<std::uint32_t>(v);
    return r;
}

Value Value::unsigned32(std::uint8_t tag, std::uint32_t v)
{
    Value r;
    r.tag = tag;
    r.number = v;
    return r;
}

Value Value::counter64(std::uint64_t v)
{
    Value r;
    r.tag = kCounter64;
    r.number = v;
    return r;
}

Value Value::octetString(std::string bytes, std::uint8_t tag)
{
    Value r;
    r.tag = tag;
    r.octets = std::move(bytes);
    return r;
}

Value Value::ipAddress(std::uint32_t hostOrder)
{
    Value r;
    r.tag = kIpAddress;
    r.octets = {static_cast<char>(hostOrder >> 24), static_cast<char>(hostOrder >> 16),
                static_cast<char>(hostOrder >> 8), static_cast<char>(hostOrder)};
    return r;
}

Value Value::objectId(Oid oid)
{
    Value r;
    r.tag = kObjectId;
    r.oid = std::move(oid);
    return r;
}

std::string oidToText(const Oid& oid)
{
    std::string s;
    s.reserve(oid.size() * 4);
    for (std::size_t i = 0; i < oid.size(); ++i) {
        if (i)
            s += '.';
        s += std::to_string(oid[i]);
    }
    return s;
}

std::optional<Oid> oidFromText(const std::string& text)
{
    Oid out;
    if (text.empty())
        return std::nullopt;
    std::uint64_t cur = 0;
    bool digits = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            cur = cur * 10 + static_cast<unsigned>(c - '0');
            if (cur > 0xFFFFFFFFull)
                return std::nullopt;
            digits = true;
        } else if (c == '.') {
            if (!digits)
                return std::nullopt;
            out.push_back(static_cast<std::uint32_t>(cur));
            cur = 0;
            digits = false;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    out.push_back(static_cast<std::uint32_t>(cur));
    return out;
}

namespace {

bool looksNumeric(const std::string& s)
{
    for (char c : s)
        if (!(c == '.' || (c >= '0' && c <= '9')))
            return false;
    return true;
}

// Host name syntax (letters, digits, '-', '_', dots between labels); anything else is
// refused without asking the resolver, which could take seconds to say no.
bool plausibleHostName(const std::string& s)
{
    if (s.empty() || s.size() > 253 || s.front() == '.' || s.front() == '-')
        return false;
    std::size_t label = 0;
    for (char c : s) {
        if (c == '.') {
            if (label == 0)
                return false;
            label = 0;
            continue;
        }
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
                        || c == '-' || c == '_';
        if (!ok || ++label > 63)
            return false;
    }
    return true;
}

} // namespace

std::optional<std::uint32_t> resolveIPv4(const std::string& addressText)
{
    in_addr a{};
    if (inet_pton(AF_INET, addressText.c_str(), &a) == 1)
        return ntohl(a.s_addr);
    // "127.1" or "1.2.3" would be taken by the resolver's numeric shortcuts; a text of
    // digits and dots must be a full dotted quad.
    if (looksNumeric(addressText) || !plausibleHostName(addressText))
        return std::nullopt;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* res = nullptr;
    if (getaddrinfo(addressText.c_str(), nullptr, &hints, &res) != 0 || !res)
        return std::nullopt;
    std::optional<std::uint32_t> out;
    for (addrinfo* p = res; p; p = p->ai_next) {
        if (p->ai_family == AF_INET && p->ai_addr) {
            out = ntohl(reinterpret_cast<sockaddr_in*>(p->ai_addr)->sin_addr.s_addr);
            break;
        }
    }
    freeaddrinfo(res);
    return out;
}

// ---------------------------------------------------------------------------
// Engine-boots file

namespace {

std::string toHex(const std::string& bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    s.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        s += digits[c >> 4];
        s += digits[c & 15];
    }
    return s;
}

bool usableEngineId(const std::string& id) { return !id.empty() && id.size() <= 32; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

struct BootsLine {
    std::string key;    // upper-case hex, empty for comments / blank lines
    std::string rest;   // text after the key, blanks trimmed
};

BootsLine splitLine(const std::string& line)
{
    BootsLine b;
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    if (i == line.size() || line[i] == '#')
        return b;
    std::size_t j = i;
    while (j < line.size() && !isBlank(line[j]))
        ++j;
    b.key = line.substr(i, j - i);
    for (char& c : b.key)
        if (c >= 'a' && c <= 'f')
            c = static_cast<char>(c - 'a' + 'A');
    while (j < line.size() && isBlank(line[j]))
        ++j;
    std::size_t k = line.size();
    while (k > j && isBlank(line[k - 1]))
        --k;
    b.rest = line.substr(j, k - j);
    return b;
}

bool readLines(const std::string& path, std::vector<std::string>& lines)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return !in.bad();
}

} // namespace

int getBootCounter(const std::string& path, const std::string& engineId, std::uint32_t& boots)
{
    boots = 0;
    if (!usableEngineId(engineId))
        return kBootsBadEngineId;
    std::vector<std::string> lines;
    if (!readLines(path, lines))
        return kBootsCannotOpen;
    const std::string key = toHex(engineId);
    for (const std::string& line : lines) {
        const BootsLine b = splitLine(line);
        if (b.key != key)
            continue;
        if (b.rest.empty())
            return kBootsNoEntry;
        if (b.rest.size() > 10)
            return kBootsMalformed;
        std::uint64_t v = 0;
        for (char c : b.rest) {
            if (c < '0' || c > '9')
                return kBootsMalformed;
            v = v * 10 + static_cast<unsigned>(c - '0');
        }
        if (v > 0xFFFFFFFFull)
            return kBootsMalformed;
        boots = static_cast<std::uint32_t>(v);
        return kSuccess;
    }
    return kBootsNoEntry;
}

int saveBootCounter(const std::string& path, const std::string& engineId, std::uint32_t boots)
{
    if (!usableEngineId(engineId))
        return kBootsBadEngineId;
    std::vector<std::string> lines;
    if (access(path.c_str(), F_OK) == 0 && !readLines(path, lines))
        return kBootsCannotOpen;
    const std::string key = toHex(engineId);
    const std::string entry = key + " " + std::to_string(boots);
    bool written = false;
    std::ostringstream out;
    for (const std::string& line : lines) {
        if (splitLine(line).key == key) {
            if (!written)
                out << entry << '\n';
            written = true;   // later duplicates of the entry are dropped
            continue;
        }
        out << line << '\n';
    }
    if (!written)
        out << entry << '\n';
    const std::string data = out.str();

    std::string tmpl = path + ".XXXXXX";
    const int fd = mkstemp(tmpl.data());
    if (fd < 0)
        return kBootsCannotOpen;
    std::size_t done = 0;
    bool ok = true;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (ok && fsync(fd) != 0)
        ok = false;
    if (::close(fd) != 0)
        ok = false;
    if (ok && std::rename(tmpl.c_str(), path.c_str()) != 0)
        ok = false;
    if (!ok) {
        ::unlink(tmpl.c_str());
        return kBootsCannotOpen;
    }
    return kSuccess;
}

} // namespace engine
