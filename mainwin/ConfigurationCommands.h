// The configuration snapshots run from the command line, without a window and
// without a display: "--snapshot FILE" saves the switch's settings,
// "--compare FILE [FILE2]" prints the differences (startup/ConfigurationOptions.h).
#pragma once

#include <string>
#include <vector>

// Runs the request in the arguments (without the program name) and gives the
// exit code: 0 done (or the same), 1 different, 2 a bad command line, 3 a
// file that cannot be read or written, 4 the agent's error.  An error is one
// line on stderr.  Needs an application object, no GUI.
int RunConfigurationCommand(std::vector<std::string> args);

// The module's name and version as a snapshot's header gives it.
std::string SnapshotModuleText();
