#include "KvIni.h"

#include "KvTextFile.h"

#include <QString>

namespace {

// Longest part of a line that is looked at.  Names and values that matter are far
// shorter; the cap keeps a file without line breaks from filling memory.
constexpr std::size_t kLineKeep = 1 << 20;

bool SameName(const std::string& latin1FromFile, const QString& wanted)
{
    return QString::fromLatin1(latin1FromFile.data(), static_cast<qsizetype>(latin1FromFile.size()))
               .compare(wanted, Qt::CaseInsensitive) == 0;
}

} // namespace

std::string KvIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const
{
    kvtext::LineReader reader(path_, true);
    if (!reader.IsOpen())
        return defaultValue;

    // The names asked for are trimmed as the profile reader trims them.
    const QString wantedSection = QString::fromStdString(kvtext::Trim(section));
    const QString wantedKey = QString::fromStdString(kvtext::Trim(key));

    bool inSection = false;
    std::string line;
    bool truncated = false;
    while (reader.Next(line, kLineKeep, truncated)) {
        if (auto nul = line.find('\0'); nul != std::string::npos)
            line.resize(nul);
        std::string text = kvtext::Trim(line);
        if (text.empty() || text.front() == ';')
            continue;
        if (text.front() == '[') {
            std::size_t close = text.rfind(']');
            if (close == std::string::npos)
                continue;   // not a section header; not a key either
            if (inSection)
                return defaultValue;   // the first section of that name did not hold the key
            inSection = SameName(kvtext::Trim(text.substr(1, close - 1)), wantedSection);
            continue;
        }
        if (!inSection)
            continue;
        std::size_t eq = text.find('=');
        std::string name = kvtext::Trim(text.substr(0, eq));
        if (!SameName(name, wantedKey))
            continue;
        if (eq == std::string::npos)
            return defaultValue;
        std::string value = kvtext::Trim(text.substr(eq + 1));
        if (value.size() > MaxValueLength)
            value = kvtext::Trim(value.substr(0, MaxValueLength));
        return value.empty() ? defaultValue : kvtext::Latin1ToUtf8(value);
    }
    return defaultValue;
}
