// Specifier grammar of the edit constraints, valid and malformed forms.
#include "KvEditConstraint.h"
#include "kvsnmp/KvSNMPErrors.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <limits>

namespace {

struct ValidCase {
    const char* spec;
    char kind;
    double min, max;
    int limit;
    int flags;
    char exitChar = 0;
    char delimiter = 0;
    int width = 0;
};

constexpr double kI32Min = -2147483648.0, kI32Max = 2147483647.0, kU32Max = 4294967295.0;

} // namespace

TEST(ConstraintSpec, ValidForms)
{
    using F = KvConstraintSpec;
    const std::vector<ValidCase> cases = {
        {"%i", 'i', kI32Min, kI32Max, 0, 0},
        {"%i{}", 'i', kI32Min, kI32Max, 0, 0},
        {"%u", 'u', 0, kU32Max, 0, 0},
        {"%f", 'f', -std::numeric_limits<double>::max(), std::numeric_limits<double>::max(), 0, 0},
        {"%s{l32}", 's', 0, 0, 32, 0},
        {"%i{n1x4094}", 'i', 1, 4094, 0, 0},
        {"%i{n-779x839}", 'i', -779, 839, 0, 0},
        {"%i{x839n-779}", 'i', -779, 839, 0, 0},  // any order
        {"%i{n0x240l3a}", 'i', 0, 240, 3, F::AutoAdvance},
        {"%s{l4fna}", 's', 0, 0, 4, F::AutoAdvance | F::Exact | F::Required},
        {"%i{l3nx99}", 'i', kI32Min, 99, 3, F::Required},  // 'n' after the digits is a flag
        {"%i{n1n7}", 'i', 7, kI32Max, 0, 0},  // a repeated option overwrites
        {"%i{n0x255l3e.}", 'i', 0, 255, 3, 0, '.'},
        {"%s{e}}", 's', 0, 0, 0, 0, '}'},
        {"%s{w150l16}", 's', 0, 0, 16, 0, 0, 0, 150},
        {"%f{n-1.5x2.25}", 'f', -1.5, 2.25, 0, 0},
        {"%n,", 'n', 0, kU32Max, 0, 0, 0, ','},
        {"%n,{l4f}", 'n', 0, kU32Max, 4, F::Exact, 0, ','},
        {"%h{l12f}", 'h', 0, 0, 12, F::Exact},
    };
    for (const ValidCase& c : cases) {
        const std::optional<KvConstraintSpec> s = ParseConstraintSpec(c.spec);
        ASSERT_TRUE(s) << c.spec;
        EXPECT_EQ(s->Kind, c.kind) << c.spec;
        EXPECT_EQ(s->Minimum, c.min) << c.spec;
        EXPECT_EQ(s->Maximum, c.max) << c.spec;
        EXPECT_EQ(s->LengthLimit, c.limit) << c.spec;
        EXPECT_EQ(s->Flags, c.flags) << c.spec;
        EXPECT_EQ(s->ExitChar, c.exitChar) << c.spec;
        EXPECT_EQ(s->Delimiter, c.delimiter) << c.spec;
        EXPECT_EQ(s->Width, c.width) << c.spec;
    }
}

TEST(ConstraintSpec, MalformedForms)
{
    for (const char* spec : {"", "%", "x%i", "%z{}", "%i{", "%i}", "%i{q1}", "%i{n}", "%i{x}", "%n",
                             "%i{n-}", "%i{n1-2}", "%i{n1.2.3}", "%s{l}", "%s{lx}", "%s{w}", "%s{e}",
                             
                             "%i{l2n5}" /* 'n' is taken as a flag, then '5' is no option */, "%i{}x", "%i x", "%s{l99999999999}", "%i{n1x4094"}) {
        EXPECT_FALSE(ParseConstraintSpec(spec)) << '"' << spec << '"';
    }
}

TEST(ConstraintSpec, GroupSplitsBeforeEveryPercent)
{
    EXPECT_EQ(SplitGroupSpec("%i{n0x255l3}%i{n0x255l3}%s"),
              (std::vector<std::string>{"%i{n0x255l3}", "%i{n0x255l3}", "%s"}));
    EXPECT_EQ(SplitGroupSpec("%s"), (std::vector<std::string>{"%s"}));
    EXPECT_TRUE(SplitGroupSpec("").empty());
}

TEST(ConstraintSpec, AttachRaisesTheFormatErrorAndAttachesNothing)
{
    KvEditConstraint c(nullptr, true);
    QLineEdit a, b, d;
    try {
        c.Attach("%i{q1}", &a);
        FAIL() << "no error";
    } catch (const KvSNMPException& e) {
        EXPECT_EQ(e.Code(), -2);
        EXPECT_EQ(e.Message(), "Bad format specifier of edit's constraint!");
    }
    EXPECT_FALSE(c.IsAttached(&a));

    // A group stops at its first malformed piece; the pieces before it stay.
    EXPECT_THROW(c.AttachGroup("%i{n0x255l3}%z%i", {&a, &b, &d}), KvSNMPException);
    EXPECT_TRUE(c.IsAttached(&a));
    EXPECT_FALSE(c.IsAttached(&b));
    EXPECT_FALSE(c.IsAttached(&d));
}
