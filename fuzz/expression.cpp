// Expressions: every text evaluates or raises one of the module's errors, and
// ends (libFuzzer's time-out catches an evaluation that stalls).  The first line
// is the text; variable substitution runs over a small list of the rest's lines.
#include "FuzzSupport.h"

#include "kvsnmp/KvExpression.h"
#include "kvsnmp/KvSNMPErrors.h"
#include "kvsnmp/KvSNMPVarDef.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto [line, rest] = fuzz::FirstLine(fuzz::Bytes(data, size));
    const std::string text(line);
    auto clean = [](auto&& evaluate) {
        try {
            evaluate();
        } catch (const KvSNMPException&) {
        }
    };
    clean([&] { EvaluateNumber(text); });
    clean([&] { EvaluateLogic(text); });
    clean([&] { EvaluateComparison(text); });

    static const std::uint32_t kSyntaxes[] = {KvSyntax::Integer, KvSyntax::DisplayStr, KvSyntax::Boolean,
                                              KvSyntax::TimeTicks, KvSyntax::BcDateTime, KvSyntax::OctetStr};
    KvSNMPVarList list;
    std::size_t n = 0;
    for (const std::string& value : fuzz::Lines(rest)) {
        list.AppendItem("1.3.6.1.4.1.1." + std::to_string(n), "v", kSyntaxes[n % std::size(kSyntaxes)],
                        KvAccess::ReadWrite);
        list.ItemAt(static_cast<int>(n)).Value = value;
        if (++n == 8)
            break;
    }
    clean([&] {
        const std::string substituted = KvSubstituteVariables(list, text, true, "$");
        // The evaluator already met texts of every shape up to the input's length
        // above; a value repeated by many markers only makes the same evaluation
        // longer (up to its work budget), which cut the executions tenfold.
        if (substituted.size() > size)
            return;
        clean([&] { EvaluateLogic(substituted); });
        clean([&] { EvaluateNumber(substituted); });
    });
    clean([&] { KvSubstituteVariables(list, text, false, "$"); });
    return 0;
}
