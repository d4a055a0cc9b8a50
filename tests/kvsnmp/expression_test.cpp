#include "KvConvert.h"
#include "KvExpression.h"
#include "KvSNMPErrors.h"
#include "kvsnmp/KvSyntaxCodec.h"
#include "KvTestUtil.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

std::string repeat(const std::string& s, int n)
{
    std::string out;
    out.reserve(s.size() * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

struct NumberCase {
    const char* text;
    double value;
};

class Numbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(Numbers, Evaluate)
{
    EXPECT_DOUBLE_EQ(EvaluateNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, Numbers, ::testing::Values(
    NumberCase{"2+3*4", 14}, NumberCase{"10-2-3", 11}, NumberCase{"(10-2)-3", 5}, NumberCase{"6/3", 2},
    NumberCase{"", 0}, NumberCase{"-5", -5}, NumberCase{" 7.25 ", 7.25}, NumberCase{"abc", 0},
    NumberCase{"((((1))))", 1}, NumberCase{"(1+2)*(3+1)", 12}, NumberCase{"2*(0-5)", -5},
    NumberCase{"(1/4)*8", 2}, NumberCase{"(1+(2)", 2}, NumberCase{"(1+2", 2}, NumberCase{"1+2)", 3},
    NumberCase{")(", 0}, NumberCase{"(1e300*1e300)", 1}, NumberCase{"3*1e2", 3}));

TEST(Expression, NowIsTodaysDayCount)
{
    const double now = KvNowDayCount();
    EXPECT_NEAR(EvaluateNumber(" now "), now, 0.01);
    EXPECT_NEAR(EvaluateNumber("NOW-1"), now - 1, 0.01);
}

// Texts built to nest deeply, to leave parentheses open or simply to be long
// all end, with a value or with the bad-syntax-in-expression error.
TEST(Expression, EveryTextEnds)
{
    const auto started = std::chrono::steady_clock::now();
    EXPECT_DOUBLE_EQ(EvaluateNumber(repeat("(", 200000) + "4" + repeat(")", 200000)), 4);
    EXPECT_DOUBLE_EQ(EvaluateNumber(repeat("(", 200000) + "4"), 0);
    EXPECT_DOUBLE_EQ(EvaluateNumber(repeat("1+", 200000) + "1"), 200001);
    EXPECT_DOUBLE_EQ(EvaluateNumber(repeat("1-", 200001) + "1"), 0);
    EXPECT_DOUBLE_EQ(EvaluateNumber(repeat("(1)+", 100000) + "1"), 100001);
    EXPECT_TRUE(EvaluateLogic(repeat("(", 100000) + "true" + repeat(")", 100000)));
    EXPECT_TRUE(EvaluateLogic(repeat("!", 100001) + "false"));
    EXPECT_TRUE(EvaluateLogic(repeat("false|", 100000) + "true"));
    EXPECT_TRUE(EvaluateLogic(repeat("true&", 100000) + "true"));
    // Alternating open and closed groups make the splitting quadratic.
    const int code = codeOf([] { EvaluateNumber(repeat("(+(1)+", 60000)); });
    EXPECT_TRUE(code == 0 || code == -513) << code;
    EXPECT_EQ(codeOf([] { EvaluateLogic(repeat("(|", 50000) + repeat(")", 50000)); }), -1);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
}

struct LogicCase {
    const char* text;
    bool value;
};

class Logic : public ::testing::TestWithParam<LogicCase> {};

TEST_P(Logic, Evaluate)
{
    EXPECT_EQ(EvaluateLogic(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, Logic, ::testing::Values(
    LogicCase{"true", true}, LogicCase{" FALSE ", false}, LogicCase{"!true", false},
    LogicCase{" !true", false}, LogicCase{"!!true", true}, LogicCase{"(true&false)|true", true},
    LogicCase{"true&(false|true)", true}, LogicCase{"!(1=1)", false},
    LogicCase{"\"a|b\" = \"a|b\"", true},
    LogicCase{"\"a|b\" = \"a|b\" & \"c&d\" = \"c&d\"", true},
    LogicCase{"\"(x\" = \"(x\"", true},
    // The right side is not looked at when the left side decides.
    LogicCase{"true | nonsense", true}, LogicCase{"false & nonsense", false},
    LogicCase{"1 = 1 & 2 <> 3", true}, LogicCase{"10 > 9", false}));

struct ComparisonCase {
    const char* text;
    bool value;
};

class Comparison : public ::testing::TestWithParam<ComparisonCase> {};

TEST_P(Comparison, ComparesTexts)
{
    EXPECT_EQ(EvaluateComparison(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, Comparison, ::testing::Values(
    ComparisonCase{"10 > 9", false}, ComparisonCase{"10 < 9", true}, ComparisonCase{"a<>b", true},
    ComparisonCase{" a = a ", true}, ComparisonCase{"\"a b\" = a b", true}, ComparisonCase{"ab >= ab", true},
    ComparisonCase{"ab <= a", false}, ComparisonCase{"\"x=y\" = \"x=y\"", true},
    ComparisonCase{"\"a<b\" = \"a<b\"", true}, ComparisonCase{"\xE9 > z", true},
    ComparisonCase{"= ", true}, ComparisonCase{"tRuE", true}));

TEST(Expression, OperandThatIsNoTruthValue)
{
    for (const char* text : {"", "yes", "1", "(true", "\"true\""}) {
        EXPECT_EQ(codeOf([&] { EvaluateLogic(text); }), -1) << text;
        EXPECT_EQ(codeOf([&] { EvaluateComparison(text); }), -1) << text;
    }
}

class Substitution : public ::testing::Test {
protected:
    Substitution()
    {
        list.AppendItem("1", "int", KvSyntax::Integer, KvAccess::ReadWrite, &upDown);
        list.AppendItem("2", "flag", KvSyntax::Boolean, KvAccess::ReadWrite);
        list.AppendItem("3", "name", KvSyntax::DisplayStr, KvAccess::ReadWrite);
        list.AppendItem("4", "ticks", KvSyntax::TimeTicks, KvAccess::ReadWrite);
        list.AppendItem("5", "when", KvSyntax::BcDateTime, KvAccess::ReadWrite);
        list.ItemAt(0).Value = "up";
        list.ItemAt(1).Value = "true";
        list.ItemAt(2).Value = "$0 & $1";
        list.ItemAt(3).Value = "0:00:01.50";
        list.ItemAt(4).Value = "2006/05/08 06:00:00 pm";
    }
    const KvOptionDef table[3] = {{1, "up"}, {2, "down"}, {0, nullptr}};
    KvOptionList upDown{table, KvOptionList::IntegerValues};
    KvSNMPVarList list;
};

TEST_F(Substitution, ReplacesMarkersByValues)
{
    EXPECT_EQ(KvSubstituteVariables(list, "$0 = 1", true, "$"), "1 = 1");
    EXPECT_TRUE(EvaluateLogic(KvSubstituteVariables(list, "$0 = 1", true, "$")));
    EXPECT_EQ(KvSubstituteVariables(list, "$1+$3+$", false, "$"), "1+150+1");
    EXPECT_EQ(KvSubstituteVariables(list, "#4", false, "#"), "38845.75");
    // A value holding markers is inserted as it stands and not scanned again.
    EXPECT_EQ(KvSubstituteVariables(list, "$2 = x", true, "$"), "\"$0 & $1\" = x");
    EXPECT_EQ(KvSubstituteVariables(list, "no markers", true, ""), "no markers");
}

TEST_F(Substitution, Errors)
{
    EXPECT_EQ(codeOf([&] { KvSubstituteVariables(list, "$2", false, "$"); }), -513);
    EXPECT_EQ(codeOf([&] { KvSubstituteVariables(list, "$5", true, "$"); }), -513);
    EXPECT_EQ(codeOf([&] { KvSubstituteVariables(list, "$99999999999999999999", true, "$"); }), -513);
    list.ItemAt(1).Value = "(NULL)";
    EXPECT_EQ(codeOf([&] { KvSubstituteVariables(list, "$1", true, "$"); }), -512);
}

TEST_F(Substitution, DerivedValuesTakeTheFormOfTheirSyntax)
{
    struct Case {
        std::uint32_t syntax;
        double x;
        const char* value;
    } cases[] = {{KvSyntax::Integer, 7.9, "7"}, {KvSyntax::Integer, -7.9, "-7"}, {KvSyntax::Integer, 1e20, "2147483647"},
                 {KvSyntax::Boolean, 0.0, "false"}, {KvSyntax::Gauge, -3, "0"}, {KvSyntax::TimeTicks, 150, "0:00:01.50"},
                 {KvSyntax::Counter64, 1e30, "18446744073709549568"}, {KvSyntax::Double, 0.5, "0.5"},
                 {KvSyntax::BcDateTime, 38845.75, "2006/05/08 06:00:00 pm"}};
    for (const Case& c : cases) {
        KvSNMPVarItem item;
        item.Syntax = c.syntax;
        KvStoreDerivedValue(item, c.x);
        EXPECT_EQ(item.Value, c.value) << c.syntax;
    }
    KvSNMPVarItem labelled;
    labelled.Syntax = KvSyntax::Integer;
    labelled.Options = &upDown;
    KvStoreDerivedValue(labelled, 2.2);
    EXPECT_EQ(labelled.Value, "down");

    KvSNMPVarItem text;
    text.Syntax = KvSyntax::DisplayStr;
    EXPECT_EQ(codeOf([&] { KvStoreDerivedValue(text, 1); }), -513);
}

// Every syntax that takes a derived value gives it back to an expression as the
// same number (a row with one of the two forms and not the other, or forms that
// disagree, would turn a derived item into another value when used again).
TEST(Expression, DerivedValuesReadBackAsTheirNumber)
{
    for (const KvSyntaxCodec& codec : KvSyntaxCodecs()) {
        if (!codec.FromNumber)
            continue;
        KvSNMPVarList list;
        list.AppendItem("1", "derived", codec.Syntax, KvAccess::ReadWrite);
        KvStoreDerivedValue(list.ItemAt(0), 1.0);
        EXPECT_EQ(EvaluateNumber(KvSubstituteVariables(list, "$0", false, "$")), 1.0) << codec.Keyword;
    }
}

} // namespace
