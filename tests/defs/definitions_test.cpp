// Checks of the constant definition tables the views and dedicated editors bind
// and of the option lists they share.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "defs/ViewDefinitionTables.h"
#include "kvsnmp/KvSyntaxCodec.h"

namespace {

bool IsKey(std::uint32_t access) { return (access & KvAccess::NotAccess) != 0; }

// The value of an option entry as the views show it: the number, or the text
// of a text-valued list.
std::string ValueText(const KvOptionList& list, int i)
{
    return list.ValueType() == KvOptionList::IntegerValues ? std::to_string(list.Item(i).Value)
                                                           : list.Item(i).Text;
}

std::vector<std::pair<std::string, std::string>> Rows(const KvOptionList& list)
{
    std::vector<std::pair<std::string, std::string>> rows;
    for (int i = 0; i < list.Count(); ++i)
        rows.emplace_back(list.Item(i).Label, ValueText(list, i));
    return rows;
}

const std::set<std::uint32_t> kSyntaxes = {
    KvSyntax::Integer,   KvSyntax::BitStr,    KvSyntax::OctetStr,   KvSyntax::ObjectId,
    KvSyntax::IpAddress, KvSyntax::Counter,   KvSyntax::Gauge,      KvSyntax::TimeTicks,
    KvSyntax::Counter64, KvSyntax::MacAddress, KvSyntax::DisplayStr, KvSyntax::Ipv6Address};
const std::set<std::uint32_t> kAccesses = {KvAccess::NotAccess, KvAccess::ReadOnly,
                                           KvAccess::ReadWrite,
                                           KvAccess::NotAccess | KvAccess::Implied};

TEST(ViewDefinitions, EveryTableIsWellFormed)
{
    const std::regex dotted(R"([0-9]+(\.[0-9]+)+)");
    std::set<std::string> names;
    std::set<const KvSNMPVarDef*> tables;
    std::set<const KvOptionList*> lists;

    for (const ViewDefinitionTable& t : ViewDefinitionTables) {
        SCOPED_TRACE(t.Name);
        EXPECT_TRUE(names.insert(t.Name).second) << "name listed twice";
        EXPECT_TRUE(tables.insert(t.Defs).second) << "table listed twice";
        ASSERT_GT(t.Count, 0);

        // The listed count is what a list built from the table will hold.
        int records = 0;
        while (t.Defs[records].Oid != nullptr)
            ++records;
        EXPECT_EQ(records, t.Count);
        const KvSNMPVarDef& end = t.Defs[t.Count];
        EXPECT_EQ(end.Caption, nullptr);
        EXPECT_EQ(end.Options, nullptr);

        int lastKey = -1, implied = -1;
        std::set<std::string> columns;
        for (int i = 0; i < t.Count; ++i) {
            const KvSNMPVarDef& d = t.Defs[i];
            SCOPED_TRACE(i);
            ASSERT_NE(d.Caption, nullptr);
            EXPECT_GT(std::strlen(d.Caption), 0u);
            EXPECT_TRUE(kSyntaxes.count(d.Syntax)) << "syntax " << d.Syntax;
            EXPECT_TRUE(kAccesses.count(d.Access)) << "access " << d.Access;
            EXPECT_EQ(d.GetExpression, nullptr);
            EXPECT_EQ(d.SetExpression, nullptr);
            EXPECT_EQ(d.Reserved, nullptr);
            EXPECT_EQ(d.Value, nullptr);
            EXPECT_EQ(d.CurrentOid, nullptr);

            const std::string oid = d.Oid;
            if (oid == " ") {
                // Only a key can live in the instance alone.
                EXPECT_TRUE(IsKey(d.Access));
            } else {
                EXPECT_TRUE(std::regex_match(oid, dotted)) << '"' << oid << '"';
                EXPECT_TRUE(columns.insert(oid).second) << oid << " used twice";
            }
            if (IsKey(d.Access))
                lastKey = i;
            if (d.Access & KvAccess::Implied)
                implied = i;

            if (d.Options != nullptr) {
                lists.insert(d.Options);
                // Enumerations are numbers; the text-valued lists name OIDs
                // or the hexadecimal text of a bit string.
                EXPECT_EQ(d.Options->ValueType(), d.Syntax == KvSyntax::Integer
                                                      ? KvOptionList::IntegerValues
                                                      : KvOptionList::StringValues);
                EXPECT_TRUE(d.Syntax == KvSyntax::Integer || d.Syntax == KvSyntax::ObjectId ||
                            d.Syntax == KvSyntax::BitStr);
            }
        }
        // A key without length prefix must be the last one of the instance.
        if (implied >= 0) {
            EXPECT_EQ(implied, lastKey);
        }
    }
    EXPECT_EQ(tables.size(), static_cast<std::size_t>(ViewDefinitionTableCount));

    // Every list is usable by a combo box: non-empty, and neither a label nor a
    // value appears twice.  Lists with the same rows are one shared object.
    std::map<std::vector<std::pair<std::string, std::string>>, const KvOptionList*> byRows;
    for (const KvOptionList* list : lists) {
        const auto rows = Rows(*list);
        SCOPED_TRACE(rows.empty() ? std::string("(empty)") : rows.front().first);
        EXPECT_GT(list->Count(), 0);
        EXPECT_FALSE(list->CaseSensitive());
        std::set<std::string> labels, values;
        for (const auto& [label, value] : rows) {
            EXPECT_TRUE(labels.insert(label).second) << "label " << label << " twice";
            EXPECT_TRUE(values.insert(value).second) << "value " << value << " twice";
        }
        const auto [it, fresh] = byRows.emplace(rows, list);
        EXPECT_TRUE(fresh) << "two list objects with the same rows";
    }
    EXPECT_EQ(lists.size(), 105u);
}

struct SpotCase {
    int position;       // place in ViewDefinitionTables
    const char* table;  // its name
    int count;
    int index;
    const char* oid;
    const char* caption;
    std::uint32_t syntax;
    std::uint32_t access;
    std::vector<std::pair<std::string, std::string>> options;  // label, value
};

using namespace KvSyntax;
constexpr std::uint32_t Key = KvAccess::NotAccess, RO = KvAccess::ReadOnly,
                        RW = KvAccess::ReadWrite, Implied = 0x41;

const std::vector<SpotCase> kSpotCases = {
    {0, "BasicInformationDefs", 3, 0, "1.3.6.1.4.1.97531.12.1.1.1", "Protocol Capability", Integer, RO,
     {{"snmp-ip", "2"}, {"snmp-ipx", "3"}, {"snmp-ip-ipx", "4"}}},
    {1, "MibCapabilitiesDefs", 4, 0, "1.3.6.1.4.1.97531.12.1.1.2.1.1", "Index", Integer, Key, {}},
    {10, "PingResultsTableDefs", 12, 0, " ", "Owner Index", DisplayStr, Key, {}},
    {12, "TraceRouteControlTableDefs", 27, 26, "1.3.6.1.2.1.81.1.2.1.27", "Row Status", Integer, RW,
     {{"active", "1"}, {"createAndGo", "4"}, {"destroy", "6"}}},
    // A heading with a doubled blank.
    {22, "AclEthernetRuleTableDefs", 16, 4, "1.3.6.1.4.1.97531.12.9.2.1.1.5",
     "Rule Destination MAC  Address", MacAddress, RW, {}},
    {23, "AclIpTableDefs", 20, 18, "1.3.6.1.4.1.97531.12.9.1.2.1.19", "Row Status", Integer, RW,
     {{"active", "1"}, {"createAndGo", "4"}, {"destroy", "6"}}},
    // A column that is the table's whole OID next to a key without a column.
    {39, "AggregatorPortListDefs", 2, 0, " ", "Agg Index", Integer, Key, {}},
    {39, "AggregatorPortListDefs", 2, 1, "1.3.6.1.4.1.97531.12.4.1.1.2.1.1", "Agg Port", BitStr, RO, {}},
    {45, "IfXTableDefs", 20, 0, " ", "IF Index", Integer, Key, {}},
    {45, "IfXTableDefs", 20, 18, "1.3.6.1.2.1.31.1.1.1.18", "IF Alias", DisplayStr, RW, {}},
    // Two columns with the same heading.
    {48, "SingleIpCandidateSwitchDefs", 7, 1, "1.3.6.1.4.1.97531.12.8.1.4.1.2", "Device Name", DisplayStr, RO, {}},
    {48, "SingleIpCandidateSwitchDefs", 7, 2, "1.3.6.1.4.1.97531.12.8.1.4.1.3", "Device Name", MacAddress, RO, {}},
    {54, "VlanPortTableDefs", 7, 5, "1.3.6.1.2.1.17.7.1.4.5.1.5", "Port GVRP  Failed Registrations", Counter, RO, {}},
    // The key is the last item.
    {55, "BridgeStpPortTableDefs", 15, 14, "1.3.6.1.2.1.17.2.15", "STP Port Table", BitStr, Key, {}},
    {67, "PortOutboundAccessPriorityDefs", 3, 2, "1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Out bound Access Priority", Integer, RO, {}},
    {70, "VlanStaticTableDefs", 6, 5, "1.3.6.1.2.1.17.7.1.4.3.1.5", "VLAN Static Row Status", Integer, RW,
     {{"active", "1"}, {"createAndGo", "4"}, {"destroy", "6"}}},
    {76, "TargetAddressTableDefs", 9, 0, "1.3.6.1.6.3.12.1.2.1.1", "Target AddrName", DisplayStr, Implied, {}},
    {80, "UsmUserTableDefs", 13, 4, "1.3.6.1.6.3.15.1.2.2.1.5", "User Auth Protocol", ObjectId, RW,
     {{"None", "1.3.6.1.6.3.10.1.1.1"}, {"MD5", "1.3.6.1.6.3.10.1.1.2"}, {"SHA", "1.3.6.1.6.3.10.1.1.3"}}},
    {80, "UsmUserTableDefs", 13, 7, "1.3.6.1.6.3.15.1.2.2.1.8", "User Priv Protocol", ObjectId, RW,
     {{"None", "1.3.6.1.6.3.10.1.2.1"}, {"DES", "1.3.6.1.6.3.10.1.2.2"}}},
    // An implied key after a key without a column.
    {87, "NotifyFilterTableDefs", 6, 0, " ", "Notify Filter Profile Name", OctetStr, Key, {}},
    {87, "NotifyFilterTableDefs", 6, 1, "1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", ObjectId, Implied, {}},
    {88, "CommunityTableDefs", 8, 0, "1.3.6.1.6.3.18.1.1.1.1", "Community Index", DisplayStr, Implied, {}},
    // Keys at items 0 and 2; the first carries options.
    {91, "RadiusServerTableDefs", 6, 0, "1.3.6.1.4.1.97531.12.3.2.4.1.1", "RADIUS ServerIndex", Integer, Key,
     {{"swRadiusServerIndex-first", "1"}, {"swRadiusServerIndex-second", "2"}, {"swRadiusServerIndex-third", "3"}}},
    {91, "RadiusServerTableDefs", 6, 2, "1.3.6.1.4.1.97531.12.3.2.4.1.3", "RADIUS Server Key", DisplayStr, Key, {}},
    // A heading with a leading blank.
    {95, "PaeAuthenticatorDefs", 15, 7, "1.0.8802.1.1.1.1.2.1.1.7", " Quiet Period", Gauge, RW, {}},
    {161, "StpVersionDefs", 1, 0, "1.3.6.1.4.1.97531.12.15.1.2", "MSTP STP Version", Integer, RW,
     {{"stp", "0"}, {"rstp", "1"}, {"mstp", "2"}}},
    {162, "SystemResetDefs", 1, 0, "1.3.6.1.4.1.97531.12.1.2.3", "System Reset", Integer, RW,
     {{"warm-start", "3"}, {"no-reset", "4"}}},
    {163, "SaveConfigDefs", 1, 0, "1.3.6.1.4.1.97531.12.1.2.6", "Save Config", Integer, RW,
     {{"idle", "2"}, {"set", "3"}}},
    {164, "SummerTimeDefs", 6, 0, "1.3.6.1.4.1.97531.12.10.12.1", "Summer Time Status", Integer, RW,
     {{"disable", "0"}, {"repeating", "1"}, {"annual", "2"}}},
    {164, "SummerTimeDefs", 6, 5, "1.3.6.1.4.1.97531.12.10.12.6", "Annual Summer Time End", OctetStr, RW, {}},
    // A bit string whose hexadecimal text is named.
    {173, "EquipmentDefs", 4, 0, "1.3.6.1.4.1.97531.12.11.1.1", "Equipment Capacity", BitStr, RO,
     {{"Redundant Power", "40"}}},
};

TEST(ViewDefinitions, SpotChecks)
{
    for (const SpotCase& c : kSpotCases) {
        SCOPED_TRACE(std::string(c.table) + " item " + std::to_string(c.index));
        ASSERT_LT(c.position, ViewDefinitionTableCount);
        const ViewDefinitionTable& t = ViewDefinitionTables[c.position];
        EXPECT_STREQ(t.Name, c.table);
        EXPECT_EQ(t.Count, c.count);
        const KvSNMPVarDef& d = t.Defs[c.index];
        EXPECT_STREQ(d.Oid, c.oid);
        EXPECT_STREQ(d.Caption, c.caption);
        EXPECT_EQ(d.Syntax, c.syntax);
        EXPECT_EQ(d.Access, c.access);
        const auto rows = d.Options != nullptr ? Rows(*d.Options) : decltype(c.options){};
        EXPECT_EQ(rows, c.options);
    }
}

TEST(ViewDefinitions, NamedTablesAreTheListedOnes)
{
    // The catalogue's entries point at the arrays callers name directly.
    EXPECT_EQ(ViewDefinitionTables[0].Defs, BasicInformationDefs);
    EXPECT_EQ(ViewDefinitionTables[45].Defs, IfXTableDefs);
    EXPECT_EQ(ViewDefinitionTables[70].Defs, VlanStaticTableDefs);
    EXPECT_EQ(ViewDefinitionTables[164].Defs, SummerTimeDefs);
    EXPECT_EQ(std::size(IfXTableDefs), 21u);
    EXPECT_EQ(std::size(SummerTimeDefs), 7u);
    // Equal option rows in different tables are the same object.
    EXPECT_EQ(SystemResetDefs[0].Options, BasicConfigDefs[0].Options);
    EXPECT_EQ(VlanStaticTableDefs[5].Options, &RowStatusOptions);
}

// Every syntax a definition table uses is read, written and used as a key
// through its codec row; each row is the one its code finds, under a keyword
// of its own.
TEST(SyntaxCodecs, CoverEveryDefinitionAndEachRowIsReachable)
{
    for (const ViewDefinitionTable& t : ViewDefinitionTables)
        for (const KvSNMPVarDef* d = t.Defs; d->Oid; ++d) {
            const KvSyntaxCodec* c = KvFindSyntaxCodec(d->Syntax);
            ASSERT_NE(c, nullptr) << t.Name << " " << d->Caption << ": syntax " << d->Syntax;
            EXPECT_TRUE(c->Show && c->Send && c->DecodeKey && c->EncodeKey && c->ToOctets)
                << t.Name << " " << d->Caption << ": " << c->Keyword;
        }

    std::set<std::string> keywords;
    for (const KvSyntaxCodec& c : KvSyntaxCodecs()) {
        EXPECT_EQ(KvFindSyntaxCodec(c.Syntax), &c) << c.Keyword << ": another row answers for its code";
        EXPECT_TRUE(keywords.insert(c.Keyword).second) << c.Keyword << " names two rows";
        // A row has its octet form; the value forms come as a whole or not at all.
        EXPECT_TRUE(c.ToOctets && (c.PlainText || c.OctetsText)) << c.Keyword;
        EXPECT_EQ(!c.Show, !c.Send) << c.Keyword;
        EXPECT_EQ(!c.DecodeKey, !c.EncodeKey) << c.Keyword;
        EXPECT_EQ(!c.SplitFields, !c.JoinFields) << c.Keyword;
    }
}

}  // namespace
