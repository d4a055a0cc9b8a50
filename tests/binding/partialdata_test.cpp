// The partial-data codec: fields of an octet value, their widths, byte orders and
// the errors for short values and unknown syntaxes.
#include "KvPartialData.h"

#include "KvTestUtil.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPVarDef.h"
#include "kvsnmp/KvSyntaxCodec.h"

#include <gtest/gtest.h>

namespace {

using namespace KvSyntax;

struct RoundTrip {
    const char* name;
    std::uint32_t syntax;
    std::string text;
    std::string octets;
    std::string textBack;   // what the octets read back as
};

class FieldRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(FieldRoundTrip, TextToOctetsAndBack)
{
    const RoundTrip& c = GetParam();
    EXPECT_EQ(KvFieldToOctets(c.text, c.syntax), c.octets);
    EXPECT_EQ(KvFieldText(c.octets, c.syntax), c.textBack);
}

INSTANTIATE_TEST_SUITE_P(
    Syntaxes, FieldRoundTrip,
    ::testing::Values(
        RoundTrip{"IntegerLowByteFirst", Integer, "-2", bytes({0xFE, 0xFF, 0xFF, 0xFF}), "-2"},
        RoundTrip{"IntegerOne", Integer, "1", bytes({1, 0, 0, 0}), "1"},
        RoundTrip{"BooleanOtherTextIsFalse", Boolean, "yes", bytes({0, 0, 0, 0}), "false"},
        RoundTrip{"BooleanTrue", Boolean, "true", bytes({1, 0, 0, 0}), "true"},
        RoundTrip{"Counter", Counter, "4294967295", bytes({0xFF, 0xFF, 0xFF, 0xFF}), "4294967295"},
        RoundTrip{"Counter64LowWordFirst", Counter64, "4294967297", bytes({1, 0, 0, 0, 1, 0, 0, 0}), "4294967297"},
        RoundTrip{"OctetStringHex", OctetStr, "a0ff", bytes({0xA0, 0xFF}), "A0FF"},
        RoundTrip{"Mac", MacAddress, "0011223344AA", bytes({0, 0x11, 0x22, 0x33, 0x44, 0xAA}), "0011223344AA"},
        RoundTrip{"Address", IpAddress, "10.0.200.1", bytes({10, 0, 200, 1}), "10.0.200.1"},
        RoundTrip{"ObjectId32BitArcs", ObjectId, "1.3.300", bytes({1, 0, 0, 0, 3, 0, 0, 0, 0x2C, 1, 0, 0}), "1.3.300"},
        RoundTrip{"TimeTicks", TimeTicks, "0:00:05.00", bytes({0xF4, 1, 0, 0}), "0:00:05.00"},
        RoundTrip{"Uint16NetworkOrder", UInt16, "258", bytes({1, 2}), "258"},
        RoundTrip{"Int16NetworkOrder", Int16, "-2", bytes({0xFF, 0xFE}), "-2"},
        RoundTrip{"Bool16", Bool16, "true", bytes({0, 1}), "true"},
        RoundTrip{"Int8", Int8, "-1", bytes({0xFF}), "-1"},
        RoundTrip{"Uint8", UInt8, "255", bytes({0xFF}), "255"},
        RoundTrip{"Bool8", Bool8, "false", bytes({0}), "false"},
        RoundTrip{"Double", Double, "2.5", bytes({0, 0, 0, 0, 0, 0, 4, 0x40}), "2.5"},
        RoundTrip{"DateTime", DateTime, "2024-3-9,13:5:6.7,+8:0",
                  bytes({0x07, 0xE8, 3, 9, 13, 5, 6, 7, '+', 8, 0}), "2024-3-9,13:5:6.7,+8:0"},
        RoundTrip{"DisplayStringKeepsNullMarker", DisplayStr, "(NULL)", "(NULL)", "(NULL)"},
        RoundTrip{"NullMarkerIsEmpty", Integer, "(NULL)", "", "(NULL)"},
        RoundTrip{"NotReadYetIsEmpty", OctetStr, "(NOTDONE)", "", "(NULL)"},
        RoundTrip{"NullSyntax", Null, "anything", "", "(NULL)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PartialData, EmptyDisplayStringReadsAsEmptyText)
{
    EXPECT_EQ(KvFieldText("", DisplayStr), "");
}

TEST(PartialData, BcDateTimeKeepsDateAndTime)
{
    const std::string octets = KvFieldToOctets("2021/07/04 03:15:30 pm", BcDateTime);
    ASSERT_EQ(octets.size(), 8u);
    EXPECT_EQ(KvFieldText(octets, BcDateTime), "2021/07/04 03:15:30 pm");
}

TEST(PartialData, ExtractTakesWidthOrRest)
{
    const std::string value = bytes({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(KvExtractField(value, 2, UInt16), bytes({3, 4}));
    EXPECT_EQ(KvExtractField(value, 2, Integer), bytes({3, 4, 5, 6}));
    EXPECT_EQ(KvExtractField(value, 4, OctetStr), bytes({5, 6}));
    EXPECT_EQ(KvExtractField(value, 6, OctetStr), "");
    EXPECT_EQ(KvExtractField("", 4, Integer), "");
}

TEST(PartialData, Errors)
{
    const std::string six = bytes({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(codeOf([&] { KvExtractField(six, 4, Integer); }), -519);
    EXPECT_EQ(codeOf([&] { KvExtractField(six, 7, OctetStr); }), -519);
    EXPECT_EQ(codeOf([&] { KvFieldText(bytes({1, 2}), Integer); }), -518);
    EXPECT_EQ(codeOf([&] { KvFieldText(bytes({1, 2, 3, 4, 5}), MacAddress); }), -518);
    EXPECT_EQ(codeOf([&] { KvFieldToOctets("1", 99); }), -511);
    EXPECT_EQ(codeOf([&] { KvFieldText(six, 99); }), -511);
    EXPECT_EQ(codeOf([&] { KvExtractField(six, 0, 99); }), -511);
    // Texts that are no value of the syntax.
    EXPECT_EQ(codeOf([&] { KvFieldToOctets("A0G1", OctetStr); }), -518);
    EXPECT_EQ(codeOf([&] { KvFieldToOctets("10.0.0.256", IpAddress); }), -518);
    EXPECT_EQ(codeOf([&] { KvFieldToOctets("10.0.0", IpAddress); }), -518);
}

// Regression: a number typed into the edit of a field, or into one of several
// edits showing a value, was taken as its leading digits ("12abc" as 12, a
// fourth address octet "1x" as 1) and narrow fields kept the low bits of a
// number too wide for them.
TEST(PartialData, TypedFieldNumberIsTakenWholeOrRefused)
{
    const std::pair<const char*, std::uint32_t> fields[] = {
        {"12abc", Integer}, {"1,000", Counter}, {"1e3", Counter64}, {"2.5x", Double}, {"5 s", TimeTicks},
        {"300", UInt8}, {"-129", Int8}, {"70000", UInt16}, {"-40000", Int16}, {"4294967296", Counter}};
    for (const auto& f : fields)
        EXPECT_EQ(codeOf([&] { KvFieldToOctets(f.first, f.second); }), -518) << f.first;
    EXPECT_EQ(KvFieldToOctets(" 7 ", Integer), bytes({7, 0, 0, 0}));
    EXPECT_EQ(KvFieldToOctets("", Integer), bytes({0, 0, 0, 0}));   // an edit left empty

    using Fields = std::vector<std::string>;
    const std::pair<std::uint32_t, Fields> joins[] = {
        {IpAddress, {"10", "0", "0", "1x"}},
        {ObjectId, {"1", "3", "6a"}},
        {TimeTicks, {"0", "0", "0", "5s", "0"}},
        {DateTime, {"2024", "300", "9", "13", "5", "6", "7", "+", "8", "0"}},
        {BcDateTime, {"2021", "7", "4", "15", "15", "30", "0,5"}}};
    for (const auto& j : joins)
        EXPECT_EQ(codeOf([&] { KvJoinEditFields(j.first, j.second); }), -518) << j.first;
    EXPECT_EQ(KvJoinEditFields(IpAddress, {"10", "0", "0", "1"}), "10.0.0.1");
}

}  // namespace
