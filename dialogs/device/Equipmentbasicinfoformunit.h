// The equipment basic information window: four read-only facts about the
// chassis and its stack, read when the window opens and on Refresh.
#pragma once

#include <QDialog>

#include <memory>

class KvSNMPRequest2Edits;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TEquipmentBasicInfoForm : public QDialog {
    Q_OBJECT
public:
    TEquipmentBasicInfoForm(QWidget* owner, const QString& caption);
    ~TEquipmentBasicInfoForm() override;

    KvSNMPRequest2Edits& Binding() { return *binding_; }

    // Equipment capacity, max supported units, number of units, stacking version.
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BitBtn1 = nullptr;

    void BitBtn1Click();

private:
    std::unique_ptr<KvSNMPRequest2Edits> binding_;
};
