// How a question names a row of a table it is about to change for good: by
// its keys and, where the table has one, its name, as the list shows them.
#pragma once

#include <QStringList>

class KvSNMPRequest2Edits;
class QTreeWidget;

// "Caption: text" of the row's key columns and of the first other column
// whose caption holds "Name" ("ID: 5", "Device Name: sw5"), from the list the
// binding shows its table in.  Columns the list does not have are left out.
QStringList KvRowNameParts(const KvSNMPRequest2Edits& binding, const QTreeWidget* list, int row);
