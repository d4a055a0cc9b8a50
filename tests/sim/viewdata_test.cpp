// The shipped KSW-4800 data answers every object that a view or dedicated dialog
// reads, with a value it can show and, where it writes, a rule that accepts the
// write.  The data script copies the dialogs' tables by hand: a copy that drifts
// from defs/ fails here.
#include "MibData.h"
#include "defs/ViewDefinitionTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

using namespace ksw::sim;

namespace {

const MibData& shipped()
{
    static const MibData data = loadSnmprec(KSW_SOURCE_DIR "/sim/data/ksw4800.snmprec");
    return data;
}

std::uint8_t tagOf(std::uint32_t syntax)
{
    switch (syntax) {
    case KvSyntax::Integer:
        return TagInteger;
    case KvSyntax::ObjectId:
        return TagObjectId;
    case KvSyntax::IpAddress:
        return TagIpAddress;
    case KvSyntax::Counter:
        return TagCounter32;
    case KvSyntax::Gauge:
        return TagGauge32;
    case KvSyntax::TimeTicks:
        return TagTimeTicks;
    case KvSyntax::Counter64:
        return TagCounter64;
    default:
        return TagOctetString; // bit strings, octet strings, MAC and IPv6 addresses, display strings
    }
}

bool isKey(const KvSNMPVarDef& d) { return (d.Access & KvAccess::NotAccess) != 0; }

// What is wrong with `v` as a value of `d`, or empty.
std::string fault(const KvSNMPVarDef& d, const Value& v)
{
    if (v.tag != tagOf(d.Syntax))
        return "tag " + std::to_string(v.tag);
    if (d.Syntax == KvSyntax::MacAddress && v.raw.size() != 6)
        return "MAC address of " + std::to_string(v.raw.size()) + " octets";
    if (d.Syntax == KvSyntax::Ipv6Address && v.raw.size() != 16)
        return "IPv6 address of " + std::to_string(v.raw.size()) + " octets";
    if (d.Syntax == KvSyntax::DisplayStr &&
        !std::all_of(v.raw.begin(), v.raw.end(), [](unsigned char c) { return c >= 0x20 && c < 0x7f; }))
        return "display string with unprintable characters";
    if (d.Options && d.Options->ValueType() == KvOptionList::IntegerValues &&
        d.Options->IndexOfValue(std::to_string(v.asInteger())) < 0)
        return "value " + std::to_string(v.asInteger()) + " outside the option list";
    return {};
}

std::string writeFault(const WritableRule* rule, const Value& v)
{
    if (!rule)
        return "not writable";
    if (rule->tag && rule->tag != v.tag)
        return "writable as tag " + std::to_string(rule->tag);
    if (!rule->min)
        return {};
    const long long n = v.tag == TagInteger ? v.asInteger() : static_cast<long long>(v.raw.size());
    if (n < *rule->min || n > *rule->max)
        return "its own value " + std::to_string(n) + " is outside the writable range";
    return {};
}

bool hasCreateAndGo(const KvOptionList* options)
{
    if (!options)
        return false;
    for (int i = 0; i < options->Count(); ++i)
        if (strcasecmp(options->Item(i).Label.c_str(), "createAndGo") == 0)
            return true;
    return false;
}

TEST(SimViewData, EveryDefinitionObjectIsAnsweredWithAValueOfItsSyntax)
{
    const MibData& data = shipped();
    int columns = 0;
    for (const ViewDefinitionTable& table : ViewDefinitionTables) {
        for (int i = 0; i < table.Count; ++i) {
            const KvSNMPVarDef& d = table.Defs[i];
            if (isKey(d) || !(d.Access & KvAccess::ReadOnly))
                continue;
            const std::string where = std::string(table.Name) + " \"" + d.Caption + "\" " + d.Oid;
            const Oid column = parseOid(d.Oid);
            // The object itself (a whole instance the front panel reads) or the column's rows.
            auto it = data.objects.lower_bound(column);
            ASSERT_TRUE(it != data.objects.end() && startsWith(it->first, column)) << where << ": nothing under it";
            ++columns;
            const bool writable = (d.Access & KvAccess::ReadWrite) == KvAccess::ReadWrite;
            const bool rowStatus = std::find(data.rowStatusColumns.begin(), data.rowStatusColumns.end(), column) !=
                                   data.rowStatusColumns.end();
            for (; it != data.objects.end() && startsWith(it->first, column); ++it) {
                const std::string instance = where + " at " + oidText(it->first);
                EXPECT_EQ(fault(d, it->second), "") << instance;
                if (writable && !rowStatus) {
                    EXPECT_EQ(writeFault(data.writableRule(it->first), it->second), "") << instance;
                }
            }
            if (writable && hasCreateAndGo(d.Options)) {
                EXPECT_TRUE(rowStatus) << where << ": rows cannot be created or destroyed";
            }
        }
    }
    EXPECT_GT(columns, 900);
}

// The OID of the column a definition table names by caption.
Oid columnOf(const KvSNMPVarDef* defs, const char* caption)
{
    for (; defs->Oid; ++defs)
        if (std::strcmp(defs->Caption, caption) == 0)
            return parseOid(defs->Oid);
    ADD_FAILURE() << "no column \"" << caption << "\"";
    return {};
}

long long integerAt(Oid column, int port)
{
    column.push_back(static_cast<std::uint32_t>(port));
    const auto it = shipped().objects.find(column);
    return it == shipped().objects.end() ? -1 : it->second.asInteger();
}

// Generic values made every port's control say "disabled" and every link "link-pass".
TEST(SimViewData, PortStatesFollowTheInterfaces)
{
    const Oid ifAdminStatus = parseOid("1.3.6.1.2.1.2.2.1.7"), ifOperStatus = parseOid("1.3.6.1.2.1.2.2.1.8");
    const Oid adminState = columnOf(PortControlTableDefs, "Port Ctrl Admin State");
    const Oid linkStatus = columnOf(PortInformationTableDefs, "Link Status");
    constexpr long long kIfUp = 1, kIfDown = 2, kEnabled = 3, kLinkPass = 2, kLinkFail = 3;
    int up = 0;
    for (int port = 1; port <= 50; ++port) {
        SCOPED_TRACE("port " + std::to_string(port));
        EXPECT_EQ(integerAt(adminState, port) == kEnabled, integerAt(ifAdminStatus, port) != kIfDown);
        const bool linkUp = integerAt(ifOperStatus, port) == kIfUp;
        EXPECT_EQ(integerAt(linkStatus, port), linkUp ? kLinkPass : kLinkFail);
        up += linkUp ? 1 : 0;
    }
    EXPECT_GT(up, 0);
    EXPECT_LT(up, 50);
}

} // namespace
