// Value <-> label lists of enumerated variables.  Built once from constant
// KvOptionDef tables (or owned by a variable list) and shared read-only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One row of a constant option table.  Integer lists (value type 1) use Value;
// string and string-prefix lists (value types 2 and 3) use Text.  A row whose
// Label is null ends the table.
struct KvOptionDef {
    std::int32_t Value;
    const char* Label;
    const char* Text = nullptr;
};

struct KvOptionEntry {
    std::int32_t Value = 0;   // value type 1
    std::string Text;         // value types 2 and 3
    std::string Label;
};

class KvOptionList {
public:
    enum ValueType : std::uint32_t { IntegerValues = 1, StringValues = 2, PrefixValues = 3 };

    KvOptionList(const KvOptionDef* table, std::uint32_t valueType, bool caseSensitive = false);

    void Append(const KvOptionDef* table);

    std::uint32_t ValueType() const { return valueType_; }
    bool CaseSensitive() const { return caseSensitive_; }
    int Count() const { return static_cast<int>(entries_.size()); }
    const KvOptionEntry& Item(int index) const { return entries_[static_cast<std::size_t>(index)]; }

    int IndexOfLabel(const std::string& text) const;
    int IndexOfValue(const std::string& text) const;
    std::string LabelOf(const std::string& valueText) const;
    std::string ValueOf(const std::string& labelText) const;

private:
    std::uint32_t valueType_;
    bool caseSensitive_;
    std::vector<KvOptionEntry> entries_;
};
