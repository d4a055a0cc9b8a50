#include "binding/KvRowNaming.h"

#include "binding/KvControls.h"
#include "binding/KvSNMPRequest2Edits.h"

#include <algorithm>
#include <vector>

QStringList KvRowNameParts(const KvSNMPRequest2Edits& binding, const QTreeWidget* list, int row)
{
    QStringList parts;
    if (!list || row < 0)
        return parts;
    const KvSNMPVarList& vars = binding.Variables();
    std::vector<int> named;
    for (int i = 0; i < vars.PKeyCount && i < vars.Count(); ++i)
        named.push_back(i);
    for (int i = vars.PKeyCount; i < vars.Count(); ++i) {
        if (QString::fromStdString(vars.ItemAt(i).Caption).contains(QLatin1String("Name"), Qt::CaseInsensitive)) {
            named.push_back(i);
            break;
        }
    }
    const std::vector<int>& shown = binding.ColumnVariables();
    for (int i : named) {
        const auto column = std::find(shown.begin(), shown.end(), i);
        if (column == shown.end())
            continue;
        parts << QString::fromStdString(vars.ItemAt(i).Caption) + QStringLiteral(": ")
                     + KvReportCell(list, row, static_cast<int>(column - shown.begin()));
    }
    return parts;
}
