#include "monitor/BulkAnswer.h"

#include <algorithm>

TBulkRows SplitBulkAnswer(std::span<const engine::VarBind> repeaters, std::span<const engine::Oid> columns,
                          std::int64_t first, std::int64_t last)
{
    TBulkRows out;
    const std::size_t width = columns.size();
    const std::size_t rows = last >= first ? static_cast<std::size_t>(last - first + 1) : 0;
    out.Values.assign(rows, std::vector<const engine::Value*>(width, nullptr));
    if (width == 0 || rows == 0) {
        out.Whole = last;
        return out;
    }
    // How far each column got: the last row it answered, or `last` once it has ended.
    std::vector<std::int64_t> reach(width, first - 1);
    for (std::size_t i = 0; i < repeaters.size(); ++i) {
        const std::size_t c = i % width;
        if (reach[c] >= last)
            continue;
        const engine::VarBind& vb = repeaters[i];
        const engine::Oid& prefix = columns[c];
        const bool inColumn = !vb.value.isException() && vb.oid.size() == prefix.size() + 1 &&
                              std::equal(prefix.begin(), prefix.end(), vb.oid.begin());
        const std::int64_t index = inColumn ? static_cast<std::int64_t>(vb.oid.back()) : 0;
        if (!inColumn || index <= reach[c]) {
            reach[c] = last;
            continue;
        }
        if (index >= first && index <= last)
            out.Values[static_cast<std::size_t>(index - first)][c] = &vb.value;
        reach[c] = index;
    }
    out.Whole = std::min(*std::min_element(reach.begin(), reach.end()), last);
    return out;
}
