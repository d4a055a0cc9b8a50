// The spanning-tree dialog against ksw-sim behind a relay that records every
// SET: the timer and recover-time rules with their exact status texts (nothing
// sent on a refusal), the varbinds of a write in STP/RSTP and in MSTP (no
// Hello Time), the Hello Time edit following the version list, the version
// label handed back, and the progress window of a version change while the
// spanning tree runs.
#include "DeviceDialogFixture.h"
#include "SetRecorder.h"

#include "dialogs/DialogCatalogue.h"
#include "dialogs/device/Stpinfo.h"

#include "views/Progress2.h"
#include "views/Viewmodal.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <memory>

namespace {

const std::string kStp = "1.3.6.1.4.1.97531.12.15.1.";

const char kData[] =
    "#!writable 1.3.6.1.4.1.97531.12.15.1.1.0 2 2..3\n"
    "#!writable 1.3.6.1.4.1.97531.12.15.1.2.0 2 0..2\n"
    "#!writable 1.3.6.1.4.1.97531.12.15.1.3.0 2 600..4000\n"
    "#!writable 1.3.6.1.4.1.97531.12.15.1.4.0 2 100..1000\n"
    "#!writable 1.3.6.1.4.1.97531.12.15.1.5.0 2 400..3000\n"
    "#!writable 1.3.6.1.4.1.97531.12.15.1.6.0 2 1..20\n"
    "#!writable 1.3.6.1.4.1.97531.12.15.1.7.0 2 1..10\n"
    "#!writable 1.3.6.1.4.1.97531.12.15.1.8.0 2 2..3\n"
    "#!writable 1.3.6.1.4.1.97531.12.15.1.9.0 2 2..3\n"
    "#!writable 1.3.6.1.4.1.97531.12.15.1.10.0 2 0..1000000\n"
    "1.3.6.1.4.1.97531.12.15.1.1.0|2|2\n"
    "1.3.6.1.4.1.97531.12.15.1.2.0|2|1\n"
    "1.3.6.1.4.1.97531.12.15.1.3.0|2|2000\n"
    "1.3.6.1.4.1.97531.12.15.1.4.0|2|200\n"
    "1.3.6.1.4.1.97531.12.15.1.5.0|2|1500\n"
    "1.3.6.1.4.1.97531.12.15.1.6.0|2|20\n"
    "1.3.6.1.4.1.97531.12.15.1.7.0|2|3\n"
    "1.3.6.1.4.1.97531.12.15.1.8.0|2|2\n"
    "1.3.6.1.4.1.97531.12.15.1.9.0|2|2\n"
    "1.3.6.1.4.1.97531.12.15.1.10.0|2|60\n";

std::string oid(int n) { return kStp + std::to_string(n) + ".0"; }

class Stp : public DeviceDialogFixture<::testing::Test> {
protected:
    static void SetUpTestSuite() { StartAgent(kData); }
    void SetUp() override
    {
        DeviceDialogFixture::SetUp();
        put(kStp + "1", KvSyntax::Integer, "2");   // spanning tree disabled
        put(kStp + "2", KvSyntax::Integer, "1");   // rstp
        put(kStp + "4", KvSyntax::Integer, "200");
        rec = std::make_unique<SetRecorder>(sim_->port());
        ASSERT_TRUE(rec->running());
        DefaultDevice.Port = rec->port();
    }
    std::unique_ptr<TSTP_Info> open(const QString& version)
    {
        auto f = std::make_unique<TSTP_Info>(nullptr, "x", version, [this](const QString& v) { handedBack << v; });
        rec->Clear();
        return f;
    }
    // As the user picks a version from the list.
    static void pick(TSTP_Info& f, const QString& version)
    {
        const int i = f.Combo_STPVersion->findText(version);
        f.Combo_STPVersion->setCurrentIndex(i);
        Q_EMIT f.Combo_STPVersion->activated(i);
    }

    std::unique_ptr<SetRecorder> rec;
    QStringList handedBack;
};

struct SetCase {
    const char* name;
    const char* version;
    const char* maxAge;
    const char* hello;
    const char* forwardDelay;
    const char* maxHops;
    const char* lbdRecover;
    const char* status;    // "" when the write goes out
    const char* box;       // message box text, "" none
};

class StpSetRules : public Stp, public ::testing::WithParamInterface<SetCase> {};

TEST_P(StpSetRules, RefusesWithTheStatusTextOrWrites)
{
    const SetCase& c = GetParam();
    auto f = open("rstp");
    pick(*f, c.version);
    f->ET_AgingTime->setText(c.maxAge);
    if (QString(c.version) != "mstp")
        f->ET_HelloTime->setText(c.hello);
    f->ET_ForwardDelay->setText(c.forwardDelay);
    f->ET_Priority->setText(c.maxHops);
    f->ET_LBDRecover->setText(c.lbdRecover);
    f->BT_SetClick();
    const std::vector<QString> boxes = *c.box ? std::vector<QString>{c.box} : std::vector<QString>{};
    EXPECT_EQ(messageTexts(), boxes);
    if (*c.status) {
        EXPECT_EQ(f->StatusText(), c.status);
        EXPECT_TRUE(rec->Sets().empty());
        EXPECT_TRUE(handedBack.isEmpty());
        return;
    }
    const std::vector<SetRecorder::SetRequest> sets = rec->Sets();
    ASSERT_EQ(sets.size(), 1u) << f->StatusText().toStdString();
    const SetRecorder::SetRequest& set = sets[0];
    EXPECT_EQ(set.ValueOf(oid(3)), c.maxAge);
    EXPECT_EQ(set.ValueOf(oid(5)), c.forwardDelay);
    EXPECT_EQ(set.ValueOf(oid(10)), c.lbdRecover);
    EXPECT_EQ(set.Has(oid(4)), QString(c.version) != "mstp");
    EXPECT_EQ(set.Bindings.size(), QString(c.version) == "mstp" ? 8u : 9u);
    EXPECT_EQ(handedBack, QStringList{c.version});
    EXPECT_TRUE(f->StatusText().startsWith("Set: ")) << f->StatusText().toStdString();
}

constexpr const char* kDataError = "Data Error !";
constexpr const char* kEmpty = "Don't Leave Empty Fileds !";
constexpr const char* kLbdStatus = "LBD recover time value is wrong!";
constexpr const char* kLbdBox = "LBD recover time should be equal to 0 or between 60-1000000";

const SetCase kSetCases[] = {
    {"Delay1500Age2000", "rstp", "2000", "200", "1500", "20", "60", "", ""},
    {"Delay1000Age2000", "rstp", "2000", "200", "1000", "20", "60", kDataError, ""},
    {"StpHello1000Age2000", "stp", "2000", "1000", "1500", "20", "60", kDataError, ""},
    {"StpHello200Age2000", "stp", "2000", "200", "1500", "20", "60", "", ""},
    {"StpHello400Age1000Boundary", "stp", "1000", "400", "1500", "20", "60", "", ""},
    {"Lbd0", "rstp", "2000", "200", "1500", "20", "0", "", ""},
    {"Lbd59", "rstp", "2000", "200", "1500", "20", "59", kLbdStatus, kLbdBox},
    {"Lbd1000000", "rstp", "2000", "200", "1500", "20", "1000000", "", ""},
    {"EmptyMaxHops", "rstp", "2000", "200", "1500", "", "60", kEmpty, ""},
    {"EmptyRecover", "rstp", "2000", "200", "1500", "20", "", kEmpty, ""},
    {"EmptyHelloRstp", "rstp", "2000", "", "1500", "20", "60", kEmpty, ""},
    {"MstpWithoutHello", "mstp", "2000", "", "1500", "20", "60", "", ""},
    {"MstpDelayRuleStillHolds", "mstp", "2000", "", "1000", "20", "60", kDataError, ""},
};

INSTANTIATE_TEST_SUITE_P(Rules, StpSetRules, ::testing::ValuesIn(kSetCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Stp, OpensWithTheAgentsValuesAndTheHelloTimeOfTheMode)
{
    auto f = open("rstp");
    EXPECT_EQ(f->Combo_STPVersion->currentText(), "rstp");
    EXPECT_EQ(f->ET_AgingTime->text(), "2000");
    EXPECT_EQ(f->ET_HelloTime->text(), "200");
    EXPECT_EQ(f->Combo_LBD->currentText(), "disabled");
    EXPECT_TRUE(f->ET_HelloTime->isEnabled());
    EXPECT_EQ(f->ET_HelloTime->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

// The agent has a Hello Time beside MSTP: neither opening nor Refresh shows it.
TEST_F(Stp, MstpHelloTimeIsEmptyAndClosedFromTheStart)
{
    put(kStp + "2", KvSyntax::Integer, "2");
    auto m = open("mstp");
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(m->Combo_STPVersion->currentText(), "mstp");
        EXPECT_TRUE(m->ET_HelloTime->text().isEmpty()) << pass;
        EXPECT_FALSE(m->ET_HelloTime->isEnabled()) << pass;
        EXPECT_EQ(m->ET_HelloTime->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Button))
            << pass;
        m->BT_GetClick();
    }
}

TEST_F(Stp, VersionListSetsTheHelloTime)
{
    auto f = open("rstp");
    pick(*f, "mstp");
    EXPECT_FALSE(f->ET_HelloTime->isEnabled());
    EXPECT_TRUE(f->ET_HelloTime->text().isEmpty());
    pick(*f, "rstp");
    EXPECT_TRUE(f->ET_HelloTime->isEnabled());
    EXPECT_EQ(f->ET_HelloTime->text(), "200");
    f->ET_HelloTime->setText("300");
    pick(*f, "stp");
    EXPECT_EQ(f->ET_HelloTime->text(), "200");
}

TEST_F(Stp, RefusedWriteStillHandsBackTheVersionLabel)
{
    auto f = open("rstp");
    pick(*f, "stp");
    rec->FailNextSet(3);   // badValue
    f->BT_SetClick();
    EXPECT_EQ(rec->Sets().size(), 1u);
    EXPECT_TRUE(f->StatusText().startsWith("Set: ")) << f->StatusText().toStdString();
    EXPECT_EQ(handedBack, QStringList{"stp"});
    EXPECT_EQ(f->VersionText(), "stp");
}

struct ProgressCase {
    const char* state;     // agent's spanning-tree state
    const char* picked;
    bool progress;
};

class StpProgress : public Stp, public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(StpProgress, VersionChangeWhileRunningShowsTheProgressWindow)
{
    put(kStp + "1", KvSyntax::Integer, GetParam().state);
    auto f = open("rstp");
    QStringList shown;
    TScopedModalRunner runner([&](QDialog& d) {
        auto* p = qobject_cast<TProgressForm2*>(&d);
        shown << d.windowTitle() + "|" + (p ? p->LB_Prompt->text() : QString());
        return int(QDialog::Accepted);
    });
    pick(*f, GetParam().picked);
    f->BT_SetClick();
    ASSERT_EQ(rec->Sets().size(), 1u);
    const QStringList expected = GetParam().progress ? QStringList{"Set STP Progress|Change STP Version is doing..."}
                                                     : QStringList{};
    EXPECT_EQ(shown, expected);
}

INSTANTIATE_TEST_SUITE_P(States, StpProgress,
                         ::testing::Values(ProgressCase{"3", "stp", true}, ProgressCase{"3", "rstp", false},
                                           ProgressCase{"2", "mstp", false}));

TEST_F(Stp, CatalogueOpensItWithTheMainWindowsVersion)
{
    DialogOpener openDialog = FindDialog("TSTP_Info");
    ASSERT_NE(openDialog, nullptr);
    QString caption;
    bool helloEnabled = true;
    TScopedModalRunner runner([&](QDialog& d) {
        caption = d.windowTitle();
        helloEnabled = static_cast<TSTP_Info&>(d).ET_HelloTime->isEnabled();
        return int(QDialog::Rejected);
    });
    DialogRequest request;
    request.StpVersion = "mstp";
    openDialog(request);
    EXPECT_EQ(caption, "Spanning Tree Control : 127.0.0.1");
    EXPECT_FALSE(helloEnabled);
}

} // namespace
