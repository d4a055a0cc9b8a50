#include "dialogs/acl/IPMaskInformationForm.h"

#include "dialogs/common/TextChecks.h"
#include "defs/ViewDefinitions.h"

#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace IpProfileColumn;

namespace {

const QString kMaskMessage = QStringLiteral("Invalid Mask!");
const QString kValueMessage = QStringLiteral("Please input a valid value");

bool isOneOf(const QString& text, std::initializer_list<const char*> texts)
{
    for (const char* t : texts)
        if (text == QLatin1String(t))
            return true;
    return false;
}

// Items of the port-option lists.
constexpr int kPortOptionOther = 0;

}  // namespace

TIPMaskInformationForm::TIPMaskInformationForm(QWidget* parent)
    : TAclTableForm(AclIpTableDefs, 1, parent),
      IPIDEdit(BindEdit(QStringLiteral("IP Mask ID"), ProfileId, QStringLiteral("%i{n1x255l3}"), "IPIDEdit")),
      UseVLANCBox(BindCombo(QStringLiteral("Use VLAN"), UseVlan, "UseVLANCBox")),
      IpAddMaskStateComboBox(BindCombo(QStringLiteral("IP Address Mask State"), IpMaskState, "IpAddMaskStateComboBox")),
      IpAddMaskSrcEdit(BindEdit(QStringLiteral("IP Address Mask Source"), SourceIpMask, QStringLiteral("%s"),
                                "IpAddMaskSrcEdit")),
      IpAddMaskDstEdit(BindEdit(QStringLiteral("IP Address Mask Destination"), DestinationIpMask, QStringLiteral("%s"),
                                "IpAddMaskDstEdit")),
      UseDSCPComBo(BindCombo(QStringLiteral("Use DSCP"), UseDscp, "UseDSCPComBo")),
      UseProTypeComBo(BindCombo(QStringLiteral("Use Protocol Type"), UseProtoType, "UseProTypeComBo")),
      ICMPOptionCBox(BindCombo(QStringLiteral("ICMP Option"), IcmpOption, "ICMPOptionCBox")),
      IGMPOptionCBox(BindCombo(QStringLiteral("IGMP Option"), IgmpOption, "IGMPOptionCBox")),
      TCPOptionComBo(BindCombo(QStringLiteral("TCP Option"), TcpOption, "TCPOptionComBo")),
      UDPOptionComBo(BindCombo(QStringLiteral("UDP Option"), UdpOption, "UDPOptionComBo")),
      TCPUDPSrcMaskEdit(BindEdit(QStringLiteral("TCP or UDP Srouce Port Mask"), SourcePortMask, QStringLiteral("%s"),
                                 "TCPUDPSrcMaskEdit")),
      TCPUDPDstPortMaskEdit(BindEdit(QStringLiteral("TCP or UDP Destination Port Mask"), DestinationPortMask,
                                     QStringLiteral("%s"), "TCPUDPDstPortMaskEdit")),
      TCPFlagBitOptionComBo(BindCombo(QStringLiteral("TCP Flag Bit Option"), TcpFlagBit, "TCPFlagBitOptionComBo")),
      TCPFlagBitMaskEdit(BindEdit(QStringLiteral("TCP Flag Bit Mask (0-63)"), TcpFlagBitMask, QStringLiteral("%i"),
                                  "TCPFlagBitMaskEdit")),
      ProOptionComBo(BindCombo(QStringLiteral("Protocol ID Option"), ProtoIdOption, "ProOptionComBo")),
      ProtoIDEdit(BindEdit(QStringLiteral("ProtoID (0-255)"), ProtoId, QStringLiteral("%i"), "ProtoIDEdit")),
      ProIDMaskEdit(BindEdit(QStringLiteral("Protocol ID Mask"), ProtoIdMask, QStringLiteral("%s"), "ProIDMaskEdit")),
      RowStatusComBo(BindCombo(QStringLiteral("Row Status"), RowStatus, "RowStatusComBo")),
      ST_Ower(BindOwner(QStringLiteral("Owner "), Owner, "ST_Ower")),
      BT_Get(MakeButton(QStringLiteral("Refresh"), "BT_Get")), SetBtn(MakeButton(QStringLiteral("Set"), "SetBtn")),
      BT_Add(MakeButton(QStringLiteral("Add"), "BT_Add")), BT_Delete(MakeButton(QStringLiteral("Delete"), "BT_Delete"))
{
    setWindowTitle(QStringLiteral("IP Mask Information Form"));
    AttachList([this] {
        if (LineSelected()) {
            SetSelected();
        } else {
            SetIdle();
            ClearFields();
        }
    });
    ConnectButtons({{BT_Get, [this] { Refresh(); }},
                    {SetBtn, [this] { SetClick(); }},
                    {BT_Add, [this] { AddClick(); }},
                    {BT_Delete, [this] { DeleteClick(); }}});

    const std::pair<QComboBox*, int> initial[] = {
        {UseVLANCBox, -1},    {IpAddMaskStateComboBox, 0}, {UseDSCPComBo, 1},          {UseProTypeComBo, 0},
        {ICMPOptionCBox, 0},  {IGMPOptionCBox, 0},         {TCPOptionComBo, 0},        {UDPOptionComBo, 0},
        {TCPFlagBitOptionComBo, 1}, {ProOptionComBo, 1},   {RowStatusComBo, RowStatusItem::Active}};
    for (const auto& [combo, item] : initial)
        combo->setCurrentIndex(item);
    resize(820, 640);
    Refresh();
}

void TIPMaskInformationForm::SetIdle()
{
    SetBtn->setEnabled(false);
    BT_Delete->setEnabled(false);
    BT_Add->setEnabled(true);
    IPIDEdit->setEnabled(true);
}

void TIPMaskInformationForm::SetSelected()
{
    SetBtn->setEnabled(true);
    BT_Delete->setEnabled(true);
    BT_Add->setEnabled(false);
    IPIDEdit->setEnabled(false);
}

void TIPMaskInformationForm::ClearFields()
{
    for (QLineEdit* e : {IPIDEdit, IpAddMaskSrcEdit, IpAddMaskDstEdit, TCPUDPSrcMaskEdit, TCPUDPDstPortMaskEdit,
                         TCPFlagBitMaskEdit, ProIDMaskEdit, ProtoIDEdit})
        e->clear();
}

void TIPMaskInformationForm::Refresh()
{
    if (!Binding())
        return;
    Guarded([this] { Binding()->Get(); });
    SetIdle();
    ClearFields();
}

bool TIPMaskInformationForm::CheckMask()
{
    if (IPIDEdit->text().isEmpty()) {
        RefuseInput(this, QStringLiteral("IP Mask ID must be set."), IPIDEdit);
        return false;
    }
    const QString state = IpAddMaskStateComboBox->currentText();
    const QString ipMessage = QStringLiteral("Please input a valid IP");
    if (isOneOf(state, {"src-ip-addr", "dst-src-ip-addr"}) && !IpAddMaskSrcEdit->text().isEmpty()
        && !CheckIPv4Text(this, IpAddMaskSrcEdit->text(), ipMessage, IpAddMaskSrcEdit))
        return false;
    if (isOneOf(state, {"dst-ip-addr", "dst-src-ip-addr"}) && !IpAddMaskDstEdit->text().isEmpty()
        && !CheckIPv4Text(this, IpAddMaskDstEdit->text(), ipMessage, IpAddMaskDstEdit))
        return false;

    const QString protocol = UseProTypeComBo->currentText();
    if (protocol == QLatin1String("protocolId")) {
        if (ProOptionComBo->currentText() == QLatin1String("enable") && !ProIDMaskEdit->text().isEmpty()
            && !CheckHexText(this, ProIDMaskEdit->text(), 8, kMaskMessage, kMaskMessage, ProIDMaskEdit))
            return false;
        const int id = TypedNumber(ProtoIDEdit->text());
        if (!ProtoIDEdit->text().isEmpty() && (id < 0 || id > 255)) {
            RefuseInput(this, kValueMessage, ProtoIDEdit);
            return false;
        }
    }
    if (isOneOf(protocol, {"tcp", "udp"})) {
        const QString tcp = TCPOptionComBo->currentText(), udp = UDPOptionComBo->currentText();
        const struct {
            std::initializer_list<const char*> Options;
            QLineEdit* Edit;
        } masks[] = {{{"dst-addr", "dst-src-addr"}, TCPUDPDstPortMaskEdit}, {{"src-addr", "dst-src-addr"}, TCPUDPSrcMaskEdit}};
        for (const auto& m : masks)
            if ((isOneOf(tcp, m.Options) || isOneOf(udp, m.Options)) && !m.Edit->text().isEmpty()
                && !CheckHexText(this, m.Edit->text(), 4, kMaskMessage, kMaskMessage, m.Edit))
                return false;
    }
    if (protocol == QLatin1String("tcp") && TCPFlagBitOptionComBo->currentText() == QLatin1String("enable")
        && !TCPFlagBitMaskEdit->text().isEmpty()) {
        const int bits = TypedNumber(TCPFlagBitMaskEdit->text());
        if (bits < 0 || bits > 63) {
            RefuseInput(this, kValueMessage, TCPFlagBitMaskEdit);
            return false;
        }
    }
    return true;
}

void TIPMaskInformationForm::ExcludeForMask(TSavedColumnFlags& flags) const
{
    const QString state = IpAddMaskStateComboBox->currentText();
    if (state == QLatin1String("other"))
        flags.Exclude({SourceIpMask, DestinationIpMask});
    else if (state == QLatin1String("dst-ip-addr"))
        flags.Exclude(SourceIpMask);
    else if (state == QLatin1String("src-ip-addr"))
        flags.Exclude(DestinationIpMask);

    // A port mask goes when either option asks for it.
    if (TCPOptionComBo->currentIndex() == kPortOptionOther || UDPOptionComBo->currentIndex() == kPortOptionOther)
        flags.Exclude({SourcePortMask, DestinationPortMask});
    for (const QString& option : {TCPOptionComBo->currentText(), UDPOptionComBo->currentText()}) {
        if (isOneOf(option, {"dst-addr", "dst-src-addr"}))
            flags.Restore(DestinationPortMask);
        if (isOneOf(option, {"src-addr", "dst-src-addr"}))
            flags.Restore(SourcePortMask);
    }

    if (TCPFlagBitOptionComBo->currentText() == QLatin1String("disable"))
        flags.Exclude(TcpFlagBitMask);
    if (ProOptionComBo->currentText() == QLatin1String("disable"))
        flags.Exclude(ProtoIdMask);

    // The protocol's own columns stay; the other protocols' columns go.
    const QString protocol = UseProTypeComBo->currentText();
    if (protocol == QLatin1String("none")) {
        flags.ExcludeRange(IcmpOption, ProtoIdMask);
    } else if (protocol == QLatin1String("icmp")) {
        flags.ExcludeRange(IgmpOption, ProtoIdMask);
    } else if (protocol == QLatin1String("igmp")) {
        flags.Exclude(IcmpOption);
        flags.ExcludeRange(TcpOption, ProtoIdMask);
    } else if (protocol == QLatin1String("tcp")) {
        flags.Exclude({IcmpOption, IgmpOption, UdpOption, ProtoIdOption, ProtoId, ProtoIdMask});
    } else if (protocol == QLatin1String("udp")) {
        flags.Exclude({IcmpOption, IgmpOption, TcpOption});
        flags.ExcludeRange(TcpFlagBit, ProtoIdMask);
        if (UDPOptionComBo->currentText() == QLatin1String("other"))
            flags.Exclude(UdpOption);
    } else if (protocol == QLatin1String("protocolId")) {
        flags.ExcludeRange(IcmpOption, TcpFlagBitMask);
    }

    // Empty fields are not written.
    const std::pair<QLineEdit*, int> edits[] = {
        {TCPFlagBitMaskEdit, TcpFlagBitMask}, {IpAddMaskSrcEdit, SourceIpMask},
        {IpAddMaskDstEdit, DestinationIpMask}, {TCPUDPSrcMaskEdit, SourcePortMask},
        {TCPUDPDstPortMaskEdit, DestinationPortMask}, {ProtoIDEdit, ProtoId}, {ProIDMaskEdit, ProtoIdMask}};
    for (const auto& [edit, column] : edits)
        if (edit->text().isEmpty())
            flags.Exclude(column);
}

void TIPMaskInformationForm::WriteMask()
{
    // A refused write keeps its text in the status bar, where the user can see
    // why the profile did not change.
    const QString error = Guarded([this] {
        WriteWithExclusions([this](TSavedColumnFlags& flags) { ExcludeForMask(flags); });
    }) ? QString() : StatusText();
    Refresh();
    if (!error.isEmpty())
        ShowStatusText(error);
}

void TIPMaskInformationForm::SetClick()
{
    if (!Binding() || !CheckMask())
        return;
    if (RowStatusComBo->currentIndex() == RowStatusItem::Destroy)
        DeleteClick();
    else
        WriteMask();
}

void TIPMaskInformationForm::AddClick()
{
    if (!Binding() || !CheckMask())
        return;
    const int cell = CellColumn(ProfileId);
    for (int row = 0; row < KvReportRowCount(ListView); ++row) {
        if (KvReportCell(ListView, row, cell) == IPIDEdit->text()) {
            RefuseInput(this, QStringLiteral("There is already a record with the same IP Mask ID. Please modified it."),
                        IPIDEdit);
            return;
        }
    }
    if (RowStatusComBo->currentIndex() != RowStatusItem::CreateAndGo) {
        RefuseInput(this, QStringLiteral("Row Status must be createAndGo."), RowStatusComBo);
        return;
    }
    WriteMask();
}

void TIPMaskInformationForm::DeleteClick()
{
    if (!Binding() || !ConfirmDelete(ListView))
        return;
    if (Guarded([this] { DestroyRow(RowStatus, RowStatusComBo, RowStatusItem::Destroy); })) {
        Refresh();
        return;
    }
    // The error stays in the status bar; the list is left as it was read.
    SetIdle();
    ClearFields();
}
