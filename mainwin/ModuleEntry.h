// The module's process entry once its application object exists: the
// "--open" and "--ask" options, the single-instance check keyed by the agent,
// the main window and the message loop.  startup/main.cpp answers "--help" and
// "--version" before it and calls it; tests call it with their own arguments.
#pragma once

#include <string>
#include <vector>

class TTerminationSignals;

// Runs the module for the arguments (without the program name) and gives the
// process's exit code: 0 after the window closed or when another window serves
// the agent, 2 without arguments or with a bad "--open", 1 when the window
// could not be made, 128 + the signal's number when termination caught one.
// A caught signal leaves every event loop, the modal ones included, so the
// module ends as after its window closed, without the exit question.
int RunModule(std::vector<std::string> args, TTerminationSignals& termination);
