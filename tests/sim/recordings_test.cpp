// Recordings of real devices (the snmpsim package's examples) are served by
// ksw-sim exactly as snmpsimd serves them.
#include "SnmpTools.h"
#include "SnmpsimdAgent.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Recording {
    QString source;    // as the package ships it
    QString community; // snmpsimd's name for it: the file name in the data folder
};

// Lines of a recording whose tag names a variation module ("2:numeric"): its
// values change on every read, so the two agents cannot agree on them.
bool usesVariationModules(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return true;
    static const QRegularExpression variation(QStringLiteral("^[^|#]*\\|[0-9]*x?:"));
    while (!f.atEnd())
        if (variation.match(QString::fromLatin1(f.readLine())).hasMatch())
            return true;
    return false;
}

// Objects a recording holds: lines that are neither comments nor recorded exceptions.
qsizetype dataLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression object(QStringLiteral("^[0-9.]+\\|(?!12[89]\\||130\\|)"));
    qsizetype n = 0;
    while (!f.atEnd())
        n += object.match(QString::fromLatin1(f.readLine())).hasMatch();
    return n;
}

// The walk of the whole tree, without sysUpTime (each agent's own) and the end marker.
QStringList walk(const QString& community, quint16 port)
{
    QStringList args{QStringLiteral("-v2c"), QStringLiteral("-c"), community, QStringLiteral("-Cr50"),
                     QStringLiteral("-t"), QStringLiteral("5"), QStringLiteral("--"), QStringLiteral("1")};
    const ToolResult r = runTool(QStringLiteral("snmpbulkwalk"), args, QStringLiteral("127.0.0.1:%1").arg(port));
    QStringList lines = outputLines(r);
    lines.removeIf([](const QString& l) {
        return l.startsWith(QLatin1String("1.3.6.1.2.1.1.3.0 ")) || l.contains(QLatin1String("No more variables"));
    });
    if (!r.ok())
        lines << QStringLiteral("(walk failed: %1)").arg(r.err.trimmed());
    return lines;
}

// Recordings this test serves: all but those too big to walk within seconds
// (the 16-port switch's 51,000 lines are compared by bench_sim_walk).
constexpr qint64 kMaxRecordingBytes = 1 << 20;

TEST(SimRecordings, EveryExampleRecordingWalksAsSnmpsimdServesIt)
{
    if (!QDir(QString::fromLatin1(SnmpsimdAgent::kExamples)).exists() ||
        !QFile::exists(QString::fromLatin1(SnmpsimdAgent::kProgram)))
        GTEST_SKIP() << "the snmpsim package (examples and snmpsimd) is not installed: scripts/deps installs it";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::vector<Recording> recordings;
    QDirIterator it(QString::fromLatin1(SnmpsimdAgent::kExamples), {"*.snmprec", "*.snmprec.gz"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        // Name every file by its place in the examples, in characters a community may hold.
        QString name = QDir(QString::fromLatin1(SnmpsimdAgent::kExamples)).relativeFilePath(source);
        name.remove(QRegularExpression(QStringLiteral("\\.snmprec(\\.gz)?$")));
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
        const QString target = dir.filePath(name + ".snmprec");
        QString error;
        ASSERT_TRUE(SnmpsimdAgent::copyRecording(source, target, &error)) << error.toStdString();
        if (QFileInfo(target).size() > kMaxRecordingBytes || usesVariationModules(target)) {
            QFile::remove(target);
            continue;
        }
        recordings.push_back({source, name});
    }
    ASSERT_GE(recordings.size(), 10u) << "fewer example recordings than the package ships";

    SnmpsimdAgent snmpsimd(dir.path(), recordings.front().community);
    ASSERT_TRUE(snmpsimd.ok()) << snmpsimd.error().toStdString();
    for (const Recording& r : recordings) {
        KswSim::Options o;
        o.dataFile = dir.filePath(r.community + ".snmprec");
        o.extraArgs << "--lenient"; // corrupt lines are left out, as snmpsimd leaves them out
        KswSim sim(o);
        ASSERT_TRUE(sim.running()) << r.source.toStdString() << ": " << sim.errorText().toStdString();
        QStringList expected = walk(r.community, snmpsimd.port());
        QStringList served = walk(QStringLiteral("rdcomm"), sim.port());
        EXPECT_FALSE(expected.isEmpty()) << r.source.toStdString();
        // snmpsimd ends its walk at the first object it cannot serve (hp_perf's
        // arcs with leading zeros, an INTEGER written as text); ksw-sim, lenient,
        // serves what follows.  Everything snmpsimd serves must agree.
        if (served.size() > expected.size() && expected.size() < dataLines(dir.filePath(r.community + ".snmprec")))
            served.resize(expected.size());
        if (served != expected) {
            qsizetype i = 0;
            while (i < served.size() && i < expected.size() && served[i] == expected[i])
                ++i;
            ADD_FAILURE() << r.source.toStdString() << ": " << served.size() << " objects, snmpsimd "
                          << expected.size() << "; first difference at line " << i + 1 << ":\n  ksw-sim:  "
                          << served.value(i).toStdString() << "\n  snmpsimd: " << expected.value(i).toStdString();
        }
    }
}

} // namespace
