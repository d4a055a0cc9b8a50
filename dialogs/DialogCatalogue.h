// The dedicated dialogs that menu items open, by the class name the view
// catalogue gives them.  Each dialog family (device, access control, access
// accounting) keeps its own table; the catalogue looks a class up here and
// tells the user when a dialog is not available yet.
#pragma once

#include "views/Viewmodal.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <span>
#include <string_view>

// What a dialog gets from the menu item that opens it.
struct DialogRequest {
    // The main window: owner of the dialog.  Closing it (close()) goes
    // through the module's exit question.
    QMainWindow* Window = nullptr;
    // The caption the catalogue gives; empty: the dialog keeps its designed caption.
    QString Caption;
    // The spanning-tree version label the main window read before opening
    // the spanning-tree dialog ("stp", "rstp", "mstp"; the previous text when the read failed).
    QString StpVersion;
    // Takes the version label the spanning-tree dialog leaves behind after a
    // Set, for the main window's copy; may be empty.
    std::function<void(const QString&)> SetStpVersion;
    // Builds the front panel afresh after the connection parameters were
    // read again; may be empty.
    std::function<void()> RebuildFrontPanel;
    // Writes a line into the first panel of the main window's status bar.
    std::function<void(const QString&)> ShowStatus;
};

// Shows the dialog modally and returns when it has closed.
using DialogOpener = void (*)(const DialogRequest&);

struct DialogEntry {
    const char* ClassName;  // as the catalogue names it, e.g. "TSummerTimeForm"
    DialogOpener Open;
};

// The tables of each family, in dialogs/device, dialogs/acl and dialogs/aac.
// Besides the dialog classes, the device table holds "SNMPConfig": the command
// that starts the host's user-configuration tool.
std::span<const DialogEntry> DeviceDialogs();
std::span<const DialogEntry> AclDialogs();
std::span<const DialogEntry> AacDialogs();

// The opener of a class; null when no family has it.
DialogOpener FindDialog(std::string_view className);

// The opener of a dialog class whose constructor takes its owner: the dialog
// lives for the modal run only, under the catalogue's caption as given (it
// carries the agent's address already) or, without one, its own.
template <typename Form>
void OpenDialogForm(const DialogRequest& request)
{
    Form form(request.Window);
    if (!request.Caption.isEmpty())
        form.setWindowTitle(request.Caption);
    TRunModal(form);
}
