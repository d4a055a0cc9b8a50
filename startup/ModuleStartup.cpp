#include "ModuleStartup.h"

#include "kvsnmp/KvIni.h"
#include "kvsnmp/KvSNMPRequest.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPSession.h"
#include "kvsnmp/KvTextUtil.h"

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

// The switches in the order they are tested; the order matters because a
// switch's two characters may occur anywhere in an argument.
enum class Switch { I, t, v, c, d, R, W, m, l, n, A, P, a, p };
struct SwitchMarker {
    const char* marker;
    Switch sw;
};
constexpr SwitchMarker kSwitches[] = {
    {"/I", Switch::I}, {"/t", Switch::t}, {"/v", Switch::v}, {"/c", Switch::c}, {"/d", Switch::d},
    {"/R", Switch::R}, {"/W", Switch::W}, {"/m", Switch::m}, {"/l", Switch::l}, {"/n", Switch::n},
    {"/A", Switch::A}, {"/P", Switch::P}, {"/a", Switch::a}, {"/p", Switch::p},
};

void ApplySwitch(Switch sw, const std::string& marker, const std::string& value)
{
    switch (sw) {
    case Switch::I: DefaultDevice.Address = value; break;
    case Switch::t:
        DefaultDevice.Port = static_cast<std::uint16_t>(StrictNumber(marker, value, 0, 65535, "port number"));
        break;
    case Switch::v:
        DefaultSecurity.Version = static_cast<std::uint8_t>(StrictNumber(marker, value, 0, 255, "version number"));
        break;
    case Switch::c: DefaultScope.ContextName = value; break;
    case Switch::d: DefaultScope.ContextEngineID = value; break;
    case Switch::R: DefaultSecurity.ReadCommunity = value; break;
    case Switch::W: DefaultSecurity.WriteCommunity = value; break;
    case Switch::m: DefaultSecurity.SecurityModel = StrictNumber(marker, value); break;
    case Switch::l: DefaultSecurity.SecurityLevel = StrictNumber(marker, value); break;
    case Switch::n: DefaultSecurity.SecurityName = value; break;
    case Switch::A: DefaultSecurity.AuthPassword = value; break;
    case Switch::P: DefaultSecurity.PrivPassword = value; break;
    case Switch::a: DefaultSecurity.AuthProtocol = StrictNumber(marker, value); break;
    case Switch::p: DefaultSecurity.PrivProtocol = StrictNumber(marker, value); break;
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
    for (const std::string& arg : args) {
        for (const SwitchMarker& s : kSwitches) {
            std::size_t at = arg.find(s.marker);
            if (at == std::string::npos)
                continue;
            ApplySwitch(s.sw, s.marker, arg.substr(at + 2));
            break;
        }
    }
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
    if (LocalConfigMode)
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
    // The address comes from the command line; it names a file, never a path.
    for (char c : agentAddress)
        if (IsSeparator(c) || c == '\0')
            return std::nullopt;
    if (agentAddress == "." || agentAddress == "..")
        return std::nullopt;
    auto folder = ModuleConfigurationFolder();
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

    DefaultDevice.Port = static_cast<std::uint16_t>(number("AgentPort", 161, 0, 65535));
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
    return QString::fromStdString(model).compare(QLatin1String("KSW-4800"), Qt::CaseInsensitive) == 0 ? 50 : 0;
}
