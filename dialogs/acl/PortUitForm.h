// The port picker of the rule editors: one page per stack unit holding 64
// check boxes, box k standing for port k + 1 and for bit k of a rule's port bit
// string.  Only the ports the model has are shown.
#pragma once

#include "defs/ViewDefinitions.h"

#include <QList>
#include <QString>
#include <QWidget>

class QCheckBox;
class QScrollArea;
class QTabWidget;

class TPortUitForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int BoxCount = AclRulePortCount;

    explicit TPortUitForm(QWidget* parent = nullptr);

    // Titles the unit's page after the model and shows the model's ports.
    void ShowUnit(const QString& model);

    const QList<QCheckBox*>& Boxes() const { return boxes_; }
    // Boxes per grid row: 12, or 10 when "DeviceInfo.ini" is in the working folder.
    int PerRow() const { return perRow_; }
    QTabWidget* UnitPageControl() const { return pages_; }

    void Clear();
    int CheckedCount() const;

    // The bit numbers of the boxes, "0,1,...,63", as the binding takes them.
    static std::string BitList();

private:
    QTabWidget* pages_;
    QScrollArea* scroll_;
    QList<QCheckBox*> boxes_;
    int perRow_;
};
