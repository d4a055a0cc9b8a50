// The summer-time dialog against ksw-sim: the validation rules with their
// exact messages (a single checked point against the agent's other one), the
// rows each status shows after a read, the points of a status the user
// switches to and keeps over Refresh, the offset offered as its four values,
// the octet layout of the points on the agent (the weekday in two octets, most
// significant first), and the two-step write: status first, then offset and
// the points of the mode, the second step going out even when the agent
// refuses the first.
#include "DeviceDialogFixture.h"

#include "dialogs/DialogCatalogue.h"
#include "dialogs/device/Summertime.h"

#include "binding/KvControls.h"
#include "views/Ctrlbtnpanel.h"
#include "views/Viewmodal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const std::string kBase = "1.3.6.1.4.1.97531.12.10.12.";

// Repeating: 2nd Sun of Mar 02:00 to last Sun of Oct 03:00; annual: 30 Apr
// 15:00 to 15 Sep 01:00.
const std::string kPoints =
    "#!writable 1.3.6.1.4.1.97531.12.10.12.2.0 2 0..255\n"
    "#!writable 1.3.6.1.4.1.97531.12.10.12.3.0 4 6..6\n"
    "#!writable 1.3.6.1.4.1.97531.12.10.12.4.0 4 6..6\n"
    "#!writable 1.3.6.1.4.1.97531.12.10.12.5.0 4 4..4\n"
    "#!writable 1.3.6.1.4.1.97531.12.10.12.6.0 4 4..4\n"
    "1.3.6.1.4.1.97531.12.10.12.1.0|2|1\n"
    "1.3.6.1.4.1.97531.12.10.12.2.0|2|60\n"
    "1.3.6.1.4.1.97531.12.10.12.3.0|4x|020001030200\n"
    "1.3.6.1.4.1.97531.12.10.12.4.0|4x|0000010A0300\n"
    "1.3.6.1.4.1.97531.12.10.12.5.0|4x|1E040F00\n"
    "1.3.6.1.4.1.97531.12.10.12.6.0|4x|0F090100\n";
const std::string kData = "#!writable 1.3.6.1.4.1.97531.12.10.12.1.0 2 0..2\n" + kPoints;
// The status cannot be written here, so that a refused first step can be seen.
const std::string kRefusingData = kPoints;

const char kRepeatStart[] = "020001030200";
const char kRepeatEnd[] = "0000010A0300";
const char kAnnualStart[] = "1E040F00";
const char kAnnualEnd[] = "0F090100";

// One point row as the user fills it.  Repeating rows use month, week and
// weekday (list indices, -1 none), hour and minute; annual rows day, month,
// hour and minute.
struct Point {
    bool checked = false;
    int month = 0;
    int week = 0;
    int weekday = 0;
    const char* day = "1";
    const char* hour = "2";
    const char* minute = "0";
};

struct ValidationCase {
    const char* name;
    const char* status;   // "" leaves the list without a selection
    bool statusChecked;
    const char* offset;   // nullptr: offset row unchecked
    Point start;
    Point end;
    const char* message;  // "" passes
};

class SummerTime : public DeviceDialogFixture<::testing::Test> {
protected:
    static void SetUpTestSuite() { StartAgent(kData.c_str()); }

    void restoreAgent()
    {
        put(kBase + "1", KvSyntax::Integer, "1");
        put(kBase + "2", KvSyntax::Integer, "60");
        put(kBase + "3", KvSyntax::OctetStr, kRepeatStart);
        put(kBase + "4", KvSyntax::OctetStr, kRepeatEnd);
        put(kBase + "5", KvSyntax::OctetStr, kAnnualStart);
        put(kBase + "6", KvSyntax::OctetStr, kAnnualEnd);
    }
    std::string agent(int n) { return agentValue(kBase + std::to_string(n), n <= 2 ? KvSyntax::Integer : KvSyntax::OctetStr); }

    static void fill(TSummerTimeForm& f, int row, const Point& p)
    {
        f.Rows()->Row(row).Check->setChecked(p.checked);
        if (row <= StRepeatEnd) {
            f.PartCombo(row, 0)->setCurrentIndex(p.month);
            f.PartCombo(row, 1)->setCurrentIndex(p.week);
            f.PartCombo(row, 2)->setCurrentIndex(p.weekday);
            f.PartEdit(row, 3)->setText(p.hour);
            f.PartEdit(row, 4)->setText(p.minute);
        } else {
            f.PartEdit(row, 0)->setText(p.day);
            f.PartCombo(row, 1)->setCurrentIndex(p.month);
            f.PartEdit(row, 2)->setText(p.hour);
            f.PartEdit(row, 3)->setText(p.minute);
        }
    }
    // As the user picks a status from the list.
    static void choose(TSummerTimeForm& f, const QString& status)
    {
        const int item = f.StatusList()->findText(status);
        f.StatusList()->setCurrentIndex(item);
        Q_EMIT f.StatusList()->activated(item);
    }
    static void chooseOffset(TSummerTimeForm& f, const char* offset)
    {
        f.OffsetList()->setCurrentIndex(f.OffsetList()->findText(QString::fromLatin1(offset)));
    }
    static QStringList setLines(TSummerTimeForm& f)
    {
        QStringList lines = KvMemoLines(f.Panel()->MsgPanel()->Memo);
        lines.removeIf([](const QString& l) { return !l.startsWith("Set:"); });
        return lines;
    }
    static bool shown(TSummerTimeForm& f, int row) { return !f.Rows()->Row(row).Control->isHidden(); }
};

class SummerTimeValidation : public SummerTime, public ::testing::WithParamInterface<ValidationCase> {};

TEST_P(SummerTimeValidation, RefusesWithTheRuleMessageAndWritesNothing)
{
    const ValidationCase& c = GetParam();
    restoreAgent();
    TSummerTimeForm form(nullptr, "x");
    choose(form, c.status);
    form.Rows()->Row(StStatus).Check->setChecked(c.statusChecked);
    form.Rows()->Row(StOffset).Check->setChecked(c.offset != nullptr);
    chooseOffset(form, c.offset ? c.offset : "");
    const int first = QString(c.status) == "annual" ? StAnnualStart : StRepeatStart;
    if (QString(c.status) == "repeating" || QString(c.status) == "annual") {
        fill(form, first, c.start);
        fill(form, first + 1, c.end);
    }
    const QStringList before = KvMemoLines(form.Panel()->MsgPanel()->Memo);
    messages.clear();
    EXPECT_EQ(form.Validate(), *c.message == '\0');
    const std::vector<QString> expected = *c.message ? std::vector<QString>{c.message} : std::vector<QString>{};
    EXPECT_EQ(messageTexts(), expected);
    if (*c.message) {
        messages.clear();
        form.Set();
        EXPECT_EQ(KvMemoLines(form.Panel()->MsgPanel()->Memo), before) << "a refused Set sent a request";
    }
}

constexpr const char* kTime = "Time error.";
constexpr const char* kSameMonth = "From month and To month should not be the same.";

const Point kMar2ndSun{true, 2, 1, 0};
const Point kOctLastSun{true, 9, 4, 0, "1", "3", "0"};

const ValidationCase kValidation[] = {
    {"NoStatusChosen", "", true, nullptr, {}, {}, "Please choose Summer Time Status."},
    {"NoStatusUncheckedPasses", "", false, nullptr, {}, {}, ""},
    {"Offset30", "disable", true, "30", {}, {}, ""},
    {"Offset120", "disable", true, "120", {}, {}, ""},
    {"OffsetEmpty", "disable", true, "", {}, {}, ""},
    {"RepeatingValid", "repeating", true, "60", kMar2ndSun, kOctLastSun, ""},
    {"RepeatingSameMonthOtherWeek", "repeating", true, nullptr, {true, 2, 1, 0}, {true, 2, 4, 0}, kSameMonth},
    {"RepeatingSameMonthOneUnchecked", "repeating", true, nullptr, kMar2ndSun, {false, 2, 4, 0}, ""},
    {"RepeatingNoWeekday", "repeating", true, nullptr, {true, 2, 1, -1}, kOctLastSun, kTime},
    {"RepeatingNoWeek", "repeating", true, nullptr, {true, 2, -1, 0}, kOctLastSun, kTime},
    {"RepeatingHour24", "repeating", true, nullptr, kMar2ndSun, {true, 9, 4, 0, "1", "24", "0"}, kTime},
    {"RepeatingMinute60", "repeating", true, nullptr, kMar2ndSun, {true, 9, 4, 0, "1", "3", "60"}, kTime},
    {"RepeatingEmptyHour", "repeating", true, nullptr, {true, 2, 1, 0, "1", "", "0"}, {}, kTime},
    {"Repeating2359", "repeating", true, nullptr, {true, 2, 1, 0, "1", "23", "59"}, {}, ""},
    {"AnnualFeb29", "annual", true, nullptr, {true, 1, 0, 0, "29"}, {}, kTime},
    {"AnnualFeb28", "annual", true, nullptr, {true, 1, 0, 0, "28"}, {}, ""},
    {"AnnualApr31", "annual", true, nullptr, {true, 3, 0, 0, "31"}, {}, kTime},
    {"AnnualDec31", "annual", true, nullptr, {true, 11, 0, 0, "31"}, {}, ""},
    {"AnnualDay0", "annual", true, nullptr, {true, 5, 0, 0, "0"}, {}, kTime},
    {"AnnualDay1", "annual", true, nullptr, {true, 5, 0, 0, "1"}, {}, ""},
    // One checked point meets the other as the agent has it: repeating Mar to
    // Oct, annual Apr to Sep.
    {"RepeatingStartOnAgentsEndMonth", "repeating", true, nullptr, {true, 9, 1, 0}, {false, 2, 4, 0}, kSameMonth},
    {"RepeatingEndOnAgentsStartMonth", "repeating", true, nullptr, {false, 9, 1, 0}, {true, 2, 4, 0}, kSameMonth},
    {"RepeatingStartOnAnotherMonth", "repeating", true, nullptr, {true, 3, 1, 0}, {false, 3, 4, 0}, ""},
    {"AnnualStartOnAgentsEndMonth", "annual", true, nullptr, {true, 8, 0, 0, "1"}, {}, kSameMonth},
    {"AnnualEndOnAgentsStartMonth", "annual", true, nullptr, {}, {true, 3, 0, 0, "1"}, kSameMonth},
    {"AnnualNoMonth", "annual", true, nullptr, {true, -1, 0, 0, "3"}, {}, kTime},
    {"AnnualSameMonth", "annual", true, nullptr, {true, 5, 0, 0, "1"}, {true, 5, 0, 0, "20"}, kSameMonth},
    {"AnnualBadRowBeforeSameMonth", "annual", true, nullptr, {true, 5, 0, 0, "1", "25"}, {true, 5, 0, 0, "20"}, kTime},
};

INSTANTIATE_TEST_SUITE_P(Rules, SummerTimeValidation, ::testing::ValuesIn(kValidation),
                         [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* status;
    const char* shownStatus;
    bool repeatingShown;
    bool annualShown;
};

class SummerTimeRead : public SummerTime, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(SummerTimeRead, ShowsTheRowsOfTheAgentsMode)
{
    restoreAgent();
    put(kBase + "1", KvSyntax::Integer, GetParam().status);
    TSummerTimeForm form(nullptr, "x");
    EXPECT_EQ(form.StatusList()->currentText(), GetParam().shownStatus);
    EXPECT_TRUE(shown(form, StStatus) && shown(form, StOffset));
    EXPECT_EQ(form.OffsetList()->currentText(), "60");
    for (int row : {StRepeatStart, StRepeatEnd})
        EXPECT_EQ(shown(form, row), GetParam().repeatingShown) << row;
    for (int row : {StAnnualStart, StAnnualEnd})
        EXPECT_EQ(shown(form, row), GetParam().annualShown) << row;
    if (GetParam().repeatingShown) {
        // 2nd Sun of Mar 02:00, the weekday taken from two octets.
        EXPECT_EQ(form.PartCombo(StRepeatStart, 0)->currentText(), "Mar");
        EXPECT_EQ(form.PartCombo(StRepeatStart, 1)->currentText(), "2nd");
        EXPECT_EQ(form.PartCombo(StRepeatStart, 2)->currentText(), "Sun");
        EXPECT_EQ(form.PartEdit(StRepeatStart, 3)->text(), "2");
        EXPECT_EQ(form.PartCombo(StRepeatEnd, 1)->currentText(), "last");
        EXPECT_EQ(form.PartCombo(StRepeatEnd, 0)->currentText(), "Oct");
    }
    if (GetParam().annualShown) {
        EXPECT_EQ(form.PartEdit(StAnnualStart, 0)->text(), "30");
        EXPECT_EQ(form.PartCombo(StAnnualStart, 1)->currentText(), "Apr");
        EXPECT_EQ(form.PartEdit(StAnnualStart, 2)->text(), "15");
        EXPECT_EQ(form.PartCombo(StAnnualEnd, 1)->currentText(), "Sep");
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, SummerTimeRead,
                         ::testing::Values(ReadCase{"0", "disable", false, false},
                                           ReadCase{"1", "repeating", true, false},
                                           ReadCase{"2", "annual", false, true}));

TEST_F(SummerTime, RepeatingPointsGoToTheAgentWithTheWeekdayInTwoOctets)
{
    restoreAgent();
    TSummerTimeForm form(nullptr, "x");
    form.Rows()->Row(StStatus).Check->setChecked(true);
    form.Rows()->Row(StOffset).Check->setChecked(true);
    chooseOffset(form, "90");
    fill(form, StRepeatStart, {true, 3, 2, 2, "1", "4", "30"});   // 3rd Tue of Apr 04:30
    fill(form, StRepeatEnd, {true, 10, 4, 6, "1", "23", "5"});    // last Sat of Nov 23:05
    form.Set();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(agent(1), "1");
    EXPECT_EQ(agent(2), "90");
    EXPECT_EQ(agent(3), "03000304041E");
    EXPECT_EQ(agent(4), "0000070B1705");
    EXPECT_EQ(agent(5), kAnnualStart);
    EXPECT_EQ(setLines(form).size(), 2);
}

TEST_F(SummerTime, SwitchingToAnnualHidesTheRepeatingRowsAndWritesOnlyTheAnnualPoints)
{
    restoreAgent();
    TSummerTimeForm form(nullptr, "x");
    form.Rows()->Row(StRepeatStart).Check->setChecked(true);
    form.Rows()->Row(StRepeatEnd).Check->setChecked(true);
    choose(form, "annual");
    for (int row : {StRepeatStart, StRepeatEnd}) {
        EXPECT_FALSE(shown(form, row));
        EXPECT_FALSE(form.Rows()->Row(row).Check->isChecked());
    }
    EXPECT_TRUE(shown(form, StAnnualStart));
    form.Rows()->Row(StStatus).Check->setChecked(true);
    fill(form, StAnnualStart, {true, 2, 0, 0, "29", "1", "0"});
    fill(form, StAnnualEnd, {true, 9, 0, 0, "26", "1", "45"});
    // Changed repeating fields must not reach the agent, hidden as they are.
    form.PartEdit(StRepeatStart, 3)->setText("9");
    form.Set();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(agent(1), "2");
    EXPECT_EQ(agent(5), "1D030100");
    EXPECT_EQ(agent(6), "1A0A012D");
    EXPECT_EQ(agent(3), kRepeatStart);
}

TEST_F(SummerTime, OffsetIsAChoiceOfItsFourValues)
{
    restoreAgent();
    TSummerTimeForm form(nullptr, "x");
    QStringList offered;
    for (int i = 0; i < form.OffsetList()->count(); ++i)
        offered << form.OffsetList()->itemText(i);
    EXPECT_EQ(offered, (QStringList{"30", "60", "90", "120"}));
    EXPECT_FALSE(form.OffsetList()->isEditable());
    EXPECT_EQ(form.OffsetList()->currentText(), "60");
}

// The agent runs repeating and has annual points: switching to annual shows
// them, and Refresh keeps the chosen status until it is written or chosen back.
TEST_F(SummerTime, SwitchingStatusShowsTheAgentsPointsAndRefreshKeepsTheChoice)
{
    restoreAgent();
    TSummerTimeForm form(nullptr, "x");
    choose(form, "annual");
    auto expectAnnualPoints = [&](const char* when) {
        EXPECT_EQ(form.StatusList()->currentText(), "annual") << when;
        EXPECT_TRUE(shown(form, StAnnualStart)) << when;
        EXPECT_EQ(form.PartEdit(StAnnualStart, 0)->text(), "30") << when;
        EXPECT_EQ(form.PartCombo(StAnnualStart, 1)->currentText(), "Apr") << when;
        EXPECT_EQ(form.PartEdit(StAnnualStart, 2)->text(), "15") << when;
        EXPECT_EQ(form.PartEdit(StAnnualEnd, 0)->text(), "15") << when;
        EXPECT_EQ(form.PartCombo(StAnnualEnd, 1)->currentText(), "Sep") << when;
    };
    expectAnnualPoints("switched");
    // Typed points survive switching away and back; Refresh reads them again.
    form.PartEdit(StAnnualStart, 0)->setText("7");
    choose(form, "repeating");
    choose(form, "annual");
    EXPECT_EQ(form.PartEdit(StAnnualStart, 0)->text(), "7");
    form.Panel()->BT_RefreshClick();
    expectAnnualPoints("refreshed");
    EXPECT_EQ(agent(1), "1");

    choose(form, "repeating");
    put(kBase + "1", KvSyntax::Integer, "0");
    form.Panel()->BT_RefreshClick();
    EXPECT_EQ(form.StatusList()->currentText(), "disable");

    // Once written, the chosen status is the agent's.
    choose(form, "annual");
    form.Rows()->Row(StStatus).Check->setChecked(true);
    form.Set();
    EXPECT_EQ(agent(1), "2");
    put(kBase + "1", KvSyntax::Integer, "1");
    form.Panel()->BT_RefreshClick();
    EXPECT_EQ(form.StatusList()->currentText(), "repeating");
}

class SummerTimeRefusingAgent : public SummerTime {
protected:
    static void SetUpTestSuite() { StartAgent(kRefusingData.c_str()); }
};

TEST_F(SummerTimeRefusingAgent, RefusedStatusWriteStillWritesOffsetAndPointsAfterIt)
{
    TSummerTimeForm form(nullptr, "x");
    choose(form, "annual");
    form.Rows()->Row(StStatus).Check->setChecked(true);
    form.Rows()->Row(StOffset).Check->setChecked(true);
    chooseOffset(form, "120");
    fill(form, StAnnualStart, {true, 2, 0, 0, "29", "1", "0"});
    form.Set();
    EXPECT_EQ(agent(1), "1");
    EXPECT_EQ(agent(2), "120");
    EXPECT_EQ(agent(5), "1D030100");
    const QStringList lines = setLines(form);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains("not writable", Qt::CaseInsensitive)) << lines[0].toStdString();
    EXPECT_FALSE(lines[1].contains("not writable", Qt::CaseInsensitive)) << lines[1].toStdString();
}

TEST_F(SummerTime, CatalogueOpensItWithItsCaption)
{
    restoreAgent();
    EXPECT_EQ(CatalogueCaption("TSummerTimeForm"), "Daylight Saving Time/Summer Time : 127.0.0.1");
    // A caption the catalogue makes is taken whole (it carries the address already).
    DialogRequest request;
    request.Caption = "Summer Time : 10.0.0.9";
    EXPECT_EQ(CatalogueCaption("TSummerTimeForm", request), "Summer Time : 10.0.0.9");
}

} // namespace
