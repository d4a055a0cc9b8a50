// A configuration snapshot of a switch (kvsnmp/KvSnapshotFile.h) served as the
// simulator's data: a switch saved by the module can be cloned into ksw-sim.
#pragma once

#include "MibData.h"

#include <string>

namespace ksw::sim {

// Whether the text is a snapshot file (by its first line).
bool isSnapshotText(const std::string& text);

// Every saved value becomes an object that accepts sets of its own type; the
// header's sysDescr, sysObjectID and sysName become the system group's.
// Withheld and absent objects are left out.  Throws DataError ("FILE:LINE: why").
MibData parseSnapshotData(const std::string& text, const std::string& name);

} // namespace ksw::sim
