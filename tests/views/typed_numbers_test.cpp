// Numbers typed into a scalar group, watched on the wire: a text that is
// exactly a number of its row's syntax goes out as that number; anything else
// (text after the digits, a number beyond the syntax's range) is refused with a
// message naming the field and nothing goes out.  An edit with a constraint
// drops a refused keystroke, says which, and writes what it then shows.
#include "Editspanel.h"
#include "Snmpeditorpanel.h"

#include "KvSNMPRequest2Edits.h"
#include "KvUserNotice.h"

#include "KswSimOnData.h"
#include "SetRecorder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace KvSyntax;
using namespace KvAccess;

const char* const kBase = "1.3.6.1.4.1.97531.98.1.";

const char kData[] =
    "#!writable 1.3.6.1.4.1.97531.98.1.1.0 2\n"
    "#!writable 1.3.6.1.4.1.97531.98.1.2.0 66\n"
    "#!writable 1.3.6.1.4.1.97531.98.1.3.0 67\n"
    "#!writable 1.3.6.1.4.1.97531.98.1.4.0 70\n"
    "#!writable 1.3.6.1.4.1.97531.98.1.5.0 2 -779..839\n"
    "#!writable 1.3.6.1.4.1.97531.98.1.6.0 2 1..20\n"
    "1.3.6.1.4.1.97531.98.1.1.0|2|100\n"
    "1.3.6.1.4.1.97531.98.1.2.0|66|100\n"
    "1.3.6.1.4.1.97531.98.1.3.0|67|100\n"
    "1.3.6.1.4.1.97531.98.1.4.0|70|100\n"
    "1.3.6.1.4.1.97531.98.1.5.0|2|0\n"
    "1.3.6.1.4.1.97531.98.1.6.0|2|20\n";

// One row per number syntax; the last two carry the constraints of System
// Time Zone and of a hop count.
enum Row { RxRate = 0, Limit = 1, Delay = 2, Octets = 3, TimeZone = 4, MaxHops = 5 };
struct RowDef {
    const char* caption;
    std::uint32_t syntax;
    const char* constraint;   // null: none
};
const RowDef kRows[] = {{"Rx Rate", Integer, nullptr},     {"Limit", Gauge, nullptr},
                        {"Delay", TimeTicks, nullptr},     {"Octets", Counter64, nullptr},
                        {"Time Zone", Integer, "%i{n-779x839}"}, {"Max Hops", Integer, "%i{n1x20}"}};

std::string OidOf(Row r)
{
    return kBase + std::to_string(int(r) + 1) + ".0";
}

class TypedNumbers : public KswSimOnData<> {
protected:
    static void SetUpTestSuite() { StartAgent(kData); }
    QWidget form;
};

// Regression: "1,000", "12abc", "100O" and "1e3" were written as their leading
// digits with "Set: Ok!", a number beyond its syntax's range as the range's
// end, and a constrained edit turned "+5:30" into 530 with nothing but a beep.
TEST_F(TypedNumbers, WrittenExactlyAsTypedOrRefusedNamingTheField)
{
    SetRecorder rec(sim_->port());
    ASSERT_TRUE(rec.running());
    DefaultDevice.Port = rec.port();

    KvSNMPRequest2Edits binding(&form);
    binding.SetMode(KvSNMPRequest2Controls::Synchronous);
    for (int r = 0; r < int(std::size(kRows)); ++r)
        binding.Variables().AppendItem(kBase + std::to_string(r + 1), kRows[r].caption, kRows[r].syntax, ReadWrite);
    TSNMPEditorPanel panel(&form, &binding);
    for (int r = 0; r < int(std::size(kRows)); ++r)
        if (kRows[r].constraint)
            panel.SetVarFormat(r, QString::fromLatin1(kRows[r].constraint));
    TEditsPanel* edits = panel.EditsPanel();
    std::vector<QString> hints;
    KvScopedHintPresenter recordHints([&](QWidget*, const QString& text) { hints.push_back(text); });

    struct Case {
        Row row;
        const char* typed;    // as keystrokes, over the row's text
        const char* written;  // null: refused, nothing sent
        const char* said;     // the message of a refusal, null when written
        const char* hint = nullptr;   // the characters the edit's hints name as refused
    };
    const Case cases[] = {
        // Whole numbers: the texts, blanks, signs and INTEGER's ends.
        {RxRate, "1,000", nullptr, "Bad value of Rx Rate field: \"1,000\"! Nothing was written."},
        {RxRate, "12abc", nullptr, "Bad value of Rx Rate field: \"12abc\"! Nothing was written."},
        {RxRate, "100O", nullptr, "Bad value of Rx Rate field: \"100O\"! Nothing was written."},
        {RxRate, "1e3", nullptr, "Bad value of Rx Rate field: \"1e3\"! Nothing was written."},
        {RxRate, "2147483648", nullptr, "Bad value of Rx Rate field: \"2147483648\"! Nothing was written."},
        {RxRate, "-2147483649", nullptr, "Bad value of Rx Rate field: \"-2147483649\"! Nothing was written."},
        {RxRate, " 1000 ", "1000", nullptr},
        {RxRate, "+5", "5", nullptr},
        {RxRate, "2147483647", "2147483647", nullptr},
        {RxRate, "-2147483648", "-2147483648", nullptr},
        // Unsigned 32 bits.
        {Limit, "-1", nullptr, "Bad value of Limit field: \"-1\"! Nothing was written."},
        {Limit, "4294967296", nullptr, "Bad value of Limit field: \"4294967296\"! Nothing was written."},
        {Limit, "1.5", nullptr, "Bad value of Limit field: \"1.5\"! Nothing was written."},
        {Limit, "4294967295", "4294967295", nullptr},
        // Time ticks: hundredths, or a time of day; nothing else.
        {Delay, "12345", "12345", nullptr},
        {Delay, "1:30", "540000", nullptr},
        {Delay, "5 days", nullptr, "Bad value of Delay field: \"5 days\"! Nothing was written."},
        {Delay, "4294967296", nullptr, "Bad value of Delay field: \"4294967296\"! Nothing was written."},
        // Unsigned 64 bits.
        {Octets, "18446744073709551615", "18446744073709551615", nullptr},
        {Octets, "18446744073709551616", nullptr,
         "Bad value of Octets field: \"18446744073709551616\"! Nothing was written."},
        {Octets, "1e3", nullptr, "Bad value of Octets field: \"1e3\"! Nothing was written."},
        // Constrained edits keep only what they take, say what they dropped,
        // and write what they show; their range is checked before writing.
        {TimeZone, "+5:30", "530", nullptr, "'+', ':'"},
        {TimeZone, "-330", "-330", nullptr},
        {MaxHops, "1,5", "15", nullptr, "','"},
        {MaxHops, "21", nullptr, "Please enter a number between 1 and 20!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(kRows[c.row].caption) + " typed \"" + c.typed + "\"");
        panel.CtrlBtnPanel()->BT_Refresh->click();
        edits->ClearChecksClick();
        rec.Clear();
        messages.clear();
        hints.clear();

        QLineEdit* edit = edits->RowEdit(c.row);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(c.typed));
        // Typing ticks the row; the write of an unticked one is not what is judged here.
        QCheckBox* tick = edits->Row(c.row).Check;
        EXPECT_TRUE(tick->isChecked());
        if (!tick->isChecked())
            tick->click();
        QString refused;
        for (const QString& h : hints)
            refused += (refused.isEmpty() ? "" : ", ") + h.section(QStringLiteral(" refused"), 0, 0);
        EXPECT_EQ(refused, QString::fromLatin1(c.hint ? c.hint : ""));
        panel.CtrlBtnPanel()->BT_SetChecked->click();

        if (c.written) {
            EXPECT_EQ(messages.size(), 0u);
            ASSERT_EQ(rec.Sets().size(), 1u);
            EXPECT_EQ(rec.Sets()[0].Oids(), std::vector<std::string>{OidOf(c.row)});
            EXPECT_EQ(rec.Sets()[0].ValueOf(OidOf(c.row)), c.written);
        } else {
            EXPECT_TRUE(rec.Sets().empty());
            EXPECT_EQ(messageTexts(), std::vector<QString>{QString::fromLatin1(c.said)});
        }
    }
}

} // namespace
