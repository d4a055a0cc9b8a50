#include "TableViewer.h"

#include "ModuleStartup.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace {

TableViewerLauncher& Launcher()
{
    static TableViewerLauncher launcher;
    return launcher;
}

QString FromUtf8(const std::string& s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

void SetTableViewerLauncher(TableViewerLauncher launcher)
{
    Launcher() = std::move(launcher);
}

std::string TableViewerProgram(const std::string& viewArgument)
{
    std::size_t underscore = viewArgument.find('_');
    if (underscore == std::string::npos || underscore < 2)
        return {};
    return viewArgument.substr(2, underscore - 2);
}

std::vector<std::string> TableViewerArguments(const std::string& viewArgument, const std::string& extraArgument)
{
    const ConnectionTexts& t = MainTexts;
    std::vector<std::string> args{"/I" + t.AgentIP};
    if (t.Version == "3") {
        for (std::string a : {"/t" + t.AgentPort, "/v" + t.Version, "/d" + t.ContextEngineID,
                              "/m" + t.SecurityModel, "/n" + t.SecurityName, "/l" + t.SecurityLevel,
                              "/a" + t.AuthProtocol, "/p" + t.PrivProtocol, "/A" + t.AuthPassword,
                              "/P" + t.PrivPassword, "/c" + t.ContextName})
            args.push_back(std::move(a));
    } else {
        args.push_back("/R" + t.GetCommStr);
        args.push_back("/W" + t.SetCommStr);
    }
    args.push_back(viewArgument);
    if (!extraArgument.empty())
        args.push_back(extraArgument);
    return args;
}

std::string TableViewerCommandLine(const std::string& viewArgument, const std::string& extraArgument)
{
    std::string line = TableViewerProgram(viewArgument);
    std::vector<std::string> args = TableViewerArguments(viewArgument, extraArgument);
    if (extraArgument.empty())
        args.emplace_back();
    for (const std::string& a : args)
        line += " " + a;
    return line;
}

bool StartDetachedFromExeFolderOrPath(const std::string& program, const std::vector<std::string>& arguments)
{
    // A program name is a bare name; it never reaches outside the two places searched.
    if (program.empty() || program.find_first_of("/\\") != std::string::npos)
        return false;
    const QString name = FromUtf8(program);
    QString executable;
    const QFileInfo beside(FromUtf8(ExeFolder()) + name);
    if (beside.isFile() && beside.isExecutable())
        executable = beside.absoluteFilePath();
    else
        executable = QStandardPaths::findExecutable(name);
    if (executable.isEmpty())
        return false;
    QStringList args;
    for (const std::string& a : arguments)
        args << FromUtf8(a);
    return QProcess::startDetached(executable, args);
}

void RunTableViewer(const std::string& viewArgument, const std::string& extraArgument)
{
    const std::string program = TableViewerProgram(viewArgument);
    const std::vector<std::string> args = TableViewerArguments(viewArgument, extraArgument);
    if (Launcher())
        Launcher()(program, args);
    else
        StartDetachedFromExeFolderOrPath(program, args);
}
