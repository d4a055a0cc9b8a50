#include "kvsnmp/KvSecrets.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

std::vector<std::string> lowerWords(std::string_view caption)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : caption) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

} // namespace

bool KvCaptionNamesSecret(std::string_view caption)
{
    const std::vector<std::string> words = lowerWords(caption);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "password" || w == "passwords" || w == "passphrase" || w == "secret" || w == "key" || w == "keys")
            return true;
        if (w == "pass" && i + 1 < words.size() && words[i + 1] == "phrase")
            return true;
        // The community string is the secret; the names that merely sit in the
        // community table beside it (its security name, context name) are not.
        if (w == "community" && (i + 1 == words.size() || (i + 2 == words.size() && words[i + 1] == "name")))
            return true;
    }
    return false;
}

bool KvHoldsSecret(const KvSNMPVarDef& def)
{
    using namespace KvSyntax;
    const bool text = def.Syntax == DisplayStr || def.Syntax == OctetStr || def.Syntax == Opaque;
    return text && def.Caption && KvCaptionNamesSecret(def.Caption);
}
