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
    return ReadStrings(section, {key}, defaultValue).front();
}

std::vector<std::string> KvIni::ReadStrings(const std::string& section, const std::vector<std::string>& keys,
                                            const std::string& defaultValue) const
{
    std::vector<std::string> values(keys.size(), defaultValue);
    kvtext::LineReader reader(path_, true);
    if (!reader.IsOpen())
        return values;

    // The names asked for are trimmed as the profile reader trims them.
    const QString wantedSection = QString::fromStdString(kvtext::Trim(section));
    std::vector<QString> wantedKeys;
    wantedKeys.reserve(keys.size());
    for (const std::string& key : keys)
        wantedKeys.push_back(QString::fromStdString(kvtext::Trim(key)));
    // The first line of a key's name decides it, with a value or without.
    std::vector<bool> decided(keys.size(), false);
    std::size_t open = keys.size();

    bool inSection = false;
    std::string line;
    bool truncated = false;
    while (open > 0 && reader.Next(line, kLineKeep, truncated)) {
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
                break;   // the first section of that name did not hold the keys left
            inSection = SameName(kvtext::Trim(text.substr(1, close - 1)), wantedSection);
            continue;
        }
        if (!inSection)
            continue;
        std::size_t eq = text.find('=');
        const std::string name = kvtext::Trim(text.substr(0, eq));
        const QString found = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (decided[k] || found.compare(wantedKeys[k], Qt::CaseInsensitive) != 0)
                continue;
            decided[k] = true;
            --open;
            if (eq == std::string::npos)
                continue;
            std::string value = kvtext::Trim(text.substr(eq + 1));
            if (value.size() > MaxValueLength)
                value = kvtext::Trim(value.substr(0, MaxValueLength));
            if (!value.empty())
                values[k] = kvtext::Latin1ToUtf8(value);
        }
    }
    return values;
}
