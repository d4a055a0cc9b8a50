#include "ViewCatalogue.h"

#include "About.h"
#include "MainMenu.h"
#include "Mainunit.h"
#include "defs/SwitchPorts.h"
#include "defs/ViewDefinitions.h"
#include "binding/KvControls.h"
#include "binding/KvPlainText.h"
#include "binding/KvSNMPRequest2Edits.h"
#include "binding/KvUserNotice.h"
#include "dialogs/DialogCatalogue.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"
#include "startup/ModuleStartup.h"
#include "startup/TableViewer.h"
#include "views/Guiconfigform.h"
#include "views/Listviewpanel.h"
#include "views/Snmpeditorpanel.h"
#include "views/Viewmodal.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>

#include <exception>
#include <string>

namespace {

// Port lists: one line of boxes per front-panel row of ports.
constexpr int kPortBoxesPerLine = 25;

QString Latin1(const char* text)
{
    return text ? QString::fromLatin1(text) : QString();
}

QString AgentAddress()
{
    return QString::fromStdString(MainTexts.AgentIP);
}

// The rows of the item whose first row is `first`.
std::span<const ViewCatalogueRow> EntryAt(std::span<const ViewCatalogueRow> rows, std::size_t first)
{
    std::size_t end = first + 1;
    while (end < rows.size() && std::string_view(rows[end].Item) == rows[first].Item)
        ++end;
    return rows.subspan(first, end - first);
}

// ---- hooks around the Add and Edit dialogs -------------------------------

// The rows are checked and their check boxes locked, so that they always go
// with the new row; the rest of the dialog starts empty.
void LockChecked(TEditsPanel& edits, std::initializer_list<int> rows)
{
    for (int r : rows) {
        edits.CheckRow(r);
        edits.Row(r).Check->setEnabled(false);
    }
    edits.ClearRows();
}

void Unlock(TEditsPanel& edits, std::initializer_list<int> rows)
{
    for (int r : rows)
        edits.Row(r).Check->setEnabled(true);
}

void InstallHooks(TSNMPListViewPanel& panel, ViewHook hook)
{
    TEditsPanel* edits = panel.EditsPanel();
    switch (hook) {
    case ViewHook::None:
        return;
    case ViewHook::VlanStatic:
        panel.OnBeforeAdd = [edits](QObject*) { LockChecked(*edits, {VlanStaticRow::Name}); };
        panel.OnAfterAdd = [edits](QObject*) { Unlock(*edits, {VlanStaticRow::Name}); };
        return;
    case ViewHook::Trunk: {
        panel.OnBeforeAdd = [edits](QObject*) { LockChecked(*edits, {TrunkRow::Name, TrunkRow::MasterPort, TrunkRow::Members}); };
        panel.OnAfterAdd = [edits](QObject*) { Unlock(*edits, {TrunkRow::Name, TrunkRow::MasterPort, TrunkRow::Members}); };
        // A trunk's master port is chosen once: while it reads anything but
        // "0" it cannot be written in that edit.
        KvSNMPRequest2Edits* binding = panel.Binding();
        panel.OnBeforeEdit = [edits, binding](QObject*) {
            const QLineEdit* edit = edits->RowEdit(TrunkRow::MasterPort);
            if (!edit || edit->text() != QLatin1String("0"))
                binding->Variables().ItemAt(TrunkRow::MasterPort).Access &= ~KvAccess::WriteOnly;
        };
        panel.OnAfterEdit = [edits, binding](QObject*) {
            binding->Variables().ItemAt(TrunkRow::MasterPort).Access |= KvAccess::WriteOnly;
            edits->EnableRow(TrunkRow::MasterPort);
        };
        return;
    }
    case ViewHook::ViewTreeFamily:
        panel.OnBeforeAdd = [edits](QObject*) {
            edits->ClearRows();
            edits->SetRowValue(ViewTreeFamilyRow::Type, QStringLiteral("included"));
            edits->SetRowValue(ViewTreeFamilyRow::StorageType, QStringLiteral("nonVolatile"));
        };
        return;
    case ViewHook::Community:
        panel.OnBeforeAdd = [edits](QObject*) {
            LockChecked(*edits, {CommunityRow::Name, CommunityRow::SecurityName});
            edits->SetRowValue(CommunityRow::StorageType, QStringLiteral("nonVolatile"));
        };
        panel.OnAfterAdd = [edits](QObject*) { Unlock(*edits, {CommunityRow::Name, CommunityRow::SecurityName}); };
        return;
    }
}

TSNMPListViewPanel& ListPanel(TSNMPEditorPanel& panel, const ViewCatalogueRow& row)
{
    auto* list = qobject_cast<TSNMPListViewPanel*>(&panel);
    if (!list)
        throw LibraryError(KvUnknownErrorCode,
                           std::string("View catalogue: a table adjustment on the scalar page of ") + row.Item);
    return *list;
}

// The adjustments of one page that act on its panel; those of the form's size
// come after every page is built.
void AdjustPage(TSNMPEditorPanel& panel, KvSNMPRequest2Edits& binding, const ViewCatalogueRow& row)
{
    TEditsPanel* edits = panel.EditsPanel();
    for (const ViewAdjustment& a : row.Adjust) {
        switch (a.Kind) {
        case ViewAdjust::SetVarFormat:
            panel.SetVarFormat(a.Row, Latin1(a.Text));
            break;
        case ViewAdjust::SetOctetEditor:
            edits->SetOctetEditor(a.Row, kPortBoxesPerLine, KswPortCount);
            break;
        case ViewAdjust::NoEdit: {
            TSNMPListViewPanel& list = ListPanel(panel, row);
            list.ReadOnly = 1;
            list.CtrlBtnPanel()->BT_Edit->hide();
            list.CtrlBtnPanel()->ArrangeButtons();
            break;
        }
        case ViewAdjust::SetEditWidth:
            panel.SetEditWidth(a.Value);
            break;
        case ViewAdjust::SetControlWidth:
            edits->SetControlWidth(a.Value);
            break;
        case ViewAdjust::Hooks:
            InstallHooks(ListPanel(panel, row), a.Hook);
            break;
        case ViewAdjust::RangeCheck:
            // The view exists only while it is shown: checking is on for its life.
            edits->SetNeedCheckItemRange(Latin1(a.Text), a.Row, a.Value, a.Maximum);
            edits->SetRangeCheck(true);
            break;
        case ViewAdjust::MulticastRange:
            edits->SetMulticastRangeMode(true);
            break;
        case ViewAdjust::SpinLockRow:
            edits->CheckRow(0);
            edits->Row(0).Check->hide();
            break;
        case ViewAdjust::VersionV2c:
            // 64-bit counters do not exist in v1; the module's version stays as it is.
            if (binding.Request().Security.Version == 0)
                binding.Request().Security.Version = 1;
            break;
        case ViewAdjust::None:
        case ViewAdjust::Width:
        case ViewAdjust::Height:
        case ViewAdjust::WidenBy:
        case ViewAdjust::Counter64Prompt:
        case ViewAdjust::ReadStpVersion:
            break;
        }
    }
}

void AdjustFormSize(TConfigForm& form, const ViewCatalogueRow& row)
{
    for (const ViewAdjustment& a : row.Adjust) {
        if (a.Kind == ViewAdjust::Width)
            form.resize(a.Value, form.height());
        else if (a.Kind == ViewAdjust::Height)
            form.resize(form.width(), a.Value);
        else if (a.Kind == ViewAdjust::WidenBy)
            form.resize(form.width() + a.Value, form.height());
    }
}

// Views of 64-bit counters offer to move the whole module to v2c when it uses v1.
void AskCounter64(QMainWindow& window)
{
    if (DefaultSecurity.Version != 0)
        return;
    KvMessageRequest ask;
    ask.Owner = &window;
    ask.Caption = QStringLiteral("Changes SNMP Version");
    ask.Text = QStringLiteral("This table has Counter64 ! \n Do you want to chane to SNMP V2 ?");
    ask.Buttons = QMessageBox::Ok | QMessageBox::Cancel;
    ask.Icon = QMessageBox::Information;
    if (KvShowMessage(ask) == QMessageBox::Ok)
        DefaultSecurity.Version = 1;
}

// key: the row of the first page to select once that page has been read;
// empty for none.
void OpenGenericView(QMainWindow& window, std::span<const ViewCatalogueRow> entry, const QString& key = {})
{
    for (const ViewCatalogueRow& row : entry)
        if (row.Has(ViewAdjust::Counter64Prompt))
            AskCounter64(window);
    std::unique_ptr<TConfigForm> form = BuildView(entry, &window, AgentAddress());
    if (!key.isEmpty() && form->PanelCount() > 0) {
        if (auto* list = qobject_cast<TSNMPListViewPanel*>(form->Panel(0))) {
            QPointer<TSNMPListViewPanel> panel = list;
            KvSNMPRequest2Edits* binding = form->Binding(0);
            binding->RunAfterNextRead([panel, binding, key] {
                // The panel's buttons follow the selection as after a click.
                if (panel && binding->SelectRowByKey(key))
                    panel->ListViewClick();
            });
        }
    }
    TRunModal(*form);
}

// ---- dialogs ---------------------------------------------------------------

void StatusBarLine(QMainWindow& window, const QString& text)
{
    if (auto* main = qobject_cast<TMainForm*>(&window))
        main->StatusBar->SetPanelText(0, text);
}

// The spanning-tree dialog shows the mode the switch runs: the version is read
// into the main window's hidden text first.  A failed read is shown in the
// status bar; the text keeps what it held and the dialog still opens.
QString ReadStpVersionInto(QMainWindow& window)
{
    auto* main = qobject_cast<TMainForm*>(&window);
    if (!main)
        return {};
    try {
        KvSNMPRequest2Edits binding(main);
        AppendBinding(binding.Variables(), StpVersionBinding);
        binding.SetMode(KvSNMPRequest2Controls::Synchronous);
        binding.AssociateText(0, main->stSTP);
        binding.Get();
    } catch (const std::exception& e) {
        main->StatusBar->SetPanelText(0, QString::fromUtf8(e.what()));
    }
    return main->stSTP->text();
}

void OpenAbout(const DialogRequest& request)
{
    const auto* main = qobject_cast<const TMainForm*>(request.Window);
    About1Click(*request.Window, main ? main->IdentityWarning() : QString());
}

// Dialogs of the main window itself, ahead of the dialog families.
constexpr DialogEntry kModuleDialogs[] = {{"TAboutForm", &OpenAbout}};

DialogOpener FindAnyDialog(std::string_view className)
{
    for (const DialogEntry& e : kModuleDialogs)
        if (className == e.ClassName)
            return e.Open;
    return FindDialog(className);
}

QString MenuCaption(std::string_view item)
{
    for (const MainMenuItemDef& m : MainMenuItems())
        if (item == m.Name && m.Caption)
            return QString::fromUtf8(m.Caption).trimmed();
    return QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size()));
}

void OpenDialog(QMainWindow& window, const ViewCatalogueRow& row)
{
    DialogRequest request;
    request.Window = &window;
    request.Caption = ViewCaption(row.Title, AgentAddress());
    request.ShowStatus = [&window](const QString& text) { StatusBarLine(window, text); };
    if (auto* main = qobject_cast<TMainForm*>(&window)) {
        request.SetStpVersion = [main](const QString& label) { KvSetPlainText(main->stSTP, label); };
        request.RebuildFrontPanel = [main] { main->RefreshClick(); };
    }
    if (row.Has(ViewAdjust::ReadStpVersion))
        request.StpVersion = ReadStpVersionInto(window);
    const DialogOpener open = FindAnyDialog(row.Target);
    if (!open) {
        KvShowAppMessage(&window, QStringLiteral("The \"%1\" editor is not available yet.").arg(MenuCaption(row.Item)));
        return;
    }
    open(request);
}

} // namespace

std::span<const ViewCatalogueRow> FindViewEntry(std::string_view item)
{
    const auto rows = ViewCatalogue();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (item == rows[i].Item)
            return EntryAt(rows, i);
    return {};
}

QString ViewCaption(const ViewTitle& title, const QString& agentIP)
{
    switch (title.Form) {
    case ViewTitleForm::Agent:
        return Latin1(title.Text) + agentIP;
    case ViewTitleForm::Fixed:
        return Latin1(title.Text);
    case ViewTitleForm::Designed:
    case ViewTitleForm::Same:
        break;
    }
    return {};
}

std::unique_ptr<TConfigForm> BuildView(std::span<const ViewCatalogueRow> entry, QWidget* owner,
                                       const QString& agentIP)
{
    auto form = std::make_unique<TConfigForm>(owner);
    if (entry.empty())
        return form;
    form->setWindowTitle(ViewCaption(entry.front().Title, agentIP));
    const bool paged = entry.size() > 1 || entry.front().Page;
    if (paged)
        form->MakePaged();
    for (const ViewCatalogueRow& row : entry) {
        // The list is a copy: the constant table stays as it is for the next opening.
        auto* binding = new KvSNMPRequest2Edits(form.get());
        KvSNMPVarList& vars = binding->Variables();
        vars.ItemType = row.ItemType;
        vars.PKeyCount = row.Keys;
        vars.AppendTable(row.Defs);

        const QString page = Latin1(row.Page);
        TSNMPEditorPanel* panel = nullptr;
        if (row.Panel == ViewPanel::Scalars) {
            panel = paged ? form->AddEditorPage(page, binding) : form->AddEditorPanel(binding);
        } else {
            const QString add = Latin1(row.Add.Label);
            const QString del = Latin1(row.Delete.Label);
            panel = paged ? form->AddListViewPage(page, binding, row.Add.Row, add, row.Delete.Row, del)
                          : form->AddListViewPanel(binding, row.Add.Row, add, row.Delete.Row, del);
        }
        AdjustPage(*panel, *binding, row);
    }
    for (const ViewCatalogueRow& row : entry)
        AdjustFormSize(*form, row);
    return form;
}

std::string_view PortSettingsItem()
{
    // In order of preference.
    static constexpr std::string_view candidates[] = {"PortControlTable1", "IFXTable1"};
    for (std::string_view item : candidates) {
        const auto entry = FindViewEntry(item);
        if (!entry.empty() && entry.front().Action == ViewAction::Generic && entry.front().Panel == ViewPanel::Table &&
            entry.front().Keys == 1)
            return item;
    }
    return {};
}

bool RunViewEntryAtRow(QMainWindow& window, std::string_view item, const QString& key)
{
    const auto entry = FindViewEntry(item);
    if (entry.empty() || entry.front().Action != ViewAction::Generic)
        return false;
    OpenGenericView(window, entry, key);
    return true;
}

bool RunViewEntry(QMainWindow& window, std::string_view item)
{
    const auto entry = FindViewEntry(item);
    if (entry.empty())
        return false;
    const ViewCatalogueRow& row = entry.front();
    switch (row.Action) {
    case ViewAction::Generic:
        OpenGenericView(window, entry);
        break;
    case ViewAction::Viewer:
        RunTableViewer(row.Target, "");
        break;
    case ViewAction::Dialog:
        OpenDialog(window, row);
        break;
    case ViewAction::Command:
        if (row.Command)
            row.Command(window);
        else
            OpenDialog(window, row);
        break;
    case ViewAction::SameViewAs:
        return RunViewEntry(window, row.Target);
    case ViewAction::NoAction:
        break;
    }
    return true;
}
