#include "ShippedFiles.h"

#include "ModuleStartup.h"
#include "kvsnmp/KvTextUtil.h"

#include <QFileInfo>
#include <QString>

std::string ShippedFilePath(const std::string& name)
{
    const std::string beside = JoinPath(ExeFolder(), name);
    if (QFileInfo::exists(QString::fromStdString(beside)))
        return beside;
    // The installed layout is the same under every prefix, so the data folder is
    // found from the executable's own place.
    const std::string installed = JoinPath(JoinPath(ExeFolder(), KSW_DATA_FROM_BIN), name);
    return QFileInfo::exists(QString::fromStdString(installed)) ? installed : beside;
}
