// Character scanning shared by the text forms and the per-syntax codecs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kvscan {

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

inline std::string_view skipBlanks(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && isBlank(s[i]))
        ++i;
    return s.substr(i);
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Leading unsigned digits (no sign), saturating at max.
inline std::uint64_t leadingDigits(std::string_view s, std::uint64_t max, std::size_t* used = nullptr)
{
    std::uint64_t v = 0;
    std::size_t i = 0;
    for (; i < s.size() && isDigit(s[i]); ++i) {
        const unsigned d = static_cast<unsigned>(s[i] - '0');
        v = (v > (max - d) / 10) ? max : v * 10 + d;
    }
    if (used)
        *used = i;
    return v;
}

} // namespace kvscan
