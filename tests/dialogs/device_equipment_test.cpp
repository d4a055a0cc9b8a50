// The equipment information window against ksw-sim: the capacity bits shown
// as "Redundant Power" or as their hex text, the unit figures, a failed read
// reported in the memo, and Refresh reading again.
#include "DeviceDialogFixture.h"

#include "dialogs/DialogCatalogue.h"
#include "dialogs/device/Equipmentbasicinfoformunit.h"

#include "binding/KvControls.h"
#include "views/Viewmodal.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const char kData[] =
    "#!writable 1.3.6.1.4.1.97531.12.11.1.1.0 4 0..8\n"
    "#!writable 1.3.6.1.4.1.97531.12.11.1.9.3.0 2 0..8\n"
    "1.3.6.1.4.1.97531.12.11.1.1.0|4x|40\n"
    "1.3.6.1.4.1.97531.12.11.1.9.1.0|2|2\n"
    "1.3.6.1.4.1.97531.12.11.1.9.2.0|2|6\n"
    "1.3.6.1.4.1.97531.12.11.1.9.3.0|2|1\n";

const std::string kCapacity = "1.3.6.1.4.1.97531.12.11.1.1";
const std::string kUnits = "1.3.6.1.4.1.97531.12.11.1.9.3";

struct CapacityCase {
    const char* hex;
    const char* shown;
};

class EquipmentInfo : public DeviceDialogFixture<::testing::TestWithParam<CapacityCase>> {
protected:
    static void SetUpTestSuite() { StartAgent(kData); }

    static void waitIdle(TEquipmentBasicInfoForm& form)
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Binding().Busy(); }, 5000));
    }
};

TEST_P(EquipmentInfo, CapacityShownAsLabelOrHex)
{
    put(kCapacity, KvSyntax::OctetStr, GetParam().hex);
    TEquipmentBasicInfoForm form(nullptr, "Equipment Basic Information :127.0.0.1");
    waitIdle(form);
    EXPECT_EQ(form.Edit1->text(), GetParam().shown);
    EXPECT_EQ(form.Edit2->text(), "6");
    EXPECT_EQ(form.Edit4->text(), "2");
}

INSTANTIATE_TEST_SUITE_P(Bits, EquipmentInfo,
                         ::testing::Values(CapacityCase{"40", "Redundant Power"}, CapacityCase{"C0", "C0"},
                                           CapacityCase{"00", "00"}, CapacityCase{"4000", "4000"}));

class EquipmentWindow : public EquipmentInfo {};

TEST_F(EquipmentWindow, RefreshReadsAgainAndReportsInTheMemo)
{
    put(kUnits, KvSyntax::Integer, "1");
    TEquipmentBasicInfoForm form(nullptr, "x");
    waitIdle(form);
    EXPECT_EQ(form.Edit3->text(), "1");
    put(kUnits, KvSyntax::Integer, "3");
    form.BitBtn1->click();
    waitIdle(form);
    EXPECT_EQ(form.Edit3->text(), "3");
    const QStringList lines = KvMemoLines(form.Memo1);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith("Get: ")) << lines[1].toStdString();
}

TEST_F(EquipmentWindow, UnansweredReadGoesToTheMemoAndKeepsTheFields)
{
    DefaultDevice.Port = static_cast<quint16>(sim_->port() + 1 == 0 ? 1 : sim_->port() + 1);
    DefaultTimeout = 10;
    TEquipmentBasicInfoForm form(nullptr, "x");
    waitIdle(form);
    EXPECT_EQ(form.Edit1->text(), "Redundant Power and Stacking");
    const QStringList lines = KvMemoLines(form.Memo1);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].contains("timed out")) << lines[0].toStdString();
    EXPECT_TRUE(messages.empty());
}

TEST_F(EquipmentWindow, CatalogueOpensItModallyWithTheAgentInTheCaption)
{
    EXPECT_EQ(CatalogueCaption("TEquipmentBasicInfoForm"), "Equipment Basic Information :127.0.0.1");
}

} // namespace
