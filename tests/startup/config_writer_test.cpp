// The per-agent configuration file as the connection dialog writes it: the
// exact bytes for v1, v2c and v3, read back by the start-up reader to the same
// parameters, private to its owner, and never half written: a failed write or
// a value the file cannot hold leaves the old file and no temporary file.
#include "KvTestUtil.h"
#include "ModuleConfigurationFile.h"
#include "ModuleStartup.h"
#include "kvsnmp/KvSNMPRequest.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

std::string readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "(missing)";
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

unsigned modeOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777u;
}

struct WriteCase {
    const char* name;
    ModuleConfigurationRecord record;
    const char* bytes;
    // What the start-up reader makes of the file (engine numbering).
    int version, port, level, auth, priv;
    const char* securityName;
    const char* contextName;
};

const WriteCase kCases[] = {
    {"v1",
     {"10.0.0.1", "161", 0, "ignored", "", "", -1, -1, "", -1, "rdcomm", "rdcomm", "wrcommx", "12/10/26", "2:15:00 PM"},
     "[Program Information]\r\nAgentIP=10.0.0.1\r\nAgentPort=161\r\nVersion=0\r\nSecurityName=\r\n"
     "AuthPassword=\r\nPrivPassword=\r\nAuthProtocol=-1\r\nPrivProtocol=-1\r\nContextEngineID=\r\n"
     "SecurityLevel=-1\r\nContextName=rdcomm\r\nGetCommStr=rdcomm\r\nSetCommStr=wrcommx\r\n"
     "UpdateDate=12/10/26\r\nUpdateTime=2:15:00 PM\r\nSecurityModel=3",
     0, 161, 0, 0, 0, "", "rdcomm"},
    {"v2c",
     {"10.0.0.1", "1161", 1, "", "", "", 0, 0, "", 0, "public", "public", "private", "d", "t"},
     "[Program Information]\r\nAgentIP=10.0.0.1\r\nAgentPort=1161\r\nVersion=1\r\nSecurityName=\r\n"
     "AuthPassword=\r\nPrivPassword=\r\nAuthProtocol=0\r\nPrivProtocol=0\r\nContextEngineID=\r\n"
     "SecurityLevel=0\r\nContextName=public\r\nGetCommStr=public\r\nSetCommStr=private\r\n"
     "UpdateDate=d\r\nUpdateTime=t\r\nSecurityModel=3",
     1, 1161, 1, 1, 1, "", "public"},
    {"v3AuthPrivAes",
     {"10.0.0.1", "161", 3, "SHA256_AES_User", "authpassword", "privpassword", 4, 3, "8000", 2, "ctx", "ctx", "", "d",
      "t"},
     "[Program Information]\r\nAgentIP=10.0.0.1\r\nAgentPort=161\r\nVersion=3\r\nSecurityName=SHA256_AES_User\r\n"
     "AuthPassword=authpassword\r\nPrivPassword=privpassword\r\nAuthProtocol=4\r\nPrivProtocol=3\r\n"
     "ContextEngineID=8000\r\nSecurityLevel=2\r\nContextName=ctx\r\nGetCommStr=ctx\r\nSetCommStr=\r\n"
     "UpdateDate=d\r\nUpdateTime=t\r\nSecurityModel=3",
     3, 161, 3, 5, 19, "SHA256_AES_User", "ctx"},
};

class ConfigFolder : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath("10.0.0.1.cfg"); }
    QStringList entries() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }
};

class ConfigWriter : public ConfigFolder, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(ConfigWriter, WritesTheLayoutThatStartUpReadsBack)
{
    const WriteCase& c = GetParam();
    WriteFile(path(), "old");
    ::chmod(QFile::encodeName(path()).constData(), 0644);
    std::string error;
    ASSERT_TRUE(WriteModuleConfigurationFile(path().toStdString(), c.record, error)) << error;
    EXPECT_EQ(readAll(path()), c.bytes);
    EXPECT_EQ(modeOf(path()), 0600u);
    EXPECT_EQ(entries(), QStringList{"10.0.0.1.cfg"});

    ResetDefaultParameters();
    DefaultSecurity.SecurityName = "from the command line";
    LoadModuleConfigurationFile(path().toStdString());
    EXPECT_EQ(DefaultSecurity.Version, c.version);
    EXPECT_EQ(DefaultDevice.Port, c.port);
    EXPECT_EQ(DefaultSecurity.SecurityModel, 3);
    EXPECT_EQ(DefaultSecurity.SecurityLevel, c.level);
    EXPECT_EQ(DefaultSecurity.AuthProtocol, c.auth);
    EXPECT_EQ(DefaultSecurity.PrivProtocol, c.priv);
    EXPECT_EQ(DefaultSecurity.SecurityName, c.securityName);
    EXPECT_EQ(DefaultScope.ContextName, c.contextName);
    EXPECT_EQ(DefaultSecurity.AuthPassword, c.record.AuthPassword);
    EXPECT_EQ(DefaultSecurity.PrivPassword, c.record.PrivPassword);
    EXPECT_EQ(DefaultScope.ContextEngineID, c.record.ContextEngineID);
}

INSTANTIATE_TEST_SUITE_P(Versions, ConfigWriter, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Regression: rewriting the file dropped every key the connection settings do
// not hold ("UseGetBulk=0" among them) and every other section.  The module's
// section is written where it stood with its other keys and comments after
// the module's own; other sections stay as they were.
struct KeptCase {
    const char* name;
    const char* old;
    const char* bytes;   // with V1 standing for the written section
    bool getBulk;        // what start-up then reads
};

const KeptCase kKeptCases[] = {
    {"OtherKeysAndSections",
     "[Program Information]\r\nAgentIP=10.9.9.9\r\nUseGetBulk=0\r\n; tuned by hand\r\n version = 3\r\n\r\n"
     "[Viewer]\r\nColumns=4\r\n",
     "V1\r\nUseGetBulk=0\r\n; tuned by hand\r\n[Viewer]\r\nColumns=4\r\n", false},
    // Names compare without regard to case; LF line ends become CR LF.
    {"SectionAfterAnother", "[Viewer]\nColumns=4\n[program information]\nusegetbulk=0\nAGENTPORT=99",
     "[Viewer]\r\nColumns=4\r\nV1\r\nusegetbulk=0", false},
    // Text before the first section is no setting.
    {"NoSectionOfTheModuleYet", "old\r[Viewer]\rColumns=4", "V1\r\n[Viewer]\r\nColumns=4", true},
};

class ConfigWriterKeeps : public ConfigFolder, public ::testing::WithParamInterface<KeptCase> {};

TEST_P(ConfigWriterKeeps, RewriteDroppedKeysAndSectionsItDoesNotWrite)
{
    const KeptCase& c = GetParam();
    WriteFile(path(), c.old);
    std::string error;
    ASSERT_TRUE(WriteModuleConfigurationFile(path().toStdString(), kCases[0].record, error)) << error;
    std::string expected = c.bytes;
    expected.replace(expected.find("V1"), 2, kCases[0].bytes);
    EXPECT_EQ(readAll(path()), expected);
    EXPECT_EQ(modeOf(path()), 0600u);

    ResetDefaultParameters();
    DefaultUseGetBulk = true;
    LoadModuleConfigurationFile(path().toStdString());
    EXPECT_EQ(DefaultSecurity.Version, 0) << "the written version is the one read";
    EXPECT_EQ(DefaultDevice.Port, 161);
    EXPECT_EQ(DefaultUseGetBulk, c.getBulk);
    DefaultUseGetBulk = true;
}

INSTANTIATE_TEST_SUITE_P(OldFiles, ConfigWriterKeeps, ::testing::ValuesIn(kKeptCases),
                         [](const auto& info) { return std::string(info.param.name); });

class ConfigWriterFailure : public ConfigFolder {};

TEST_F(ConfigWriterFailure, ReplacementThatCannotBeMadeLeavesTheOldFolderEntry)
{
    // A folder where the file should be: the new file cannot take its place.
    ASSERT_TRUE(QDir(dir.path()).mkpath("10.0.0.1.cfg/keep"));
    std::string error;
    EXPECT_FALSE(WriteModuleConfigurationFile(path().toStdString(), kCases[0].record, error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(QDir(path() + "/keep").exists());
    EXPECT_EQ(entries(), QStringList{"10.0.0.1.cfg"}) << "a temporary file was left behind";
}

TEST_F(ConfigWriterFailure, MissingFolderIsReported)
{
    std::string error;
    EXPECT_FALSE(WriteModuleConfigurationFile(dir.filePath("no/such/folder/x.cfg").toStdString(), kCases[0].record, error));
    EXPECT_FALSE(error.empty());
}

class ConfigWriterText : public ConfigFolder {};

TEST_F(ConfigWriterText, ValueThatWouldBreakTheFileIsRefusedAndOldFileKept)
{
    // A line break would let a pass phrase set other keys ("Version=3" below).
    for (const char* bad : {"x\r\nVersion=3", "x\nVersion=3", "pass\xE2\x82\xAC"}) {
        WriteFile(path(), "old");
        ModuleConfigurationRecord r = kCases[0].record;
        r.AuthPassword = bad;
        std::string error;
        EXPECT_FALSE(WriteModuleConfigurationFile(path().toStdString(), r, error)) << bad;
        EXPECT_NE(error.find("AuthPassword"), std::string::npos) << error;
        EXPECT_EQ(readAll(path()), "old");
        EXPECT_EQ(entries(), QStringList{"10.0.0.1.cfg"});
    }
    // Latin-1 letters are stored as single bytes and read back as they were.
    ModuleConfigurationRecord r = kCases[0].record;
    r.AuthPassword = "d\xC3\xA9j\xC3\xA0";
    std::string error;
    ASSERT_TRUE(WriteModuleConfigurationFile(path().toStdString(), r, error)) << error;
    EXPECT_NE(readAll(path()).find("AuthPassword=d\xE9j\xE0\r\n"), std::string::npos);
    LoadModuleConfigurationFile(path().toStdString());
    EXPECT_EQ(DefaultSecurity.AuthPassword, r.AuthPassword);
}

// Regression: a pass phrase with a blank or control character at either end,
// or longer than the reader takes, was stored and came back trimmed or cut,
// so the next start authenticated with another pass phrase.  Such values are
// refused (the old file kept); any other value reads back exactly.
TEST_F(ConfigWriterText, PassPhrasesReadBackExactlyOrAreRefused)
{
    struct Case {
        const char* name;
        std::string value;
        bool stored;
    };
    const Case cases[] = {
        {"leading blank", " secret", false},
        {"trailing blank", "secret ", false},
        {"leading tab", "\tsecret", false},
        {"trailing control character", "secret\x01", false},
        {"trailing DEL kept", "secret\x7F", true},
        {"blanks and controls inside", "se cr\tet\x01x", true},
        {"longest the reader takes", std::string(4095, 'p'), true},
        {"one character more", std::string(4096, 'p'), false},
        {"Latin-1 at the end", "secr\xC3\xA9", true},
        {"empty", "", true},
    };
    for (const Case& c : cases) {
        for (std::string ModuleConfigurationRecord::*field :
             {&ModuleConfigurationRecord::AuthPassword, &ModuleConfigurationRecord::PrivPassword}) {
            WriteFile(path(), "old");
            ModuleConfigurationRecord r = kCases[2].record;
            r.*field = c.value;
            std::string error;
            EXPECT_EQ(WriteModuleConfigurationFile(path().toStdString(), r, error), c.stored) << c.name << ": " << error;
            EXPECT_EQ(entries(), QStringList{"10.0.0.1.cfg"}) << c.name;
            if (!c.stored) {
                EXPECT_NE(error.find(field == &ModuleConfigurationRecord::AuthPassword ? "AuthPassword" : "PrivPassword"),
                          std::string::npos)
                    << c.name << ": " << error;
                EXPECT_EQ(readAll(path()), "old") << c.name;
                continue;
            }
            ResetDefaultParameters();
            LoadModuleConfigurationFile(path().toStdString());
            EXPECT_EQ(DefaultSecurity.AuthPassword, r.AuthPassword) << c.name;
            EXPECT_EQ(DefaultSecurity.PrivPassword, r.PrivPassword) << c.name;
        }
    }
}

} // namespace
