#include "TryView.h"

#include "Guiconfigform.h"
#include "Listviewpanel.h"
#include "Snmpeditorpanel.h"

#include "KvSNMPRequest2Edits.h"
#include "kvsnmp/KvOptionList.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

namespace {

using namespace KvSyntax;
using namespace KvAccess;

const KvOptionDef kRowStatusRows[] = {{1, "active"},       {2, "notInService"}, {3, "notReady"},
                                      {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
                                      {0, nullptr}};
const KvOptionList kRowStatus(kRowStatusRows, KvOptionList::IntegerValues);
const KvOptionDef kStateRows[] = {{1, "disabled"}, {2, "enabled"}, {0, nullptr}};
const KvOptionList kState(kStateRows, KvOptionList::IntegerValues);

const char* const kGroup = "1.3.6.1.4.1.97531.70";
const char* const kEntry = "1.3.6.1.4.1.97531.71.1.1";

const char* const kData =
    "#!writable 1.3.6.1.4.1.97531.70.1 4 0..32\n"
    "#!writable 1.3.6.1.4.1.97531.70.2 2 1..4094\n"
    "#!writable 1.3.6.1.4.1.97531.70.4 2 1..2\n"
    "#!writable 1.3.6.1.4.1.97531.71.1.1\n"
    "#!rowstatus 1.3.6.1.4.1.97531.71.1.1.4\n"
    "1.3.6.1.4.1.97531.70.1.0|4|try device\n"
    "1.3.6.1.4.1.97531.70.2.0|2|42\n"
    "1.3.6.1.4.1.97531.70.3.0|4|read only text\n"
    "1.3.6.1.4.1.97531.70.4.0|2|2\n"
    "1.3.6.1.4.1.97531.71.1.1.2.1|4|uplink\n"
    "1.3.6.1.4.1.97531.71.1.1.2.2|4|server\n"
    "1.3.6.1.4.1.97531.71.1.1.2.5|4|printer\n"
    "1.3.6.1.4.1.97531.71.1.1.3.1|2|1500\n"
    "1.3.6.1.4.1.97531.71.1.1.3.2|2|9000\n"
    "1.3.6.1.4.1.97531.71.1.1.3.5|2|1500\n"
    "1.3.6.1.4.1.97531.71.1.1.4.1|2|1\n"
    "1.3.6.1.4.1.97531.71.1.1.4.2|2|1\n"
    "1.3.6.1.4.1.97531.71.1.1.4.5|2|2\n";

// A loopback UDP port nobody uses right now.
int FreeUdpPort()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

// $KSW_SIM, else beside the executable (or in its build tree's sim folder), else on the PATH.
QString SimProgram()
{
    const QString given = qEnvironmentVariable("KSW_SIM");
    if (!given.isEmpty())
        return given;
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate : {here.filePath(QStringLiteral("ksw-sim")), here.filePath(QStringLiteral("sim/ksw-sim"))})
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    return QStandardPaths::findExecutable(QStringLiteral("ksw-sim"));
}

void Fail(const QString& text)
{
    std::fprintf(stderr, "ksw4800 --try-view: %s\n", qPrintable(text));
}

KvSNMPRequest2Edits* ScalarGroup(QWidget* owner)
{
    auto* b = new KvSNMPRequest2Edits(owner);
    KvSNMPVarList& v = b->Variables();
    v.ItemType = SVT_SV;
    const std::string g = kGroup;
    v.AppendItem(g + ".1.0", "Device Name", DisplayStr, ReadWrite);
    v.AppendItem(g + ".2.0", "Default VLAN", Integer, ReadWrite);
    v.AppendItem(g + ".3.0", "Description", DisplayStr, ReadOnly);
    v.AppendItem(g + ".4.0", "State", Integer, ReadWrite, &kState);
    return b;
}

KvSNMPRequest2Edits* Table(QWidget* owner)
{
    auto* b = new KvSNMPRequest2Edits(owner);
    KvSNMPVarList& v = b->Variables();
    v.ItemType = MVT_UMV;
    v.PKeyCount = 1;
    const std::string e = kEntry;
    v.AppendItem(" ", "Index", Integer, NotAccess);
    v.AppendItem(e + ".2", "Name", DisplayStr, ReadWrite);
    v.AppendItem(e + ".3", "MTU", Integer, ReadWrite);
    v.AppendItem(e + ".4", "Row Status", Integer, ReadWrite, &kRowStatus);
    return b;
}

} // namespace

int TRunTryView()
{
    QTemporaryDir folder;
    const QString program = SimProgram();
    const int port = FreeUdpPort();
    if (program.isEmpty() || !folder.isValid() || port == 0) {
        Fail(program.isEmpty() ? QStringLiteral("ksw-sim not found (set KSW_SIM)")
                               : QStringLiteral("no temporary folder or free port"));
        return 1;
    }
    const QString data = folder.filePath(QStringLiteral("try.snmprec"));
    {
        QFile f(data);
        if (!f.open(QIODevice::WriteOnly) || f.write(kData) < 0) {
            Fail(QStringLiteral("cannot write ") + data);
            return 1;
        }
    }
    QProcess sim;
    sim.setWorkingDirectory(folder.path());
    sim.setStandardOutputFile(QProcess::nullDevice());
    sim.start(program, {QStringLiteral("--port"), QString::number(port), QStringLiteral("--data"), data,
                        QStringLiteral("--state"), folder.filePath(QStringLiteral("state.snmprec")),
                        QStringLiteral("--reset-seconds"), QStringLiteral("1")});
    QByteArray log;
    const QDeadlineTimer deadline(10000);
    while (!log.contains("ksw-sim: started")) {
        if (sim.state() == QProcess::NotRunning || deadline.hasExpired()) {
            Fail(QStringLiteral("ksw-sim did not start: ") + QString::fromLocal8Bit(log + sim.readAllStandardError()));
            sim.kill();
            sim.waitForFinished(2000);
            return 1;
        }
        sim.waitForReadyRead(50);
        log += sim.readAllStandardError();
    }
    std::fprintf(stderr, "ksw4800 --try-view: ksw-sim serves 127.0.0.1:%d (v2c)\n", port);

    int rc = 0;
    try {
        CreateGlobalSession(folder.path().toStdString());
        DefaultDevice.Address = "127.0.0.1";
        DefaultDevice.Port = static_cast<std::uint16_t>(port);
        DefaultSecurity.Version = 1;

        auto form = std::make_unique<TConfigForm>();
        form->setWindowTitle(QStringLiteral("Try View : 127.0.0.1:%1").arg(port));
        form->MakePaged();
        form->AddEditorPage(QStringLiteral("Scalar Group"), ScalarGroup(form.get()))->SetVarFormat(1, QStringLiteral("%i{n1x4094}"));
        form->AddListViewPage(QStringLiteral("Table"), Table(form.get()), 3, QStringLiteral("CreateAndGo"), 3,
                              QStringLiteral("Destroy"));
        form->exec();
    } catch (const KvSNMPException& e) {
        Fail(QString::fromStdString(e.Message()));
        rc = 1;
    }
    sim.terminate();
    if (!sim.waitForFinished(3000)) {
        sim.kill();
        sim.waitForFinished(2000);
    }
    return rc;
}
