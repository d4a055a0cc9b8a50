// Start-up parameters of the module: the command line, the per-agent
// configuration file, the text copies of the connection parameters and the small
// helpers other windows call.
#pragma once

#include "kvsnmp/KvSNMPErrors.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Text copies of the connection parameters, read by the dialogs and the table
// viewer launcher.  Numbers are decimal text in the engine's numbering.
struct ConnectionTexts {
    std::string AgentIP;
    std::string AgentPort;
    std::string Version;
    std::string GetCommStr;
    std::string SetCommStr;
    std::string ContextName;
    std::string ContextEngineID;
    std::string SecurityModel;
    std::string SecurityLevel;
    std::string SecurityName;
    std::string AuthProtocol;
    std::string PrivProtocol;
    std::string AuthPassword;
    std::string PrivPassword;
};

// The main window's connection texts (one set per process).
extern ConnectionTexts MainTexts;

// True when the executable lies in a folder named exactly "korvane_ems": the
// configuration file then lies beside the executable and the connection dialog
// may be opened from the menu.
extern bool LocalConfigMode;
inline constexpr const char* LocalConfigFolderName = "korvane_ems";

// The designed caption of the main window; the window shows it with " : " and
// the agent address appended.
inline constexpr const char* MainCaptionBase = "KSW-4800";
std::string MainCaption(const std::string& agentAddress);

// The last component of a directory path, either separator accepted, a trailing
// separator ignored ("C:\\a\\korvane_ems\\" and "/a/korvane_ems" give "korvane_ems").
std::string LastFolderName(const std::string& directory);
// The name of the folder the executable lies in.
std::string ExeFolderName();
// The executable's folder, with a trailing separator.
std::string ExeFolder();
// Makes ExeFolder and ExeFolderName report another folder (an empty text goes
// back to the real one); tests use it to lay out catalogues and files.
void SetExeFolder(const std::string& folder);

// The process's arguments (without the program name), as UTF-8.
std::vector<std::string> ProcessArguments();

// Takes "--open ITEM" out of the arguments and gives ITEM (the menu item to
// open once the window is up).  "--open" without an item, or given twice,
// raises an error.
std::optional<std::string> TakeOpenOption(std::vector<std::string>& args);

// Before any window exists: the agent address of the last argument that begins
// with "/I" and has more than those two characters.
std::optional<std::string> CandidateAgentAddress(const std::vector<std::string>& args);

// The agent a start is for, as start-up will settle it: the command line read
// as ParseCommandLine reads it, then the port of the agent's configuration
// file when there is one.
struct AgentEndpoint {
    std::string Address;
    std::uint16_t Port = 161;
};
// nullopt when no argument begins with "/I" (CandidateAgentAddress) or when a
// switch is refused: such a start claims no agent.  Changes no default.
std::optional<AgentEndpoint> StartAgentEndpoint(const std::vector<std::string>& args);
// The text the single-instance check is keyed by: the address (host names in
// any letter case are one) and the port.
std::string AgentInstanceKey(const AgentEndpoint& agent);

// What a start without any argument says, in its box and on stderr: the
// designed "No parameter input" and how to start the module instead.
std::string NoParameterText();
// The exit code of such a start (the shell's code for a usage error).
inline constexpr int NoParameterExitCode = 2;

// "--help", "--version" and "--open --list": each answers on stdout and ends
// the process before anything else happens (no window, no display, no SNMP).
enum class InfoRequest { None, Help, Version, MenuItems };
// The first of "--help", "--version" and "--open --list" among the arguments
// (any other item after "--open" is a name, never a request).
InfoRequest FindInfoRequest(const std::vector<std::string>& args);
// The usage, every switch with its meaning and default, and the options.
std::string CommandLineHelp();
// "ksw4800 <version>".
std::string VersionText();

// Reads the arguments into DefaultDevice, DefaultScope and DefaultSecurity.  Each
// argument is tested against the switches "/I" "/t" "/v" "/c" "/d" "/R" "/W" "/m"
// "/l" "/n" "/A" "/P" "/a" "/p" in that order; the first whose two characters
// occur anywhere in the argument takes everything after that occurrence as its
// value.  Later arguments overwrite earlier ones; other arguments are ignored.
// A numeric value that is not a signed decimal whole number fitting its target
// raises KvSNMPException (ConversionErrorCode) naming the switch; so does a
// version other than 0, 1 and 3.  The arguments before it stay applied.
void ParseCommandLine(const std::vector<std::string>& args);
void ParseCommandLine();   // the process's own arguments

// Code of the error a command-line number that does not convert raises: the
// library's "bad syntax" code, as for any text that does not convert to its type.
inline constexpr int ConversionErrorCode = KvLibraryCode(KvBadSyntax);

// MainTexts := the default agent parameters.
void FillConnectionTexts();

// Where the configuration files live: beside the executable in LocalConfigMode,
// otherwise "../Conf/MBF/" under the host's install path (settings organisation
// "Korvane", application "Zantiv5.1", key "ExePath/Path").  nullopt when the
// host's install path is not configured.
std::optional<std::string> ModuleConfigurationFolder();
// The same for a mode not yet settled in LocalConfigMode.
std::optional<std::string> ModuleConfigurationFolder(bool localConfigMode);
// folder + agent address + ".cfg"; nullopt when there is no folder or when the
// address could name a file outside the folder (it holds a path separator).
std::optional<std::string> ModuleConfigurationPath(const std::string& agentAddress);
std::optional<std::string> ModuleConfigurationPath(const std::string& agentAddress, bool localConfigMode);

// Reads the agent's configuration file (when there is one) into MainTexts and
// the defaults.  Missing keys and numbers that do not read give the defaults;
// nothing in the file can make it fail.
void LoadModuleConfiguration(const std::string& agentAddress);
// The same for a given file; does nothing when it does not exist.
void LoadModuleConfigurationFile(const std::string& path);

// The configuration file stores protocol and level choices as list indices;
// these convert them to the engine's numbers and back.
//   level:  0 noAuthNoPriv, 1 authNoPriv, 2 authPriv           -> index + 1
//   auth:   0 none, 1 MD5, 2 SHA, 3..6 SHA-224..SHA-512        -> index + 1
//   priv:   0 none, 1 DES, 2 IDEA, 3..5 AES-128, -192, -256    -> 1, 2, 9, 19, 20, 21
int SecurityLevelFromIndex(int index);
int AuthProtocolFromIndex(int index);
int PrivProtocolFromIndex(int index);
int IndexFromSecurityLevel(int level);
int IndexFromAuthProtocol(int protocol);
int IndexFromPrivProtocol(int protocol);

// KswPortCount for "KSW-4800" in any letter case, 0 for any other model name.
int PortCountOfModel(const std::string& model);
