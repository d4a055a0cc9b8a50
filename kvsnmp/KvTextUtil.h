// Small text operations the access layer and its users rely on.  Positions are
// 1-based; 0 means "none".
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text without the prefix when the text begins with it and is longer than
// it; otherwise the empty text.
std::string AfterPrefix(const std::string& text, const std::string& prefix);

// The text between a leading and a trailing double quote (a lone quote gives the
// empty text); any other text unchanged.
std::string Unquote(const std::string& text);

// Every occurrence of token replaced, left to right; inserted text is not
// rescanned.  An empty token changes nothing.
std::string ReplaceAll(const std::string& text, const std::string& token, const std::string& replacement);

// The first operator of the ordered table that occurs in the text splits it at
// that operator's first occurrence.  Returns its index, or -1 (left and right
// untouched) when none occurs.  Empty operators never match.
int SplitAtOperator(const std::vector<std::string>& operators, const std::string& text,
                    std::string& left, std::string& right);

// From the 1-based start position, the position of the last character of the run
// of characters in the set; 0 when the start is outside the text or its character
// is not in the set.
int SpanOfChars(const std::string& text, int start, std::string_view charSet);

// Folder and file name joined with the platform separator (an existing '/' or
// '\\' at the folder's end is kept); an empty folder gives the name alone.
std::string JoinPath(const std::string& folder, const std::string& name);

// The platform's path separator.
char PathSeparator();
