// Partial data: a field inside the octet form of one variable's value, found by a
// byte offset and read with a syntax of its own.  The edits and LED bindings use
// these three conversions to show one field of an octet string (or one byte of a
// number) in a control and to put a changed field back.
//
// Numbers of 32 and 64 bits are stored lowest byte first, the 16-bit kinds in
// network order.  "(NULL)" (and "(NOTDONE)", a value not read yet) becomes an
// empty octet string for every syntax but null and displaystr, and an empty
// octet string reads back as "(NULL)" (as an empty text for displaystr).
#pragma once

#include <cstdint>
#include <string>

// Bytes a field of the syntax takes; -1 for the kinds that take the rest of the
// value.  Raises -511 for a syntax the codec does not know.
int KvFieldWidth(std::uint32_t syntax);

// The octet form of one field value given as text.  Raises -511 for an unknown
// syntax and -518 for a text that is no value of the syntax.
std::string KvFieldToOctets(const std::string& text, std::uint32_t syntax);

// The bytes of the field at the offset.  An empty value gives an empty field.
// Raises -519 when the value is shorter than the field's end, -511 for an unknown
// syntax.
std::string KvExtractField(const std::string& octets, int offset, std::uint32_t syntax);

// The text form of a field.  Raises -518 when there are fewer bytes than the
// syntax needs, -511 for an unknown syntax.
std::string KvFieldText(const std::string& octets, std::uint32_t syntax);
