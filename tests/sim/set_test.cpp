// Sets against ksw-sim answer as a real agent does.
#include "SnmpTools.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QString kSysDescr = QStringLiteral("1.3.6.1.2.1.1.1.0");
const QString kSysName = QStringLiteral("1.3.6.1.2.1.1.5.0");
const QString kSysLocation = QStringLiteral("1.3.6.1.2.1.1.6.0");
const QString kIfAdmin3 = QStringLiteral("1.3.6.1.2.1.2.2.1.7.3");
const QString kIfAlias99 = QStringLiteral("1.3.6.1.2.1.31.1.1.1.18.99");
// System log server table: .2 address, .3 facility, .5 port, .7 RowStatus; row 1 exists.
const QString kLog = QStringLiteral("1.3.6.1.4.1.97531.12.12.2.1");

QString col(int column, int row) { return kLog + QStringLiteral(".%1.%2").arg(column).arg(row); }

class SimSet : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim_.running()) << sim_.errorText().toStdString(); }

    ToolResult set(QStringList varbinds, const QStringList& cred = writeV2c())
    {
        QStringList args = cred;
        args << "--" << varbinds;
        return runTool("snmpset", args, target(sim_));
    }
    QStringList get(const QStringList& oids)
    {
        QStringList args = v2c();
        args << "--" << oids;
        return outputLines(runTool("snmpget", args, target(sim_)));
    }
    QStringList walk(const QString& oid, const QString& tool = QStringLiteral("snmpwalk"))
    {
        QStringList args = v2c();
        args << "--" << oid;
        return outputLines(runTool(tool, args, target(sim_)));
    }
    // Every object the agent serves (the default data has some 15,000: get-bulk).
    QStringList everything() { return walk(QStringLiteral("1.3.6.1"), QStringLiteral("snmpbulkwalk")); }

    KswSim sim_;
};

struct Refusal {
    const char* name;
    QStringList cred;
    QStringList varbinds;
    const char* error; // as snmpset reports it
};

class SimRefusal : public SimSet, public ::testing::WithParamInterface<Refusal> {};

TEST_P(SimRefusal, IsRefusedAndChangesNothing)
{
    const Refusal& c = GetParam();
    const QStringList before = everything();
    const ToolResult r = set(c.varbinds, c.cred);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.err.contains(c.error)) << r.err.toStdString();
    auto noUptime = [](QStringList l) {
        l.removeIf([](const QString& s) { return s.startsWith("1.3.6.1.2.1.1.3.0 "); });
        return l;
    };
    EXPECT_EQ(noUptime(everything()), noUptime(before));
}

std::vector<Refusal> refusals()
{
    return {
        {"wrong_type", writeV2c(), {kSysName, "i", "5"}, "wrongType"},
        {"read_only", writeV2c(), {kSysDescr, "s", "x"}, "notWritable"},
        {"out_of_range", writeV2c(), {kIfAdmin3, "i", "7"}, "wrongValue"},
        {"too_long", writeV2c(), {kSysName, "s", QString(256, QLatin1Char('n'))}, "wrongLength"},
        {"missing_row_without_rowstatus", writeV2c(), {kIfAlias99, "s", "x"}, "noCreation"},
        {"unknown_object", writeV2c(), {"1.3.6.1.4.1.97531.77.1.0", "i", "1"}, "noCreation"},
        {"v1_read_only", v1("wrcommx"), {kSysDescr, "s", "x"}, "noSuchName"},
        {"v1_wrong_type", v1("wrcommx"), {kSysName, "i", "5"}, "badValue"},
        {"read_community", v2c(), {kSysName, "s", "x"}, "noAccess"},
        {"column_of_uncreated_row", writeV2c(), {col(3, 9), "i", "2"}, "inconsistentName"},
        {"create_existing_row", writeV2c(), {col(7, 1), "i", "4"}, "inconsistentValue"},
        {"activate_missing_row", writeV2c(), {col(7, 9), "i", "1"}, "inconsistentValue"},
        {"rowstatus_notReady", writeV2c(), {col(7, 1), "i", "3"}, "wrongValue"},
        {"rowstatus_out_of_range", writeV2c(), {col(7, 1), "i", "7"}, "wrongValue"},
        {"new_row_bad_column_type", writeV2c(), {col(7, 9), "i", "4", col(2, 9), "s", "x"}, "wrongType"},
        // One bad varbind: the good ones before it are not applied either.
        {"atomic_multi_varbind", writeV2c(), {kSysLocation, "s", "moved", kSysName, "s", "renamed", kSysDescr, "s", "x"},
         "notWritable"},
        {"atomic_row_create", writeV2c(), {col(7, 9), "i", "4", col(5, 9), "i", "514", col(3, 9), "i", "99"},
         "wrongValue"},
    };
}

INSTANTIATE_TEST_SUITE_P(Kinds, SimRefusal, ::testing::ValuesIn(refusals()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimSet, AcceptedSetsAreReadBack)
{
    const ToolResult r = set({kSysLocation, "s", "moved", kSysName, "s", "renamed", kIfAdmin3, "i", "2"});
    ASSERT_TRUE(r.ok()) << r.err.toStdString();
    const QStringList got = get({kSysLocation, kSysName, kIfAdmin3});
    ASSERT_EQ(got.size(), 3);
    EXPECT_TRUE(got[0].endsWith("STRING: \"moved\""));
    EXPECT_TRUE(got[1].endsWith("STRING: \"renamed\""));
    EXPECT_TRUE(got[2].endsWith("INTEGER: 2"));

    // v3 writes too.
    QStringList v3{"-v3", "-u", "SHA256_AES_User", "-l", "authPriv", "-a", "SHA-256", "-A", "authpassword",
                   "-x", "AES", "-X", "privpassword"};
    ASSERT_TRUE(set({kSysName, "s", "via-v3"}, v3).ok());
    EXPECT_TRUE(get({kSysName}).value(0).endsWith("\"via-v3\""));
}

TEST_F(SimSet, RowsAreCreatedAndDestroyedThroughRowStatus)
{
    // createAndGo with the other columns in the same PDU: an active row.
    ToolResult r = set({col(7, 5), "i", "4", col(2, 5), "a", "10.1.1.1", col(5, 5), "i", "1514"});
    ASSERT_TRUE(r.ok()) << r.err.toStdString();
    EXPECT_EQ(get({col(2, 5), col(5, 5), col(7, 5)}),
              (QStringList{col(2, 5) + " = IpAddress: 10.1.1.1", col(5, 5) + " = INTEGER: 1514",
                           col(7, 5) + " = INTEGER: 1"}));

    // createAndWait: notInService, then columns may be set one by one and the row activated.
    ASSERT_TRUE(set({col(7, 6), "i", "5"}).ok());
    EXPECT_TRUE(get({col(7, 6)}).value(0).endsWith("INTEGER: 2"));
    ASSERT_TRUE(set({col(3, 6), "i", "4"}).ok());
    ASSERT_TRUE(set({col(7, 6), "i", "1"}).ok());
    EXPECT_TRUE(get({col(7, 6)}).value(0).endsWith("INTEGER: 1"));

    // The walk of the table shows rows 1, 5 and 6 in every column present.
    const QStringList rows = walk(kLog + ".7");
    EXPECT_EQ(rows.size(), 3);

    // destroy removes every column of the row; destroying a missing row is no error.
    ASSERT_TRUE(set({col(7, 5), "i", "6"}).ok());
    for (const QString& line : walk(kLog))
        EXPECT_FALSE(line.section(' ', 0, 0).endsWith(".5")) << line.toStdString();
    EXPECT_TRUE(set({col(7, 5), "i", "6"}).ok());
    EXPECT_TRUE(get({col(2, 5)}).value(0).contains("No Such Instance"));
}

// The authentication server group control adds a server to a group with 1 and
// removes it with 2: a row-status column with values of its own.
TEST_F(SimSet, RowsOfAColumnWithItsOwnCreateAndDestroyValues)
{
    // group "lab" (3 octets), server 192.0.2.40, protocol radius (4)
    const QString state = QStringLiteral("1.3.6.1.4.1.97531.12.5.12.1.4.3.108.97.98.192.0.2.40.4");
    EXPECT_TRUE(set({state, "i", "4"}).err.contains("inconsistentValue")); // createAndGo means nothing here
    ASSERT_TRUE(set({state, "i", "1"}).ok());
    EXPECT_EQ(get({state}), QStringList{state + " = INTEGER: 1"});
    EXPECT_TRUE(set({state, "i", "1"}).ok()); // adding it again is a plain set
    ASSERT_TRUE(set({state, "i", "2"}).ok());
    EXPECT_TRUE(get({state}).value(0).contains("No Such")) << get({state}).value(0).toStdString();
}

// The agent remembers where its latest get-nexts were answered; a set that
// removes such an object must not leave a get-next from it on a removed entry.
TEST_F(SimSet, GetNextFromARowDestroyedAfterItWasAnsweredFindsTheNextRow)
{
    ASSERT_TRUE(set({col(7, 5), "i", "4", col(2, 5), "a", "10.1.1.5"}).ok());
    ASSERT_TRUE(set({col(7, 6), "i", "4", col(2, 6), "a", "10.1.1.6"}).ok());
    auto next = [&](const QString& oid) {
        QStringList args = v2c();
        args << "--" << oid;
        return outputLines(runTool("snmpgetnext", args, target(sim_))).value(0);
    };
    ASSERT_TRUE(next(col(2, 1)).startsWith(col(2, 5) + " ="));
    ASSERT_TRUE(set({col(7, 5), "i", "6"}).ok());
    EXPECT_TRUE(next(col(2, 5)).startsWith(col(2, 6) + " = IpAddress: 10.1.1.6")) << next(col(2, 5)).toStdString();
}

// A set used to forget only how many get-next answers were remembered, not
// where the next one goes: the first answer after it went into a later slot,
// and the next lookup read slot 0, still the position of a row the set had
// destroyed (freed memory; the agent could stop answering).
TEST_F(SimSet, GetNextCacheReadsAPositionOfADestroyedRow)
{
    ASSERT_TRUE(set({col(7, 5), "i", "4", col(2, 5), "a", "10.1.1.5"}).ok());
    QStringList args = v2c();
    args << "--" << col(7, 1);
    ASSERT_TRUE(outputLines(runTool("snmpgetnext", args, target(sim_))).value(0).startsWith(col(7, 5) + " ="));
    ASSERT_TRUE(set({col(7, 5), "i", "6"}).ok());
    const QStringList rows = walk(kLog);
    ASSERT_EQ(rows.size(), 7) << rows.join('\n').toStdString(); // row 1's seven columns
    for (const QString& line : rows)
        EXPECT_TRUE(line.section(' ', 0, 0).endsWith(".1")) << line.toStdString();
    EXPECT_TRUE(get({kSysName}).value(0).contains("STRING")); // still answering
}

} // namespace
