#include "KvPartialData.h"

#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPVarDef.h"
#include "kvsnmp/KvSNMPVarList.h"

#include <cstring>
#include <optional>

namespace {

using namespace KvSyntax;

[[noreturn]] void fail(int row)
{
    throw LibraryError(row);
}

bool isKnown(std::uint32_t syntax)
{
    switch (syntax) {
    case Boolean: case Integer: case BitStr: case OctetStr: case Null: case ObjectId:
    case IpAddress: case Counter: case Gauge: case TimeTicks: case Opaque: case NsapAddr:
    case Counter64: case UInteger: case Double: case MacAddress: case DateTime:
    case BcDateTime: case DisplayStr: case Ipv6Address: case Bool8: case Int8: case UInt8:
    case Bool16: case Int16: case UInt16:
        return true;
    default:
        return false;
    }
}

template <typename T>
std::string littleEndian(T value)
{
    std::string out(sizeof(T), '\0');
    auto u = static_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i)
        out[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
    return out;
}

std::uint64_t readLittle(const std::string& o, std::size_t bytes)
{
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(o[i])) << (8 * i);
    return v;
}

std::string bigEndian16(std::uint16_t v)
{
    return {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
}

std::uint16_t readBig16(const std::string& o)
{
    return static_cast<std::uint16_t>((static_cast<unsigned char>(o[0]) << 8) | static_cast<unsigned char>(o[1]));
}

std::string hexOrFail(const std::string& text)
{
    auto octets = KvOctetsFromHex(text);
    if (!octets)
        fail(KvBadPartialValue);
    return *octets;
}

std::string doubleOctets(double d)
{
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return littleEndian(bits);
}

double octetsDouble(const std::string& o)
{
    const std::uint64_t bits = readLittle(o, 8);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

bool isTrue(const std::string& text)
{
    return text == "true";
}

// Dotted quad with one byte per component.
std::string addressOctets(const std::string& text)
{
    std::string out;
    std::size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        std::size_t end = text.find('.', pos);
        if ((part < 3) != (end != std::string::npos))
            fail(KvBadPartialValue);
        const std::string piece = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (piece.empty() || piece.size() > 3 || piece.find_first_not_of("0123456789") != std::string::npos)
            fail(KvBadPartialValue);
        const int value = std::stoi(piece);
        if (value > 255)
            fail(KvBadPartialValue);
        out += static_cast<char>(value);
        pos = end + 1;
    }
    return out;
}

}  // namespace

int KvFieldWidth(std::uint32_t syntax)
{
    switch (syntax) {
    case Boolean: case Integer: case IpAddress: case NsapAddr: case Counter: case Gauge:
    case UInteger: case TimeTicks:
        return 4;
    case Counter64: case Double: case BcDateTime:
        return 8;
    case Null:
        return 0;
    case MacAddress:
        return 6;
    case DateTime:
        return 11;
    case Ipv6Address:
        return 16;
    case Bool8: case Int8: case UInt8:
        return 1;
    case Bool16: case Int16: case UInt16:
        return 2;
    case BitStr: case OctetStr: case Opaque: case ObjectId: case DisplayStr:
        return -1;
    default:
        fail(KvBadSyntax);
    }
}

std::string KvFieldToOctets(const std::string& text, std::uint32_t syntax)
{
    if (!isKnown(syntax))
        fail(KvBadSyntax);
    if (syntax == DisplayStr)
        return text;
    if (syntax == Null || text == KvNullText || text == KvNotDoneText)
        return {};
    switch (syntax) {
    case Boolean:
        return littleEndian<std::uint32_t>(isTrue(text) ? 1 : 0);
    case Integer:
        return littleEndian(static_cast<std::uint32_t>(KvLeadingInt32(text)));
    case BitStr: case OctetStr: case Opaque: case MacAddress: case Ipv6Address:
        return hexOrFail(text);
    case ObjectId: {
        auto ids = KvOidFromText(text);
        if (!ids)
            fail(KvBadPartialValue);
        std::string out;
        for (std::uint32_t id : *ids)
            out += littleEndian(id);
        return out;
    }
    case IpAddress: case NsapAddr:
        return addressOctets(text);
    case Counter: case Gauge: case UInteger:
        return littleEndian(KvLeadingUInt32(text));
    case TimeTicks:
        return littleEndian(KvTimeTicksFromText(text));
    case Counter64:
        return littleEndian(KvLeadingUInt64(text));
    case Double:
        return doubleOctets(KvLeadingDouble(text));
    case DateTime: {
        auto dt = KvDateTime::Parse(text);
        if (!dt)
            fail(KvBadPartialValue);
        return dt->Octets();
    }
    case BcDateTime: {
        auto days = KvDayCountFromText(text);
        if (!days)
            fail(KvBadPartialValue);
        return doubleOctets(*days);
    }
    case Bool8:
        return std::string(1, isTrue(text) ? '\1' : '\0');
    case Int8: case UInt8:
        return std::string(1, static_cast<char>(KvLeadingInt32(text) & 0xFF));
    case Bool16:
        return bigEndian16(isTrue(text) ? 1 : 0);
    case Int16: case UInt16:
        return bigEndian16(static_cast<std::uint16_t>(KvLeadingInt32(text) & 0xFFFF));
    default:
        fail(KvBadSyntax);
    }
}

std::string KvExtractField(const std::string& octets, int offset, std::uint32_t syntax)
{
    const int width = KvFieldWidth(syntax);
    if (octets.empty())
        return {};
    if (offset < 0)
        fail(KvPartialIndexOutOfRange);
    const auto start = static_cast<std::size_t>(offset);
    if (width < 0) {
        if (start > octets.size())
            fail(KvPartialIndexOutOfRange);
        return octets.substr(start);
    }
    if (octets.size() < start + static_cast<std::size_t>(width))
        fail(KvPartialIndexOutOfRange);
    return octets.substr(start, static_cast<std::size_t>(width));
}

std::string KvFieldText(const std::string& octets, std::uint32_t syntax)
{
    const int width = KvFieldWidth(syntax);
    if (syntax == DisplayStr)
        return octets;
    if (octets.empty() || syntax == Null)
        return KvNullText;
    if (width > 0 && octets.size() < static_cast<std::size_t>(width))
        fail(KvBadPartialValue);
    switch (syntax) {
    case Boolean:
        return readLittle(octets, 4) ? "true" : "false";
    case Integer:
        return std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(readLittle(octets, 4))));
    case BitStr: case OctetStr: case Opaque:
        return KvHexText(octets);
    case MacAddress: case Ipv6Address:
        return KvHexText(octets.substr(0, static_cast<std::size_t>(width)));
    case ObjectId: {
        if (octets.size() % 4)
            fail(KvBadPartialValue);
        std::vector<std::uint32_t> ids;
        for (std::size_t i = 0; i < octets.size(); i += 4)
            ids.push_back(static_cast<std::uint32_t>(readLittle(octets.substr(i, 4), 4)));
        return KvOidText(ids);
    }
    case IpAddress: case NsapAddr: {
        std::string out;
        for (int i = 0; i < 4; ++i) {
            if (i)
                out += '.';
            out += std::to_string(static_cast<unsigned char>(octets[static_cast<std::size_t>(i)]));
        }
        return out;
    }
    case Counter: case Gauge: case UInteger:
        return std::to_string(static_cast<std::uint32_t>(readLittle(octets, 4)));
    case TimeTicks:
        return KvTimeTicksText(static_cast<std::uint32_t>(readLittle(octets, 4)));
    case Counter64:
        return std::to_string(readLittle(octets, 8));
    case Double:
        return KvDoubleText(octetsDouble(octets));
    case DateTime:
        return KvDateTime::FromOctets(octets)->Text();
    case BcDateTime:
        return KvDayCountText(octetsDouble(octets));
    case Bool8:
        return octets[0] ? "true" : "false";
    case Int8:
        return std::to_string(static_cast<int>(static_cast<signed char>(octets[0])));
    case UInt8:
        return std::to_string(static_cast<unsigned>(static_cast<unsigned char>(octets[0])));
    case Bool16:
        return readBig16(octets) ? "true" : "false";
    case Int16:
        return std::to_string(static_cast<std::int16_t>(readBig16(octets)));
    case UInt16:
        return std::to_string(readBig16(octets));
    default:
        fail(KvBadSyntax);
    }
}
