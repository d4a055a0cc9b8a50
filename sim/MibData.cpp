#include "MibData.h"
#include "SnapshotData.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/types.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <charconv>
#include <cstring>
#include <climits>
#include <cstdint>
#include <new>
#include <fstream>
#include <sstream>

namespace ksw::sim {

namespace {

template <typename T>
std::string bytesOf(const T& v)
{
    return std::string(reinterpret_cast<const char*>(&v), sizeof v);
}

template <typename T>
T fromBytes(const std::string& raw)
{
    T v{};
    std::memcpy(&v, raw.data(), std::min(raw.size(), sizeof v));
    return v;
}

bool parseUnsigned(const std::string& s, unsigned long long& out)
{
    if (s.empty())
        return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size();
}

bool parseSigned(const std::string& s, long long& out)
{
    if (s.empty())
        return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size();
}

std::string hexDecode(const std::string& hex)
{
    if (hex.size() % 2)
        throw DataError("hex value has an odd number of digits");
    std::string out;
    out.reserve(hex.size() / 2);
    for (size_t i = 0; i < hex.size(); i += 2) {
        unsigned v = 0;
        auto [p, ec] = std::from_chars(hex.data() + i, hex.data() + i + 2, v, 16);
        if (ec != std::errc() || p != hex.data() + i + 2)
            throw DataError("bad hex digits \"" + hex.substr(i, 2) + "\"");
        out.push_back(static_cast<char>(v));
    }
    return out;
}

std::string hexEncode(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out;
}

bool isPlainText(const std::string& s)
{
    // Leading/trailing blanks would not survive hand editing; keep them exact in hex.
    if (!s.empty() && (s.front() == ' ' || s.back() == ' '))
        return false;
    return std::all_of(s.begin(), s.end(), [](unsigned char c) { return c >= 0x20 && c < 0x7f; });
}

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

} // namespace

Value Value::integer(long v) { return {TagInteger, bytesOf(v)}; }

Value Value::unsignedOf(std::uint8_t tag, unsigned long v) { return {tag, bytesOf(v)}; }

Value Value::counter64(std::uint64_t v)
{
    struct counter64 c;
    c.high = static_cast<u_long>(v >> 32);
    c.low = static_cast<u_long>(v & 0xffffffffu);
    return {TagCounter64, bytesOf(c)};
}

Value Value::octets(std::string bytes, std::uint8_t tag) { return {tag, std::move(bytes)}; }

Value Value::objectId(const Oid& oid)
{
    return {TagObjectId, std::string(reinterpret_cast<const char*>(oid.data()), oid.size() * sizeof(Arc))};
}

Value Value::ipAddress(std::uint32_t hostOrder)
{
    std::uint32_t n = htonl(hostOrder);
    return {TagIpAddress, bytesOf(n)};
}

long Value::asInteger() const { return fromBytes<long>(raw); }
unsigned long Value::asUnsigned() const { return fromBytes<unsigned long>(raw); }
std::uint64_t Value::asCounter64() const
{
    auto c = fromBytes<struct counter64>(raw);
    return (std::uint64_t(c.high) << 32) | (c.low & 0xffffffffu);
}

Oid parseOid(const std::string& text)
{
    std::string s = text;
    if (!s.empty() && s.front() == '.')
        s.erase(0, 1);
    if (s.empty())
        throw DataError("empty OID");
    Oid out;
    size_t pos = 0;
    while (true) {
        size_t dot = s.find('.', pos);
        std::string arc = s.substr(pos, dot == std::string::npos ? std::string::npos : dot - pos);
        unsigned long long v;
        if (!parseUnsigned(arc, v) || v > 0xffffffffULL)
            throw DataError("bad OID \"" + text + "\"");
        out.push_back(static_cast<Arc>(v));
        if (dot == std::string::npos)
            break;
        pos = dot + 1;
    }
    if (out.size() < 2 || out.size() > 128)
        throw DataError("OID \"" + text + "\" needs 2 to 128 arcs");
    return out;
}

std::string oidText(const Oid& oid)
{
    std::string out;
    for (size_t i = 0; i < oid.size(); ++i) {
        if (i)
            out.push_back('.');
        out += std::to_string(oid[i]);
    }
    return out;
}

bool startsWith(const Oid& oid, const Oid& prefix)
{
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

Value parseValue(const std::string& tagText, const std::string& value)
{
    std::string t = tagText;
    bool hex = false;
    if (!t.empty() && t.back() == 'x') {
        hex = true;
        t.pop_back();
    }
    unsigned long long tag;
    if (!parseUnsigned(t, tag))
        throw DataError("bad tag \"" + tagText + "\" (variation modules are not supported)");
    auto needPlain = [&] {
        if (hex)
            throw DataError("tag " + t + " has no hex form");
    };
    switch (tag) {
    case TagInteger: {
        needPlain();
        long long v;
        if (!parseSigned(value, v) || v < INT32_MIN || v > INT32_MAX)
            throw DataError("bad INTEGER \"" + value + "\"");
        return Value::integer(static_cast<long>(v));
    }
    case TagOctetString:
    case TagOpaque:
        return Value::octets(hex ? hexDecode(value) : value, static_cast<std::uint8_t>(tag));
    case TagNull:
        needPlain();
        return Value{TagNull, {}};
    case TagObjectId:
        needPlain();
        return Value::objectId(parseOid(value));
    case TagIpAddress: {
        if (hex) {
            std::string b = hexDecode(value);
            if (b.size() != 4)
                throw DataError("IpAddress needs 4 octets");
            return Value{TagIpAddress, b};
        }
        in_addr a;
        if (inet_pton(AF_INET, value.c_str(), &a) == 1)
            return Value{TagIpAddress, bytesOf(a.s_addr)};
        // Older recorders wrote the address as its four octets themselves.
        if (value.size() == 4)
            return Value{TagIpAddress, value};
        throw DataError("bad IpAddress \"" + value + "\"");
    }
    case TagCounter32:
    case TagGauge32:
    case TagTimeTicks: {
        needPlain();
        unsigned long long v;
        if (!parseUnsigned(value, v) || v > 0xffffffffULL)
            throw DataError("bad unsigned 32-bit value \"" + value + "\"");
        return Value::unsignedOf(static_cast<std::uint8_t>(tag), static_cast<unsigned long>(v));
    }
    case TagCounter64: {
        needPlain();
        unsigned long long v;
        if (!parseUnsigned(value, v))
            throw DataError("bad Counter64 \"" + value + "\"");
        return Value::counter64(v);
    }
    default:
        throw DataError("unsupported tag " + t);
    }
}

std::string formatValue(const Value& v)
{
    const std::string tag = std::to_string(v.tag);
    switch (v.tag) {
    case TagInteger:
        return tag + "|" + std::to_string(v.asInteger());
    case TagOctetString:
    case TagOpaque:
        return isPlainText(v.raw) ? tag + "|" + v.raw : tag + "x|" + hexEncode(v.raw);
    case TagNull:
        return tag + "|";
    case TagObjectId: {
        Oid o(v.raw.size() / sizeof(Arc));
        std::memcpy(o.data(), v.raw.data(), o.size() * sizeof(Arc));
        return tag + "|" + oidText(o);
    }
    case TagIpAddress: {
        char buf[INET_ADDRSTRLEN] = {};
        in_addr a{};
        std::memcpy(&a.s_addr, v.raw.data(), std::min<size_t>(4, v.raw.size()));
        inet_ntop(AF_INET, &a, buf, sizeof buf);
        return tag + "|" + buf;
    }
    case TagCounter32:
    case TagGauge32:
    case TagTimeTicks:
        return tag + "|" + std::to_string(v.asUnsigned());
    case TagCounter64:
        return tag + "|" + std::to_string(v.asCounter64());
    }
    return tag + "x|" + hexEncode(v.raw);
}

const WritableRule* MibData::writableRule(const Oid& oid) const
{
    const WritableRule* best = nullptr;
    for (const auto& r : writable)
        if (startsWith(oid, r.prefix) && (!best || r.prefix.size() > best->prefix.size()))
            best = &r;
    return best;
}

const Oid* MibData::rowStatusColumnFor(const Oid& oid) const
{
    for (const auto& col : rowStatusColumns) {
        // oid = entry . column . index (at least one index arc)
        const size_t entryLen = col.size() - 1;
        if (oid.size() >= col.size() + 1 && std::equal(col.begin(), col.begin() + entryLen, oid.begin()))
            return &col;
    }
    return nullptr;
}

namespace {

// `#!writable OID [TAG] [MIN..MAX]`, `#!rowstatus OID [CREATE DESTROY]`, `#!save OID VALUE`,
// `#!reset OID VALUE`, `#!flap OID`.
void parseDirective(MibData& data, const std::string& line)
{
    const auto w = words(line.substr(2));
    if (w.empty())
        throw DataError("empty directive");
    const std::string& name = w[0];
    auto need = [&](size_t minArgs, size_t maxArgs) {
        if (w.size() - 1 < minArgs || w.size() - 1 > maxArgs)
            throw DataError("wrong number of arguments for #!" + name);
    };
    if (name == "writable") {
        need(1, 3);
        WritableRule r;
        r.prefix = parseOid(w[1]);
        for (size_t i = 2; i < w.size(); ++i) {
            const auto dots = w[i].find("..");
            if (dots != std::string::npos) {
                long long lo, hi;
                if (!parseSigned(w[i].substr(0, dots), lo) || !parseSigned(w[i].substr(dots + 2), hi) || lo > hi)
                    throw DataError("bad range \"" + w[i] + "\"");
                r.min = lo;
                r.max = hi;
            } else {
                unsigned long long tag;
                if (!parseUnsigned(w[i], tag))
                    throw DataError("bad tag \"" + w[i] + "\"");
                parseValue(w[i], tag == TagObjectId ? "0.0" : tag == TagIpAddress ? "0.0.0.0" : "0"); // validates the tag
                r.tag = static_cast<std::uint8_t>(tag);
            }
        }
        data.writable.push_back(std::move(r));
    } else if (name == "rowstatus") {
        need(1, 3);
        if (w.size() == 3)
            throw DataError("#!rowstatus takes both a create and a destroy value or neither");
        Oid col = parseOid(w[1]);
        if (col.size() < 2)
            throw DataError("RowStatus column OID too short");
        if (w.size() == 4) {
            long long create, destroy;
            if (!parseSigned(w[2], create) || !parseSigned(w[3], destroy) || create == destroy ||
                create < INT32_MIN || create > INT32_MAX || destroy < INT32_MIN || destroy > INT32_MAX)
                throw DataError("bad row create/destroy values \"" + w[2] + " " + w[3] + "\"");
            data.rowActionValues[col] = {static_cast<long>(create), static_cast<long>(destroy)};
        }
        data.rowStatusColumns.push_back(std::move(col));
    } else if (name == "save" || name == "reset") {
        need(2, 2);
        long long v;
        if (!parseSigned(w[2], v))
            throw DataError("bad value \"" + w[2] + "\"");
        data.actions.push_back({name == "save" ? ActionKind::Save : ActionKind::Reset, parseOid(w[1]), static_cast<long>(v)});
    } else if (name == "flap") {
        need(1, 1);
        data.flap.push_back(parseOid(w[1]));
    } else {
        throw DataError("unknown directive #!" + name);
    }
}

// The value a variation module starts from, from its parameters
// ("value=eth0", "hexvalue=6574", "rate=100,initial=5"), or empty.
std::pair<std::string, bool> staticValueOf(const std::string& params)
{
    std::istringstream in(params);
    for (std::string item; std::getline(in, item, ',');) {
        const auto eq = item.find('=');
        const std::string key = item.substr(0, eq);
        const std::string v = eq == std::string::npos ? std::string() : item.substr(eq + 1);
        if (key == "hexvalue")
            return {v, true};
        if (key == "value" || key == "initial")
            return {v, false};
    }
    return {{}, false};
}

// The value of a tag that a variation module gives no starting value for.
std::string emptyValueText(const std::string& tag)
{
    if (tag == "64")
        return "0.0.0.0";
    if (tag == "6")
        return "0.0";
    if (tag == "4" || tag == "68" || tag == "5")
        return {};
    return "0";
}

} // namespace

MibData parseSnmprec(const std::string& text, const std::string& name, std::vector<std::string>* leftOut)
{
    if (isSnapshotText(text))
        return parseSnapshotData(text, name);
    MibData data;
    std::istringstream in(text);
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        try {
            if (line.rfind("#!", 0) == 0) {
                parseDirective(data, line);
                continue;
            }
            if (line.empty() || line[0] == '#' || line.find_first_not_of(" \t") == std::string::npos)
                continue;
            const auto bar1 = line.find('|');
            const auto bar2 = bar1 == std::string::npos ? bar1 : line.find('|', bar1 + 1);
            if (bar2 == std::string::npos)
                throw DataError("expected OID|TAG|VALUE");
            Oid oid = parseOid(line.substr(0, bar1));
            std::string tag = line.substr(bar1 + 1, bar2 - bar1 - 1);
            std::string value = line.substr(bar2 + 1);
            // Recorded exceptions (noSuchObject, noSuchInstance, endOfMibView) mean "absent".
            if (tag == "128" || tag == "129" || tag == "130")
                continue;
            std::optional<std::string> variation;
            if (const auto colon = tag.find(':'); colon != std::string::npos) {
                variation = tag.substr(colon + 1);
                if (!leftOut)
                    throw DataError("bad tag \"" + tag +
                                    "\" (variation modules are not supported; --lenient serves their static values)");
                const auto [v, hex] = staticValueOf(value);
                tag = tag.substr(0, colon);
                if (tag.empty())
                    throw DataError("variation module \"" + *variation + "\" gives no type to serve");
                value = v.empty() && !hex ? emptyValueText(tag) : v;
                if (hex && tag.back() != 'x')
                    tag += "x";
            }
            Value v = parseValue(tag, value);
            if (!data.objects.emplace(std::move(oid), std::move(v)).second)
                throw DataError("duplicate OID " + line.substr(0, bar1));
            if (variation)
                leftOut->push_back(name + ":" + std::to_string(lineNo) + ": variation module \"" + *variation +
                                   "\" served as a static value");
        } catch (const DataError& e) {
            const std::string where = name + ":" + std::to_string(lineNo) + ": " + e.what();
            if (!leftOut)
                throw DataError(where);
            leftOut->push_back(where + " (line left out)");
        }
    }
    for (const auto& col : data.rowStatusColumns)
        for (auto it = data.objects.lower_bound(col); it != data.objects.end() && startsWith(it->first, col); ++it)
            if (it->second.tag != TagInteger)
                throw DataError(name + ": RowStatus column " + oidText(col) + " holds a non-INTEGER value");
    return data;
}

namespace {

// Every gzip member begins with these two octets.
bool gzipAt(const unsigned char* p, std::size_t size) { return size >= 2 && p[0] == 0x1f && p[1] == 0x8b; }

// A recording of a large agent runs to tens of megabytes of text; far more than
// this is no recording: a decompression bomb, or a plain file that would only
// exhaust memory.
constexpr std::size_t kMaxDataText = 512u << 20;

std::string megabytes(std::size_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

// The text of a gzip file (members one after another are one text, as gunzip
// gives them).
std::string gunzip(const std::string& packed, const std::string& path)
{
    if (packed.size() > UINT_MAX)
        throw DataError(path + ": compressed file too large");
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK)   // 16: gzip wrapping, not zlib's
        throw DataError(path + ": cannot decompress: out of memory");
    struct End {
        z_stream& z;
        ~End() { inflateEnd(&z); }
    } end{z};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = static_cast<uInt>(packed.size());
    std::string text;
    char buffer[1 << 16];
    for (;;) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        const int rc = inflate(&z, Z_NO_FLUSH);
        text.append(buffer, sizeof buffer - z.avail_out);
        if (text.size() > kMaxDataText)
            throw DataError(path + ": decompresses to more than " + megabytes(kMaxDataText));
        if (rc == Z_OK)
            continue;
        if (rc == Z_STREAM_END) {
            if (z.avail_in == 0)
                return text;
            if (!gzipAt(z.next_in, z.avail_in))
                throw DataError(path + ": data after the end of the compressed data");
            inflateReset(&z);
            continue;
        }
        if (rc == Z_BUF_ERROR && z.avail_in == 0)
            throw DataError(path + ": compressed data cut short");
        throw DataError(path + ": corrupt compressed data" + (z.msg ? std::string(": ") + z.msg : std::string()));
    }
}

// The bytes of a regular file of at most kMaxDataText bytes.  A device, FIFO
// or folder is refused before anything is read: /dev/zero never ends, and a
// FIFO would wait for a writer.
std::string readDataFile(const std::string& path)
{
    // O_NONBLOCK: opening a FIFO without a writer would wait for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw DataError(path + ": cannot open: " + std::strerror(errno));
    struct Close {
        int fd;
        ~Close() { ::close(fd); }
    } close{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw DataError(path + ": cannot open: " + std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        throw DataError(path + ": not a regular file");
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxDataText)
        throw DataError(path + ": larger than " + megabytes(kMaxDataText));
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw DataError(path + ": read error: " + std::strerror(errno));
        if (n == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > kMaxDataText)   // grew while being read
            throw DataError(path + ": larger than " + megabytes(kMaxDataText));
    }
}

} // namespace

MibData loadSnmprec(const std::string& path, std::vector<std::string>* leftOut)
{
    try {
        std::string text = readDataFile(path);
        if (gzipAt(reinterpret_cast<const unsigned char*>(text.data()), text.size()))
            text = gunzip(text, path);
        else if (path.size() > 3 && path.compare(path.size() - 3, 3, ".gz") == 0)
            throw DataError(path + ": not gzip-compressed data");
        return parseSnmprec(text, path, leftOut);
    } catch (const std::bad_alloc&) {
        // Within the size cap, but more objects than this machine can hold.
        throw DataError(path + ": out of memory while loading the data");
    }
}

std::string formatSnmprec(const MibData& data)
{
    std::string out = "# ksw-sim data: OID|TAG|VALUE, #! lines are ksw-sim directives\n";
    for (const auto& r : data.writable) {
        out += "#!writable " + oidText(r.prefix);
        if (r.tag)
            out += " " + std::to_string(r.tag);
        if (r.min)
            out += " " + std::to_string(*r.min) + ".." + std::to_string(*r.max);
        out += "\n";
    }
    for (const auto& c : data.rowStatusColumns) {
        out += "#!rowstatus " + oidText(c);
        if (const auto a = data.rowActionValues.find(c); a != data.rowActionValues.end())
            out += " " + std::to_string(a->second.create) + " " + std::to_string(a->second.destroy);
        out += "\n";
    }
    for (const auto& a : data.actions)
        out += std::string(a.kind == ActionKind::Save ? "#!save " : "#!reset ") + oidText(a.oid) + " " +
               std::to_string(a.value) + "\n";
    for (const auto& f : data.flap)
        out += "#!flap " + oidText(f) + "\n";
    for (const auto& [oid, v] : data.objects) {
        out += oidText(oid);
        out += '|';
        out += formatValue(v);
        out += '\n';
    }
    return out;
}

void saveSnmprec(const MibData& data, const std::string& path)
{
    const std::string text = formatSnmprec(data);
    // A unique temporary name created exclusively (mkstemp: O_EXCL, mode 0600), so a
    // file or link planted beside the state file is never written through; the
    // rename then replaces the state file (or a link standing in its place) whole.
    std::string tmp = path + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0)
        throw DataError(path + ": cannot create a temporary file beside it: " + std::strerror(errno));
    auto fail = [&](const std::string& what, int e) {
        ::unlink(tmp.c_str());
        throw DataError(what + std::strerror(e));
    };
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int e = n < 0 ? errno : EIO;
            ::close(fd);
            fail(tmp + ": write failed: ", e);
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) {
        const int e = errno;
        ::close(fd);
        fail(tmp + ": write failed: ", e);
    }
    if (::close(fd) != 0)
        fail(tmp + ": write failed: ", errno);
    if (::rename(tmp.c_str(), path.c_str()) != 0)
        fail(path + ": cannot replace: ", errno);
    // The rename is durable only once the folder is.
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0 || ::fsync(dfd) != 0) {
        const int e = errno;
        if (dfd >= 0)
            ::close(dfd);
        throw DataError(folder + ": cannot flush the folder after writing " + path + ": " + std::strerror(e));
    }
    ::close(dfd);
}

void addBigTable(MibData& data, int rows)
{
    auto col = [](Arc c, Arc row) {
        Oid o = kBigTableEntry;
        o.push_back(c);
        o.push_back(row);
        return o;
    };
    for (int r = 1; r <= rows; ++r) {
        data.objects[col(1, r)] = Value::integer(r);
        data.objects[col(2, r)] = Value::octets("row " + std::to_string(r));
        data.objects[col(3, r)] = Value::unsignedOf(TagCounter32, static_cast<unsigned long>(r) * 1000u);
        data.objects[col(4, r)] = Value::integer(1 + r % 2);
    }
    Oid statusCol = kBigTableEntry;
    statusCol.push_back(4);
    data.writable.push_back({statusCol, TagInteger, 1, 2});
}

} // namespace ksw::sim
