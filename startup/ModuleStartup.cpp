#include "ModuleStartup.h"
#include "defs/SwitchPorts.h"

#include "kvsnmp/KvIni.h"
#include "kvsnmp/KvSNMPRequest.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"
#include "kvsnmp/KvTextUtil.h"

#include "KswVersion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <charconv>
#include <limits>

ConnectionTexts MainTexts;
bool LocalConfigMode = false;

namespace {

// Signed decimal whole number: optional sign, then digits only, within 32 bits.
std::optional<std::int32_t> ParseWholeNumber(const std::string& text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-')
            return std::nullopt;
    }
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last)
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> ParseInRange(const std::string& text, std::int32_t min, std::int32_t max)
{
    auto v = ParseWholeNumber(text);
    if (!v || *v < min || *v > max)
        return std::nullopt;
    return v;
}

[[noreturn]] void ThrowConversionError(const std::string& sw, const std::string& value, const char* what)
{
    throw KvSNMPException(ConversionErrorCode,
                          "'" + value + "' is not a valid " + what + " (switch " + sw + ")");
}

std::int32_t StrictNumber(const std::string& sw, const std::string& value,
                          std::int32_t min = std::numeric_limits<std::int32_t>::min(),
                          std::int32_t max = std::numeric_limits<std::int32_t>::max(),
                          const char* what = "integer value")
{
    auto v = ParseInRange(value, min, max);
    if (!v)
        ThrowConversionError(sw, value, what);
    return *v;
}

std::int32_t LenientNumber(const std::string& text, std::int32_t def,
                           std::int32_t min = std::numeric_limits<std::int32_t>::min(),
                           std::int32_t max = std::numeric_limits<std::int32_t>::max())
{
    return ParseInRange(text, min, max).value_or(def);
}

// The file's "AgentPort": a whole number in 16 bits, otherwise 161.
std::uint16_t ConfiguredPort(const std::string& text)
{
    return static_cast<std::uint16_t>(LenientNumber(text, 161, 0, 65535));
}

// The switches in the order they are tested; the order matters because a
// switch's two characters may occur anywhere in an argument.  The help lists
// them in the same order, with what their value is and its default.
enum class Switch { I, t, v, c, d, R, W, m, l, n, A, P, a, p };
struct SwitchMarker {
    const char* marker;
    Switch sw;
    const char* value;     // the value's name in the help
    const char* meaning;
};
constexpr SwitchMarker kSwitches[] = {
    {"/I", Switch::I, "<address>", "agent address, dotted IPv4 or host name (default 127.0.0.1)"},
    {"/t", Switch::t, "<port>", "UDP port (default 161)"},
    {"/v", Switch::v, "<version>", "SNMP version: 0 v1, 1 v2c, 3 v3 (default 0)"},
    {"/c", Switch::c, "<name>", "context name (default empty)"},
    {"/d", Switch::d, "<id>", "context engine id (default empty)"},
    {"/R", Switch::R, "<community>", "read community (default \"rdcomm\")"},
    {"/W", Switch::W, "<community>", "write community (default \"wrcommx\")"},
    {"/m", Switch::m, "<model>", "security model, 3 = USM (default 1)"},
    {"/l", Switch::l, "<level>", "security level: 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv (default 1)"},
    {"/n", Switch::n, "<user>", "SNMPv3 user name (default empty)"},
    {"/A", Switch::A, "<phrase>", "authentication pass phrase (default empty)"},
    {"/P", Switch::P, "<phrase>", "privacy pass phrase (default empty)"},
    {"/a", Switch::a, "<protocol>", "auth protocol: 1 none, 2 MD5, 3 SHA, 4..7 SHA-224..SHA-512 (default 1)"},
    {"/p", Switch::p, "<protocol>", "priv protocol: 1 none, 2 DES, 19/20/21 AES-128/192/256 (default 1)"},
};

// The options beside the switches, for the help.
struct OptionHelp {
    const char* option;
    const char* meaning;
};
constexpr OptionHelp kOptions[] = {
    {"--ask", "ask for the switch's address, UDP port, SNMPv1 or v2c and communities first"},
    {"--open ITEM", "open the view or dialog of menu item ITEM once the window is up"},
    {"--open --list", "print every menu item's name, as --open takes it, with its menu path, and exit"},
    {"--snapshot FILE", "save the switch's settings into FILE and exit (no window)"},
    {"--with-secrets", "with --snapshot: save communities, keys and passwords too (withheld otherwise)"},
    {"--compare FILE [FILE2]", "compare snapshot FILE with the switch, or with FILE2 when no /I is given; "
                               "exit 0 same, 1 different"},
    {"--help", "show this help and exit"},
    {"--version", "show the version and exit"},
};

constexpr const char* kHelpOption = "--help";
constexpr const char* kVersionOption = "--version";
constexpr const char* kOpenOption = "--open";
constexpr const char* kListOption = "--list";

// The SNMP versions the engine speaks, as /v numbers them.
bool IsKnownVersion(std::int32_t version)
{
    return version == 0 || version == 1 || version == 3;
}

// Where ParseCommandLine writes: the process's defaults, or copies of them.
struct SwitchTargets {
    KvSNMPDevice& Device;
    KvSNMPScope& Scope;
    KvSNMPSecurity& Security;
};

void ApplySwitch(const SwitchTargets& to, Switch sw, const std::string& marker, const std::string& value)
{
    switch (sw) {
    case Switch::I: to.Device.Address = value; break;
    case Switch::t:
        to.Device.Port = static_cast<std::uint16_t>(StrictNumber(marker, value, 0, 65535, "port number"));
        break;
    case Switch::v: {
        const std::int32_t version = StrictNumber(marker, value, 0, 255, "version number (0, 1 or 3)");
        if (!IsKnownVersion(version))
            ThrowConversionError(marker, value, "version number (0, 1 or 3)");
        to.Security.Version = static_cast<std::uint8_t>(version);
        break;
    }
    case Switch::c: to.Scope.ContextName = value; break;
    case Switch::d: to.Scope.ContextEngineID = value; break;
    case Switch::R: to.Security.ReadCommunity = value; break;
    case Switch::W: to.Security.WriteCommunity = value; break;
    case Switch::m: to.Security.SecurityModel = StrictNumber(marker, value); break;
    case Switch::l: to.Security.SecurityLevel = StrictNumber(marker, value); break;
    case Switch::n: to.Security.SecurityName = value; break;
    case Switch::A: to.Security.AuthPassword = value; break;
    case Switch::P: to.Security.PrivPassword = value; break;
    case Switch::a: to.Security.AuthProtocol = StrictNumber(marker, value); break;
    case Switch::p: to.Security.PrivProtocol = StrictNumber(marker, value); break;
    }
}

void ParseCommandLineInto(const SwitchTargets& to, const std::vector<std::string>& args)
{
    for (const std::string& arg : args) {
        for (const SwitchMarker& s : kSwitches) {
            std::size_t at = arg.find(s.marker);
            if (at == std::string::npos)
                continue;
            ApplySwitch(to, s.sw, s.marker, arg.substr(at + 2));
            break;
        }
    }
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::string ToUtf8(const QString& s)
{
    QByteArray b = s.toUtf8();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

} // namespace

std::string MainCaption(const std::string& agentAddress)
{
    return std::string(MainCaptionBase) + " : " + agentAddress;
}

std::string LastFolderName(const std::string& directory)
{
    std::size_t end = directory.size();
    while (end > 0 && IsSeparator(directory[end - 1]))
        --end;
    std::size_t begin = end;
    while (begin > 0 && !IsSeparator(directory[begin - 1]))
        --begin;
    return directory.substr(begin, end - begin);
}

namespace {
std::string& ExeFolderOverride()
{
    static std::string folder;
    return folder;
}

std::string ExeDirectory()
{
    if (!ExeFolderOverride().empty())
        return ExeFolderOverride();
    return ToUtf8(QCoreApplication::applicationDirPath());
}
} // namespace

void SetExeFolder(const std::string& folder)
{
    ExeFolderOverride() = folder;
}

std::string ExeFolder()
{
    std::string dir = ExeDirectory();
    if (!dir.empty() && !IsSeparator(dir.back()))
        dir += PathSeparator();
    return dir;
}

std::string ExeFolderName()
{
    return LastFolderName(ExeDirectory());
}

std::vector<std::string> ProcessArguments()
{
    std::vector<std::string> args;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i)
        args.push_back(ToUtf8(all[i]));
    return args;
}

std::optional<std::string> TakeOpenOption(std::vector<std::string>& args)
{
    std::optional<std::string> item;
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] != "--open") {
            ++i;
            continue;
        }
        if (item)
            throw LibraryError(KvUnknownErrorCode, "--open is given twice");
        if (i + 1 >= args.size() || args[i + 1].empty())
            throw LibraryError(KvUnknownErrorCode, "--open needs the name of a menu item");
        item = args[i + 1];
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    }
    return item;
}

std::optional<std::string> CandidateAgentAddress(const std::vector<std::string>& args)
{
    std::optional<std::string> address;
    for (const std::string& arg : args) {
        if (arg.size() > 2 && arg.compare(0, 2, "/I") == 0)
            address = arg.substr(2);
    }
    return address;
}

void ParseCommandLine(const std::vector<std::string>& args)
{
    ParseCommandLineInto({DefaultDevice, DefaultScope, DefaultSecurity}, args);
}

std::optional<AgentEndpoint> StartAgentEndpoint(const std::vector<std::string>& args)
{
    if (!CandidateAgentAddress(args))
        return std::nullopt;
    KvSNMPDevice device = DefaultDevice;
    KvSNMPScope scope = DefaultScope;
    KvSNMPSecurity security = DefaultSecurity;
    try {
        ParseCommandLineInto({device, scope, security}, args);
    } catch (const KvSNMPException&) {
        return std::nullopt;
    }
    AgentEndpoint agent{device.Address, device.Port};
    // The file's port wins at start-up (a file without one gives 161), so it
    // decides which agent the window will serve.
    const auto path = ModuleConfigurationPath(agent.Address, ExeFolderName() == LocalConfigFolderName);
    if (path && QFileInfo(QString::fromStdString(*path)).isFile())
        agent.Port = ConfiguredPort(KvIni(*path).ReadString("Program Information", "AgentPort", ""));
    return agent;
}

std::string AgentInstanceKey(const AgentEndpoint& agent)
{
    return QString::fromStdString(agent.Address).toLower().toStdString() + ":" + std::to_string(agent.Port);
}

std::string NoParameterText()
{
    return "No parameter input\n\n"
           "Start the module with the address of the switch's agent, for example\n"
           "    ksw4800 /I192.0.2.10 /v1 /Rpublic /Wprivate\n"
           "or with --ask to be asked for it.  ksw4800 --help lists every switch.";
}

InfoRequest FindInfoRequest(const std::vector<std::string>& args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == kOpenOption && i + 1 < args.size() && args[i + 1] == kListOption)
            return InfoRequest::MenuItems;
        if (args[i] == kOpenOption || args[i] == "--snapshot" || args[i] == "--compare")
            ++i;
        else if (args[i] == kHelpOption)
            return InfoRequest::Help;
        else if (args[i] == kVersionOption)
            return InfoRequest::Version;
    }
    return InfoRequest::None;
}

std::string CommandLineHelp()
{
    std::string help =
        "Usage: ksw4800 /I<address> [switches...] [--open ITEM]\n"
        "       ksw4800 --ask [switches...] [--open ITEM]\n"
        "       ksw4800 /I<address> [switches...] --snapshot FILE [--with-secrets]\n"
        "       ksw4800 [/I<address> switches...] --compare FILE [FILE2]\n"
        "       ksw4800 --open --list | --help | --version\n"
        "Management module of the KSW-4800 managed Ethernet switch: its live front\n"
        "panel, configuration views, editors and device commands over SNMP v1, v2c\n"
        "or v3 (USM).\n"
        "\n"
        "Each switch is a marker immediately followed by its value, in one argument\n"
        "(no blank between them).  Markers are case-sensitive; later arguments\n"
        "overwrite earlier ones.  An agent's configuration file, when there is one,\n"
        "overrides them (see ksw4800(1)).\n"
        "\n"
        "Switches:\n";
    // A row: the name, then its meaning in a column of its own, wrapped to fit
    // an 80-column console.
    auto row = [&help](const std::string& name, const std::string& meaning) {
        constexpr std::size_t kIndent = 2;
        constexpr std::size_t kColumn = 18;
        constexpr std::size_t kWidth = 79;
        std::string line = std::string(kIndent, ' ') + name;
        line += line.size() < kColumn ? std::string(kColumn - line.size(), ' ') : " ";
        std::size_t at = 0;
        while (at < meaning.size()) {
            std::size_t end = meaning.find(' ', at);
            if (end == std::string::npos)
                end = meaning.size();
            const std::string word = meaning.substr(at, end - at);
            if (line.size() + word.size() > kWidth && line.size() > kColumn) {
                help += line + '\n';
                line = std::string(kColumn, ' ');
            }
            line += word + ' ';
            at = end + 1;
        }
        line.pop_back();
        help += line + '\n';
    };
    for (const SwitchMarker& s : kSwitches)
        row(std::string(s.marker) + s.value, s.meaning);
    help += "\nOptions:\n";
    for (const OptionHelp& o : kOptions)
        row(o.option, o.meaning);
    return help;
}

std::string VersionText()
{
    return std::string("ksw4800 ") + KswVersion + "\n";
}

void ParseCommandLine()
{
    ParseCommandLine(ProcessArguments());
}

void FillConnectionTexts()
{
    MainTexts.AgentIP = DefaultDevice.Address;
    MainTexts.AgentPort = std::to_string(DefaultDevice.Port);
    MainTexts.Version = std::to_string(DefaultSecurity.Version);
    MainTexts.GetCommStr = DefaultSecurity.ReadCommunity;
    MainTexts.SetCommStr = DefaultSecurity.WriteCommunity;
    MainTexts.ContextName = DefaultScope.ContextName;
    MainTexts.ContextEngineID = DefaultScope.ContextEngineID;
    MainTexts.SecurityModel = std::to_string(DefaultSecurity.SecurityModel);
    MainTexts.SecurityLevel = std::to_string(DefaultSecurity.SecurityLevel);
    MainTexts.SecurityName = DefaultSecurity.SecurityName;
    MainTexts.AuthProtocol = std::to_string(DefaultSecurity.AuthProtocol);
    MainTexts.PrivProtocol = std::to_string(DefaultSecurity.PrivProtocol);
    MainTexts.AuthPassword = DefaultSecurity.AuthPassword;
    MainTexts.PrivPassword = DefaultSecurity.PrivPassword;
}

std::optional<std::string> ModuleConfigurationFolder()
{
    return ModuleConfigurationFolder(LocalConfigMode);
}

std::optional<std::string> ModuleConfigurationFolder(bool localConfigMode)
{
    if (localConfigMode)
        return ExeFolder();
    const QSettings host(QStringLiteral("Korvane"), QStringLiteral("Zantiv5.1"));
    const QVariant path = host.value(QStringLiteral("ExePath/Path"));
    if (!path.isValid())
        return std::nullopt;
    std::string installPath = ToUtf8(path.toString());
    if (PathSeparator() == '/') {
        // The host may hand over a path written with backslashes.
        for (char& c : installPath)
            if (c == '\\')
                c = '/';
    }
    std::string up = std::string("..") + PathSeparator() + "Conf" + PathSeparator() + "MBF" + PathSeparator();
    return JoinPath(installPath, up);
}

std::optional<std::string> ModuleConfigurationPath(const std::string& agentAddress)
{
    return ModuleConfigurationPath(agentAddress, LocalConfigMode);
}

std::optional<std::string> ModuleConfigurationPath(const std::string& agentAddress, bool localConfigMode)
{
    // The address comes from the command line; it names a file, never a path.
    for (char c : agentAddress)
        if (IsSeparator(c) || c == '\0')
            return std::nullopt;
    if (agentAddress == "." || agentAddress == "..")
        return std::nullopt;
    auto folder = ModuleConfigurationFolder(localConfigMode);
    if (!folder)
        return std::nullopt;
    return *folder + agentAddress + ".cfg";
}

void LoadModuleConfiguration(const std::string& agentAddress)
{
    if (auto path = ModuleConfigurationPath(agentAddress))
        LoadModuleConfigurationFile(*path);
}

void LoadModuleConfigurationFile(const std::string& path)
{
    if (!QFileInfo(QString::fromStdString(path)).isFile())
        return;
    // Every key in one pass over the file.
    static const std::vector<std::string> keys = {
        "Version",      "AgentPort",    "ContextName",  "ContextEngineID", "SecurityModel", "SecurityLevel",
        "SecurityName", "AuthProtocol", "PrivProtocol", "AuthPassword",    "PrivPassword",  "UseGetBulk"};
    const std::vector<std::string> values = KvIni(path).ReadStrings("Program Information", keys, "");
    auto text = [&](const char* key) {
        return values.at(static_cast<std::size_t>(std::find(keys.begin(), keys.end(), key) - keys.begin()));
    };
    auto number = [&](const char* key, std::int32_t def,
                      std::int32_t min = std::numeric_limits<std::int32_t>::min(),
                      std::int32_t max = std::numeric_limits<std::int32_t>::max()) {
        return LenientNumber(text(key), def, min, max);
    };

    // Text copy and default parameter are updated together, key by key, in this order.
    DefaultSecurity.Version = static_cast<std::uint8_t>(number("Version", 0, 0, 255));
    MainTexts.Version = std::to_string(DefaultSecurity.Version);

    DefaultDevice.Port = ConfiguredPort(text("AgentPort"));
    MainTexts.AgentPort = std::to_string(DefaultDevice.Port);

    MainTexts.ContextName = DefaultScope.ContextName = text("ContextName");
    MainTexts.ContextEngineID = DefaultScope.ContextEngineID = text("ContextEngineID");

    DefaultSecurity.SecurityModel = number("SecurityModel", 1);
    MainTexts.SecurityModel = std::to_string(DefaultSecurity.SecurityModel);

    DefaultSecurity.SecurityLevel = SecurityLevelFromIndex(number("SecurityLevel", 0));
    MainTexts.SecurityLevel = std::to_string(DefaultSecurity.SecurityLevel);

    MainTexts.SecurityName = DefaultSecurity.SecurityName = text("SecurityName");

    DefaultSecurity.AuthProtocol = AuthProtocolFromIndex(number("AuthProtocol", 0));
    MainTexts.AuthProtocol = std::to_string(DefaultSecurity.AuthProtocol);

    DefaultSecurity.PrivProtocol = PrivProtocolFromIndex(number("PrivProtocol", 0));
    MainTexts.PrivProtocol = std::to_string(DefaultSecurity.PrivProtocol);

    MainTexts.AuthPassword = DefaultSecurity.AuthPassword = text("AuthPassword");
    MainTexts.PrivPassword = DefaultSecurity.PrivPassword = text("PrivPassword");

    // Table walks ask with get-bulk (v2c and v3) unless the file says 0.
    DefaultUseGetBulk = number("UseGetBulk", 1) != 0;
}

namespace {
// Index + 1 without overflowing on a stored INT_MAX.
int PlusOne(int index) { return index == std::numeric_limits<int>::max() ? index : index + 1; }
int MinusOne(int value) { return value == std::numeric_limits<int>::min() ? value : value - 1; }
} // namespace

int SecurityLevelFromIndex(int index) { return PlusOne(index); }
int AuthProtocolFromIndex(int index) { return PlusOne(index); }

int PrivProtocolFromIndex(int index)
{
    switch (index) {
    case 2: return 9;    // IDEA
    case 3: return 19;   // AES-128
    case 4: return 20;   // AES-192
    case 5: return 21;   // AES-256
    default: return PlusOne(index);
    }
}

int IndexFromSecurityLevel(int level) { return MinusOne(level); }
int IndexFromAuthProtocol(int protocol) { return MinusOne(protocol); }

int IndexFromPrivProtocol(int protocol)
{
    switch (protocol) {
    case 9: return 2;
    case 19: return 3;
    case 20: return 4;
    case 21: return 5;
    default: return MinusOne(protocol);
    }
}

int PortCountOfModel(const std::string& model)
{
    return QString::fromStdString(model).compare(QLatin1String("KSW-4800"), Qt::CaseInsensitive) == 0 ? KswPortCount : 0;
}
