// A list of 32-bit numbers parsed from a delimited text such as "1,22,333"
// (instantiated for int and unsigned int).
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

template <typename T>
class KvNumList {
    static_assert(std::is_same_v<T, int> || std::is_same_v<T, unsigned int>,
                  "KvNumList holds 32-bit signed or unsigned integers");

public:
    int Count = 0;
    std::vector<T> Items;      // Count values
    char Delimiter = '.';      // callers usually set ','

    // 0 for an empty text, otherwise 1 + the number of delimiters.
    int CountOf(const std::string& text) const
    {
        if (text.empty())
            return 0;
        int n = 1;
        for (char c : text)
            if (c == Delimiter)
                ++n;
        return n;
    }

    // Replaces the values by those of the text.  Nothing is rejected: every
    // character that is not a delimiter or '.' is folded in as a digit
    // (its code minus '0'), with 32-bit wrap-around.  A '.' (unless it is the
    // delimiter) starts the fraction of the current value; fraction characters
    // are added as c * 10^-k and the value truncated toward zero, which leaves
    // a non-negative value unchanged by fraction digits.
    void Parse(const std::string& text)
    {
        Count = CountOf(text);
        Items.assign(static_cast<std::size_t>(Count), T{});
        std::size_t index = 0;
        bool fraction = false;
        int k = 0;
        for (char ch : text) {
            if (ch == Delimiter) {
                ++index;
                fraction = false;
                continue;
            }
            if (ch == '.') {
                fraction = true;
                k = 0;
                continue;
            }
            T& value = Items[index];
            const int digit = static_cast<int>(static_cast<unsigned char>(ch)) - '0';
            if (fraction) {
                ++k;
                const double sum = static_cast<double>(value) + digit * std::pow(10.0, -k);
                value = static_cast<T>(static_cast<std::int64_t>(std::trunc(sum)));
            } else {
                value = static_cast<T>(static_cast<std::uint32_t>(value) * 10u
                                       + static_cast<std::uint32_t>(digit));
            }
        }
    }

    // The first position holding the value, or -1.
    int IndexOf(T value) const
    {
        for (int i = 0; i < Count; ++i)
            if (Items[static_cast<std::size_t>(i)] == value)
                return i;
        return -1;
    }

    // True when every value lies in [minimum, maximum]; true for an empty list.
    bool AllInRange(T minimum, T maximum) const
    {
        for (int i = 0; i < Count; ++i) {
            const T v = Items[static_cast<std::size_t>(i)];
            if (v < minimum || v > maximum)
                return false;
        }
        return true;
    }
};
