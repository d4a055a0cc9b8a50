// net-snmp's command-line tools as an independent client of ksw-sim.
#pragma once

#include "KswSim.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

struct ToolResult {
    int exitCode = -1;
    QString out;
    QString err;
    bool ok() const { return exitCode == 0; }
};

// Runs `tool` (snmpget, snmpset, snmpwalk, snmpbulkwalk) with numeric output
// and no MIB loading; `target` is appended as the agent address.
inline ToolResult runTool(const QString& tool, const QStringList& args, const QString& target)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MIBS"), QString());
    env.insert(QStringLiteral("MIBDIRS"), QStringLiteral("/nonexistent"));
    env.insert(QStringLiteral("SNMPCONFPATH"), QStringLiteral("/nonexistent"));
    // The tools keep engine data between runs; keep it out of the system folders.
    static QTemporaryDir persistent;
    env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), persistent.path());
    p.setProcessEnvironment(env);
    QStringList all{QStringLiteral("-On"), QStringLiteral("-t"), QStringLiteral("0.5"), QStringLiteral("-r"),
                    QStringLiteral("1")};
    // Options come before the address, OIDs and values after it.
    int split = args.indexOf(QStringLiteral("--"));
    all << (split < 0 ? args : args.mid(0, split)) << target;
    if (split >= 0)
        all << args.mid(split + 1);
    p.start(tool, all);
    ToolResult r;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        r.err = tool + QStringLiteral(" hung");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

inline QString target(const KswSim& sim) { return sim.address() + QLatin1Char(':') + QString::number(sim.port()); }

// Credentials as snmp tool options.
inline QStringList v1(const QString& community = QStringLiteral("rdcomm"))
{
    return {QStringLiteral("-v1"), QStringLiteral("-c"), community};
}
inline QStringList v2c(const QString& community = QStringLiteral("rdcomm"))
{
    return {QStringLiteral("-v2c"), QStringLiteral("-c"), community};
}
inline QStringList writeV2c() { return v2c(QStringLiteral("wrcommx")); }

// Lines "OID = TYPE: value" of a tool's output, the OID without leading dot.
inline QStringList outputLines(const ToolResult& r)
{
    QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (auto& l : lines)
        if (l.startsWith(QLatin1Char('.')))
            l.remove(0, 1);
    return lines;
}
