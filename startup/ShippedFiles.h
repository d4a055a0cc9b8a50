// Where the module finds the files it ships with.
#pragma once

#include <string>

// Where a file or folder the module ships with lies: beside the executable when it
// is there (the build folder, or a copy placed there), otherwise in the installed
// data folder (share/ksw4800 next to the installed bin/); when neither has it, the
// path beside the executable, so that an error names the usual place.
std::string ShippedFilePath(const std::string& name);
