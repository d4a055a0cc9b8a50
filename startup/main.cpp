// Process entry: one main window per agent.  A second start for an agent whose
// window is open already brings that window forward and ends.
#include "ConnectDialog.h"
#include "ModuleStartup.h"
#include "SingleInstance.h"
#include "binding/KvUserNotice.h"
#include "mainwin/Mainunit.h"

#include <QApplication>
#include <QLoggingCategory>

#include <cstdio>

// Off by default; QT_LOGGING_RULES="ksw.instance.info=true" shows it.
Q_LOGGING_CATEGORY(lcInstance, "ksw.instance", QtWarningMsg)

namespace {

void ShowErrorBox(const QString& text)
{
    KvMessageRequest r;
    r.Caption = KvExecutableFileName();
    r.Text = text;
    r.Icon = QMessageBox::Critical;
    KvShowMessage(r);
}

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
            ShowErrorBox(QString::fromUtf8(e.what()));
        } catch (...) {
            ShowErrorBox(QStringLiteral("Unknown error"));
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    KswApplication app(argc, argv);
    std::vector<std::string> args = ProcessArguments();
    std::optional<std::string> openItem;
    try {
        openItem = TakeOpenOption(args);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        ShowErrorBox(QString::fromUtf8(e.what()));
        return 2;
    }
    // Started from the desktop's menu: the switch is asked for, and the answers
    // come last so that they win over any switch given beside "--ask".
    if (TakeAskOption(args)) {
        const auto answers = AskConnection();
        if (!answers)
            return 0;
        args.insert(args.end(), answers->begin(), answers->end());
    }
    if (openItem)
        KvSetNoticeEcho([](const QString& line) { std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData()); });

    if (auto address = CandidateAgentAddress(args)) {
        const QString caption = QString::fromStdString(MainCaption(*address));
        if (TInstanceServer::AskRunningInstance(caption))
            return 0;
    }

    try {
        TMainForm form(args);
        if (form.TerminateRequested())
            return 0;
        // The window's final caption names the agent it serves.
        TInstanceServer instance;
        switch (instance.Listen(form.windowTitle())) {
        case TInstanceServer::ListenResult::OtherInstance:
            return 0;
        case TInstanceServer::ListenResult::Failed:
            qCWarning(lcInstance) << "cannot serve" << InstanceServerName(form.windowTitle()) << "; a second start will not find this window";
            break;
        case TInstanceServer::ListenResult::Serving:
            break;
        }
        QObject::connect(&instance, &TInstanceServer::RaiseRequested, &form, [&form] {
            qCInfo(lcInstance) << "raise requested for" << form.windowTitle();
            form.BringForward();
        });
        form.show();
        if (openItem)
            form.ChooseMenuItemLater(QString::fromStdString(*openItem));
        return app.exec();
    } catch (const std::exception& e) {
        ShowErrorBox(QString::fromUtf8(e.what()));
        return 1;
    }
}
