// KvIni::ReadString and ReadStrings against files of every shape.
#include "KvIni.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace {

class IniTest : public ::testing::Test {
protected:
    std::string Write(const std::string& bytes)
    {
        std::string path = dir_.filePath("agent.cfg").toStdString();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }
    QTemporaryDir dir_;
};

struct IniCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string expected;   // the default is "DEF"
};

TEST_F(IniTest, ReadsValuesLikeTheProfileReader)
{
    const std::string cfg =
        "[Program Information]\r\nAgentIP=10.0.0.1\r\nAgentPort=161\r\nSecurityName=\r\n"
        "AuthPassword=   \r\nContextName=  pub lic \t\r\nSecurityModel=3";
    const std::vector<IniCase> cases = {
        {"value of the written layout", cfg, "Program Information", "AgentPort", "161"},
        {"last entry without a line break", cfg, "Program Information", "SecurityModel", "3"},
        {"empty value gives the default", cfg, "Program Information", "SecurityName", "DEF"},
        {"value of blanks gives the default", cfg, "Program Information", "AuthPassword", "DEF"},
        {"surrounding blanks trimmed, inner kept", cfg, "Program Information", "ContextName", "pub lic"},
        {"names compare case-insensitively", cfg, "program INFORMATION", "agentip", "10.0.0.1"},
        {"missing key", cfg, "Program Information", "Version", "DEF"},
        {"missing section", cfg, "Other", "AgentPort", "DEF"},
        {"key of another section is not found",
         "[A]\nk=1\n[B]\nj=2\n", "B", "k", "DEF"},
        {"key before any section is not found", "k=1\n[A]\n", "A", "k", "DEF"},
        {"NUL ends the value", std::string("[S]\nk=abc\0def\nj=2\n", 18), "S", "k", "abc"},
        {"lines after a NUL still count", std::string("[S]\nk=abc\0def\nj=2\n", 18), "S", "j", "2"},
        {"LF line ends", "[S]\nk=1\nj=2\n", "S", "j", "2"},
        {"CR line ends", "[S]\rk=1\rj=2\r", "S", "j", "2"},
        {"blanks around names and '='", "  [ S ]  \n  k   =   v  \n", "S", "k", "v"},
        {"value keeps later '='", "[S]\nk=a=b\n", "S", "k", "a=b"},
        {"comment lines are skipped", "[S]\n;k=1\n k=2\n", "S", "k", "2"},
        {"first of duplicate keys wins", "[S]\nk=1\nk=2\n", "S", "k", "1"},
        {"first section of a name is used", "[S]\na=1\n[S]\nk=2\n", "S", "k", "DEF"},
        {"line without '=' has no value", "[S]\nk\n", "S", "k", "DEF"},
        {"Latin-1 value becomes UTF-8", "[S]\nk=caf\xE9\n", "S", "k", "caf\xC3\xA9"},
        {"empty file", "", "S", "k", "DEF"},
    };
    for (const IniCase& c : cases) {
        const KvIni ini(Write(c.file));
        EXPECT_EQ(ini.ReadString(c.section, c.key, "DEF"), c.expected) << c.name;
        // Read in one pass with other keys of the same files, every key comes out as on its own.
        const std::vector<std::string> keys = {"j", c.key, "k", "J"};
        const std::vector<std::string> together = ini.ReadStrings(c.section, keys, "DEF");
        ASSERT_EQ(together.size(), keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i)
            EXPECT_EQ(together[i], ini.ReadString(c.section, keys[i], "DEF")) << c.name << ", key " << keys[i];
    }
}

TEST_F(IniTest, ValuesAreCutAt4095CharactersThenTrimmed)
{
    const std::string longValue = std::string(4095, 'x') + "yz";
    EXPECT_EQ(KvIni(Write("[S]\nk=" + longValue + "\n")).ReadString("S", "k", ""),
              std::string(4095, 'x'));
    // Leading blanks are skipped before the limit applies; blanks at the cut are trimmed.
    const std::string blanksAtCut = "   " + std::string(4000, 'x') + std::string(95, ' ') + "tail";
    EXPECT_EQ(KvIni(Write("[S]\nk=" + blanksAtCut + "\n")).ReadString("S", "k", ""),
              std::string(4000, 'x'));
}

TEST_F(IniTest, MissingOrUnreadablePathGivesTheDefault)
{
    EXPECT_EQ(KvIni(dir_.filePath("nope.cfg").toStdString()).ReadString("S", "k", "d"), "d");
    EXPECT_EQ(KvIni(dir_.path().toStdString()).ReadString("S", "k", "d"), "d");
    EXPECT_EQ(KvIni("").ReadString("S", "k", "d"), "d");
    EXPECT_EQ(KvIni("/dev/zero").ReadString("S", "k", "d"), "d");
}

TEST_F(IniTest, GarbageAndHugeFilesAreReadSafely)
{
    std::mt19937 rng(4800);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage)
        c = static_cast<char>(rng());
    EXPECT_EQ(KvIni(Write(garbage)).ReadString("S", "k", "d"), "d");

    // A section header, then a single line of several megabytes, then the key.
    std::string big = "[S]\njunk=" + std::string(5 << 20, 'q') + "\nk=found\n";
    EXPECT_EQ(KvIni(Write(big)).ReadString("S", "k", "d"), "found");

    EXPECT_EQ(KvIni(Write(std::string(3 << 20, '['))).ReadString("S", "k", "d"), "d");
}

} // namespace
