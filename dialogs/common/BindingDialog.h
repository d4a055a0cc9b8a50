// The base of the dedicated editors that read and write one table (or scalar
// group) through one controls binding: the binding itself, the status bar it
// reports to, the write with exclusions, and the closing that lets a running
// request end before the binding goes.
#pragma once

#include "defs/ViewDefinitions.h"
#include "kvsnmp/KvSNMPVarDef.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class KvSNMPRequest2Edits;
class KvSNMPVarList;
class KvStatusBar;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// The flags word of every column of a list, saved when made and put back when
// it goes: a write leaves no column excluded on any way out, a refused value
// or an agent error included.  Columns are numbered from 1 as in the MIB.
class TSavedColumnFlags {
public:
    explicit TSavedColumnFlags(KvSNMPVarList& list);
    ~TSavedColumnFlags();
    TSavedColumnFlags(const TSavedColumnFlags&) = delete;
    TSavedColumnFlags& operator=(const TSavedColumnFlags&) = delete;

    // The column is left out of reads and writes until its flags come back.
    void Exclude(int column);
    void Exclude(std::initializer_list<int> columns);
    void ExcludeRange(int first, int last);
    // The column's saved flags back (it takes part in the write again).
    void Restore(int column);
    void RestoreAll();
    bool IsExcluded(int column) const;

private:
    KvSNMPVarList& list_;
    std::vector<std::uint32_t> saved_;
};

class TBindingDialog : public QDialog {
    Q_OBJECT
public:
    explicit TBindingDialog(QWidget* parent = nullptr);
    ~TBindingDialog() override;

    // Null once the dialog has closed.
    KvSNMPRequest2Edits* Binding() const { return binding_.get(); }
    KvStatusBar* StatusBar() const { return statusBar_; }
    // The text of the status bar's first panel.
    QString StatusText() const;
    // Writes a text into the status bar's first panel.
    void ShowStatusText(const QString& text);

    // Stops the binding from starting requests, lets a running one end (at most
    // for its time-out and retries) and destroys the binding.  Closing does it.
    void ReleaseBinding();

    void done(int result) override;

protected:
    // A synchronous binding over a copy of the table, listing it as a table with
    // keyCount key columns and reporting to the status bar's first panel.  The
    // request takes the agent and its security from the defaults.  A value its
    // edit constraints refuse stays in the edit.
    // itemType MVT_SV makes it one row whose Instance the dialog sets itself.
    void CreateBinding(const KvSNMPVarDef* table, int keyCount, std::uint8_t itemType = MVT_UMV);
    // The same over a table as its binding record says.
    void CreateBinding(const DefinitionBinding& table) { CreateBinding(table.Defs, table.Keys, table.Kind); }

    // One SET of the current controls' values: `exclude` leaves out what must
    // not be written (and may choose the row status to send); every column's
    // flags come back afterwards, also when the write fails.  Errors reach the
    // caller.  The table is not read again.
    void WriteWithExclusions(const std::function<void(TSavedColumnFlags&)>& exclude);
    // The write in which only the row status goes out, as the destroy item of
    // the row-status list that `rowStatus` shows.
    void DestroyRow(int rowStatusColumn, QComboBox* rowStatus, int destroyItem);

    // Asks whether to delete the list's selected line, named by its keys and
    // name; true for Yes.  No is the default answer.
    bool ConfirmDelete(QTreeWidget* list);

    // A button and what its clicks run.
    struct TButtonAction {
        QPushButton* Button;
        std::function<void()> Run;
    };
    // Connects each button to its action.  An action runs only while the
    // binding is there: a click can still come in while the dialog closes.
    void ConnectButtons(std::initializer_list<TButtonAction> actions);
    // The counter shows the number of lines in the list, from now on and
    // whenever lines come or go.
    void CountLines(QTreeWidget* list, QLabel* counter);
    static void ShowLineCount(QTreeWidget* list, QLabel* counter);

    // Signals of the dialog's own widgets stop reaching the dialog.  The first
    // destructor of a dialog that connects them calls it: the widgets are
    // deleted only after every destructor of the dialog has run, and a signal
    // they send then must not reach a dialog that is no longer there.
    void DisconnectChildren();

    // Runs `step`; the text of an error it raises goes to ShowError.  False
    // when it raised one.
    bool Guarded(const std::function<void()>& step);
    // Where the text of a caught error goes: the status bar's first panel,
    // unless the dialog reports elsewhere.
    virtual void ShowError(const QString& text);

private:
    std::unique_ptr<KvSNMPRequest2Edits> binding_;
    KvStatusBar* statusBar_;
};
