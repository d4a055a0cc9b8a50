// Where the bindings of a get-bulk over table columns belong.
//
// The answer holds repetitions of one binding per column, each column's
// bindings the successive rows it has, one index arc after the column's OID.
// A row a column jumped past has no such object there; a column whose
// binding left it (or went back, or is an exception) has nothing further.  A
// row is whole once every column got to it or past it: an answer the agent
// cut short leaves the rows after the last whole one for another request.
#pragma once

#include "engine/SnmpEngine.h"

#include <cstdint>
#include <span>
#include <vector>

struct TBulkRows {
    // [row - first][column]: the value, or null where the agent has none.
    std::vector<std::vector<const engine::Value*>> Values;
    // The last row the answer holds whole; first - 1 when none.
    std::int64_t Whole = 0;
};

// repeaters: the answer's bindings after its non-repeaters; columns: the OIDs
// the bindings repeat, in the order asked; rows first ... last are wanted.
// The values point into repeaters.
TBulkRows SplitBulkAnswer(std::span<const engine::VarBind> repeaters, std::span<const engine::Oid> columns,
                          std::int64_t first, std::int64_t last);
