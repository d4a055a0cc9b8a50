// The snapshot file: every value reads back as the value it was, the lines
// keep OID order, the file is private and whole, and a cut or edited file is
// refused at the line that shows it.
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPVarDef.h"
#include "kvsnmp/KvSnapshotFile.h"
#include "kvsnmp/KvSyntaxCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using namespace KvSyntax;

engine::Value Number(std::uint8_t tag, std::uint64_t n)
{
    engine::Value v;
    v.tag = tag;
    v.number = n;
    return v;
}

engine::Value Octets(std::string o, std::uint8_t tag = engine::kOctetString)
{
    engine::Value v;
    v.tag = tag;
    v.octets = std::move(o);
    return v;
}

engine::Value Identifier(engine::Oid oid)
{
    engine::Value v;
    v.tag = engine::kObjectId;
    v.oid = std::move(oid);
    return v;
}

struct ValueCase {
    const char* Name;
    std::uint32_t Syntax;
    engine::Value Received;
};

// A value of each syntax the definition tables write, with the awkward ones:
// bytes that are no text, text that is not ASCII, a port list.
const ValueCase kValues[] = {
    {"negative integer", Integer, Number(engine::kInteger, static_cast<std::uint32_t>(-779))},
    {"largest integer", Integer, Number(engine::kInteger, 0x7FFFFFFF)},
    {"octets that are no text", OctetStr, Octets(std::string("\x00\x0a\xff\x80\"\\", 6))},
    {"empty octets", OctetStr, Octets("")},
    {"port list", OctetStr, Octets(std::string("\xff\x00\x0f\xf0\x00\x00\x00\xc0", 8))},
    {"bits", BitStr, Octets(std::string("\x80\x01", 2))},
    {"object identifier", ObjectId, Identifier({1, 3, 6, 1, 6, 3, 10, 1, 1, 4294967295u})},
    {"ip address", IpAddress, Octets(std::string("\x0a\x00\xff\x01", 4), engine::kIpAddress)},
    {"counter", Counter, Number(engine::kCounter32, 4294967295u)},
    {"gauge", Gauge, Number(engine::kGauge32, 100000000)},
    {"time ticks over a day", TimeTicks, Number(engine::kTimeTicks, 8640000u * 3 + 123456)},
    {"mac address", MacAddress, Octets(std::string("\x00\x1a\x2b\x3c\x4d\xff", 6))},
    {"text with line breaks, quotes, tabs and accents", DisplayStr,
     Octets("core \"uplink\"\n\tport 5 \\ caf\xc3\xa9  ")},
    {"text with bytes that are not UTF-8 and a NUL", DisplayStr, Octets(std::string("a\xff\xc3(\x00z\x7f", 7))},
    {"empty text", DisplayStr, Octets("")},
    {"ipv6 address", Ipv6Address, Octets(std::string("\xfe\x80\0\0\0\0\0\0\x02\x1a\x2b\xff\xfe\x3c\x4d\x5e", 16))},
    {"counter64", Counter64, Number(engine::kCounter64, 0xFFFFFFFFFFFFFFFFull)},
};

void ExpectSameValue(const engine::Value& sent, const engine::Value& received, std::uint32_t syntax)
{
    // BITS travel as an OCTET STRING; every other value keeps its type.
    EXPECT_EQ(sent.tag, syntax == BitStr ? std::uint8_t{engine::kOctetString} : received.tag);
    EXPECT_EQ(sent.number, received.number);
    EXPECT_EQ(sent.octets, received.octets);
    EXPECT_EQ(sent.oid, received.oid);
}

KvSnapshot OneLineSnapshot(std::uint32_t syntax, const std::string& value)
{
    KvSnapshot s;
    s.Header.Agent = "10.0.0.1:161";
    s.Header.SysDescr = "KSW-4800\nline two";
    s.Header.SysObjectId = "1.3.6.1.4.1.97531.4800";
    s.Lines.push_back({"1.3.6.1.4.1.97531.1.1.0", syntax, KvSnapshotState::Value, value, "View | Caption"});
    return s;
}

TEST(SnapshotFile, EveryValueReadsBackAsTheValueTheAgentSent)
{
    for (const ValueCase& c : kValues) {
        SCOPED_TRACE(c.Name);
        const KvSyntaxCodec& codec = KvSyntaxCodecOf(c.Syntax);
        std::string text;
        ASSERT_TRUE(codec.Show(c.Received, text));
        ASSERT_TRUE(KvIsSnapshotValue(c.Syntax, text)) << text;
        const std::string file = KvSnapshotText(OneLineSnapshot(c.Syntax, text));
        // One object, one line, whatever the value holds.
        EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 10) << file;
        const KvSnapshot back = KvParseSnapshot(file, "f");
        ASSERT_EQ(back.Lines.size(), 1u);
        EXPECT_EQ(back.Lines[0].Value, text);
        EXPECT_EQ(back.Lines[0].Syntax, c.Syntax);
        EXPECT_EQ(back.Header.SysDescr, "KSW-4800\nline two");
        ExpectSameValue(codec.Send(back.Lines[0].Value), c.Received, c.Syntax);
    }
}

TEST(SnapshotFile, LinesAreInOidOrderArcByArc)
{
    KvSnapshot s;
    for (const char* oid : {"1.3.6.1.10.1", "1.3.6.1.2.1.10", "1.3.6.1.2.1.9", "1.3.6.1.2", "1.3.6.1.2.1.9.0"})
        s.Lines.push_back({oid, Integer, KvSnapshotState::Value, "1", {}});
    KvSortSnapshot(s);
    std::vector<std::string> order;
    for (const KvSnapshotLine& l : s.Lines)
        order.push_back(l.Oid);
    EXPECT_EQ(order, (std::vector<std::string>{"1.3.6.1.2", "1.3.6.1.2.1.9", "1.3.6.1.2.1.9.0", "1.3.6.1.2.1.10",
                                               "1.3.6.1.10.1"}));
    // The same objects in any order give the same file.
    KvSnapshot again = s;
    std::reverse(again.Lines.begin(), again.Lines.end());
    KvSortSnapshot(again);
    EXPECT_EQ(KvSnapshotText(again), KvSnapshotText(s));
}

std::string WholeFile()
{
    KvSnapshot s;
    s.Header.Agent = "127.0.0.1:161";
    s.Lines = {
        {"1.3.6.1.4.1.97531.1.1.0", Integer, KvSnapshotState::Value, "7", "A | x"},
        {"1.3.6.1.4.1.97531.1.2.0", DisplayStr, KvSnapshotState::Withheld, {}, "A | Password"},
        {"1.3.6.1.4.1.97531.2.1.1", Integer, KvSnapshotState::Absent, {}, "B | y"},
        {"1.3.6.1.4.1.97531.3.1.1.5", OctetStr, KvSnapshotState::Value, "00FF", "C | 5 | z"},
    };
    return KvSnapshotText(s);
}

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string DropLastLines(const std::string& text, int n)
{
    std::string t = text;
    for (int i = 0; i <= n && !t.empty(); ++i)
        t.resize(t.rfind('\n', t.size() - 2) + 1);
    return t;
}

TEST(SnapshotFile, ACutOrEditedFileIsRefusedAtItsLineWithTheReason)
{
    const std::string whole = WholeFile();
    ASSERT_NO_THROW(KvParseSnapshot(whole, "s.snap"));
    struct Case {
        const char* Name;
        std::string Text;
        const char* Where;    // "s.snap:LINE:"
        const char* Reason;   // part of the text
    };
    const Case cases[] = {
        {"end line cut off", DropLastLines(whole, 0), "s.snap:13:", "ends before its end line"},
        {"cut in the middle of a line", whole.substr(0, whole.find("00FF") + 2), "s.snap:12:", "quotes"},
        {"cut inside the header", whole.substr(0, whole.find("# time")), "s.snap:6:", "lacks its \"time\" line"},
        {"a line taken away", Replace(whole, "1.3.6.1.4.1.97531.2.1.1 integer absent  # B | y\n", ""), "s.snap:12:",
         "does not count"},
        {"a value that is no integer", Replace(whole, "\"7\"", "\"7x\""), "s.snap:9:", "not a value of syntax integer"},
        {"hex in lower case", Replace(whole, "\"00FF\"", "\"00ff\""), "s.snap:12:", "not a value of syntax octetstr"},
        {"lines out of order", Replace(whole, "97531.3.1.1.5", "97531.0.1.1.5"), "s.snap:12:", "not in order"},
        {"unknown syntax", Replace(whole, " integer \"7\"", " number \"7\""), "s.snap:9:", "not a syntax"},
        {"not a snapshot", "1.3.6.1.2.1.1.1.0|4|x\n", "s.snap:1:", "no configuration snapshot"},
        {"text after the end", whole + "junk\n", "s.snap:14:", "after the end line"},
        {"comment without its separator", Replace(whole, "  # A | x", " # A | x"), "s.snap:9:", "after the value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        try {
            KvParseSnapshot(c.Text, "s.snap");
            ADD_FAILURE() << "not refused";
        } catch (const KvSNMPException& e) {
            EXPECT_EQ(e.Code(), CommonError(KvFileReadFailed).Code());
            EXPECT_TRUE(e.Message().starts_with(c.Where)) << e.Message();
            EXPECT_NE(e.Message().find(c.Reason), std::string::npos) << e.Message();
        }
    }
}

mode_t ModeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0;
}

TEST(SnapshotFile, IsWrittenWholeAndPrivateAndAFailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("switch.snap");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("the old file\n");
    }
    ::chmod(QFile::encodeName(path).constData(), 0644);

    KvSnapshot big = OneLineSnapshot(DisplayStr, std::string(200000, 'x'));
    // A write that fails half-way (the file size limit here; a full disk
    // alike) leaves the old file and no temporary file beside it.
    {
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit before{};
        ::getrlimit(RLIMIT_FSIZE, &before);
        rlimit small = before;
        small.rlim_cur = 4096;
        ::setrlimit(RLIMIT_FSIZE, &small);
        EXPECT_THROW(KvWriteSnapshotFile(big, path.toStdString()), KvSNMPException);
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previous);
    }
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("the old file\n"));
    kept.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("switch.snap")});

    KvWriteSnapshotFile(big, path.toStdString());
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_EQ(KvReadSnapshotFile(path.toStdString()).Lines.at(0).Value, std::string(200000, 'x'));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("switch.snap")});

    // A folder that is not there: the error names the file.
    try {
        KvWriteSnapshotFile(big, dir.filePath("no/such/folder.snap").toStdString());
        ADD_FAILURE() << "written";
    } catch (const KvSNMPException& e) {
        EXPECT_EQ(e.Code(), CommonError(KvFileWriteFailed).Code());
        EXPECT_NE(e.Message().find("folder.snap"), std::string::npos) << e.Message();
    }
}

} // namespace
