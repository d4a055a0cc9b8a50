#include "startup/ModuleConfigurationFile.h"

#include "kvsnmp/KvIni.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvTextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string_view>
#include <vector>

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
    // The reader trims blanks and control characters from both ends and cuts
    // longer values: stored, such a value would come back as another one (a
    // pass phrase that no longer authenticates).
    if (!bytes.isEmpty() && (kvtext::IsBlankOrControl(bytes.front()) || kvtext::IsBlankOrControl(bytes.back())))
        throw KvSNMPException(ConfigurationTextErrorCode,
                              std::string(key) + " must not begin or end with a blank or control character");
    if (static_cast<std::size_t>(bytes.size()) > KvIni::MaxValueLength)
        throw KvSNMPException(ConfigurationTextErrorCode, std::string(key) + " must not be longer than " +
                                                              std::to_string(KvIni::MaxValueLength) + " characters");
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

constexpr const char* kSection = "Program Information";

struct Entry {
    const char* key;
    std::string value;
};

// The keys the file is written with, in their order.
std::vector<Entry> entriesOf(const ModuleConfigurationRecord& r)
{
    return {{"AgentIP", r.AgentIP},
            {"AgentPort", r.AgentPort},
            {"Version", std::to_string(r.Version)},
            {"SecurityName", r.Version == 3 ? r.SecurityName : std::string()},
            {"AuthPassword", r.AuthPassword},
            {"PrivPassword", r.PrivPassword},
            {"AuthProtocol", std::to_string(r.AuthProtocol)},
            {"PrivProtocol", std::to_string(r.PrivProtocol)},
            {"ContextEngineID", r.ContextEngineID},
            {"SecurityLevel", std::to_string(r.SecurityLevel)},
            {"ContextName", r.ContextName},
            {"GetCommStr", r.GetCommStr},
            {"SetCommStr", r.SetCommStr},
            {"UpdateDate", r.UpdateDate},
            {"UpdateTime", r.UpdateTime},
            {"SecurityModel", "3"}};
}

// Lines end at LF, CR LF or CR, as the reader takes them.
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::string_view trimmed(std::string_view s)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view latin1, const char* name)
{
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()))
               .compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// The name of a section header line, or nothing for any other line.
std::optional<std::string_view> sectionOf(std::string_view line)
{
    const std::string_view text = trimmed(line);
    const std::size_t close = text.rfind(']');
    if (text.empty() || text.front() != '[' || close == std::string_view::npos)
        return std::nullopt;
    return trimmed(text.substr(1, close - 1));
}

// The most of an old file that is read to be kept; a configuration file is a
// few hundred bytes.
constexpr qint64 kKeptFileLimit = 4 << 20;

// The old file's bytes; empty when there is none.  False when a file is there
// that cannot be read: rewriting it would lose what it holds.
bool readOldFile(const QString& path, std::string& bytes, std::string& error)
{
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    QFile f(path);
    if (!info.isFile() || info.size() > kKeptFileLimit || !f.open(QIODevice::ReadOnly)) {
        error = "the existing file cannot be read to keep its other settings"
                + (f.error() != QFileDevice::NoError ? ": " + f.errorString().toStdString() : std::string());
        return false;
    }
    const QByteArray b = f.read(kKeptFileLimit + 1);
    bytes.assign(b.constData(), static_cast<std::size_t>(b.size()));
    return true;
}

} // namespace

std::string ModuleConfigurationBytes(const ModuleConfigurationRecord& r)
{
    std::string s = std::string("[") + kSection + "]";
    for (const Entry& e : entriesOf(r)) {
        s += "\r\n";
        s += e.key;
        s += '=';
        s += latin1Value(e.key, e.value);
    }
    return s;
}

std::string ModuleConfigurationBytes(const ModuleConfigurationRecord& record, const std::string& old)
{
    const std::string written = ModuleConfigurationBytes(record);
    const std::vector<std::string_view> lines = linesOf(old);
    const std::vector<Entry> entries = entriesOf(record);
    auto isWrittenKey = [&entries](std::string_view line) {
        const std::string_view name = trimmed(line.substr(0, line.find('=')));
        return std::ranges::any_of(entries, [name](const Entry& e) { return sameName(name, e.key); });
    };

    // Text before the first section belongs to no setting and is not kept.
    std::size_t first = 0;
    while (first < lines.size() && !sectionOf(lines[first]))
        ++first;
    std::size_t section = first;
    while (section < lines.size() && !(sectionOf(lines[section]) && sameName(*sectionOf(lines[section]), kSection)))
        ++section;
    std::size_t after = section + 1;
    while (after < lines.size() && !sectionOf(lines[after]))
        ++after;

    std::string out;
    auto add = [&out](std::string_view line) {
        if (!out.empty())
            out += "\r\n";
        out += line;
    };
    if (section == lines.size()) {
        // No section of the module's settings yet: it goes first.
        add(written);
        for (std::size_t i = first; i < lines.size(); ++i)
            add(lines[i]);
        return out;
    }
    // The section is written where it stood, with its other keys and comments
    // after the module's own; the other sections stay as they were.
    for (std::size_t i = first; i < section; ++i)
        add(lines[i]);
    add(written);
    for (std::size_t i = section + 1; i < after; ++i)
        if (!trimmed(lines[i]).empty() && !isWrittenKey(lines[i]))
            add(lines[i]);
    for (std::size_t i = after; i < lines.size(); ++i)
        add(lines[i]);
    return out;
}

bool WriteModuleConfigurationFile(const std::string& path, const ModuleConfigurationRecord& record, std::string& error)
{
    const QString target = QString::fromStdString(path);
    std::string old;
    if (!readOldFile(target, old, error))
        return false;
    std::string bytes;
    try {
        bytes = ModuleConfigurationBytes(record, old);
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
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
