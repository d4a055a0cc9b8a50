// The binding every configuration view and most dialogs use: values move
// between the variable list and ordinary controls (edits, labels, drop-down
// lists, radio groups, check boxes) and, for tables, one report list whose rows
// are the table's rows.  A control may show a whole variable or one field of an
// octet-string value (a byte offset with a syntax of its own), and check boxes
// may show single bits of a value.
#pragma once

#include "KvEditConstraint.h"
#include "KvSNMPRequest2Controls.h"

#include <QElapsedTimer>
#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QStringList>
#include <QTreeWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class KvOptionList;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class QTreeWidgetItem;

// One variable (or one field of it) tied to one or more controls.
struct KvControlAssociation {
    int Variable = 0;
    int ByteOffset = 0;              // 0 for the whole variable
    std::uint32_t FieldSyntax = 0;   // the variable's own syntax for the whole variable
    const KvOptionList* Options = nullptr;   // given when associating; not owned
    std::vector<int> Bits;           // check boxes bound to bits: one bit number per box
    std::vector<QPointer<QWidget>> Controls;
};

class KvSNMPRequest2Edits : public KvSNMPRequest2Controls {
public:
    explicit KvSNMPRequest2Edits(QWidget* ownerForm);
    ~KvSNMPRequest2Edits() override;

    // ---- associations (v must be an index of the variable list) ----
    void Associate(int v, QWidget* control);
    void AssociateText(int v, QLabel* text);
    // The drop-down list takes no typed text.
    void AssociateComboBox(int v, QComboBox* combo);
    // One edit per specifier of the group specifier ("%i{n0x255l3}" four times for
    // an address); the specifiers are attached to the edits.
    void AssociateEdits(int v, const QString& groupSpec, const QList<QLineEdit*>& edits);
    // bitList: comma-separated bit numbers; box k shows bit k of the list.  Bit n
    // is in byte n / 8 under the mask 0x80 >> (n % 8), as in port lists.
    void AssociateCheckBits(int v, const std::string& bitList, const QList<QCheckBox*>& boxes);
    void AssociateComboBoxField(int v, int byteOffset, std::uint32_t fieldSyntax, const KvOptionList* options,
                                QComboBox* combo);
    void AssociateEditsField(int v, int byteOffset, std::uint32_t fieldSyntax, const KvOptionList* options,
                             const QString& groupSpec, const QList<QLineEdit*>& edits);
    // The general form.  Drop-down lists and radio groups need an option list
    // (given or the variable's own) and are filled with its labels; a list of
    // prefix values on a drop-down list needs the second control for the rest.
    void AssociateControls(int v, int byteOffset, std::uint32_t fieldSyntax, const KvOptionList* options,
                           QWidget* control, QWidget* second = nullptr);
    // Removes every association of the variable; its edits leave the constraint.
    void Dissociate(int v);

    int AssociationCount() const { return static_cast<int>(associations_.size()); }
    const KvControlAssociation& Association(int index) const { return *associations_.at(static_cast<std::size_t>(index)); }

    // Message boxes and focus moves of the edit constraints go to this form.
    void SetConstraintOwner(QWidget* form) { constraint_.SetOwnerForm(form); }
    KvEditConstraint& Constraint() { return constraint_; }

    // Values to controls / controls to values, for one variable or all (-1).
    // Both stop at the first error; what was done before it stays.
    void UpdateControls(int v = -1);
    void ReadControls(int v = -1);

    // ---- list view ----
    // The list becomes a read-only report list of the table's rows.  With follow
    // set, the associated controls are enabled only while a row is selected.
    void AttachListView(QTreeWidget* list, bool followSelection);
    QTreeWidget* ListView() const { return list_; }
    bool FollowSelection() const { return follow_ != 0; }
    // The variable shown in each column, in column order.
    const std::vector<int>& ColumnVariables() const { return columnVariables_; }
    // The selected row into the value texts; nothing without a selected row.
    void ReadSelectedRow();
    // Selects the first row whose first key column shows key and scrolls it
    // into view; false when no row does.
    bool SelectRowByKey(const QString& key);

    // A read of a list that already shows rows keeps them until the read has
    // completed; the new rows then replace them in one change.  A read that
    // fails or is stopped leaves them as they were (a failure says so).  Off,
    // the list is emptied when a read starts and grows with it.
    void SetKeepRowsWhileReading(bool on) { keepRows_ = on ? 1 : 0; }
    bool KeepRowsWhileReading() const { return keepRows_ != 0; }
    // Called just before completed rows replace the rows shown.
    std::function<void()> OnRowsReplacing;
    // The key of a list row: the texts of the key variables' columns (of every
    // column in a list without keys).  RowWithKey is the first row with that
    // key, -1 for none.
    QStringList RowKey(int row) const;
    int RowWithKey(const QStringList& key) const;

    // Runs step once, when the next read has completed (a table's rows are all
    // in the list by then).  A failed read keeps it for the one after.
    void RunAfterNextRead(std::function<void()> step) { afterNextRead_ = std::move(step); }

protected:
    void BeforeGet() override;
    void ValuesReceived() override;
    void CollectValues() override;
    void AfterGet() override;
    void GetFailed(const KvSNMPError& error) override;
    // The list view's row selection: with a selected row the controls follow it.
    virtual void RowSelected(QTreeWidget* list, QTreeWidgetItem* item, bool selected);

private:
    void CheckVariable(int v) const;
    const KvOptionList* EffectiveOptions(const KvControlAssociation& a) const;
    bool IsField(const KvControlAssociation& a) const;
    void AddAssociation(std::unique_ptr<KvControlAssociation> a);
    void UpdateAssociation(const KvControlAssociation& a);
    std::string ReadAssociation(const KvControlAssociation& a) const;
    // The value text the controls of the variable hold.
    std::string ReadVariable(const KvSNMPVarItem& item, const std::vector<const KvControlAssociation*>& mine,
                             bool anyField) const;
    void MakeColumns();
    void EnableControls(bool enabled);
    void OnSelectionChanged();

    QPointer<QTreeWidget> list_;
    QMetaObject::Connection selectionConnection_;
    std::vector<std::unique_ptr<KvControlAssociation>> associations_;
    KvEditConstraint constraint_;
    std::uint8_t follow_ = 1;
    static constexpr int kShowEveryMs = 20;
    QElapsedTimer shown_;   // when a walk last let the list show its new rows
    std::vector<int> columnVariables_;
    std::function<void()> afterNextRead_;
    std::uint8_t keepRows_ = 0;
    // The rows of a read under way that will replace the rows shown.
    bool replacing_ = false;
    std::vector<QStringList> newRows_;
    std::vector<int> KeyColumns() const;
};
