// Hand-over of one MIB table to the host's separate table viewer.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Starts a program without waiting for it; returns whether it started.  The
// default one looks for the program in the executable's folder, then on the PATH.
using TableViewerLauncher =
    std::function<bool(const std::string& program, const std::vector<std::string>& arguments)>;

// Replaces the launcher (tests capture the command line instead of starting
// anything); an empty function restores the default.
void SetTableViewerLauncher(TableViewerLauncher launcher);

// The viewer's program name: the view argument from its third character up to
// its first "_" ("/TIFMib_ifStackTable" gives "IFMib"); empty without "_".
std::string TableViewerProgram(const std::string& viewArgument);

// The viewer's arguments, built from MainTexts: "/I" + address, then for
// version "3" the v3 parameters, otherwise the communities; then the view
// argument and the extra argument (when not empty).
std::vector<std::string> TableViewerArguments(const std::string& viewArgument, const std::string& extraArgument);

// The same as one command line: program, then each argument after one blank
// (the extra argument's blank is there even when it is empty).
std::string TableViewerCommandLine(const std::string& viewArgument, const std::string& extraArgument);

// Starts the viewer for one table and does not wait for it.  A viewer that
// cannot be started is ignored.
void RunTableViewer(const std::string& viewArgument, const std::string& extraArgument);

// The default launcher.
bool StartDetachedFromExeFolderOrPath(const std::string& program, const std::vector<std::string>& arguments);
