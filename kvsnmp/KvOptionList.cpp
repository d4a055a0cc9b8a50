#include "KvOptionList.h"

#include <QChar>

#include <charconv>
#include <limits>

namespace {

// Labels and string values are Latin-1 texts; without regard to case they are
// compared character by character after Unicode case folding, so that accented
// capitals match their small letters as the user expects.
char32_t foldLatin1(char c)
{
    return QChar::toCaseFolded(static_cast<char32_t>(static_cast<unsigned char>(c)));
}

bool equalChars(const char* a, const char* b, std::size_t n, bool caseSensitive)
{
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] == b[i])
            continue;
        if (caseSensitive || foldLatin1(a[i]) != foldLatin1(b[i]))
            return false;
    }
    return true;
}

bool equalText(const std::string& a, const std::string& b, bool caseSensitive)
{
    return a.size() == b.size() && equalChars(a.data(), b.data(), a.size(), caseSensitive);
}

// True when text begins with prefix (text at least as long as prefix).
bool beginsWith(const std::string& text, const std::string& prefix, bool caseSensitive)
{
    return text.size() >= prefix.size() && equalChars(text.data(), prefix.data(), prefix.size(), caseSensitive);
}

// The whole text as a signed 32-bit number; nothing when it is not one.
bool parseInt32(const std::string& text, std::int32_t& out)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    auto [ptr, ec] = std::from_chars(first, last, out);
    return ec == std::errc() && ptr == last && first != last;
}

} // namespace

KvOptionList::KvOptionList(const KvOptionDef* table, std::uint32_t valueType, bool caseSensitive)
    : valueType_(valueType), caseSensitive_(caseSensitive)
{
    Append(table);
}

void KvOptionList::Append(const KvOptionDef* table)
{
    if (!table)
        return;
    std::size_t rows = 0;
    while (table[rows].Label)
        ++rows;
    entries_.reserve(entries_.size() + rows);
    for (std::size_t i = 0; i < rows; ++i) {
        KvOptionEntry e;
        if (valueType_ == IntegerValues)
            e.Value = table[i].Value;
        else
            e.Text = table[i].Text ? table[i].Text : "";
        e.Label = table[i].Label;
        entries_.push_back(std::move(e));
    }
}

int KvOptionList::IndexOfLabel(const std::string& text) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::string& label = entries_[i].Label;
        const bool match = valueType_ == PrefixValues ? beginsWith(text, label, caseSensitive_)
                                                      : equalText(text, label, caseSensitive_);
        if (match)
            return static_cast<int>(i);
    }
    return -1;
}

int KvOptionList::IndexOfValue(const std::string& text) const
{
    if (valueType_ == IntegerValues) {
        std::int32_t v = 0;
        if (text == "(NULL)" || !parseInt32(text, v))
            return -1;
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (entries_[i].Value == v)
                return static_cast<int>(i);
        return -1;
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::string& value = entries_[i].Text;
        const bool match = valueType_ == PrefixValues ? beginsWith(text, value, caseSensitive_)
                                                      : equalText(text, value, caseSensitive_);
        if (match)
            return static_cast<int>(i);
    }
    return -1;
}

std::string KvOptionList::LabelOf(const std::string& valueText) const
{
    const int i = IndexOfValue(valueText);
    if (i < 0)
        return valueText;
    const KvOptionEntry& e = Item(i);
    if (valueType_ == PrefixValues)
        return e.Label + valueText.substr(e.Text.size());
    return e.Label;
}

std::string KvOptionList::ValueOf(const std::string& labelText) const
{
    const int i = IndexOfLabel(labelText);
    if (i < 0)
        return labelText;
    const KvOptionEntry& e = Item(i);
    switch (valueType_) {
    case IntegerValues:
        return std::to_string(e.Value);
    case PrefixValues:
        return e.Text + labelText.substr(e.Label.size());
    default:
        return e.Text;
    }
}
