// The binding core against ksw-sim: synchronous and asynchronous Get and Set
// through the event pump, the steps they run, status lines, failures shown in
// the memo or in a message box, and a binding destroyed with a request pending.
#include "KvControls.h"
#include "KvSNMPRequest2Edits.h"
#include "KvUserNotice.h"

#include "SharedKswSim.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace KvSyntax;
using namespace KvAccess;

// Counts the steps a binding runs.
struct Steps {
    int beforeGet = 0, values = 0, afterGet = 0, beforeSet = 0, afterSet = 0, getFailed = 0, setFailed = 0;
};

class CountingBinding : public KvSNMPRequest2Edits {
public:
    CountingBinding(QWidget* owner, std::shared_ptr<Steps> steps) : KvSNMPRequest2Edits(owner), steps_(std::move(steps)) {}

protected:
    void BeforeGet() override { ++steps_->beforeGet; KvSNMPRequest2Edits::BeforeGet(); }
    void ValuesReceived() override { ++steps_->values; KvSNMPRequest2Edits::ValuesReceived(); }
    void AfterGet() override { ++steps_->afterGet; KvSNMPRequest2Edits::AfterGet(); }
    void BeforeSet() override { ++steps_->beforeSet; }
    void AfterSet() override { ++steps_->afterSet; }
    void GetFailed(const KvSNMPError& e) override { ++steps_->getFailed; KvSNMPRequest2Edits::GetFailed(e); }
    void SetFailed(const KvSNMPError& e) override { ++steps_->setFailed; KvSNMPRequest2Edits::SetFailed(e); }

private:
    std::shared_ptr<Steps> steps_;
};

const QRegularExpression kOkLine(QStringLiteral(R"(^(Get|Set): \(KvSNMP\+\+\) Ok!\. Receive at \d\d:\d\d:\d\d \S+\.$)"));

class Core : public SharedKswSim<> {
protected:
    static void SetUpTestSuite()
    {
        SharedKswSim::SetUpTestSuite();
        CreateGlobalSession(sim_->tempDir().toStdString());
    }
    void SetUp() override
    {
        ASSERT_TRUE(sim_->running()) << sim_->errorText().toStdString();
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = sim_->port();
        DefaultSecurity.Version = 1;
    }
    std::unique_ptr<CountingBinding> make()
    {
        auto b = std::make_unique<CountingBinding>(&form, steps);
        b->Request().Timeout = 50;
        b->Request().Retries = 0;
        b->SetStatusOutput(&memo);
        return b;
    }
    static bool idle(const KvSNMPRequest2Controls& b)
    {
        return QTest::qWaitFor([&] { return !b.Busy(); }, 5000);
    }

    QWidget form;
    QPlainTextEdit memo{&form};
    std::shared_ptr<Steps> steps = std::make_shared<Steps>();
};

TEST_F(Core, AsyncScalarGetFillsControlsAndWritesOneStatusLine)
{
    auto b = make();
    b->Variables().AppendItem("1.3.6.1.2.1.1.1", "Description", DisplayStr, ReadOnly);
    b->Variables().AppendItem("1.3.6.1.2.1.1.5", "Name", DisplayStr, ReadWrite);
    QLabel description(&form);
    QLineEdit name(&form);
    b->AssociateText(0, &description);
    b->Associate(1, &name);
    b->Get();
    EXPECT_TRUE(b->Busy());
    ASSERT_TRUE(idle(*b));
    EXPECT_EQ(description.text(), "KSW-4800 50-port managed Ethernet switch");
    EXPECT_EQ(name.text(), "KSW-4800");
    EXPECT_EQ(b->RowCount(), 1);
    EXPECT_EQ(steps->beforeGet, 1);
    EXPECT_EQ(steps->afterGet, 1);
    const QStringList lines = KvMemoLines(&memo);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(kOkLine.match(lines[0]).hasMatch()) << lines[0].toStdString();
}

TEST_F(Core, TableWalkInBothModes)
{
    for (std::uint8_t mode : {KvSNMPRequest2Controls::Asynchronous, KvSNMPRequest2Controls::Synchronous}) {
        SCOPED_TRACE(int(mode));
        auto b = make();
        b->SetMode(mode);
        KvSNMPVarList& vars = b->Variables();
        vars.ItemType = MVT_FMV;
        vars.PKeyCount = 1;
        vars.AppendItem("1.3.6.1.2.1.2.2.1.1", "Index", Integer, NotAccess);
        vars.AppendItem("1.3.6.1.2.1.2.2.1.8", "Oper Status", Integer, ReadOnly);
        QTreeWidget list(&form);
        b->AttachListView(&list, true);
        b->Get();
        ASSERT_TRUE(idle(*b));
        EXPECT_EQ(b->RowCount(), 50);
        ASSERT_EQ(KvReportRowCount(&list), 50);
        EXPECT_EQ(KvReportCell(&list, 12, 0), "13");
        EXPECT_EQ(KvReportCell(&list, 12, 1), "3");
    }
}

TEST_F(Core, RowsTheFilterRefusesAreNeitherShownNorCounted)
{
    auto b = make();
    KvSNMPVarList& vars = b->Variables();
    vars.ItemType = MVT_FMV;
    vars.PKeyCount = 1;
    vars.AppendItem("1.3.6.1.2.1.2.2.1.1", "Index", Integer, NotAccess);
    vars.AppendItem("1.3.6.1.2.1.2.2.1.8", "Oper Status", Integer, ReadOnly);
    b->Request().RowFilter = "$1=1";
    QTreeWidget list(&form);
    b->AttachListView(&list, false);
    b->Get();
    ASSERT_TRUE(idle(*b));
    EXPECT_EQ(b->RowCount(), 18);   // the ports that are up
    EXPECT_EQ(steps->values, 18);
    EXPECT_EQ(KvReportRowCount(&list), 18);
}

TEST_F(Core, EmptyTableRunsOnlyTheFramingSteps)
{
    auto b = make();
    KvSNMPVarList& vars = b->Variables();
    vars.ItemType = MVT_FMV;
    vars.AppendItem("1.3.6.1.4.1.97531.999.1.1", "Nothing", Integer, ReadOnly);
    b->Get();
    ASSERT_TRUE(idle(*b));
    EXPECT_EQ(b->RowCount(), 0);
    EXPECT_EQ(steps->values, 0);
    EXPECT_EQ(steps->afterGet, 1);
    ASSERT_EQ(KvMemoLines(&memo).size(), 1);
    EXPECT_TRUE(KvMemoLines(&memo)[0].contains("Ok!"));
}

TEST_F(Core, SetOfAScalarGroupIsNotReadBack)
{
    for (std::uint8_t mode : {KvSNMPRequest2Controls::Asynchronous, KvSNMPRequest2Controls::Synchronous}) {
        SCOPED_TRACE(int(mode));
        auto b = make();
        b->SetMode(mode);
        b->Variables().AppendItem("1.3.6.1.2.1.1.4", "Contact", DisplayStr, ReadWrite);
        QLineEdit contact(&form);
        b->Associate(0, &contact);
        const std::string text = mode ? "noc async" : "noc sync";
        contact.setText(QString::fromStdString(text));
        *steps = {};
        b->Set(true, true);
        ASSERT_TRUE(idle(*b));
        EXPECT_EQ(steps->afterSet, 1);
        EXPECT_EQ(steps->beforeGet, 0);

        contact.clear();
        b->SetMode(KvSNMPRequest2Controls::Synchronous);
        b->Get();
        EXPECT_EQ(contact.text().toStdString(), text);
    }
    const QStringList lines = KvMemoLines(&memo);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("Set: "));
    EXPECT_TRUE(kOkLine.match(lines[0]).hasMatch()) << lines[0].toStdString();
}

TEST_F(Core, SetOfATableRowIsFollowedByAGet)
{
    auto b = make();
    KvSNMPVarList& vars = b->Variables();
    vars.ItemType = MVT_FMV;
    vars.PKeyCount = 1;
    vars.AppendItem("1.3.6.1.2.1.2.2.1.1", "Index", Integer, NotAccess);
    vars.AppendItem("1.3.6.1.2.1.2.2.1.7", "Admin Status", Integer, ReadWrite);
    QTreeWidget list(&form);
    QLineEdit admin(&form);
    b->AttachListView(&list, true);
    b->Associate(1, &admin);
    b->Get();
    ASSERT_TRUE(idle(*b));
    // Port 50 is down already, so the other tests see the same ports up.
    KvSelectReportRow(&list, 49);
    EXPECT_EQ(admin.text(), "1");
    admin.setText("2");
    *steps = {};
    b->Set(true, true);
    ASSERT_TRUE(idle(*b));
    ASSERT_TRUE(QTest::qWaitFor([&] { return steps->afterGet == 1 && !b->Busy(); }, 5000));
    EXPECT_EQ(steps->afterSet, 1);
    EXPECT_EQ(steps->beforeGet, 1);
    EXPECT_EQ(KvReportCell(&list, 49, 1), "2");
    EXPECT_EQ(KvReportCell(&list, 48, 1), "1");
}

TEST_F(Core, FailuresGoToTheMemoOrOneMessageBox)
{
    KswSim::Options silent;
    silent.dropPercent = 100;
    KswSim deaf(silent);
    ASSERT_TRUE(deaf.running());
    int boxes = 0;
    QString boxText;
    KvScopedMessagePresenter presenter([&](const KvMessageRequest& r) {
        ++boxes;
        boxText = r.Text;
        return QMessageBox::Ok;
    });

    auto b = make();
    b->Request().Device.Port = deaf.port();
    b->Variables().AppendItem("1.3.6.1.2.1.1.5", "Name", DisplayStr, ReadWrite);
    b->Get();
    ASSERT_TRUE(idle(*b));
    EXPECT_EQ(steps->getFailed, 1);
    EXPECT_EQ(steps->afterGet, 0);
    ASSERT_EQ(KvMemoLines(&memo).size(), 1);
    EXPECT_TRUE(KvMemoLines(&memo)[0].startsWith("Get: (SNMPClass)")) << KvMemoLines(&memo)[0].toStdString();
    EXPECT_EQ(boxes, 0);

    b->SetStatusOutput(static_cast<QPlainTextEdit*>(nullptr));
    b->Set(false, false);
    ASSERT_TRUE(idle(*b));
    EXPECT_EQ(steps->setFailed, 1);
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(boxText.contains("timed out")) << boxText.toStdString();

    // Synchronous failures reach the caller with their code.
    b->SetMode(KvSNMPRequest2Controls::Synchronous);
    try {
        b->Get();
        FAIL() << "no error";
    } catch (const KvSNMPException& e) {
        EXPECT_EQ(e.Code(), -405);
    }
    EXPECT_FALSE(b->Busy());
    EXPECT_EQ(steps->getFailed, 1);

    // An error found before anything is sent reaches the caller in either mode
    // and leaves the binding idle.
    b->SetMode(KvSNMPRequest2Controls::Asynchronous);
    b->Request().Device.Address = "no such host..";
    for (bool get : {true, false}) {
        try {
            get ? b->Get() : b->Set(false, false);
            ADD_FAILURE() << "no error";
        } catch (const KvSNMPException& e) {
            EXPECT_EQ(e.Code(), -509);
        }
        EXPECT_FALSE(b->Busy());
    }
    EXPECT_EQ(steps->getFailed, 1);
    EXPECT_EQ(steps->setFailed, 1);
}

TEST_F(Core, BindingDestroyedWithAPendingRequestIsNotCalledBack)
{
    KswSim::Options slow;
    slow.delayMs = 300;
    KswSim late(slow);
    ASSERT_TRUE(late.running());
    auto b = make();
    b->Request().Device.Port = late.port();
    b->Request().Timeout = KvModuleTimeout;
    b->Variables().AppendItem("1.3.6.1.2.1.1.5", "Name", DisplayStr, ReadWrite);
    b->Get();
    ASSERT_TRUE(b->Busy());
    b.reset();   // drains the response without handing it to the binding
    EXPECT_EQ(steps->values, 0);
    EXPECT_EQ(steps->getFailed, 0);
    EXPECT_EQ(steps->afterGet, 0);
    EXPECT_TRUE(KvMemoLines(&memo).isEmpty());
}

}  // namespace
