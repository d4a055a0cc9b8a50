// The SNMP connection settings: the settings it opens with (those the module
// runs with, so that OK without a change keeps them), the file OK writes for
// each version (byte for byte but for the date and time of writing), the
// version-changed decision and its question, the refusals (empty SNMPv3
// choices, IDEA, a file that cannot be written), the community fields
// following the version, and the host's
// user-configuration tool: run with the agent and the module folder while the
// window keeps working, the file read again afterwards, a missing tool
// reported at once.
#include "KvTestUtil.h"
#include "RefusingWindow.h"

#include "dialogs/DialogCatalogue.h"
#include "dialogs/device/Snmpconfig.h"

#include "binding/KvControls.h"
#include "binding/KvUserNotice.h"
#include "kvsnmp/KvSNMPSession.h"
#include "startup/ModuleStartup.h"
#include "views/Viewmodal.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// What the user does in the dialog before OK.
struct Choice {
    int version = 0;   // radio item
    const char* name = "";
    const char* level = "";
    const char* auth = "";
    const char* priv = "";
    const char* authPass = "";
    const char* privPass = "";
    const char* context = nullptr;     // nullptr: as the version leaves it
    const char* community = nullptr;
};

void fillIn(TfrmConfigSNMP& d, const Choice& c)
{
    d.rgpSNMPVersion->SetItemIndex(c.version);
    d.cbxSecurityName->setCurrentText(c.name);
    d.cbxSecurityLevel->setCurrentText(c.level);
    d.cbxAuthProtocol->setCurrentText(c.auth);
    d.cbxPrivProtocol->setCurrentText(c.priv);
    d.edtAuthPass->setText(c.authPass);
    d.edtPrivPass->setText(c.privPass);
    if (c.context)
        d.edtContext->setText(c.context);
    if (c.community)
        d.edtCommunity->setText(c.community);
}

class SnmpConfig : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        settings_ = new QTemporaryDir;
        // No host install path: the tool is looked for beside the module only.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_->path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settings_->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, settings_->path());
    }
    static void TearDownTestSuite()
    {
        delete settings_;
        settings_ = nullptr;
    }
    void SetUp() override
    {
        folder = dir.filePath("korvane_ems/");
        ASSERT_TRUE(QDir().mkpath(folder));
        SetExeFolder(folder.toStdString());
        LocalConfigMode = true;
        // The texts of a module started without switches.
        ResetDefaultParameters();
        FillConnectionTexts();
        MainTexts.AgentIP = "127.0.0.1";
    }
    void TearDown() override
    {
        SetExeFolder({});
        LocalConfigMode = false;
    }
    QString cfg() const { return folder + "127.0.0.1.cfg"; }
    bool written() const { return QFile::exists(cfg()); }

    // The file without the values of the date and time lines, which are
    // checked to be a date in the system's short format and a time.
    std::string fileWithoutClock()
    {
        QFile f(cfg());
        if (!f.open(QIODevice::ReadOnly))
            return "(missing)";
        QList<QByteArray> lines = f.readAll().split('\n');
        for (QByteArray& line : lines) {
            for (const char* key : {"UpdateDate=", "UpdateTime="}) {
                if (!line.startsWith(key))
                    continue;
                const QString value = QString::fromLatin1(line.mid(int(strlen(key)))).trimmed();
                // The long time format may carry a zone name that does not read back.
                if (key[6] == 'D')
                    EXPECT_TRUE(QLocale::system().toDate(value, QLocale::ShortFormat).isValid()) << value.toStdString();
                else
                    EXPECT_TRUE(value.contains(':')) << value.toStdString();
                line = QByteArray(key) + "*\r";
            }
        }
        const QByteArray joined = lines.join('\n');
        return std::string(joined.constData(), static_cast<std::size_t>(joined.size()));
    }

    static inline QTemporaryDir* settings_ = nullptr;
    QTemporaryDir dir;
    QString folder;
    std::vector<KvMessageRequest> messages;
    QMessageBox::StandardButton answer = QMessageBox::No;
    KvScopedMessagePresenter presenter{[this](const KvMessageRequest& r) {
        messages.push_back(r);
        return answer;
    }};
    std::vector<QString> texts() const
    {
        std::vector<QString> t;
        for (const auto& m : messages)
            t.push_back(m.Text);
        return t;
    }
};

std::string layout(const char* version, const char* name, const char* authPass, const char* privPass,
                   const char* auth, const char* priv, const char* level, const char* context, const char* set)
{
    return std::string("[Program Information]\r\nAgentIP=127.0.0.1\r\nAgentPort=161\r\nVersion=") + version +
           "\r\nSecurityName=" + name + "\r\nAuthPassword=" + authPass + "\r\nPrivPassword=" + privPass +
           "\r\nAuthProtocol=" + auth + "\r\nPrivProtocol=" + priv + "\r\nContextEngineID=\r\nSecurityLevel=" +
           level + "\r\nContextName=" + context + "\r\nGetCommStr=" + context + "\r\nSetCommStr=" + set +
           "\r\nUpdateDate=*\r\nUpdateTime=*\r\nSecurityModel=3";
}

struct OkCase {
    const char* name;
    const char* runningVersion;
    const char* runningUser;
    Choice choice;
    std::string file;
    bool changed;
};

class SnmpConfigOk : public SnmpConfig, public ::testing::WithParamInterface<OkCase> {};

TEST_P(SnmpConfigOk, WritesTheFileAndDecidesWhetherTheVersionChanged)
{
    const OkCase& c = GetParam();
    MainTexts.Version = c.runningVersion;
    MainTexts.SecurityName = c.runningUser;
    TfrmConfigSNMP d(nullptr);
    fillIn(d, c.choice);
    d.btnOk->click();
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(fileWithoutClock(), c.file);
    EXPECT_EQ(d.VersionChanged(), c.changed);
}

const Choice kAesUser{2, "SHA256_AES_User", "AuthPriv", "HMAC_SHA256", "CFB_AES128", "authpassword", "privpassword"};

const OkCase kOkCases[] = {
    {"V1KeepsV1", "0", "", {}, layout("0", "", "", "", "-1", "-1", "-1", "rdcomm", "wrcommx"), false},
    {"V1WhileNoVersionText", "", "", {}, layout("0", "", "", "", "-1", "-1", "-1", "rdcomm", "wrcommx"), false},
    {"V2cKeepsV2c", "1", "", {1, "", "", "", "", "", "", "public", "private"},
     layout("1", "", "", "", "-1", "-1", "-1", "public", "private"), false},
    {"V2cWhileV1", "0", "", {1}, layout("1", "", "", "", "-1", "-1", "-1", "rdcomm", "wrcommx"), true},
    {"V3WhileV1", "0", "", kAesUser,
     layout("3", "SHA256_AES_User", "authpassword", "privpassword", "4", "3", "2", "", ""), true},
    {"V3SameUser", "3", "SHA256_AES_User", kAesUser,
     layout("3", "SHA256_AES_User", "authpassword", "privpassword", "4", "3", "2", "", ""), false},
    {"V3OtherUser", "3", "MD5_User", kAesUser,
     layout("3", "SHA256_AES_User", "authpassword", "privpassword", "4", "3", "2", "", ""), true},
    {"V3TypedNameAndLevel", "3", "opsUser", {2, "opsUser", "Medium", "HMACMD5", "None", "pw", "", "ctx"},
     layout("3", "opsUser", "pw", "", "1", "0", "-1", "ctx", ""), false},
    {"V1WhileV3KeepsV3FieldsButNoName", "3", "MD5_User", {0, "MD5_User", "AuthNoPriv", "HMACMD5", "None", "pw"},
     layout("0", "", "pw", "", "1", "0", "1", "rdcomm", "wrcommx"), true},
    {"RunningVersionUnknown", "2", "", {1}, layout("1", "", "", "", "-1", "-1", "-1", "rdcomm", "wrcommx"), false},
};

INSTANTIATE_TEST_SUITE_P(Versions, SnmpConfigOk, ::testing::ValuesIn(kOkCases),
                         [](const auto& info) { return std::string(info.param.name); });

// What the module runs with, as start-up leaves it: the command line, then the
// agent's configuration file when there is one.
struct Running {
    KvSNMPDevice device;
    KvSNMPScope scope;
    KvSNMPSecurity security;
};

Running StartModule(const std::vector<std::string>& args)
{
    ResetDefaultParameters();
    ParseCommandLine(args);
    FillConnectionTexts();
    LoadModuleConfiguration(MainTexts.AgentIP);
    return {DefaultDevice, DefaultScope, DefaultSecurity};
}

// The settings an agent is reached with: v1 and v2c use neither the SNMPv3
// settings nor the context.
void ExpectSameConnection(const Running& a, const Running& b)
{
    EXPECT_EQ(a.device.Port, b.device.Port);
    EXPECT_EQ(a.security.Version, b.security.Version);
    EXPECT_EQ(a.security.ReadCommunity, b.security.ReadCommunity);
    EXPECT_EQ(a.security.WriteCommunity, b.security.WriteCommunity);
    if (a.security.Version != 3)
        return;
    EXPECT_EQ(a.security, b.security);
    EXPECT_EQ(a.scope.ContextName, b.scope.ContextName);
    EXPECT_EQ(a.scope.ContextEngineID, b.scope.ContextEngineID);
}

struct RunningCase {
    const char* name;
    std::vector<std::string> args;
    const char* file;   // the agent's configuration file before the start, "" none
    int version;        // radio item shown
    const char* port;
    const char* context;
    const char* community;
    const char* user;
    const char* level;
    const char* auth;
    const char* priv;
    const char* authPass;
};

class SnmpConfigRunning : public SnmpConfig, public ::testing::WithParamInterface<RunningCase> {};

TEST_P(SnmpConfigRunning, OpensWithTheRunningSettingsAndOkWithoutChangeKeepsThem)
{
    const RunningCase& c = GetParam();
    if (*c.file)
        WriteFile(cfg(), c.file);
    const Running before = StartModule(c.args);
    {
        TfrmConfigSNMP d(nullptr);
        EXPECT_EQ(d.rgpSNMPVersion->ItemIndex(), c.version);
        EXPECT_EQ(d.edtPort->text(), c.port);
        EXPECT_EQ(d.edtContext->text(), c.context);
        EXPECT_EQ(d.edtCommunity->text(), c.community);
        EXPECT_EQ(d.cbxSecurityName->currentText(), c.user);
        EXPECT_EQ(d.cbxSecurityLevel->currentText(), c.level);
        EXPECT_EQ(d.cbxAuthProtocol->currentText(), c.auth);
        EXPECT_EQ(d.cbxPrivProtocol->currentText(), c.priv);
        EXPECT_EQ(d.edtAuthPass->text(), c.authPass);
        EXPECT_EQ(d.cbxSecurityName->isEnabled(), c.version == 2);
        d.btnOk->click();
        EXPECT_TRUE(texts().empty());
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_FALSE(d.VersionChanged());
    }
    // The next start, with the file the dialog wrote, reaches the agent as before.
    ExpectSameConnection(StartModule(c.args), before);
}

const RunningCase kRunningCases[] = {
    {"V2cOnItsPort", {"/I127.0.0.1", "/t16357", "/v1", "/Rpub", "/Wpriv"}, "", 1, "16357", "pub", "priv", "",
     "NoAuthNoPriv", "None", "None", ""},
    {"V3AuthPriv",
     {"/I127.0.0.1", "/t1161", "/v3", "/m3", "/l3", "/nadmin", "/a3", "/AauthPass1", "/p19", "/PprivPass1", "/cctx",
      "/d8000000001020304"},
     "", 2, "1161", "ctx", "", "admin", "AuthPriv", "HMAC_SHA", "CFB_AES128", "authPass1"},
    {"FromTheFile", {"/I127.0.0.1", "/v0"},
     "[Program Information]\r\nAgentPort=16357\r\nVersion=1\r\nSecurityModel=3", 1, "16357", "rdcomm", "wrcommx",
     "", "NoAuthNoPriv", "None", "None", ""},
};

INSTANTIATE_TEST_SUITE_P(Modules, SnmpConfigRunning, ::testing::ValuesIn(kRunningCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    Choice choice;
    const char* message;
};

class SnmpConfigRefusal : public SnmpConfig, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SnmpConfigRefusal, ShowsTheMessageWritesNothingAndStaysOpen)
{
    WriteFile(cfg(), "old");
    TfrmConfigSNMP d(nullptr);
    fillIn(d, GetParam().choice);
    d.btnOk->click();
    EXPECT_EQ(texts(), std::vector<QString>{GetParam().message});
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.VersionChanged());
    QFile f(cfg());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "old");
}

const RefusalCase kRefusals[] = {
    {"NoName", {2, "", "AuthPriv", "HMAC_SHA", "CBC_DES"}, "SecurityName is empty!"},
    {"NoLevel", {2, "SHA_User", "", "HMAC_SHA", "CBC_DES"}, "SecurityLevel is empty!"},
    {"NoAuth", {2, "SHA_User", "AuthPriv", "", "CBC_DES"}, "AuthProtocol is empty!"},
    {"NoPriv", {2, "SHA_User", "AuthPriv", "HMAC_SHA", ""}, "PrivProtocol is empty!"},
    {"Idea", {2, "SHA_User", "AuthPriv", "HMAC_SHA", "CBC_IDEA"},
     "CBC_IDEA is not supported: please choose another Priv Protocol."},
};

INSTANTIATE_TEST_SUITE_P(Fields, SnmpConfigRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SnmpConfig, CommunitiesFollowTheVersionAndV3FieldsKeepTheirText)
{
    TfrmConfigSNMP d(nullptr);
    EXPECT_EQ(d.rgpSNMPVersion->ItemIndex(), 0);
    EXPECT_FALSE(d.cbxSecurityName->isEnabled());
    EXPECT_TRUE(d.edtAuthPass->isReadOnly());
    d.rgpSNMPVersion->SetItemIndex(2);
    EXPECT_EQ(d.edtContext->text(), "");
    EXPECT_EQ(d.edtCommunity->text(), "");
    EXPECT_TRUE(d.cbxSecurityName->isEnabled());
    EXPECT_FALSE(d.edtAuthPass->isReadOnly());
    d.edtAuthPass->setText("secret");
    d.rgpSNMPVersion->SetItemIndex(0);
    EXPECT_EQ(d.edtContext->text(), "rdcomm");
    EXPECT_EQ(d.edtCommunity->text(), "wrcommx");
    EXPECT_EQ(d.edtAuthPass->text(), "secret");
    EXPECT_TRUE(d.edtAuthPass->isReadOnly());
}

TEST_F(SnmpConfig, UnwritableFileNamesTheFileAndTheReason)
{
    ASSERT_TRUE(QDir().mkpath(cfg() + "/inside"));
    MainTexts.Version = "0";
    TfrmConfigSNMP d(nullptr);
    fillIn(d, {1});
    d.btnOk->click();
    ASSERT_EQ(messages.size(), 1u);
    const QStringList lines = messages[0].Text.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Create file error!");
    EXPECT_EQ(lines[1], cfg());
    EXPECT_FALSE(lines[2].isEmpty());
    EXPECT_NE(d.result(), QDialog::Accepted);
    EXPECT_FALSE(d.VersionChanged());
    EXPECT_TRUE(QDir(cfg() + "/inside").exists());
}

struct QuestionCase {
    const char* name;
    int version;
    QMessageBox::StandardButton answer;
    int questions;
    int closeRequests;
};

class SnmpConfigQuestion : public SnmpConfig, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(SnmpConfigQuestion, ChangedVersionAsksAndYesClosesTheMainWindow)
{
    MainTexts.Version = "1";
    answer = GetParam().answer;
    RefusingWindow window;
    TScopedModalRunner runner([&](QDialog& d) {
        auto& form = static_cast<TfrmConfigSNMP&>(d);
        fillIn(form, {GetParam().version, "MD5_User", "AuthNoPriv", "HMACMD5", "None", "pw"});
        form.btnOk->click();
        return form.result();
    });
    DialogRequest request;
    request.Window = &window;
    FindDialog("TfrmConfigSNMP")(request);
    ASSERT_EQ(int(messages.size()), GetParam().questions);
    if (!messages.empty()) {
        EXPECT_EQ(messages[0].Text, SwitchVersionQuestion);
        EXPECT_EQ(messages[0].Buttons, QMessageBox::Yes | QMessageBox::No);
    }
    EXPECT_EQ(window.closeRequests, GetParam().closeRequests);
}

INSTANTIATE_TEST_SUITE_P(Answers, SnmpConfigQuestion,
                         ::testing::Values(QuestionCase{"V3Yes", 2, QMessageBox::Yes, 1, 1},
                                           QuestionCase{"V3No", 2, QMessageBox::No, 1, 0},
                                           QuestionCase{"SameV2c", 1, QMessageBox::Yes, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SnmpConfig, MissingUserToolIsReportedAtOnce)
{
    int rebuilt = 0;
    DialogRequest request;
    request.RebuildFrontPanel = [&] { ++rebuilt; };
    FindDialog("SNMPConfig")(request);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].Text.contains("UsmSetup")) << messages[0].Text.toStdString();
    EXPECT_EQ(rebuilt, 0);
}

TEST_F(SnmpConfig, UserToolRunsWhileTheWindowWorksThenTheFileIsReadAgain)
{
    // The tool records its arguments, waits until the module's event loop
    // has run (the file "go" appears), then writes a new configuration file.
    const QString tool = folder + "UsmSetup";
    WriteFile(tool, "#!/bin/sh\n"
                    "printf '%s\\n' \"$@\" > \"" + folder.toStdString() + "args\"\n"
                    "while [ ! -f \"" + folder.toStdString() + "go\" ]; do sleep 0.01; done\n"
                    "printf '[Program Information]\\r\\nVersion=3\\r\\nSecurityName=SHA_User\\r\\nSecurityLevel=1' > \"" +
                    cfg().toStdString() + "\"\n");
    QFile::setPermissions(tool, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QTimer::singleShot(0, [&] { WriteFile(folder + "go", ""); });
    ResetDefaultParameters();
    int rebuilt = 0;
    DialogRequest request;
    request.RebuildFrontPanel = [&] { ++rebuilt; };
    FindDialog("SNMPConfig")(request);
    EXPECT_TRUE(texts().empty());
    QFile args(folder + "args");
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(args.readAll()), "/I127.0.0.1\n/S" + folder + "\n");
    EXPECT_EQ(DefaultSecurity.Version, 3);
    EXPECT_EQ(MainTexts.SecurityName, "SHA_User");
    EXPECT_EQ(DefaultSecurity.SecurityLevel, 2);
    EXPECT_EQ(rebuilt, 1);
}

} // namespace
