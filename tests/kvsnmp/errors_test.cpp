// Unified code mapping, library/common errors and message catalogues.
#include "engine/SnmpEngine.h"
#include "kvsnmp/KvCatalogueFiles.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace {

struct MapCase {
    int raw;
    int code;
    const char* message;
};

class MapErrorCodeTest : public ::testing::TestWithParam<MapCase> {};

TEST_P(MapErrorCodeTest, MapsRawCodeToUnifiedCodeAndText)
{
    const MapCase& c = GetParam();
    KvMappedCode m = MapErrorCode(c.raw);
    EXPECT_EQ(m.Code, c.code) << "raw " << c.raw;
    EXPECT_EQ(m.Message, c.message) << "raw " << c.raw;
}

// Every range boundary, from inside and from just outside.
INSTANTIATE_TEST_SUITE_P(Ranges, MapErrorCodeTest, ::testing::Values(
    MapCase{0, 0, "(KvSNMP++) Ok!"},
    MapCase{1400, 0, "(KvSNMP++) Ok!"},
    MapCase{-1401, 0, "(KvSNMP++) Ok!"},
    // agent error status
    MapCase{1, -101, "(SNMP) Response PDU Too Big!"},
    MapCase{2, -102, "(SNMP) Variable does not exist!"},
    MapCase{18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
    MapCase{19, -528, "(KvSNMP++) Unknown error code!"},
    // SNMP v3 message processing
    MapCase{-1402, -201, "(SNMPv3) Unsupported Security Model!"},
    MapCase{-1418, -217, "(SNMPv3) Report sent!"},
    MapCase{-1419, -528, "(KvSNMP++) Unknown error code!"},
    // user-based security
    MapCase{1401, -301, "(SNMPv3USM) error!"},
    MapCase{1413, -313, "(SNMPv3USM) Unsupported PrivProtocol!"},
    MapCase{1414, -314, "(SNMPv3USM) Address error!"},
    MapCase{1415, -528, "(KvSNMP++) Unknown error code!"},
    MapCase{1399, -528, "(KvSNMP++) Unknown error code!"},
    // engine class errors
    MapCase{-1, -401, "(SNMPClass) Operation failed!"},
    MapCase{-5, -405, "(SNMPClass) SNMP request timed out!"},
    MapCase{-9, -409, "(SNMPClass)Unknown error code!"},
    MapCase{-20, -420, "(SNMP Class) Transport is not supported!"},
    MapCase{-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
    MapCase{-24, -528, "(KvSNMP++) Unknown error code!"},
    MapCase{-1400, -528, "(KvSNMP++) Unknown error code!"},
    // already unified codes are not raw codes
    MapCase{-101, -528, "(KvSNMP++) Unknown error code!"},
    MapCase{-2147483647 - 1, -528, "(KvSNMP++) Unknown error code!"},
    MapCase{2147483647, -528, "(KvSNMP++) Unknown error code!"}));

const KvCodeRange* RangeOf(int raw)
{
    for (const KvCodeRange& r : CodeRanges())
        if (raw >= std::min(r.First, r.Last) && raw <= std::max(r.First, r.Last))
            return &r;
    return nullptr;
}

// A range of several codes reaches every row of its table, and no row past it.
TEST(CodeRangesTest, EachRangeCoversItsWholeTable)
{
    for (const KvCodeRange& r : CodeRanges()) {
        if (r.First == r.Last)
            continue;
        const int rows = std::abs(r.Last - r.First) + 1;
        EXPECT_EQ(rows, r.Table().Count()) << "range from " << r.First;
        EXPECT_EQ(MapErrorCode(r.Last).Code, r.FirstCode - (rows - 1)) << "range from " << r.First;
        EXPECT_EQ(MapErrorCode(r.Last).Message, r.Table().Text(rows - 1)) << "range from " << r.First;
    }
}

// The user reads the text of the installed catalogue, not the built-in one: a raw
// code whose row the shipped file lacks would show a stale or empty message.
TEST(CodeRangesTest, EveryCodeTheEngineReportsHasARowInTheShippedCatalogues)
{
    std::vector<int> raws(std::begin(engine::kNamedCodes), std::end(engine::kNamedCodes));
    for (int status = engine::kAgentTooBig; status <= engine::kAgentLastStatus; ++status)
        raws.push_back(status);
    for (int raw : raws) {
        const KvCodeRange* range = RangeOf(raw);
        ASSERT_NE(range, nullptr) << "raw " << raw << " maps to the unknown code";
        const KvCatalogueFile* file = nullptr;
        for (const KvCatalogueFile& c : CatalogueFiles())
            if (c.Table == range->Table)
                file = &c;
        ASSERT_NE(file, nullptr) << "raw " << raw << ": its table has no catalogue file";
        KvMessageTable shipped(std::vector<std::string>(static_cast<std::size_t>(range->Table().Count())));
        LoadCatalogue(shipped, std::string(KSW_BINARY_DIR "/catalogues/errMSg/") + file->File);
        const int row = std::abs(raw - range->First);
        EXPECT_FALSE(shipped.Text(row).empty()) << "raw " << raw << ": no row " << row << " in " << file->File;
        EXPECT_EQ(MapErrorCode(raw).Message, range->Table().Text(row)) << "raw " << raw;
    }
}

TEST(TablesTest, HaveTheirRowCounts)
{
    EXPECT_EQ(SnmpMessages().Count(), 18);
    EXPECT_EQ(SnmpV3Messages().Count(), 17);
    EXPECT_EQ(UsmMessages().Count(), 14);
    EXPECT_EQ(SnmpClassMessages().Count(), 23);
    EXPECT_EQ(LibraryMessages().Count(), 30);
    EXPECT_EQ(RequestLogMessages().Count(), 2);
    EXPECT_EQ(KvCommonMessages().Count(), 19);
    EXPECT_EQ(KvCommonMessages().Text(10),
              "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
              "Here,the count of the number is equal to [COUNT]!");
}

TEST(TablesTest, LookupsOutsideATableGiveEmptyTextAndWritesAreIgnored)
{
    KvMessageTable t({"a", "b"});
    t.Replace(-1, "x");
    t.Replace(2, "x");
    EXPECT_EQ(t.Text(-1), "");
    EXPECT_EQ(t.Text(2), "");
    EXPECT_EQ(t.Text(0), "a");
    EXPECT_EQ(t.Text(1), "b");
}

TEST(RaisedErrorsTest, CarryUnifiedCodeAndCurrentText)
{
    KvSNMPException e = LibraryError(KvBadSyntax);
    EXPECT_EQ(e.Code(), -511);
    EXPECT_EQ(e.Message(), "(KvSNMP++) Bad SNMP syntax!");
    EXPECT_EQ(LibraryError(KvUnknownErrorCode).Code(), -528);

    KvSNMPException c = CommonError(3);
    EXPECT_EQ(c.Code(), -3);
    EXPECT_EQ(c.Message(), "Empty value is not allowed!");

    // A row outside the table never yields a code outside the library range.
    EXPECT_EQ(LibraryError(30).Code(), -528);
    EXPECT_EQ(LibraryError(-1).Code(), -528);
    EXPECT_EQ(CommonError(19).Code(), -528);
}

// ---------------------------------------------------------------- catalogues

class CatalogueTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes)
    {
        std::string path = dir_.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static KvMessageTable Table(int rows)
    {
        std::vector<std::string> texts;
        for (int i = 0; i < rows; ++i)
            texts.push_back("built-in " + std::to_string(i));
        return KvMessageTable(texts);
    }
    static std::vector<std::string> Texts(const KvMessageTable& t)
    {
        std::vector<std::string> out;
        for (int i = 0; i < t.Count(); ++i)
            out.push_back(t.Text(i));
        return out;
    }
    QTemporaryDir dir_;
};

struct CatalogueCase {
    const char* name;
    std::string content;
    int rows;
    std::vector<std::string> expected;
};

TEST_F(CatalogueTest, FileContentsReplaceRowsInOrder)
{
    const std::string a1023(1023, 'a');
    const std::vector<CatalogueCase> cases = {
        {"blank lines and lines of blanks do not shift rows",
         "one\n\n   \n\t \ntwo\r\n\r\nthree\n", 3, {"one", "two", "three"}},
        {"leading and trailing blanks stay, CR LF and LF are removed",
         "  one  \r\n\ttwo\t\n", 2, {"  one  ", "\ttwo\t"}},
        {"last line without a line break", "one\ntwo", 2, {"one", "two"}},
        {"fewer lines than rows replace only the first rows",
         "one\n", 3, {"one", "built-in 1", "built-in 2"}},
        {"more lines than rows: the extra lines are ignored",
         "one\ntwo\nthree\nfour\n", 2, {"one", "two"}},
        {"a line of 1023 characters is one message",
         a1023 + "\nnext\n", 3, {a1023, "next", "built-in 2"}},
        {"a longer line counts as several messages",
         a1023 + "bc\r\nnext\n", 4, {a1023, "bc", "next", "built-in 3"}},
        {"a CR LF right after a full piece adds no message",
         a1023 + "\r\nnext\n", 2, {a1023, "next"}},
        {"a piece of blanks is a blank line", a1023 + "   \nnext\n", 2, {a1023, "next"}},
        {"no non-blank line leaves the table", "\n  \r\n\t\n", 2, {"built-in 0", "built-in 1"}},
        {"empty file leaves the table", "", 1, {"built-in 0"}},
        {"Latin-1 bytes become UTF-8 text", "Gr\xFC\xDF" "e\n", 1, {"Gr\xC3\xBC\xC3\x9F" "e"}},
        {"a NUL ends the text", std::string("ab\0cd\n", 6), 1, {"ab"}},
    };
    for (const CatalogueCase& c : cases) {
        KvMessageTable t = Table(c.rows);
        LoadCatalogue(t, Write("cat.err", c.content));
        EXPECT_EQ(Texts(t), c.expected) << c.name;
    }
}

TEST_F(CatalogueTest, MissingFileOrFolderLeavesTheTable)
{
    KvMessageTable t = Table(2);
    LoadCatalogue(t, dir_.filePath("missing.err").toStdString());
    LoadCatalogue(t, dir_.path().toStdString());
    LoadCatalogue(t, "");
    EXPECT_EQ(Texts(t), (std::vector<std::string>{"built-in 0", "built-in 1"}));
}

TEST_F(CatalogueTest, ReplacedCommonRowBecomesOneLineText)
{
    KvMessageTable saved = KvCommonMessages();
    LoadCatalogue(KvCommonMessages(), Write("common.err",
        "0\n1\n2\n3\n4\n5\n6\n7\n8\nDelimiter '[DELIMITER]'. Less than [MAXCOUNT]!\n"));
    EXPECT_EQ(KvCommonMessages().Text(9), "Delimiter '[DELIMITER]'. Less than [MAXCOUNT]!");
    EXPECT_EQ(CommonError(9).Message(), "Delimiter '[DELIMITER]'. Less than [MAXCOUNT]!");
    // Rows past the file keep their built-in texts.
    EXPECT_EQ(KvCommonMessages().Text(12), "Out of range at index of array or list!");
    KvCommonMessages() = saved;
}

TEST_F(CatalogueTest, LoadedFolderChangesMappedMessages)
{
    KvMessageTable savedSnmp = SnmpMessages();
    KvMessageTable savedClass = SnmpClassMessages();
    Write("snmp.err", "Too big\n\nNo such variable\n   \nBad value\n");
    Write("snmpclass.err", "Failed\r\n");
    LoadCatalogues(dir_.path().toStdString());

    EXPECT_EQ(MapErrorCode(3).Message, "Bad value");
    EXPECT_EQ(MapErrorCode(3).Code, -103);
    EXPECT_EQ(MapErrorCode(4).Message, "(SNMP) Cannot modify object, Read Only!");
    EXPECT_EQ(MapErrorCode(-1).Message, "Failed");
    EXPECT_EQ(MapErrorCode(-2).Message, "(SNMPClass) Resource unavailable!");
    // Files that are not there leave their tables alone.
    EXPECT_EQ(MapErrorCode(0).Message, "(KvSNMP++) Ok!");

    SnmpMessages() = savedSnmp;
    SnmpClassMessages() = savedClass;
}

} // namespace
