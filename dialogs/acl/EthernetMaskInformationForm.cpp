#include "dialogs/acl/EthernetMaskInformationForm.h"

#include "defs/ViewDefinitions.h"

#include "binding/KvSNMPRequest2Edits.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace EthernetProfileColumn;

TEthernetMaskInformationForm::TEthernetMaskInformationForm(QWidget* parent)
    : TAclTableForm(AclEthernetTableDefs, 1, parent),
      IDEdit(BindEdit(QStringLiteral("Ethernet Mask ID"), ProfileId, QStringLiteral("%i{n1x255}"), "IDEdit")),
      UseVLanComBo(BindCombo(QStringLiteral("Use VLAN"), UseVlan, "UseVLanComBo")),
      MacMaskStateComBo(BindCombo(QStringLiteral("MAC Address Mask State"), MacMaskState, "MacMaskStateComBo")),
      MacAddMaskSourceEdit(BindEdit(QStringLiteral("MAC Address Mask Source"), SourceMacMask, QStringLiteral("%s"),
                                    "MacAddMaskSourceEdit")),
      MacMaskDstEdit(BindEdit(QStringLiteral("MAC Address Mask Destination"), DestinationMacMask,
                              QStringLiteral("%s"), "MacMaskDstEdit")),
      Use8021pComBo(BindCombo(QStringLiteral("Use 8021p"), Use8021p, "Use8021pComBo")),
      UseEthTypeCombo(BindCombo(QStringLiteral("Use Ethernet Type"), UseEthernetType, "UseEthTypeCombo")),
      RowStatusComBo(BindCombo(QStringLiteral("Row Status"), RowStatus, "RowStatusComBo")),
      ST_Ower(BindOwner(QStringLiteral("Owner"), Owner, "ST_Ower")),
      BT_Get(MakeButton(QStringLiteral("Refresh"), "BT_Get")), SetBtn(MakeButton(QStringLiteral("Set"), "SetBtn")),
      BT_Set(MakeButton(QStringLiteral("Add"), "BT_Set")), BT_Delete(MakeButton(QStringLiteral("Delete"), "BT_Delete"))
{
    SetAgentCaption(QStringLiteral("Ethernet Mask Information :"));
    AttachList([] {});
    ConnectButtons({{BT_Get, [this] { Refresh(); }},
                    {SetBtn, [this] { SetClick(); }},
                    {BT_Set, [this] { AddClick(); }},
                    {BT_Delete, [this] { DeleteClick(); }}});
    resize(760, 520);
    ReadFirst();
}

void TEthernetMaskInformationForm::Refresh()
{
    if (Binding())
        Guarded([this] { Binding()->Get(); });
}

void TEthernetMaskInformationForm::ExcludeUnusedMasks(TSavedColumnFlags& flags) const
{
    const QString state = MacMaskStateComBo->currentText();
    if (state == QLatin1String("other"))
        flags.Exclude({SourceMacMask, DestinationMacMask});
    else if (state == QLatin1String("dst-mac-addr"))
        flags.Exclude(SourceMacMask);
    else if (state == QLatin1String("src-mac-addr"))
        flags.Exclude(DestinationMacMask);
}

void TEthernetMaskInformationForm::Write(const std::function<void()>& write)
{
    if (!Binding())
        return;
    // A refused write keeps its text in the status bar: without it the user
    // could not tell a profile the agent refused from one it took.
    if (Guarded(write))
        Refresh();
}

void TEthernetMaskInformationForm::SetClick()
{
    // A Set of "destroy" is a Delete, and asks as one.
    if (RowStatusComBo->currentIndex() == RowStatusItem::Destroy && !ConfirmDelete(ListView))
        return;
    Write([this] {
        WriteWithExclusions([this](TSavedColumnFlags& flags) {
            ExcludeUnusedMasks(flags);
            // A Set of "destroy" deletes the profile: only the status goes.
            if (RowStatusComBo->currentIndex() == RowStatusItem::Destroy)
                flags.ExcludeRange(UseVlan, UseEthernetType);
            flags.Exclude(Owner);
        });
    });
}

void TEthernetMaskInformationForm::AddClick()
{
    Write([this] {
        WriteWithExclusions([this](TSavedColumnFlags& flags) {
            ExcludeUnusedMasks(flags);
            RowStatusComBo->setCurrentIndex(RowStatusItem::CreateAndGo);
            flags.Exclude(Owner);
        });
    });
}

void TEthernetMaskInformationForm::DeleteClick()
{
    if (!ConfirmDelete(ListView))
        return;
    Write([this] { DestroyRow(RowStatus, RowStatusComBo, RowStatusItem::Destroy); });
}
