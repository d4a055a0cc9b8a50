#include "SnapshotData.h"

#include "kvsnmp/KvConvert.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSnapshotFile.h"
#include "kvsnmp/KvSyntaxCodec.h"

namespace ksw::sim {

namespace {

Value simValue(const engine::Value& v)
{
    switch (v.tag) {
    case engine::kInteger:
        return Value::integer(v.asInt32());
    case engine::kCounter32:
    case engine::kGauge32:
    case engine::kTimeTicks:
        return Value::unsignedOf(v.tag, static_cast<unsigned long>(v.number));
    case engine::kUInteger32:
        return Value::unsignedOf(TagGauge32, static_cast<unsigned long>(v.number));
    case engine::kCounter64:
        return Value::counter64(v.number);
    case engine::kIpAddress:
    case engine::kNsapAddress: {
        std::uint32_t a = 0;
        for (std::size_t i = 0; i < 4 && i < v.octets.size(); ++i)
            a = (a << 8) | static_cast<unsigned char>(v.octets[i]);
        return Value::ipAddress(a);
    }
    case engine::kObjectId:
        return Value::objectId(Oid(v.oid.begin(), v.oid.end()));
    case engine::kOpaque:
        return Value::octets(v.octets, TagOpaque);
    default:
        return Value::octets(v.octets);
    }
}

} // namespace

bool isSnapshotText(const std::string& text)
{
    return text.starts_with("# KSW-4800 configuration snapshot,");
}

MibData parseSnapshotData(const std::string& text, const std::string& name)
{
    KvSnapshot snapshot;
    try {
        snapshot = KvParseSnapshot(text, name);
    } catch (const KvSNMPException& e) {
        throw DataError(e.Message());
    }
    MibData data;
    const struct {
        const char* oid;
        const std::string& text;
    } system[] = {{"1.3.6.1.2.1.1.1.0", snapshot.Header.SysDescr},
                  {"1.3.6.1.2.1.1.5.0", snapshot.Header.SysName}};
    for (const auto& s : system)
        data.objects[parseOid(s.oid)] = Value::octets(s.text);
    if (const auto id = KvOidFromText(snapshot.Header.SysObjectId))
        data.objects[parseOid("1.3.6.1.2.1.1.2.0")] = Value::objectId(Oid(id->begin(), id->end()));
    for (const KvSnapshotLine& line : snapshot.Lines) {
        if (line.State != KvSnapshotState::Value)
            continue;
        const Oid oid = parseOid(line.Oid);
        // The file was checked line by line: every value converts.
        const Value v = simValue(KvSyntaxCodecOf(line.Syntax).Send(line.Value));
        data.objects[oid] = v;
        WritableRule rule;
        rule.prefix = oid;
        rule.tag = v.tag;
        data.writable.push_back(std::move(rule));
    }
    return data;
}

} // namespace ksw::sim
