#include "KvTextUtil.h"

std::string AfterPrefix(const std::string& text, const std::string& prefix)
{
    if (prefix.size() < text.size() && text.compare(0, prefix.size(), prefix) == 0)
        return text.substr(prefix.size());
    return {};
}

std::string Unquote(const std::string& text)
{
    if (text.empty() || text.front() != '"' || text.back() != '"')
        return text;
    if (text.size() == 1)
        return {};
    return text.substr(1, text.size() - 2);
}

std::string ReplaceAll(const std::string& text, const std::string& token, const std::string& replacement)
{
    if (token.empty())
        return text;
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(token); at != std::string::npos; at = text.find(token, from)) {
        out.append(text, from, at - from);
        out += replacement;
        from = at + token.size();
    }
    out.append(text, from, std::string::npos);
    return out;
}

int SplitAtOperator(const std::vector<std::string>& operators, const std::string& text,
                    std::string& left, std::string& right)
{
    for (std::size_t i = 0; i < operators.size(); ++i) {
        const std::string& op = operators[i];
        if (op.empty())
            continue;
        std::size_t at = text.find(op);
        if (at == std::string::npos)
            continue;
        left = text.substr(0, at);
        right = text.substr(at + op.size());
        return static_cast<int>(i);
    }
    return -1;
}

int SpanOfChars(const std::string& text, int start, std::string_view charSet)
{
    if (start < 1 || static_cast<std::size_t>(start) > text.size())
        return 0;
    std::size_t i = static_cast<std::size_t>(start) - 1;
    if (charSet.find(text[i]) == std::string_view::npos)
        return 0;
    while (i + 1 < text.size() && charSet.find(text[i + 1]) != std::string_view::npos)
        ++i;
    return static_cast<int>(i + 1);
}

char PathSeparator()
{
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/' || folder.back() == '\\')
        return folder + name;
    return folder + PathSeparator() + name;
}
