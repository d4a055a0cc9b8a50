// Small expressions over a variable list's own values: derived items, row
// filters and row conditions.  "$N" (or another marker) followed by an item index
// stands for that item's value.
//
// Every evaluation ends: nesting is resolved without recursion, and a text whose
// evaluation would take unreasonable work is refused with the bad-syntax-in-
// expression error (-513) instead of stalling the user interface.
#pragma once

#include "KvSNMPVarList.h"

#include <string>

// Arithmetic: "+" binds loosest, then "-", then "*" and "/"; an operator splits
// the text at its first occurrence, so a - b - c is a - (b - c).  Operands are
// leading decimal numbers (0 when there is none) or NOW, the current local date
// and time as a day count.
double EvaluateNumber(const std::string& text);

// Logic: parentheses, then "|", "&", "!" (each outside double-quoted texts),
// then a comparison.  "|" and "&" do not evaluate their right side when the left
// side decides.
bool EvaluateLogic(const std::string& text);

// "<>", ">=", "<=", ">", "<", "=" (the first of these found outside quoted
// texts); both sides are compared as texts, byte by byte.  Without an operator
// the text must be "true" or "false" (else the common error "Bad logic operand!",
// code -1).
bool EvaluateComparison(const std::string& text);

// Replaces each marker and the item index after it by that item's value: numbers
// as they stand, booleans as 1 or 0, time ticks and day-count date-times as their
// numbers, anything else in double quotes when quoteStrings is set (otherwise
// -513).  A "(NULL)" value raises -512.  Inserted values are not scanned again.
std::string KvSubstituteVariables(const KvSNMPVarList& list, const std::string& expression,
                                  bool quoteStrings, const std::string& marker);

// The expression an item is derived by: its get-expression after a read, its
// set-expression before a write (empty when it has none).
const std::string& KvDerivedExpression(const KvSNMPVarItem& item, bool afterRead);

// Stores an evaluated number as the item's value in the text form of its syntax
// (then mapped to its option label); -513 for a syntax that is not a number.
void KvStoreDerivedValue(KvSNMPVarItem& item, double value);
