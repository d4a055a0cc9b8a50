// The command-line options of the configuration snapshots, which run without
// a window: "--snapshot FILE" saves the switch's settings, "--with-secrets"
// keeps its secrets in the file, "--compare FILE" compares a snapshot with the
// switch and "--compare FILE FILE2" two snapshots.
#pragma once

#include <string>
#include <vector>

struct ConfigurationRequest {
    std::string SnapshotFile;
    bool WithSecrets = false;
    std::vector<std::string> CompareFiles;   // one: against the switch; two: offline
    bool Any() const { return !SnapshotFile.empty() || !CompareFiles.empty(); }
};

// Whether any argument is one of these options (the process then runs them
// without a window and without a display).
bool HasConfigurationOption(const std::vector<std::string>& args);

// Takes the options and their files out of args.  The argument after the
// compared FILE is a second file when no argument names an agent ("/I"): an
// offline comparison needs none.  Raises for an option without its file, one
// given twice, "--snapshot" with "--compare", or "--with-secrets" alone.
ConfigurationRequest TakeConfigurationOptions(std::vector<std::string>& args);

// Exit codes of the runs without a window.  A comparison ends as diff does.
inline constexpr int ConfigurationSame = 0;
inline constexpr int ConfigurationDifferent = 1;
inline constexpr int ConfigurationUsageError = 2;
inline constexpr int ConfigurationFileError = 3;     // a file that cannot be read, is refused, or cannot be written
inline constexpr int ConfigurationAgentError = 4;    // the agent did not answer or refused
