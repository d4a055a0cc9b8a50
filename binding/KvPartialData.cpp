#include "binding/KvPartialData.h"

#include "kvsnmp/KvSNMPErrors.h"

std::string KvExtractField(const std::string& octets, int offset, std::uint32_t syntax)
{
    const int width = KvFieldWidth(syntax);
    if (octets.empty())
        return {};
    if (offset < 0)
        throw LibraryError(KvPartialIndexOutOfRange);
    const auto start = static_cast<std::size_t>(offset);
    if (width < 0) {
        if (start > octets.size())
            throw LibraryError(KvPartialIndexOutOfRange);
        return octets.substr(start);
    }
    if (octets.size() < start + static_cast<std::size_t>(width))
        throw LibraryError(KvPartialIndexOutOfRange);
    return octets.substr(start, static_cast<std::size_t>(width));
}
