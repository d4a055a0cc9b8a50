// The Ethernet access profiles ("masks"): which of VLAN, MAC addresses, 802.1p
// priority and Ethernet type the rules of a profile compare.
#pragma once

#include "dialogs/acl/AclTableForm.h"

class TEthernetMaskInformationForm : public TAclTableForm {
    Q_OBJECT
public:
    explicit TEthernetMaskInformationForm(QWidget* parent = nullptr);

    QLineEdit* IDEdit;
    QComboBox* UseVLanComBo;
    QComboBox* MacMaskStateComBo;
    QLineEdit* MacAddMaskSourceEdit;
    QLineEdit* MacMaskDstEdit;
    QComboBox* Use8021pComBo;
    QComboBox* UseEthTypeCombo;
    QComboBox* RowStatusComBo;
    QLabel* ST_Ower;
    QPushButton* BT_Get;
    QPushButton* SetBtn;
    QPushButton* BT_Set;
    QPushButton* BT_Delete;

private:
    void Refresh();
    void SetClick();
    void AddClick();
    void DeleteClick();
    // Leaves out the MAC masks the chosen mask state does not use.
    void ExcludeUnusedMasks(TSavedColumnFlags& flags) const;
    // A write, then the table read again; a refused write is reported and the
    // list stays as it was.
    void Write(const std::function<void()>& write);
};
