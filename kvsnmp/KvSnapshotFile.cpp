#include "kvsnmp/KvSnapshotFile.h"

#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSyntaxCodec.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

KvSNMPException FileError(int row, const std::string& text)
{
    return KvSNMPException(CommonError(row).Code(), text);
}

constexpr std::string_view kTitle = "# KSW-4800 configuration snapshot, format 1";
constexpr std::string_view kEndPrefix = "# end: ";
constexpr std::string_view kCommentSeparator = "  # ";
constexpr std::string_view kWithheld = "withheld";
constexpr std::string_view kAbsent = "absent";
constexpr std::size_t kMaxFileBytes = std::size_t{256} << 20;

// The header's fields in the order the file has them.
struct HeaderField {
    const char* Name;
    std::string KvSnapshotHeader::*Text;
};
constexpr HeaderField kHeaderFields[] = {
    {"agent", &KvSnapshotHeader::Agent},
    {"sysName", &KvSnapshotHeader::SysName},
    {"sysDescr", &KvSnapshotHeader::SysDescr},
    {"sysObjectID", &KvSnapshotHeader::SysObjectId},
    {"time", &KvSnapshotHeader::Time},
    {"module", &KvSnapshotHeader::Module},
};

// Length of the valid UTF-8 sequence at s[i] that is not a control character,
// 0 when there is none.
std::size_t utf8Sequence(std::string_view s, std::size_t i)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    if (c >= 0x20 && c < 0x7F)
        return 1;
    std::size_t n = 0;
    std::uint32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    // Overlong forms, surrogates, beyond Unicode, and the C1 controls.
    if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF)
        || (cp >= 0x80 && cp < 0xA0))
        return 0;
    return n;
}

void appendEscaped(std::string& out, std::string_view bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < bytes.size();) {
        const char c = bytes[i];
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
            ++i;
        } else if (c == '\n') {
            out += "\\n";
            ++i;
        } else if (c == '\r') {
            out += "\\r";
            ++i;
        } else if (c == '\t') {
            out += "\\t";
            ++i;
        } else if (const std::size_t n = utf8Sequence(bytes, i)) {
            out.append(bytes.substr(i, n));
            i += n;
        } else {
            const auto u = static_cast<unsigned char>(c);
            out += "\\x";
            out += digits[u >> 4];
            out += digits[u & 0x0F];
            ++i;
        }
    }
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The quoted string at the front of s: its bytes and its length in s.
bool takeQuoted(std::string_view s, std::string& bytes, std::size_t& used)
{
    bytes.clear();
    if (s.empty() || s.front() != '"')
        return false;
    for (std::size_t i = 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            used = i + 1;
            return true;
        }
        if (c != '\\') {
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                return false;
            bytes += c;
            continue;
        }
        if (++i >= s.size())
            return false;
        switch (s[i]) {
        case '\\': bytes += '\\'; break;
        case '"': bytes += '"'; break;
        case 'n': bytes += '\n'; break;
        case 'r': bytes += '\r'; break;
        case 't': bytes += '\t'; break;
        case 'x': {
            if (i + 2 >= s.size())
                return false;
            const int hi = hexDigit(s[i + 1]), lo = hexDigit(s[i + 2]);
            if (hi < 0 || lo < 0)
                return false;
            bytes += static_cast<char>(hi * 16 + lo);
            i += 2;
            break;
        }
        default:
            return false;
        }
    }
    return false;
}

std::string oneLine(std::string_view text)
{
    std::string out;
    appendEscaped(out, text);
    return out;
}

const char* keywordOf(std::uint32_t syntax)
{
    const KvSyntaxCodec* c = KvFindSyntaxCodec(syntax);
    return c ? c->Keyword : "?";
}

// A syntax whose values the file can hold: it has a text form both ways.
const KvSyntaxCodec* valueCodec(std::string_view keyword)
{
    for (const KvSyntaxCodec& c : KvSyntaxCodecs())
        if (keyword == c.Keyword && c.Show && c.Send && c.Syntax != KvSyntax::Null)
            return &c;
    return nullptr;
}

class Parser {
public:
    Parser(std::string_view text, const std::string& name) : text_(text), name_(name) {}

    KvSnapshot Run()
    {
        KvSnapshot s;
        std::string_view line;
        if (!next(line) || line != kTitle)
            fail("this is no configuration snapshot of this module (its first line is not \"" + std::string(kTitle)
                 + "\")");
        for (const HeaderField& f : kHeaderFields)
            headerField(f.Name, s.Header.*(f.Text));
        std::string secrets;
        if (!next(line) || !line.starts_with("# secrets: "))
            fail("the header lacks its \"secrets\" line");
        secrets = line.substr(11);
        if (secrets != "withheld" && secrets != "saved")
            fail("\"secrets\" is neither \"withheld\" nor \"saved\"");
        s.Header.Secrets = secrets == "saved";

        while (true) {
            if (!next(line))
                fail("the file ends before its end line: it is incomplete");
            if (line.starts_with(kEndPrefix)) {
                endLine(line, s.Lines.size());
                break;
            }
            s.Lines.push_back(objectLine(line));
            if (s.Lines.size() > 1 && !KvOidLess(s.Lines[s.Lines.size() - 2].Oid, s.Lines.back().Oid))
                fail(s.Lines.back().Oid + " is not after the OID of the line before it: the lines are not in order");
        }
        if (next(line))
            fail("text after the end line");
        return s;
    }

private:
    // A line that is not there still counts: the error names where it should be.
    bool next(std::string_view& line)
    {
        if (pos_ >= text_.size()) {
            ++lineNo_;
            return false;
        }
        std::size_t end = text_.find('\n', pos_);
        if (end == std::string_view::npos)
            end = text_.size();
        line = text_.substr(pos_, end - pos_);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        pos_ = end + 1;
        ++lineNo_;
        return true;
    }

    [[noreturn]] void fail(const std::string& why) const
    {
        throw FileError(KvFileReadFailed, name_ + ":" + std::to_string(lineNo_) + ": " + why);
    }

    void headerField(const char* field, std::string& value)
    {
        std::string_view line;
        const std::string prefix = std::string("# ") + field + ": ";
        if (!next(line) || !line.starts_with(prefix))
            fail(std::string("the header lacks its \"") + field + "\" line");
        std::size_t used = 0;
        const std::string_view rest = line.substr(prefix.size());
        if (!takeQuoted(rest, value, used) || used != rest.size())
            fail(std::string("the \"") + field + "\" value is not one quoted text");
    }

    void endLine(std::string_view line, std::size_t count)
    {
        const std::string expected = std::string(kEndPrefix) + std::to_string(count) + " objects";
        if (line != expected)
            fail("the end line does not count the " + std::to_string(count)
                 + " object lines before it: lines were added or taken away");
    }

    KvSnapshotLine objectLine(std::string_view line)
    {
        KvSnapshotLine out;
        const std::size_t sp1 = line.find(' ');
        if (line.starts_with('#') || sp1 == std::string_view::npos)
            fail("not an object line (OID, syntax, value)");
        out.Oid = std::string(line.substr(0, sp1));
        if (!KvOidFromText(out.Oid))
            fail("\"" + oneLine(out.Oid) + "\" is not an OID");
        const std::size_t sp2 = line.find(' ', sp1 + 1);
        if (sp2 == std::string_view::npos)
            fail("the line has no value");
        const std::string_view keyword = line.substr(sp1 + 1, sp2 - sp1 - 1);
        const KvSyntaxCodec* codec = valueCodec(keyword);
        if (!codec)
            fail("\"" + oneLine(keyword) + "\" is not a syntax the module saves");
        out.Syntax = codec->Syntax;
        std::string_view rest = line.substr(sp2 + 1);
        std::size_t used = 0;
        if (rest.starts_with('"')) {
            if (!takeQuoted(rest, out.Value, used))
                fail("the value's quotes or escapes are broken");
            if (!KvIsSnapshotValue(out.Syntax, out.Value))
                fail("\"" + oneLine(out.Value) + "\" is not a value of syntax " + codec->Keyword + " as the module writes one");
        } else if (rest.starts_with(kWithheld)) {
            out.State = KvSnapshotState::Withheld;
            used = kWithheld.size();
        } else if (rest.starts_with(kAbsent)) {
            out.State = KvSnapshotState::Absent;
            used = kAbsent.size();
        } else {
            fail("the value is neither quoted nor \"withheld\" nor \"absent\"");
        }
        rest.remove_prefix(used);
        if (!rest.empty()) {
            if (!rest.starts_with(kCommentSeparator))
                fail("unexpected text after the value");
            out.Comment = std::string(rest.substr(kCommentSeparator.size()));
        }
        return out;
    }

    std::string_view text_;
    const std::string& name_;
    std::size_t pos_ = 0;
    std::size_t lineNo_ = 0;
};

[[noreturn]] void writeFailed(const std::string& path, const std::string& why, int e)
{
    throw FileError(KvFileWriteFailed, "Cannot write " + path + ": " + why + std::strerror(e));
}

} // namespace

bool KvOidLess(std::string_view a, std::string_view b)
{
    const auto x = KvOidFromText(a);
    const auto y = KvOidFromText(b);
    if (x && y)
        return *x < *y;
    if (x != y)
        return x.has_value();
    return a < b;
}

void KvSortSnapshot(KvSnapshot& snapshot)
{
    // Parsed once: a snapshot has thousands of lines.
    std::vector<std::pair<std::vector<std::uint32_t>, KvSnapshotLine>> keyed;
    keyed.reserve(snapshot.Lines.size());
    for (KvSnapshotLine& l : snapshot.Lines)
        keyed.emplace_back(KvOidFromText(l.Oid).value_or(std::vector<std::uint32_t>{}), std::move(l));
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    snapshot.Lines.clear();
    for (auto& k : keyed)
        snapshot.Lines.push_back(std::move(k.second));
}

bool KvIsSnapshotValue(std::uint32_t syntax, const std::string& text)
{
    const KvSyntaxCodec* c = KvFindSyntaxCodec(syntax);
    if (!c || !c->Send || !c->Show || syntax == KvSyntax::Null)
        return false;
    if (c->PlainText)
        return true;
    try {
        std::string shown;
        return c->Show(c->Send(text), shown) && shown == text;
    } catch (const KvSNMPException&) {
        return false;
    }
}

std::string KvSnapshotQuote(std::string_view bytes)
{
    std::string out = "\"";
    appendEscaped(out, bytes);
    out += '"';
    return out;
}

bool KvSnapshotUnquote(std::string_view quoted, std::string& bytes)
{
    std::size_t used = 0;
    return takeQuoted(quoted, bytes, used) && used == quoted.size();
}

std::string KvSnapshotText(const KvSnapshot& s)
{
    std::string out;
    out.reserve(64 * s.Lines.size() + 512);
    out.append(kTitle).append(1, '\n');
    for (const HeaderField& f : kHeaderFields)
        out.append("# ").append(f.Name).append(": ").append(KvSnapshotQuote(s.Header.*(f.Text))).append(1, '\n');
    out.append("# secrets: ").append(s.Header.Secrets ? "saved" : "withheld").append(1, '\n');
    for (const KvSnapshotLine& l : s.Lines) {
        out.append(l.Oid).append(1, ' ').append(keywordOf(l.Syntax)).append(1, ' ');
        switch (l.State) {
        case KvSnapshotState::Value: out.append(KvSnapshotQuote(l.Value)); break;
        case KvSnapshotState::Withheld: out.append(kWithheld); break;
        case KvSnapshotState::Absent: out.append(kAbsent); break;
        }
        if (!l.Comment.empty())
            out.append(kCommentSeparator).append(oneLine(l.Comment));
        out += '\n';
    }
    out.append(kEndPrefix).append(std::to_string(s.Lines.size())).append(" objects\n");
    return out;
}

KvSnapshot KvParseSnapshot(std::string_view text, const std::string& name)
{
    return Parser(text, name).Run();
}

void KvWriteSnapshotFile(const KvSnapshot& snapshot, const std::string& path)
{
    const std::string text = KvSnapshotText(snapshot);
    // mkstemp creates the file exclusively and readable by its owner only, so
    // nothing is ever readable by others, and nothing planted beside the file
    // is written through.
    std::string tmp = path + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0)
        writeFailed(path, "no temporary file beside it: ", errno);
    auto fail = [&](const std::string& why, int e) {
        ::close(fd);
        ::unlink(tmp.c_str());
        writeFailed(path, why, e);
    };
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail("", n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        fail("", errno);
    if (::close(fd) != 0) {
        const int e = errno;
        ::unlink(tmp.c_str());
        writeFailed(path, "", e);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int e = errno;
        ::unlink(tmp.c_str());
        writeFailed(path, "", e);
    }
}

KvSnapshot KvReadSnapshotFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    auto failed = [&](const std::string& why) {
        return FileError(KvFileReadFailed, "Cannot read " + path + ": " + why);
    };
    if (fd < 0)
        throw failed(std::strerror(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::size_t>(st.st_size) > kMaxFileBytes) {
        ::close(fd);
        throw failed(S_ISREG(st.st_mode) ? "larger than 256 MiB" : "not a regular file");
    }
    std::string text;
    text.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::read(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    text.resize(done);
    return KvParseSnapshot(text, path);
}
