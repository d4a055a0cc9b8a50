// Get-bulk answers over two interface columns split into ports: whole
// answers, answers the agent cut short, columns with holes, columns the agent
// does not have, and bindings that leave or go back in their column.
#include "monitor/BulkAnswer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const engine::Oid kOperStatus{1, 3, 6, 1, 2, 1, 2, 2, 1, 8};
const engine::Oid kHCInOctets{1, 3, 6, 1, 2, 1, 31, 1, 1, 1, 6};
// What comes after ifXTable in the agent's tree.
const engine::Oid kBeyond{1, 3, 6, 1, 4, 1, 97531, 1};

// One binding of a case: column 0 or 1 (2: outside both) at an index, its
// value the index times ten plus the column; End marks endOfMibView.
struct Binding {
    int column;
    std::uint32_t index;
    bool end = false;
};

struct BulkCase {
    const char* name;
    std::int64_t first, last;
    std::vector<Binding> answer;
    std::int64_t whole;
    // Per wanted port, the values expected in each column ("-": none).
    std::vector<std::string> values;
};

std::vector<engine::VarBind> Answer(const std::vector<Binding>& bindings)
{
    std::vector<engine::VarBind> out;
    for (const Binding& b : bindings) {
        engine::Oid oid = b.column == 0 ? kOperStatus : b.column == 1 ? kHCInOctets : kBeyond;
        oid.push_back(b.index);
        engine::Value v = b.end ? engine::Value{engine::kEndOfMibView, 0, {}, {}}
                                : engine::Value::integer(static_cast<std::int32_t>(b.index * 10 + b.column));
        out.push_back({oid, v});
    }
    return out;
}

std::string Found(const TBulkRows& rows, std::size_t port)
{
    std::string s;
    for (const engine::Value* v : rows.Values.at(port))
        s += (s.empty() ? "" : " ") + (v ? std::to_string(v->asInt32()) : std::string("-"));
    return s;
}

class BulkAnswers : public ::testing::TestWithParam<BulkCase> {};

TEST_P(BulkAnswers, GiveEachPortItsOwnValuesAndTheLastWholePort)
{
    const BulkCase& c = GetParam();
    const std::vector<engine::VarBind> answer = Answer(c.answer);
    const engine::Oid columns[] = {kOperStatus, kHCInOctets};
    const TBulkRows rows = SplitBulkAnswer(answer, columns, c.first, c.last);
    EXPECT_EQ(rows.Whole, c.whole);
    ASSERT_EQ(rows.Values.size(), c.values.size());
    for (std::size_t p = 0; p < c.values.size(); ++p)
        EXPECT_EQ(Found(rows, p), c.values[p]) << "port " << c.first + static_cast<std::int64_t>(p);
}

const BulkCase kBulkCases[] = {
    {"whole", 1, 3, {{0, 1}, {1, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}}, 3, {"10 11", "20 21", "30 31"}},
    // The agent kept its answer small: port 2 lacks its second column and waits for another request.
    {"cutShort", 1, 3, {{0, 1}, {1, 1}, {0, 2}}, 1, {"10 11", "20 -", "- -"}},
    {"nothingButTheUpTime", 4, 6, {}, 3, {"- -", "- -", "- -"}},
    // Port 2 has no 64-bit counter: the column's second binding is port 3's.
    {"holeInAColumn", 1, 3, {{0, 1}, {1, 1}, {0, 2}, {1, 3}, {0, 3}, {2, 1}}, 3, {"10 11", "20 -", "30 31"}},
    {"columnTheAgentLacks", 1, 3, {{0, 1}, {2, 1}, {0, 2}, {2, 2}, {0, 3}, {2, 3}}, 3, {"10 -", "20 -", "30 -"}},
    {"endOfMibView", 1, 2, {{0, 1}, {1, 1, true}, {0, 2}, {1, 1, true}}, 2, {"10 -", "20 -"}},
    // A column that answers a row it answered before has ended, never loops.
    {"columnWentBack", 1, 3, {{0, 1}, {1, 2}, {0, 2}, {1, 1}, {0, 3}, {1, 3}}, 3, {"10 -", "20 21", "30 -"}},
    // Ports after the last wanted one count as past it.
    {"beyondTheLastPort", 2, 3, {{0, 2}, {1, 2}, {0, 3}, {1, 5}, {0, 4}, {1, 6}}, 3, {"20 21", "30 -"}},
};

INSTANTIATE_TEST_SUITE_P(Answers, BulkAnswers, ::testing::ValuesIn(kBulkCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BulkAnswers, AnIndexOfSeveralArcsLeavesTheColumn)
{
    std::vector<engine::VarBind> answer = Answer({{0, 1}, {1, 1}});
    answer[0].oid.push_back(7);
    const engine::Oid columns[] = {kOperStatus, kHCInOctets};
    const TBulkRows rows = SplitBulkAnswer(answer, columns, 1, 2);
    EXPECT_EQ(rows.Whole, 1);
    EXPECT_EQ(Found(rows, 0), "- 11");
}

} // namespace
