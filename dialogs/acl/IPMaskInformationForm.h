// The IP access profiles ("masks"): which of VLAN, IP addresses, DSCP and the
// IP protocol with its options the rules of a profile compare.  What a write
// sends depends on the mask state, the protocol and its options: only what
// the chosen protocol uses goes out, and empty fields stay out.
#pragma once

#include "dialogs/acl/AclTableForm.h"

class TIPMaskInformationForm : public TAclTableForm {
    Q_OBJECT
public:
    explicit TIPMaskInformationForm(QWidget* parent = nullptr);

    QLineEdit* IPIDEdit;
    QComboBox* UseVLANCBox;
    QComboBox* IpAddMaskStateComboBox;
    QLineEdit* IpAddMaskSrcEdit;
    QLineEdit* IpAddMaskDstEdit;
    QComboBox* UseDSCPComBo;
    QComboBox* UseProTypeComBo;
    QComboBox* ICMPOptionCBox;
    QComboBox* IGMPOptionCBox;
    QComboBox* TCPOptionComBo;
    QComboBox* UDPOptionComBo;
    QLineEdit* TCPUDPSrcMaskEdit;
    QLineEdit* TCPUDPDstPortMaskEdit;
    QComboBox* TCPFlagBitOptionComBo;
    QLineEdit* TCPFlagBitMaskEdit;
    QComboBox* ProOptionComBo;
    QLineEdit* ProtoIDEdit;
    QLineEdit* ProIDMaskEdit;
    QComboBox* RowStatusComBo;
    QLabel* ST_Ower;
    QPushButton* BT_Get;
    QPushButton* SetBtn;
    QPushButton* BT_Add;
    QPushButton* BT_Delete;

private:
    void SetIdle();
    void SetSelected();
    void ClearFields();
    // Walk, idle state, fields cleared; an error goes to the status bar.
    void Refresh();
    void SetClick();
    void AddClick();
    void DeleteClick();
    bool CheckMask();
    void ExcludeForMask(TSavedColumnFlags& flags) const;
    void WriteMask();
};
