// Which objects hold secrets (community names, keys, pass phrases), judged from
// their definitions.  Files that carry such values are kept private, and a
// configuration snapshot leaves the values out unless asked to keep them.
#pragma once

#include "kvsnmp/KvSNMPVarDef.h"

#include <string_view>

// The caption names a secret: a password, a pass phrase, a secret, a key, or
// the community itself ("Community", "Community Name"; not "Community Security
// Name", which names a user).  Letter case does not matter.
bool KvCaptionNamesSecret(std::string_view caption);

// The object's value is a secret: its caption names one and the value is text
// or octets.  Numbers that a caption calls a key (a link aggregation key) are
// settings like any other.
bool KvHoldsSecret(const KvSNMPVarDef& def);
