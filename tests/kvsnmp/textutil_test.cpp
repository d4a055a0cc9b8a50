// KvNumList parsing and the text utilities.
#include "KvNumList.h"
#include "KvTextUtil.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase {
    const char* text;
    char delimiter;
    std::vector<int> values;
};

TEST(NumListTest, ParseSignedFollowsTheFoldingRules)
{
    const std::vector<ParseCase> cases = {
        {"1,22,333", ',', {1, 22, 333}},
        {"", ',', {}},
        {"1,,3", ',', {1, 0, 3}},
        {",", ',', {0, 0}},
        {"1.5", '.', {1, 5}},                 // default delimiter
        {"1.5,2.99", ',', {1, 2}},            // fraction digits change nothing
        {"7.1.2", ',', {7}},                  // a second '.' restarts the fraction
        {"-5", ',', {-3 * 10 + 5}},           // '-' is folded in as its code - '0'
        {" 1", ',', {-16 * 10 + 1}},
        {"-1.5", ',', {-28}},                 // -29 + 0.5 truncated toward zero
        {"2147483648", ',', {-2147483647 - 1}},   // 32-bit wrap-around
        {"4294967297", ',', {1}},
    };
    for (const ParseCase& c : cases) {
        KvNumList<int> list;
        list.Delimiter = c.delimiter;
        list.Parse(c.text);
        EXPECT_EQ(list.Count, static_cast<int>(c.values.size())) << c.text;
        EXPECT_EQ(list.Items, c.values) << c.text;
    }
}

TEST(NumListTest, ParseDiscardsOldValuesAndDefaultsToDot)
{
    KvNumList<unsigned int> list;
    EXPECT_EQ(list.Delimiter, '.');
    list.Parse("4.3.2.1");
    EXPECT_EQ(list.Items, (std::vector<unsigned>{4, 3, 2, 1}));
    list.Parse("4294967295.0");
    EXPECT_EQ(list.Items, (std::vector<unsigned>{4294967295u, 0}));
    list.Parse("");
    EXPECT_EQ(list.Count, 0);
    EXPECT_TRUE(list.Items.empty());
}

TEST(NumListTest, CountIndexAndRange)
{
    KvNumList<int> s;
    s.Delimiter = ',';
    EXPECT_EQ(s.CountOf(""), 0);
    EXPECT_EQ(s.CountOf("x"), 1);
    EXPECT_EQ(s.CountOf(",,"), 3);
    s.Parse("5,7,5");
    EXPECT_EQ(s.IndexOf(5), 0);
    EXPECT_EQ(s.IndexOf(7), 1);
    EXPECT_EQ(s.IndexOf(6), -1);

    KvNumList<unsigned int> u;
    u.Delimiter = ',';
    EXPECT_TRUE(u.AllInRange(1, 2));   // empty list
    u.Parse("1,4094,4095");
    EXPECT_TRUE(u.AllInRange(1, 4095));
    EXPECT_FALSE(u.AllInRange(1, 4094));
    EXPECT_FALSE(u.AllInRange(2, 4095));
    u.Parse("0");
    EXPECT_TRUE(u.AllInRange(0, 0));
}

TEST(TextUtilTest, AfterPrefixAndUnquote)
{
    EXPECT_EQ(AfterPrefix("/I10.0.0.1", "/I"), "10.0.0.1");
    EXPECT_EQ(AfterPrefix("/I", "/I"), "");
    EXPECT_EQ(AfterPrefix("/t161", "/I"), "");
    EXPECT_EQ(AfterPrefix("/", "/I"), "");
    EXPECT_EQ(AfterPrefix("abc", ""), "abc");

    EXPECT_EQ(Unquote(""), "");
    EXPECT_EQ(Unquote("\""), "");
    EXPECT_EQ(Unquote("\"\""), "");
    EXPECT_EQ(Unquote("\"abc\""), "abc");
    EXPECT_EQ(Unquote("\"abc"), "\"abc");
    EXPECT_EQ(Unquote("abc\""), "abc\"");
    EXPECT_EQ(Unquote("a\"b\"c"), "a\"b\"c");
}

TEST(TextUtilTest, ReplaceAllDoesNotRescanInsertedText)
{
    EXPECT_EQ(ReplaceAll("Get: [ERROR] at [TIME]. [ERROR]", "[ERROR]", "Ok!"), "Get: Ok! at [TIME]. Ok!");
    EXPECT_EQ(ReplaceAll("[X][X]", "[X]", "[X][X]"), "[X][X][X][X]");
    EXPECT_EQ(ReplaceAll("aaa", "aa", "a"), "aa");
    EXPECT_EQ(ReplaceAll("abc", "", "z"), "abc");
    EXPECT_EQ(ReplaceAll("", "a", "z"), "");
    EXPECT_EQ(ReplaceAll("[MIN]-[MAX]", "[MIN]", ""), "-[MAX]");
}

TEST(TextUtilTest, SplitAtOperatorTakesTheFirstListedOperator)
{
    const std::vector<std::string> ops = {"<>", ">=", "<=", ">", "<", "="};
    struct Case { const char* text; int index; const char* left; const char* right; };
    const std::vector<Case> cases = {
        {"a<>b", 0, "a", "b"},
        {"a<b<>c", 0, "a<b", "c"},      // earlier table entry wins over earlier position
        {"x>=1", 1, "x", "1"},
        {"x=1>2", 3, "x=1", "2"},
        {"=1", 5, "", "1"},
        {"x<", 4, "x", ""},
        {"a=b=c", 5, "a", "b=c"},
        {"abc", -1, "L", "R"},
        {"", -1, "L", "R"},
    };
    for (const Case& c : cases) {
        std::string left = "L", right = "R";
        EXPECT_EQ(SplitAtOperator(ops, c.text, left, right), c.index) << c.text;
        EXPECT_EQ(left, c.left) << c.text;
        EXPECT_EQ(right, c.right) << c.text;
    }
    std::string left = "L", right = "R";
    EXPECT_EQ(SplitAtOperator({"", "b"}, "abc", left, right), 1);
}

TEST(TextUtilTest, SpanOfChars)
{
    EXPECT_EQ(SpanOfChars("123abc", 1, "0123456789"), 3);
    EXPECT_EQ(SpanOfChars("123abc", 2, "0123456789"), 3);
    EXPECT_EQ(SpanOfChars("123abc", 4, "0123456789"), 0);
    EXPECT_EQ(SpanOfChars("123", 3, "0123456789"), 3);
    EXPECT_EQ(SpanOfChars("123", 4, "0123456789"), 0);
    EXPECT_EQ(SpanOfChars("123", 0, "0123456789"), 0);
    EXPECT_EQ(SpanOfChars("", 1, "0"), 0);
    EXPECT_EQ(SpanOfChars("aaa", 1, ""), 0);
}

TEST(TextUtilTest, JoinPath)
{
    const std::string sep(1, PathSeparator());
    EXPECT_EQ(JoinPath("", "KvSNMP_PP_BootCounter"), "KvSNMP_PP_BootCounter");
    EXPECT_EQ(JoinPath("/opt/ksw", "snmp.err"), "/opt/ksw" + sep + "snmp.err");
    EXPECT_EQ(JoinPath("/opt/ksw/", "snmp.err"), "/opt/ksw/snmp.err");
    EXPECT_EQ(JoinPath("C:\\ksw\\", "snmp.err"), "C:\\ksw\\snmp.err");
    EXPECT_EQ(JoinPath("errMSg", ""), "errMSg" + sep);
}

} // namespace
