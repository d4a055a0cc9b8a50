#include "ModuleCommands.h"

#include "HelpWindow.h"
#include "Mainunit.h"
#include "defs/ViewDefinitions.h"
#include "binding/KvControls.h"
#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPRequest.h"

#include <QMainWindow>

#include <cstdint>
#include <string>

namespace {

// Both device commands write the value 3 ("set", "warm-start") to their one
// scalar.  The switch may take long to save, hence the longer time-out.
const std::string kCommandValue = "3";

// A successful set answers with a status line named after the command (a
// failure raises its error instead): without it a save looked ignored.
void RunDeviceCommand(QMainWindow& window, const DefinitionBinding& definition, const QString& question,
                      const QString& caption, const QString& command,
                      QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    KvMessageRequest ask;
    ask.Owner = &window;
    ask.Caption = caption;
    ask.Text = question;
    ask.Buttons = QMessageBox::Ok | QMessageBox::Cancel;
    ask.Icon = QMessageBox::Information;
    ask.DefaultButton = defaultButton;
    if (KvShowMessage(ask) != QMessageBox::Ok)
        return;

    KvSNMPRequest request;
    AppendBinding(request.Variables, definition);
    request.Timeout = KvDeviceCommandTimeout;
    request.Variables.ItemAt(0).Value = kCommandValue;
    request.Set({});
    if (auto* form = qobject_cast<TMainForm*>(&window))
        form->StatusBar->SetPanelText(0, command + QStringLiteral(": sent"));
}

} // namespace

void H1Click(QMainWindow& window)
{
    ShowHelp(window);
}

void ExitClick(QMainWindow& window)
{
    window.close();
}

void SaveConfigClick(QMainWindow& window)
{
    RunDeviceCommand(window, SaveConfigBinding, QStringLiteral("Are you sure?\nIt will spend a lot time !\nPlease wait !"),
                     QStringLiteral("Device Save Changes"), QStringLiteral("Save Changes"));
}

void RebootClick(QMainWindow& window)
{
    // The question says which switch goes down, as the title names it (port
    // and sysName included, so that two switches on one host are told apart),
    // and what a restart loses; Enter alone must not reboot it.
    const QString question = QStringLiteral("Are you sure?\n\nThe switch %1 restarts: changes not saved "
                                            "with Save Changes are lost.")
                                 .arg(window.windowTitle());
    RunDeviceCommand(window, SystemResetBinding, question, QStringLiteral("Device Reboot"), QStringLiteral("Reboot"),
                     QMessageBox::Cancel);
}

void RMON1Click(QMainWindow& window)
{
    if (auto* form = qobject_cast<TMainForm*>(&window))
        form->RMON1Click();
}

void RefreshClick(QMainWindow& window)
{
    if (auto* form = qobject_cast<TMainForm*>(&window))
        form->RefreshClick();
}
