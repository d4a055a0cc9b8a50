// The rule editors on ksw-sim's own KSW-4800 data: every line can be shown
// (its port list fills the 64 boxes), an existing rule written back with every
// field and a new rule with one port are taken by the agent.
#include "SharedKswSim.h"

#include "dialogs/acl/AclRuleForm.h"
#include "dialogs/acl/EthernetInformationRuleForm.h"
#include "dialogs/acl/IPRuleForm.h"
#include "dialogs/acl/PortUitForm.h"
#include "dialogs/acl/UserDefinedInformationRuleForm.h"
#include "defs/ViewDefinitions.h"

#include "KvControls.h"
#include "KvUserNotice.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

namespace {

struct EditorCase {
    const char* Name;
    std::function<std::unique_ptr<TAclRuleForm>()> Make;
    const char* NewIds[2];   // ids no rule of the data has
};

void PrintTo(const EditorCase& c, std::ostream* os) { *os << c.Name; }

class ShippedData : public SharedKswSim<::testing::TestWithParam<EditorCase>> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim_->running()) << sim_->errorText().toStdString();
        CreateGlobalSession(sim_->tempDir().toStdString());
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = sim_->port();
        DefaultSecurity.Version = 1;
        DefaultTimeout = 100;
    }
};

bool Succeeded(const TAclRuleForm& form)
{
    return form.StatusText().contains(QStringLiteral("Ok!"));
}

TEST_P(ShippedData, EveryLineShowsAndWritesBack)
{
    QStringList messages;
    KvScopedMessagePresenter record([&](const KvMessageRequest& r) {
        messages << r.Text;
        return r.Buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    });
    std::unique_ptr<TAclRuleForm> form = GetParam().Make();
    ASSERT_TRUE(Succeeded(*form)) << form->StatusText().toStdString();
    const int lines = KvReportRowCount(form->ListView);
    ASSERT_GT(lines, 0);
    for (int row = 0; row < lines; ++row) {
        KvSelectReportRow(form->ListView, row);
        ASSERT_TRUE(Succeeded(*form)) << "line " << row << ": " << form->StatusText().toStdString();
        EXPECT_EQ(form->Picker->CheckedCount(), 1) << "line " << row;
    }

    KvSelectReportRow(form->ListView, 0);
    form->CheckAllButton->click();
    form->RowComboBox->setCurrentIndex(RowStatusItem::Active);
    form->EditButton->click();
    EXPECT_EQ(messages, QStringList{});
    EXPECT_TRUE(Succeeded(*form)) << form->StatusText().toStdString();

    form->ProfileIdEdit->setText(QString::fromLatin1(GetParam().NewIds[0]));
    form->AccessIdEdit->setText(QString::fromLatin1(GetParam().NewIds[1]));
    form->Picker->Boxes()[49]->setChecked(true);
    form->RowComboBox->setCurrentIndex(RowStatusItem::CreateAndGo);
    form->cbxRow->setChecked(true);
    form->AddButton->click();
    EXPECT_EQ(messages, QStringList{});
    EXPECT_TRUE(Succeeded(*form)) << form->StatusText().toStdString();
    EXPECT_EQ(KvReportRowCount(form->ListView), lines + 1);

    // Put the agent back for the next case.
    KvSelectReportRow(form->ListView, lines);
    form->DeleteButton->click();
    EXPECT_EQ(KvReportRowCount(form->ListView), lines);
}

INSTANTIATE_TEST_SUITE_P(
    Editors, ShippedData,
    ::testing::Values(
        EditorCase{"Ethernet", [] { return std::make_unique<TEthernetInformationRuleForm>(); }, {"6", "128"}},
        EditorCase{"Ip", [] { return std::make_unique<TIPRuleForm>(); }, {"6", "128"}},
        EditorCase{"PacketContent", [] { return std::make_unique<TUserDefinedInformationRuleForm>(); },
                   {"255", "255"}}));

}  // namespace
