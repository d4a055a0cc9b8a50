// The modal window in which the menu's views are shown: one scalar-group editor,
// one table, or several of them on tab pages.  The form owns the bindings
// handed to it; it reads the current view once it runs and again on every page
// switch, and shuts the bindings down when it closes.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>
#include <vector>

class KvSNMPRequest2Edits;
class QTabWidget;
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class TSNMPPanel;

class TConfigForm : public QDialog {
    Q_OBJECT
public:
    enum TViewType : int { NoView = 0, EditorView = 1, ListViewView = 2, PagedView = 3 };

    explicit TConfigForm(QWidget* owner = nullptr);
    // Shuts down bindings the form still holds (when it was never closed).
    ~TConfigForm() override;

    // Each of these takes ownership of the binding, also when it raises.
    TSNMPEditorPanel* AddEditorPanel(KvSNMPRequest2Edits* binding);
    // A value text left empty means the table has no such status row.
    TSNMPListViewPanel* AddListViewPanel(KvSNMPRequest2Edits* binding, int addStatusRow,
                                         const QString& addValue, int deleteStatusRow,
                                         const QString& deleteValue);
    void MakePaged();
    TSNMPEditorPanel* AddEditorPage(const QString& caption, KvSNMPRequest2Edits* binding);
    TSNMPListViewPanel* AddListViewPage(const QString& caption, KvSNMPRequest2Edits* binding,
                                        int addStatusRow, const QString& addValue,
                                        int deleteStatusRow, const QString& deleteValue);

    // Reads the view (or the active page) afresh; the walk of the view read
    // before is told to stop.
    void RefreshCurrent();
    // Stops every binding, waits for its outstanding response and destroys it.
    void FormClose();

    int ViewType() const { return type_; }
    QTabWidget* PageControl() const { return pages_; }
    KvSNMPRequest2Edits* CurrentBinding() const { return current_; }
    int BindingCount() const { return static_cast<int>(bindings_.size()); }
    KvSNMPRequest2Edits* Binding(int index) const { return bindings_.at(static_cast<std::size_t>(index)).get(); }
    // The panel of each binding, in the order they were added.
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    TSNMPEditorPanel* Panel(int index) const { return panels_.at(static_cast<std::size_t>(index)); }

protected:
    bool event(QEvent* e) override;

private:
    void Adopt(KvSNMPRequest2Edits* binding);
    void RequireType(int wanted, const char* error) const;
    // Puts a panel made for the newest binding onto a new page.
    void PlacePage(const QString& caption, TSNMPPanel* panel);
    void FitClientArea(QSize size);

    int type_ = NoView;
    std::vector<std::unique_ptr<KvSNMPRequest2Edits>> bindings_;
    std::vector<TSNMPEditorPanel*> panels_;
    QTabWidget* pages_ = nullptr;
    KvSNMPRequest2Edits* current_ = nullptr;
};
