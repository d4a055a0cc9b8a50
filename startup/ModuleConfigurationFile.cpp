#include "startup/ModuleConfigurationFile.h"

#include "kvsnmp/KvSNMPErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>

#include <unistd.h>

namespace {

std::string latin1Value(const char* key, const std::string& utf8)
{
    const QString text = QString::fromUtf8(utf8);
    for (QChar c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            throw KvSNMPException(ConfigurationTextErrorCode,
                                  std::string(key) + " must not hold a line break");
        if (c.unicode() > 0xFF)
            throw KvSNMPException(ConfigurationTextErrorCode,
                                  std::string(key) + " holds a character the configuration file cannot store");
    }
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

std::string ModuleConfigurationBytes(const ModuleConfigurationRecord& r)
{
    std::string s = "[Program Information]";
    auto add = [&s](const char* key, const std::string& value) {
        s += "\r\n";
        s += key;
        s += '=';
        s += latin1Value(key, value);
    };
    add("AgentIP", r.AgentIP);
    add("AgentPort", r.AgentPort);
    add("Version", std::to_string(r.Version));
    add("SecurityName", r.Version == 3 ? r.SecurityName : std::string());
    add("AuthPassword", r.AuthPassword);
    add("PrivPassword", r.PrivPassword);
    add("AuthProtocol", std::to_string(r.AuthProtocol));
    add("PrivProtocol", std::to_string(r.PrivProtocol));
    add("ContextEngineID", r.ContextEngineID);
    add("SecurityLevel", std::to_string(r.SecurityLevel));
    add("ContextName", r.ContextName);
    add("GetCommStr", r.GetCommStr);
    add("SetCommStr", r.SetCommStr);
    add("UpdateDate", r.UpdateDate);
    add("UpdateTime", r.UpdateTime);
    add("SecurityModel", "3");
    return s;
}

bool WriteModuleConfigurationFile(const std::string& path, const ModuleConfigurationRecord& record, std::string& error)
{
    std::string bytes;
    try {
        bytes = ModuleConfigurationBytes(record);
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    const QString target = QString::fromStdString(path);
    const QFileInfo info(target);
    // Created readable by its owner only: the file holds pass phrases.
    QTemporaryFile temp(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    if (!temp.open()) {
        error = temp.errorString().toStdString();
        return false;
    }
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const auto size = static_cast<qint64>(bytes.size());
    if (temp.write(bytes.data(), size) != size || !temp.flush()) {
        error = temp.errorString().toStdString();
        return false;
    }
    if (::fsync(temp.handle()) != 0) {
        error = std::strerror(errno);
        return false;
    }
    // rename replaces the old file in one step; QFile::rename would refuse an
    // existing target.
    const QByteArray from = QFile::encodeName(temp.fileName());
    const QByteArray to = QFile::encodeName(info.absoluteFilePath());
    if (std::rename(from.constData(), to.constData()) != 0) {
        error = std::strerror(errno);
        return false;
    }
    temp.setAutoRemove(false);
    return true;
}
