// Where this module's configuration snapshots find their objects: every
// generic page of the view catalogue, in menu order, then each definition
// table of the index that no page binds (the dedicated dialogs' own).
#pragma once

#include "snapshot/SnapshotModel.h"

#include <vector>

std::vector<SnapshotSource> ModuleSnapshotSources();

// The model of those sources, built once.
const SnapshotModel& ModuleSnapshotModel();
