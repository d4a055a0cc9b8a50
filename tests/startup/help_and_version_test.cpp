// "--help" and "--version" of both programs: on stdout, exit 0, without a
// display; and the option names the help gives are those of the manual page
// and of the README, so that none of the three forgets one.
#include "KswSim.h"
#include "KswVersion.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const QString kModule = QStringLiteral(KSW_BINARY_DIR "/ksw4800");

struct Output {
    int code = -1;
    QString out;
    QString err;
};

// Runs a program as from a console without any display: no X or Wayland
// display and no Qt platform chosen.
Output RunProgram(const QString& program, const QStringList& args)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Output o;
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
        return o;
    }
    o.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    o.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    o.err = QString::fromLocal8Bit(p.readAllStandardError());
    return o;
}

TEST(HelpAndVersion, AnswerOnStdoutWithoutDisplay)
{
    const QString version = QString::fromLatin1(KswVersion);
    struct Case {
        const char* name;
        QString program;
        QStringList args;
        QString outStart;   // stdout begins with it
        bool whole;         // stdout is exactly outStart
    } const cases[] = {
        {"module_help", kModule, {QStringLiteral("--help")}, QStringLiteral("Usage: ksw4800 "), false},
        // A help asked for beside switches that would not work still answers.
        {"module_help_beside_switches", kModule, {QStringLiteral("/v9"), QStringLiteral("--help")}, QStringLiteral("Usage: ksw4800 "), false},
        {"module_version", kModule, {QStringLiteral("--version")}, QStringLiteral("ksw4800 ") + version + QLatin1Char('\n'), true},
        {"sim_help", KswSim::program(), {QStringLiteral("--help")}, QStringLiteral("Usage: ksw-sim "), false},
        {"sim_version", KswSim::program(), {QStringLiteral("--version")}, QStringLiteral("ksw-sim ") + version + QLatin1Char('\n'), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Output o = RunProgram(c.program, c.args);
        EXPECT_EQ(o.code, 0) << o.err.toStdString();
        EXPECT_TRUE(o.out.startsWith(c.outStart)) << o.out.toStdString();
        if (c.whole) {
            EXPECT_EQ(o.out, c.outStart);
        }
        EXPECT_EQ(o.err, QString());
    }
    // The version is a release number, as the package carries it.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(version).hasMatch()) << KswVersion;
}

using Names = QSet<QString>;

Names Matches(const QString& text, const QString& pattern)
{
    Names names;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text);
    while (it.hasNext())
        names.insert(it.next().captured(1));
    return names;
}

// A switch ("/I") or an option ("--open").
const QString kName = QStringLiteral("(/[A-Za-z](?![A-Za-z])|--[a-z][a-z-]*)");

// The help's rows: an indented name at the start of a line, or two when an
// option's value is itself an option ("--open --list").
Names HelpNames(const QString& help)
{
    Names names;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("^  (?:(--[a-z][a-z-]*) )?(/[A-Za-z]|--[a-z][a-z-]*)"),
                           QRegularExpression::MultilineOption)
            .globalMatch(help);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        for (int group : {1, 2})
            if (m.hasCaptured(group))
                names.insert(m.captured(group));
    }
    return names;
}

// The manual page: the names on the tag line of each .TP item.
Names ManNames(const QString& page)
{
    QString text = page;
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    Names names;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].startsWith(QLatin1String(".TP")))
            names.unite(Matches(lines[i + 1], QStringLiteral("(?<![\\w-])") + kName));
    return names;
}

// The README's section from its heading up to the next text beginning with
// end: switches as table cells of their own, options wherever code names them.
Names ReadmeNames(const QString& readme, const QString& heading, const QString& end)
{
    const qsizetype from = readme.indexOf(heading);
    const qsizetype to = readme.indexOf(end, from);
    if (from < 0 || to < 0)
        return {QStringLiteral("<section not found>")};
    const QString section = readme.mid(from, to - from);
    Names names = Matches(section, QStringLiteral("`(/[A-Za-z])`"));
    QRegularExpressionMatchIterator spans = QRegularExpression(QStringLiteral("`([^`]*)`")).globalMatch(section);
    while (spans.hasNext())
        for (const QString& n : Matches(spans.next().captured(1), QStringLiteral("(?<![\\w-])") + kName))
            if (n.startsWith(QLatin1String("--")))
                names.insert(n);
    return names;
}

QString ReadSource(const char* relative)
{
    QFile f(QStringLiteral(KSW_SOURCE_DIR "/") + QLatin1String(relative));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

std::vector<std::string> Sorted(const Names& names)
{
    std::vector<std::string> list;
    for (const QString& n : names)
        list.push_back(n.toStdString());
    std::sort(list.begin(), list.end());
    return list;
}

TEST(HelpAndVersion, HelpManualPageAndReadmeNameTheSameOptions)
{
    const QString readme = ReadSource("README.md");
    struct Case {
        const char* name;
        QString program;
        const char* manPage;
        QString heading;
        QString end;
    } const cases[] = {
        {"ksw4800", kModule, "resources/man/ksw4800.1", QStringLiteral("## Running against a real switch"),
         QStringLiteral("**Per-agent configuration file**")},
        {"ksw-sim", KswSim::program(), "resources/man/ksw-sim.1", QStringLiteral("## ksw-sim, the simulated"),
         QStringLiteral("SNMPv3 users (all read-write)")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Names help = HelpNames(RunProgram(c.program, {QStringLiteral("--help")}).out);
        EXPECT_GE(help.size(), 6) << ::testing::PrintToString(Sorted(help));
        EXPECT_TRUE(help.contains(QStringLiteral("--help")) && help.contains(QStringLiteral("--version")));
        EXPECT_EQ(Sorted(ManNames(ReadSource(c.manPage))), Sorted(help));
        EXPECT_EQ(Sorted(ReadmeNames(readme, c.heading, c.end)), Sorted(help));
    }
}

} // namespace
