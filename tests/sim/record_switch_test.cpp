// scripts/record-switch against ksw-sim: the recording holds the agent's
// objects as the agent serves them, and a ksw-sim serving the recording is
// recorded the same again.
#include "KswSim.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

struct Recorded {
    int exitCode = -1;
    QString out;
    QString err;
};

Recorded Record(const QString& target, const QString& community, const QString& outFile)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("OUT"), outFile);
    env.insert(QStringLiteral("TIMEOUT"), QStringLiteral("0.5"));
    env.insert(QStringLiteral("RETRIES"), QStringLiteral("1"));
    env.insert(QStringLiteral("SNMPCONFPATH"), QStringLiteral("/nonexistent"));
    static QTemporaryDir persistent;   // the tools' engine data, out of the system folders
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), persistent.path());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(KSW_SOURCE_DIR "/scripts/record-switch"), {target, community});
    Recorded r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("record-switch hung");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// OID -> "TAG|VALUE", an octet string always as hex: "4|ab" and "4x|6162" are
// the same object.
std::map<QString, QString> Objects(const QString& path)
{
    std::map<QString, QString> objects;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return objects;
    while (!f.atEnd()) {
        const QByteArray line = f.readLine().chopped(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype a = line.indexOf('|');
        const qsizetype b = line.indexOf('|', a + 1);
        QByteArray tag = line.mid(a + 1, b - a - 1);
        QByteArray value = line.mid(b + 1);
        if (tag == "4") {
            tag = "4x";
            value = value.toHex();
        }
        objects[QString::fromLatin1(line.left(a))] = QString::fromUtf8(tag + '|' + value);
    }
    return objects;
}

const QString kSysUpTime = QStringLiteral("1.3.6.1.2.1.1.3.0");   // runs on between two readings

TEST(RecordSwitch, RecordsWhatTheAgentServesAndTheRecordingReplays)
{
    QTemporaryDir dir;
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    const QString first = dir.filePath(QStringLiteral("switch.snmprec"));
    const QString target = sim.address() + QLatin1Char(':') + QString::number(sim.port());
    const Recorded r = Record(target, QStringLiteral("rdcomm"), first);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("ksw-sim --data ") + first)) << r.out.toStdString();

    const std::map<QString, QString> served = Objects(QStringLiteral(KSW_SOURCE_DIR "/sim/data/ksw4800.snmprec"));
    const std::map<QString, QString> recorded = Objects(first);
    ASSERT_GT(recorded.size(), 10000u);
    std::set<QString> tags;
    for (const auto& [oid, object] : recorded) {
        tags.insert(object.section(QLatin1Char('|'), 0, 0));
        if (oid == kSysUpTime)
            continue;
        const auto it = served.find(oid);
        ASSERT_NE(it, served.end()) << oid.toStdString();
        EXPECT_EQ(object, it->second) << oid.toStdString();
    }
    const std::set<QString> everyKind = {QStringLiteral("2"),  QStringLiteral("4x"), QStringLiteral("6"),
                                         QStringLiteral("64"), QStringLiteral("65"), QStringLiteral("66"),
                                         QStringLiteral("67"), QStringLiteral("70")};
    EXPECT_EQ(tags, everyKind);

    KswSim::Options o;
    o.dataFile = first;
    KswSim replay(o);
    ASSERT_TRUE(replay.running()) << replay.errorText().toStdString();
    const QString second = dir.filePath(QStringLiteral("again.snmprec"));
    const Recorded again =
        Record(replay.address() + QLatin1Char(':') + QString::number(replay.port()), QStringLiteral("rdcomm"), second);
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    std::map<QString, QString> a = recorded, b = Objects(second);
    a.erase(kSysUpTime);
    b.erase(kSysUpTime);
    EXPECT_TRUE(a == b);
}

TEST(RecordSwitch, AnAgentThatDoesNotAnswerLeavesNoFile)
{
    QTemporaryDir dir;
    KswSim sim;
    ASSERT_TRUE(sim.running()) << sim.errorText().toStdString();
    const QString out = dir.filePath(QStringLiteral("switch.snmprec"));
    const QString target = sim.address() + QLatin1Char(':') + QString::number(sim.port());
    const Recorded r = Record(target, QStringLiteral("wrong-community"), out);   // ignored, as a silent agent
    EXPECT_NE(r.exitCode, 0);
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

} // namespace
