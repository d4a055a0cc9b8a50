// Process entry.  "--help", "--version" and "--open --list" answer on stdout before anything
// else (no display, no window, no SNMP); otherwise the module runs
// (mainwin/ModuleEntry.h) until its window closes or a signal asks it to end;
// the configuration snapshot options run without a window (mainwin/ConfigurationCommands.h).
#include "ModuleStartup.h"
#include "TerminationSignals.h"
#include "binding/KvUserNotice.h"
#include "mainwin/ConfigurationCommands.h"
#include "mainwin/ModuleEntry.h"
#include "mainwin/ViewFinder.h"
#include "startup/ConfigurationOptions.h"

#include <QApplication>

#include <cstdio>

namespace {

// An error that escapes an event handler is shown in an error box; the
// application goes on.
class KswApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            ShowError(QString::fromUtf8(e.what()));
        } catch (...) {
            ShowError(QStringLiteral("Unknown error"));
        }
        return false;
    }

private:
    static void ShowError(const QString& text)
    {
        KvMessageRequest r;
        r.Caption = KvExecutableFileName();
        r.Text = text;
        r.Icon = QMessageBox::Critical;
        KvShowMessage(r);
    }
};

} // namespace

int main(int argc, char** argv)
{
    switch (FindInfoRequest(std::vector<std::string>(argv + 1, argv + argc))) {
    case InfoRequest::Help:
        std::fputs(CommandLineHelp().c_str(), stdout);
        return 0;
    case InfoRequest::Version:
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    case InfoRequest::MenuItems:
        std::fputs(MenuItemListText().c_str(), stdout);
        return 0;
    case InfoRequest::None:
        break;
    }

    // Snapshots saved or compared from the command line (scheduled jobs): no
    // window, no display.
    if (HasConfigurationOption(std::vector<std::string>(argv + 1, argv + argc))) {
        QCoreApplication app(argc, argv);
        return RunConfigurationCommand(ProcessArguments());
    }

    KswApplication app(argc, argv);
    TTerminationSignals termination;
    return RunModule(ProcessArguments(), termination);
}
