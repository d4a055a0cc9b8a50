// Status lines: template filling for named and unnamed lists and the time form.
#include "KvStatusLine.h"

#include <gtest/gtest.h>

namespace {

const std::string kGet = "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].";

TEST(StatusLine, TwelveHourClockWithDesignator)
{
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(KvStatusTime(QTime(15, 4, 5), en), "03:04:05 PM");
    EXPECT_EQ(KvStatusTime(QTime(0, 0, 9), en), "12:00:09 AM");
    EXPECT_EQ(KvStatusTime(QTime(12, 30, 0), en), "12:30:00 PM");
    EXPECT_EQ(KvStatusTime(QTime(11, 59, 59), en), "11:59:59 AM");
}

TEST(StatusLine, UnnamedListDropsTheRequestPart)
{
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(KvStatusLine(kGet, "", "(KvSNMP++) Ok!", QTime(15, 4, 5), en),
              "Get: (KvSNMP++) Ok!. Receive at 03:04:05 PM.");
    EXPECT_EQ(KvStatusLine(kGet, "ifXTable", "(KvSNMP++) Ok!", QTime(9, 0, 0), en),
              "Get: (KvSNMP++) Ok! Request:ifXTable. Receive at 09:00:00 AM.");
    // [VARLIST] before [ERROR]: nothing is cut, the name (empty) replaces it.
    EXPECT_EQ(KvStatusLine("[VARLIST]<[ERROR]", "", "m", QTime(1, 0, 0), en), "<m");
    // A message with a bracketed word is shown as it is.
    EXPECT_EQ(KvStatusLine(kGet, "", "bad [TIME]", QTime(1, 2, 3), en),
              "Get: bad [TIME]. Receive at 01:02:03 AM.");
}

}  // namespace
