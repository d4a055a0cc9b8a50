// The run-time variable list of a request: owned copies of the constant
// definitions, each with its current value text and the full OID last received.
#pragma once

#include "KvOptionList.h"
#include "KvSNMPVarDef.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Markers of an item's Value.
inline constexpr const char* KvNullText = "(NULL)";        // no value
inline constexpr const char* KvNotDoneText = "(NOTDONE)";  // a table column that has ended, or not yet read

// One item of a list.  The expression and reserved texts are empty when the
// definition has none.
struct KvSNMPVarItem {
    std::string Oid;
    std::string Caption;
    std::uint32_t Syntax = 0;
    std::uint32_t Access = 0;
    const KvOptionList* Options = nullptr;   // not owned
    std::string GetExpression;
    std::string SetExpression;
    std::string Reserved;
    std::string Value;
    std::string CurrentOid;
};

class KvSNMPVarList {
public:
    KvSNMPVarList() = default;
    KvSNMPVarList(const KvSNMPVarDef* table, std::uint8_t itemType, int keyCount);
    // An empty list (own empty Instance) followed by Assign.
    KvSNMPVarList(const KvSNMPVarList& other);
    // Copying by operator would silently lose or take the Instance; Assign says which.
    KvSNMPVarList& operator=(const KvSNMPVarList&) = delete;

    std::string Instance;
    int PKeyCount = 0;
    std::uint8_t ItemType = SVT_SV;
    std::string Name;

    int Count() const { return static_cast<int>(items_.size()); }
    KvSNMPVarItem& ItemAt(int index) { return items_.at(static_cast<std::size_t>(index)); }
    const KvSNMPVarItem& ItemAt(int index) const { return items_.at(static_cast<std::size_t>(index)); }

    void AppendTable(const KvSNMPVarDef* table);
    void AppendItem(const std::string& oid, const std::string& caption, std::uint32_t syntax,
                    std::uint32_t access, const KvOptionList* options = nullptr,
                    const std::string& getExpression = {}, const std::string& setExpression = {},
                    const std::string& reserved = {});
    // Copies kind, key count, name and every item with its value and OID; keeps
    // this list's own Instance.  Option lists owned by the source stay alive as
    // long as either list refers to them.
    KvSNMPVarList& Assign(const KvSNMPVarList& other);
    void Clear() { items_.clear(); }

    // Base OID of an item: Oid, or Oid + "." + Instance.
    std::string BaseOid(int index) const;

    bool IsImplied(int index) const;
    bool IsReadable(int index) const;
    bool IsSettable(int index) const;
    bool IsShown(int index) const;
    bool IsSkipped(int index) const;
    int ShownCount() const;
    int SkippedCount() const;

    // Option lists that die with the list (and with the lists assigned from it).
    const KvOptionList* AddOwnedOptionList(std::unique_ptr<KvOptionList> list);
    const std::vector<std::shared_ptr<const KvOptionList>>& OwnedOptionLists() const { return ownedLists_; }

private:
    const KvSNMPVarItem* find(int index) const;

    std::vector<KvSNMPVarItem> items_;
    std::vector<std::shared_ptr<const KvOptionList>> ownedLists_;
};
