// The ini reader.  The input's first line names "section|key", the rest is the
// file.  A value comes back trimmed, bounded and valid UTF-8, or the default, and
// the same when read together with other keys.
#include "FuzzSupport.h"

#include "kvsnmp/KvIni.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::ScratchFile file;
    const auto [query, content] = fuzz::FirstLine(fuzz::Bytes(data, size));
    const auto bar = query.find('|');
    const std::string section(query.substr(0, bar));
    const std::string key(bar == std::string_view::npos ? std::string_view() : query.substr(bar + 1));
    const KvIni ini(file.Write(content));
    const std::string kDefault = "\x01 default";   // no value can come back like this: it is trimmed
    const std::string value = ini.ReadString(section, key, kDefault);
    // Read in one pass with other keys, the key comes out as on its own.
    fuzz::Check(ini.ReadStrings(section, {"k", key, section}, kDefault)[1] == value,
                "a key read with others differs from the key read alone");
    if (value == kDefault)
        return 0;
    fuzz::Check(!value.empty(), "an empty value instead of the default");
    fuzz::Check(static_cast<unsigned char>(value.front()) > ' ' && static_cast<unsigned char>(value.back()) > ' ',
                "a value with blanks or control characters at an end");
    const QString decoded = QString::fromStdString(value);
    fuzz::Check(decoded.toStdString() == value, "a value that is not valid UTF-8");
    fuzz::Check(decoded.size() <= static_cast<qsizetype>(KvIni::MaxValueLength), "a value longer than the limit");
    return 0;
}
