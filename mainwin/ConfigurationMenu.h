// The Configuration menu of the main window: save the switch's settings into a
// snapshot file, compare a snapshot with the switch, and put chosen settings
// back.  The snapshot model, its file, the comparison and the restore plan
// live below (kvsnmp/KvSnapshotFile.h, snapshot/); these are their windows.
#pragma once

#include "kvsnmp/KvSnapshotFile.h"
#include "snapshot/SnapshotModel.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QMainWindow;
class QPushButton;
class TListViewPanel;

// Adds the menu to the window's menu bar, before Help.
void AddConfigurationMenu(QMainWindow& window);

// What the menu items do once their file is chosen (tests call these).
// Reads the switch and writes the snapshot; true when written.
bool SaveSnapshotTo(QWidget* owner, const QString& path, bool withSecrets);
// Reads the file and the switch and shows the differences; restore: the
// window offers to put the ticked differences back.
void CompareWithSnapshot(QWidget* owner, const QString& path, bool restore);

// Reads the switch's settings under a progress box with Cancel; nothing when
// cancelled or failed (the failure is shown).
std::optional<KvSnapshot> ReadSwitchSnapshot(QWidget* owner, bool withSecrets);

// The differences between a snapshot (left) and the switch (right), grouped
// by view, with the table views' filter, Ctrl+C and CSV export; the
// differences that can be put back have a check box and Restore… sends them.
class TSnapshotCompareForm : public QDialog {
    Q_OBJECT
public:
    TSnapshotCompareForm(QWidget* owner, KvSnapshot left, KvSnapshot right, const QString& leftName,
                         const QString& rightName, bool againstSwitch);

    TListViewPanel* List() const { return list_; }
    QPushButton* RestoreButton() const { return restore_; }
    const std::vector<SnapshotDifference>& Differences() const { return differences_; }
    // The ticked differences (indices into Differences()).
    std::vector<int> Chosen() const;
    // Plans the ticked differences, asks for confirmation with the SETs
    // listed, sends them and reports; then reads the switch again.
    void Restore();

private:
    void Fill();
    void UpdateButtons();

    KvSnapshot left_, right_;
    QString leftName_, rightName_;
    bool againstSwitch_;
    std::vector<SnapshotDifference> differences_;
    TListViewPanel* list_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* restore_ = nullptr;
};

// Asks which file to save and whether secrets go with it.
class TSaveSnapshotForm : public QDialog {
    Q_OBJECT
public:
    explicit TSaveSnapshotForm(QWidget* owner);
    QString Path() const;
    bool WithSecrets() const;

private:
    class QLineEdit* path_ = nullptr;
    QCheckBox* secrets_ = nullptr;
};
