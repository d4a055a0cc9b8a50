// The message catalogue files and the tables they replace.
#pragma once

#include "KvSNMPErrors.h"

#include <span>

// The seven catalogue files, in the order they are loaded, with their tables.
struct KvCatalogueFile {
    const char* File;
    KvMessageTable& (*Table)();
};
std::span<const KvCatalogueFile> CatalogueFiles();
