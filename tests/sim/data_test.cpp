// ksw-sim's data files: the .snmprec text form, our directives, recorded walks
// served back as recorded, and clear errors for bad files and options.
#include "MibData.h"
#include "SnmpTools.h"
#include "SnmpdAgent.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace ksw::sim;

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& text)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return path;
}

ToolResult runSim(const QStringList& args)
{
    QProcess p;
    p.start(KswSim::program(), args);
    ToolResult r;
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

TEST(SimData, EveryTagSurvivesTextRoundTrip)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"2", "-2147483648"}, {"2", "2147483647"}, {"4", "plain text | with bar"}, {"4x", "00a1ff"},
        {"4", ""},            {"5", ""},           {"6", "1.3.6.1.4.1.97531"},     {"64", "192.0.2.1"},
        {"65", "4294967295"}, {"66", "7"},         {"67", "360000"},               {"68x", "0102"},
        {"70", "18446744073709551615"},
    };
    for (const auto& [tag, text] : cases) {
        const Value v = parseValue(tag, text);
        EXPECT_EQ(formatValue(v), tag + "|" + text) << tag << "|" << text;
        EXPECT_EQ(parseValue(tag, text), v);
    }
    // Recorders write printable strings in hex too; both forms load to the same value.
    EXPECT_EQ(parseValue("4x", "4b5357"), parseValue("4", "KSW"));
    EXPECT_EQ(parseValue("64x", "c0000201"), parseValue("64", "192.0.2.1"));
    // Older recorders wrote an IpAddress as its four octets themselves.
    EXPECT_EQ(parseValue("64", "J}M}"), parseValue("64", "74.125.77.125"));
    // Blanks at the ends would not survive hand editing: they are kept in hex.
    EXPECT_EQ(formatValue(Value::octets(" x")), "4x|2078");
}

TEST(SimData, StateFileKeepsObjectsAndDirectives)
{
    const std::string text = "# comment\n"
                             "#!writable 1.3.6.1.4.1.97531.1 2 1..3\n"
                             "#!rowstatus 1.3.6.1.4.1.97531.2.1.3\n"
                             "#!rowstatus 1.3.6.1.4.1.97531.3.1.4 1 2\n"
                             "#!save 1.3.6.1.4.1.97531.1.6.0 3\n"
                             "#!reset 1.3.6.1.4.1.97531.1.3.0 3\n"
                             "#!flap 1.3.6.1.2.1.2.2.1.8.1\n"
                             "1.3.6.1.4.1.97531.1.6.0|2|2\r\n"
                             "\n"
                             ".1.3.6.1.4.1.97531.2.1.3.7|2|1\n";
    const MibData a = parseSnmprec(text, "in");
    const MibData b = parseSnmprec(formatSnmprec(a), "out");
    EXPECT_EQ(b.objects, a.objects);
    EXPECT_EQ(b.objects.size(), 2u);
    ASSERT_EQ(b.writable.size(), 1u);
    EXPECT_EQ(b.writable[0].min, 1);
    EXPECT_EQ(b.writable[0].max, 3);
    EXPECT_EQ(b.writable[0].tag, TagInteger);
    EXPECT_EQ(b.rowStatusColumns, a.rowStatusColumns);
    EXPECT_EQ(b.rowActionValues, a.rowActionValues);
    ASSERT_EQ(b.rowActionValues.size(), 1u);
    ASSERT_EQ(b.actions.size(), 2u);
    EXPECT_EQ(b.flap, a.flap);

    QTemporaryDir dir;
    const std::string path = dir.filePath("state.snmprec").toStdString();
    saveSnmprec(a, path);
    EXPECT_EQ(loadSnmprec(path).objects, a.objects);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path + ".tmp")));
}

// The state file used to be written through the fixed name <state>.tmp, opened
// without O_EXCL: a link planted there received the state, and the file got the
// umask's mode.
TEST(SimData, StateWriteFollowedALinkPlantedAtTheTemporaryName)
{
    const MibData a = parseSnmprec("1.3.6.1.4.1.97531.1.6.0|4|secret\n", "in");
    QTemporaryDir dir;
    const QString victim = writeFile(dir, "victim", "keep\n");
    const QString state = dir.filePath("state.snmprec");
    ASSERT_TRUE(QFile::link(victim, state + ".tmp"));
    saveSnmprec(a, state.toStdString());
    // The state file itself a link: the link is replaced, its target left alone.
    const QString linked = dir.filePath("linked.snmprec");
    ASSERT_TRUE(QFile::link(victim, linked));
    saveSnmprec(a, linked.toStdString());

    QFile v(victim);
    ASSERT_TRUE(v.open(QIODevice::ReadOnly));
    EXPECT_EQ(v.readAll(), QByteArray("keep\n"));
    for (const QString& path : {state, linked}) {
        const QFileInfo info(path);
        EXPECT_FALSE(info.isSymLink()) << path.toStdString();
        EXPECT_EQ(info.permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser)
            << path.toStdString();
        EXPECT_EQ(loadSnmprec(path.toStdString()).objects, a.objects);
    }
    // Nothing left behind but the planted link.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{"linked.snmprec", "state.snmprec", "state.snmprec.tmp", "victim"}));
}

struct BadFile {
    const char* name;
    const char* text;
    const char* message; // part of the error after "FILE:LINE: "
    int line;
};

TEST(SimData, CorruptDataFileGivesAClearErrorAndExitCode)
{
    const std::vector<BadFile> cases = {
        {"bad_integer", "1.3.6.1.2.1.1.7.0|2|seventy\n", "bad INTEGER \"seventy\"", 1},
        {"integer_out_of_range", "1.3.6.1.2.1.1.7.0|2|2147483648\n", "bad INTEGER", 1},
        {"missing_value_field", "1.3.6.1.2.1.1.1.0|4\n", "expected OID|TAG|VALUE", 1},
        {"bad_oid", "1.3.6.x.1|2|1\n", "bad OID \"1.3.6.x.1\"", 1},
        {"unknown_tag", "1.3.6.1|99|1\n", "unsupported tag 99", 1},
        {"variation_module", "1.3.6.1|2:numeric|1\n", "variation modules are not supported", 1},
        {"odd_hex", "1.3.6.1|4x|abc\n", "odd number of digits", 1},
        {"bad_ip", "1.3.6.1|64|300.1.1.1\n", "bad IpAddress", 1},
        {"raw_ip_of_five_octets", "1.3.6.1|64|J}M}x\n", "bad IpAddress \"J}M}x\"", 1},
        {"duplicate", "1.3.6.1|2|1\n1.3.6.1|2|2\n", "duplicate OID", 2},
        {"unknown_directive", "1.3.6.1|2|1\n#!writeable 1.3.6.1\n", "unknown directive #!writeable", 2},
        {"bad_range", "#!writable 1.3.6.1 2 5..1\n", "bad range", 1},
        {"rowstatus_create_without_destroy", "#!rowstatus 1.3.6.1.9.1.3 1\n", "both a create and a destroy", 1},
        {"non_integer_rowstatus", "#!rowstatus 1.3.6.1.9.1.3\n1.3.6.1.9.1.3.1|4|x\n", "non-INTEGER", 0},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = writeFile(dir, QString::fromLatin1(c.name), c.text);
        const ToolResult r = runSim({"--port", "1", "--data", path});
        EXPECT_EQ(r.exitCode, 1) << c.name;
        const QString where = c.line ? QStringLiteral("%1:%2: ").arg(path).arg(c.line) : path + ": ";
        EXPECT_TRUE(r.err.contains(where)) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(c.message))) << c.name << ": " << r.err.toStdString();
    }
    const ToolResult missing = runSim({"--data", dir.filePath("absent")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("cannot open")) << missing.err.toStdString();
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// Regression: --data /dev/zero, a FIFO or a huge file was read whole and
// ksw-sim died of std::bad_alloc (or waited for ever on the FIFO).  Each is
// refused as bad data naming the file.
TEST(SimData, DataFileThatIsNoRegularFileOrTooLargeIsRefusedAsBadData)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Sparse: no disk space, but a size past the cap.
    const QString huge = writeFile(dir, "huge.snmprec", "1.3.6.1.2.1.1.7.0|2|72\n");
    ASSERT_TRUE(QFile::resize(huge, (qint64{512} << 20) + 1));
    const QString big = writeFile(dir, "big.snmprec", "1.3.6.1.2.1.1.7.0|2|72\n");
    ASSERT_TRUE(QFile::resize(big, qint64{400} << 20));
    const struct {
        QString path;
        const char* message;
        qint64 memoryLimit;   // address space of the process, 0: none
    } cases[] = {
        {"/dev/zero", "not a regular file", 0},
        {fifo, "not a regular file", 0},
        {dir.path(), "not a regular file", 0},
        {huge, "larger than 512 MiB", 0},
        {big, "out of memory", qint64{300} << 20},
    };
    for (const auto& c : cases) {
        if (c.memoryLimit && kAddressSanitizer)
            continue;   // the sanitizer's shadow memory needs terabytes of address space
        QProcess p;
        p.setChildProcessModifier([limit = c.memoryLimit] {
            if (limit) {
                const rlimit r{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
                ::setrlimit(RLIMIT_AS, &r);
            }
        });
        p.start(KswSim::program(), {"--port", "1", "--data", c.path});
        ASSERT_TRUE(p.waitForFinished(10000)) << c.path.toStdString();
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_EQ(p.exitCode(), 1) << c.path.toStdString() << ": " << err.toStdString();
        EXPECT_TRUE(err.contains("bad data: " + c.path + ": " + c.message)) << err.toStdString();
    }
}

QByteArray gzipped(const QByteArray& text)
{
    QProcess p;
    p.start("gzip", {"-c", "-n"});
    p.write(text);
    p.closeWriteChannel();
    p.waitForFinished(10000);
    return p.readAllStandardOutput();
}

const char* const kShippedData = KSW_SOURCE_DIR "/sim/data/ksw4800.snmprec";

TEST(SimData, CompressedDataFileLoadsAsItsText)
{
    QFile shipped(QString::fromLatin1(kShippedData));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray text = shipped.readAll();
    const std::string expected = formatSnmprec(loadSnmprec(kShippedData));
    const qsizetype half = text.indexOf('\n', text.size() / 2) + 1;
    const std::vector<std::pair<QString, QByteArray>> files = {
        {"whole.snmprec.gz", gzipped(text)},
        {"two_members.snmprec.gz", gzipped(text.left(half)) + gzipped(text.mid(half))},   // as cat joins them
        {"told_by_content.snmprec", gzipped(text)},
    };
    QTemporaryDir dir;
    for (const auto& [name, bytes] : files) {
        ASSERT_FALSE(bytes.isEmpty()) << "gzip did not run";
        EXPECT_EQ(formatSnmprec(loadSnmprec(writeFile(dir, name, bytes).toStdString())), expected)
            << name.toStdString();
    }

    KswSim::Options o;
    o.dataFile = dir.filePath("whole.snmprec.gz");
    KswSim sim(o);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    QStringList args = v2c();
    args << "--" << "1.3.6.1.2.1.1.5.0";
    EXPECT_TRUE(runTool("snmpget", args, target(sim)).out.contains("\"KSW-4800\""));
}

TEST(SimData, CorruptCompressedDataFileIsRefusedClearly)
{
    const QByteArray text = "1.3.6.1.2.1.1.5.0|4|KSW\n1.3.6.1.2.1.1.7.0|2|72\n";
    const QByteArray packed = gzipped(text);
    ASSERT_GT(packed.size(), 20) << "gzip did not run";
    auto flipped = [&](qsizetype at) {
        QByteArray b = packed;
        b[at] = static_cast<char>(b[at] ^ 0x5a);
        return b;
    };
    const struct {
        const char* name;
        QByteArray bytes;
        const char* message;
    } cases[] = {
        {"cut_short.snmprec.gz", packed.left(packed.size() - 6), "compressed data cut short"},
        {"header_only.snmprec.gz", packed.left(10), "compressed data cut short"},
        {"checksum.snmprec.gz", flipped(packed.size() - 8), "corrupt compressed data"},
        {"method.snmprec.gz", flipped(2), "corrupt compressed data"},
        {"trailing.snmprec.gz", packed + "not gzip", "data after the end of the compressed data"},
        {"plain_text.snmprec.gz", text, "not gzip-compressed data"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = writeFile(dir, QString::fromLatin1(c.name), c.bytes);
        const ToolResult r = runSim({"--port", "1", "--data", path});
        EXPECT_EQ(r.exitCode, 1) << c.name;
        EXPECT_TRUE(r.err.contains(path + ": " + QString::fromLatin1(c.message))) << c.name << ": " << r.err.toStdString();
    }
}

TEST(SimData, BadOptionsAreRefusedAndHelpNamesEveryOption)
{
    const std::vector<std::pair<QStringList, const char*>> bad = {
        {{"--port", "70000"}, "--port"},         {{"--port"}, "missing value"},
        {{"--drop", "101"}, "--drop"},           {{"--delay", "-5"}, "--delay"},
        {{"--flap", "soon"}, "--flap"},          {{"--auth-pass", "short"}, "at least 8"},
        {{"--frobnicate"}, "unknown option"},    {{"--read-community", ""}, "community"},
    };
    for (const auto& [args, message] : bad) {
        const ToolResult r = runSim(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromLatin1(message))) << r.err.toStdString();
    }
    QUdpSocket taken;
    ASSERT_TRUE(taken.bind(QHostAddress::LocalHost, 0));
    const ToolResult busy = runSim({"--port", QString::number(taken.localPort())});
    EXPECT_EQ(busy.exitCode, 1);
    EXPECT_TRUE(busy.err.contains("cannot listen")) << busy.err.toStdString();

    const ToolResult help = runSim({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* opt : {"--port", "--data", "--state", "--read-community", "--write-community", "--auth-pass",
                            "--priv-pass", "--engine-id", "--reset-seconds", "--flap", "--drop", "--delay",
                            "--big-table", "--count-requests", "--lenient", "--help"})
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(opt))) << opt;
}

// --lenient leaves out what it cannot read, says so line by line after a count,
// and serves variation-module values as their starting value.
TEST(SimData, LenientLoadLeavesOutBadLinesWithOneWarningEach)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "odd.snmprec",
                                   "1.3.6.1.2.1.1.1.0|4|kept\n"
                                   "1.3.6.1.2.1.1.2.0|2|Fa3/0/1\n"
                                   "1.3.6.1.2.1.1.3.0|67:numeric|rate=100,initial=123\n"
                                   "1.3.6.1.2.1.1.4.0|4:writecache|value=writable text\n"
                                   "1.3.6.1.2.1.1.5.0|4:delay|hexvalue=4b5357\n"
                                   "1.3.6.1.2.1.1.6.0|2:error|op=get,status=genError\n"
                                   "1.3.6.1.2.1.1.4.0|4|duplicate\n"
                                   "not a line\n"
                                   "1.3.6.1.2.1.1.7.0|2|72\n");
    KswSim::Options o;
    o.dataFile = path;
    o.extraArgs << "--lenient";
    KswSim sim(o);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    const QStringList log = sim.log().split('\n', Qt::SkipEmptyParts);
    const QStringList expected = {
        "--lenient: 7 lines of " + path + " left out or served as static values:",
        path + ":2: bad INTEGER \"Fa3/0/1\" (line left out)",
        path + ":3: variation module \"numeric\" served as a static value",
        path + ":4: variation module \"writecache\" served as a static value",
        path + ":5: variation module \"delay\" served as a static value",
        path + ":6: variation module \"error\" served as a static value",
        path + ":7: duplicate OID 1.3.6.1.2.1.1.4.0 (line left out)",
        path + ":8: expected OID|TAG|VALUE (line left out)",
    };
    ASSERT_GE(log.size(), expected.size() + 1) << log.join('\n').toStdString();
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(log[i].endsWith(expected[i])) << log[i].toStdString();
    EXPECT_TRUE(log[expected.size()].contains("started")) << log.join('\n').toStdString();

    QStringList args = v2c();
    args << "--" << "1.3.6.1.2.1.1.1.0" << "1.3.6.1.2.1.1.2.0" << "1.3.6.1.2.1.1.4.0" << "1.3.6.1.2.1.1.5.0"
         << "1.3.6.1.2.1.1.6.0" << "1.3.6.1.2.1.1.7.0";
    EXPECT_EQ(outputLines(runTool("snmpget", args, target(sim))).join('\n').toStdString(),
              (QStringList{"1.3.6.1.2.1.1.1.0 = STRING: \"kept\"",
                           "1.3.6.1.2.1.1.2.0 = No Such Object available on this agent at this OID",
                           "1.3.6.1.2.1.1.4.0 = STRING: \"writable text\"", "1.3.6.1.2.1.1.5.0 = STRING: \"KSW\"",
                           "1.3.6.1.2.1.1.6.0 = INTEGER: 0", "1.3.6.1.2.1.1.7.0 = INTEGER: 72"})
                  .join('\n')
                  .toStdString());
}

TEST(SimData, BigTableIsServed)
{
    KswSim::Options o;
    o.extraArgs << "--big-table" << "250";
    KswSim sim(o);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    QStringList args = v2c();
    args << "--" << QString::fromStdString(oidText(kBigTableEntry));
    QStringList lines = outputLines(runTool("snmpbulkwalk", args, target(sim)));
    lines.removeIf([](const QString& s) { return s.contains("No more variables"); }); // the table ends the tree
    EXPECT_EQ(lines.size(), 1000);
    EXPECT_TRUE(lines.value(999).endsWith("4.250 = INTEGER: 1")) << lines.value(999).toStdString();
}

QString record(quint16 port, const QString& community, const QString& out)
{
    QProcess p;
    p.start("snmprec", {"--protocol-version=2c", "--community=" + community,
                        QStringLiteral("--agent-udpv4-endpoint=127.0.0.1:%1").arg(port), "--start-object=1.3.6.1.2.1.1",
                        "--stop-object=1.3.6.1.2.1.5", "--use-getbulk", "--output-file=" + out});
    if (!p.waitForFinished(30000))
        p.kill();
    QFile f(out);
    f.open(QIODevice::ReadOnly);
    return QString::fromLatin1(f.readAll());
}

TEST(SimData, RecordedWalkOfSnmpdIsServedBackAsRecorded)
{
    QTemporaryDir dir;
    QString original;
    {
        SnmpdAgent snmpd;
        ASSERT_TRUE(snmpd.ok()) << snmpd.error().toStdString();
        original = record(snmpd.port(), "rdcomm", dir.filePath("snmpd.snmprec"));
    }
    ASSERT_GT(original.count('\n'), 100) << original.toStdString();

    KswSim::Options o;
    o.dataFile = dir.filePath("snmpd.snmprec");
    KswSim sim(o);
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    const QString served = record(sim.port(), "rdcomm", dir.filePath("sim.snmprec"));

    // sysUpTime is the simulator's own, everything else as recorded.
    auto lines = [](const QString& text) {
        QStringList l = text.split('\n', Qt::SkipEmptyParts);
        l.removeIf([](const QString& s) { return s.startsWith("1.3.6.1.2.1.1.3.0|"); });
        return l;
    };
    EXPECT_EQ(lines(served), lines(original));
}

} // namespace
