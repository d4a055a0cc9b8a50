#include "KvSNMPVarList.h"

#include <algorithm>

namespace {

std::string textOrEmpty(const char* s)
{
    return s ? std::string(s) : std::string();
}

} // namespace

KvSNMPVarList::KvSNMPVarList(const KvSNMPVarDef* table, std::uint8_t itemType, int keyCount)
    : PKeyCount(keyCount), ItemType(itemType)
{
    AppendTable(table);
}

KvSNMPVarList::KvSNMPVarList(const KvSNMPVarList& other)
{
    Assign(other);
}

void KvSNMPVarList::AppendTable(const KvSNMPVarDef* table)
{
    if (!table)
        return;
    std::size_t rows = 0;
    while (table[rows].Oid)
        ++rows;
    items_.reserve(items_.size() + rows);
    for (std::size_t i = 0; i < rows; ++i) {
        const KvSNMPVarDef& d = table[i];
        KvSNMPVarItem item;
        item.Oid = d.Oid;
        item.Caption = textOrEmpty(d.Caption);
        item.Syntax = d.Syntax;
        item.Access = d.Access;
        item.Options = d.Options;
        item.GetExpression = textOrEmpty(d.GetExpression);
        item.SetExpression = textOrEmpty(d.SetExpression);
        item.Reserved = textOrEmpty(d.Reserved);
        item.Value = textOrEmpty(d.Value);
        item.CurrentOid = textOrEmpty(d.CurrentOid);
        items_.push_back(std::move(item));
    }
}

void KvSNMPVarList::AppendItem(const std::string& oid, const std::string& caption, std::uint32_t syntax,
                               std::uint32_t access, const KvOptionList* options,
                               const std::string& getExpression, const std::string& setExpression,
                               const std::string& reserved)
{
    KvSNMPVarItem item;
    item.Oid = oid;
    item.Caption = caption;
    item.Syntax = syntax;
    item.Access = access;
    item.Options = options;
    item.GetExpression = getExpression;
    item.SetExpression = setExpression;
    item.Reserved = reserved;
    items_.push_back(std::move(item));
}

KvSNMPVarList& KvSNMPVarList::Assign(const KvSNMPVarList& other)
{
    if (&other == this)
        return *this;
    Clear();
    ItemType = other.ItemType;
    PKeyCount = other.PKeyCount;
    Name = other.Name;
    items_ = other.items_;
    // The copied items may refer to option lists the source owns; sharing them
    // keeps those references valid when the source goes first.
    for (const auto& list : other.ownedLists_)
        if (std::find(ownedLists_.begin(), ownedLists_.end(), list) == ownedLists_.end())
            ownedLists_.push_back(list);
    return *this;
}

std::string KvSNMPVarList::BaseOid(int index) const
{
    const KvSNMPVarItem& item = ItemAt(index);
    return Instance.empty() ? item.Oid : item.Oid + "." + Instance;
}

const KvSNMPVarItem* KvSNMPVarList::find(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return &items_[static_cast<std::size_t>(index)];
}

bool KvSNMPVarList::IsImplied(int index) const
{
    const KvSNMPVarItem* item = find(index);
    return item && (item->Access & KvAccess::Implied);
}

bool KvSNMPVarList::IsReadable(int index) const
{
    const KvSNMPVarItem* item = find(index);
    return item && !(item->Access & KvAccess::Invalid) && (item->Access & KvAccess::ReadOnly);
}

bool KvSNMPVarList::IsSettable(int index) const
{
    const KvSNMPVarItem* item = find(index);
    if (!item || (item->Access & KvAccess::Invalid))
        return false;
    if (item->Access & KvAccess::WriteOnly)
        return true;
    return (ItemType == MVT_FMV || ItemType == MVT_UMV) && index < PKeyCount;
}

bool KvSNMPVarList::IsShown(int index) const
{
    const KvSNMPVarItem* item = find(index);
    return item && !(item->Access & (KvAccess::Invalid | KvAccess::Hidden))
        && (item->Access & (KvAccess::NotAccess | KvAccess::ReadOnly | KvAccess::Derived));
}

bool KvSNMPVarList::IsSkipped(int index) const
{
    const KvSNMPVarItem* item = find(index);
    return item && (item->Access == KvAccess::WriteOnly || (item->Access & (KvAccess::Invalid | KvAccess::Hidden)));
}

int KvSNMPVarList::ShownCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsShown(i) ? 1 : 0;
    return n;
}

int KvSNMPVarList::SkippedCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsSkipped(i) ? 1 : 0;
    return n;
}

const KvOptionList* KvSNMPVarList::AddOwnedOptionList(std::unique_ptr<KvOptionList> list)
{
    std::shared_ptr<const KvOptionList> shared(std::move(list));
    ownedLists_.push_back(shared);
    return shared.get();
}
