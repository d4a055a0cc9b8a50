// Partial data: a field inside the octet form of one variable's value, found by a
// byte offset and read with a syntax of its own.  The edits and LED bindings use
// the octet form of the syntax codecs (KvFieldWidth, KvFieldToOctets, KvFieldText)
// to show one field of an octet string (or one byte of a number) in a control
// and to put a changed field back.
#pragma once

#include "kvsnmp/KvSyntaxCodec.h"

#include <string>

// The bytes of the field at the offset.  An empty value gives an empty field.
// Raises -519 when the value is shorter than the field's end, -511 for an unknown
// syntax.
std::string KvExtractField(const std::string& octets, int offset, std::uint32_t syntax);
