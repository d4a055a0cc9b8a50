#include "KvExpression.h"

#include "KvConvert.h"
#include "KvSNMPErrors.h"
#include "kvsnmp/KvSyntaxCodec.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t npos = std::string::npos;

// Characters an evaluation may scan and copy in all before it is refused.  Ordinary
// expressions need a few times their length; only texts built to make the
// operator-by-operator splitting quadratic come near it.
constexpr std::size_t kWorkBudget = std::size_t(1) << 26;

class Work {
public:
    void spend(std::size_t n)
    {
        if (n >= left_)
            throw LibraryError(KvBadSyntaxInExpression);
        left_ -= n;
    }

private:
    std::size_t left_ = kWorkBudget;
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if ((a[i] | 0x20) != (b[i] | 0x20))
            return false;
    return true;
}

// Marks the characters of double-quoted texts (quotes included), pairing quotes
// from the left; a last quote without a partner quotes nothing.
std::vector<char> quotedMask(std::string_view t)
{
    std::vector<char> mask(t.size(), 0);
    std::size_t i = t.find('"');
    while (i != npos) {
        const std::size_t j = t.find('"', i + 1);
        if (j == npos)
            break;
        for (std::size_t k = i; k <= j; ++k)
            mask[k] = 1;
        i = t.find('"', j + 1);
    }
    return mask;
}

// A text under evaluation, consumed from the front.  It knows which "(" has a
// matching ")" and remembers where characters were found, so that the repeated
// searches of the operator-by-operator evaluation stay linear in the text.
class Cursor {
public:
    Cursor(std::string text, bool quotes, Work& work) : work_(work), quotes_(quotes) { load(std::move(text)); }

    // First position at or after the front holding c outside quoted texts.
    std::size_t find(char c)
    {
        Found& f = found_[slot(c)];
        if (f.version == version_ && f.from <= b_ && (f.pos == npos || f.pos >= b_))
            return f.pos;
        std::size_t p = b_;
        while (p < t_.size() && (t_[p] != c || quoted(p)))
            ++p;
        work_.spend(p - b_ + 1);
        f = Found{version_, b_, p < t_.size() ? p : npos};
        return f.pos;
    }

    // The text from the front up to q (exclusive); the front moves past q.
    std::string take(std::size_t q)
    {
        work_.spend(q - b_ + 1);
        std::string s = t_.substr(b_, q - b_);
        b_ = q + 1;
        return s;
    }

    std::string_view rest() const { return std::string_view(t_).substr(b_); }

    // While the first "(" from the front has a matching ")", replaces the group by
    // the text evalGroup gives for its contents.  Inner groups go first, so
    // evalGroup only ever sees texts without groups, whatever the nesting depth.
    template <class F>
    void resolveGroups(F&& evalGroup)
    {
        std::size_t p = find('(');
        if (p == npos || match_[p] == npos)
            return;
        std::string out;
        std::size_t i = b_;
        for (;;) {
            out.append(t_, i, p - i);
            out += evalRegion(p, match_[p], evalGroup);
            i = match_[p] + 1;
            p = i;
            while (p < t_.size() && (t_[p] != '(' || quoted(p)))
                ++p;
            work_.spend(p - i + 1);
            if (p >= t_.size() || match_[p] == npos)
                break;
        }
        out.append(t_, i, npos);
        load(std::move(out));
    }

private:
    struct Found {
        unsigned version = 0;
        std::size_t from = 0;
        std::size_t pos = npos;
    };

    bool quoted(std::size_t i) const { return quotes_ && mask_[i]; }

    static std::size_t slot(char c)
    {
        // Only the operator characters are searched for.
        static constexpr std::string_view searched = "(|&!+-*/";
        return searched.find(c);
    }

    void load(std::string text)
    {
        work_.spend(text.size() + 1);
        t_ = std::move(text);
        b_ = 0;
        ++version_;
        if (quotes_)
            mask_ = quotedMask(t_);
        match_.assign(t_.size(), npos);
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < t_.size(); ++i) {
            if (quoted(i))
                continue;
            if (t_[i] == '(') {
                open.push_back(i);
            } else if (t_[i] == ')' && !open.empty()) {
                match_[open.back()] = i;
                open.pop_back();
            }
        }
    }

    template <class F>
    std::string evalRegion(std::size_t p, std::size_t q, F& evalGroup)
    {
        work_.spend(q - p + 1);
        std::vector<std::string> stack;
        for (std::size_t k = p; k <= q; ++k) {
            const char ch = t_[k];
            if (ch == '(' && !quoted(k)) {
                stack.emplace_back();
            } else if (ch == ')' && !quoted(k)) {
                std::string value = evalGroup(std::move(stack.back()));
                stack.pop_back();
                if (stack.empty())
                    return value;
                stack.back() += value;
            } else {
                stack.back() += ch;
            }
        }
        return std::string();   // not reached: q matches p
    }

    Work& work_;
    bool quotes_;
    std::string t_;
    std::size_t b_ = 0;
    unsigned version_ = 0;
    std::vector<char> mask_;
    std::vector<std::size_t> match_;
    std::array<Found, 8> found_{};
};

double operand(std::string_view text)
{
    const std::string_view t = trimBlanks(text);
    if (equalsNoCase(t, "NOW"))
        return KvNowDayCount();
    std::size_t n = 0;
    bool dot = false;
    while (n < t.size() && ((t[n] >= '0' && t[n] <= '9') || (t[n] == '.' && !dot))) {
        dot = dot || t[n] == '.';
        ++n;
    }
    double v = 0;
    auto [ptr, ec] = std::from_chars(t.data(), t.data() + n, v, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range)
        return std::numeric_limits<double>::infinity();
    return ec == std::errc() ? v : 0.0;
}

double evalNumber(std::string text, Work& work)
{
    Cursor c(std::move(text), false, work);
    // Each operator splits at its first occurrence and evaluates the right side
    // as a whole; the left values wait here instead of on the call stack.
    std::vector<std::pair<char, double>> pending;
    double x = 0;
    for (;;) {
        c.resolveGroups([&work](std::string inner) { return KvPlainNumberText(evalNumber(std::move(inner), work)); });
        if (const std::size_t q = c.find('+'); q != npos) {
            pending.emplace_back('+', evalNumber(c.take(q), work));
        } else if (const std::size_t q = c.find('-'); q != npos) {
            pending.emplace_back('-', evalNumber(c.take(q), work));
        } else if (const std::size_t q = c.find('*'); q != npos) {
            pending.emplace_back('*', operand(c.take(q)));
        } else if (const std::size_t q = c.find('/'); q != npos) {
            pending.emplace_back('/', operand(c.take(q)));
        } else {
            x = operand(c.rest());
            break;
        }
    }
    for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
        switch (it->first) {
        case '+': x = it->second + x; break;
        case '-': x = it->second - x; break;
        case '*': x = it->second * x; break;
        default: x = it->second / x; break;
        }
    }
    return x;
}

std::string unquote(std::string_view s)
{
    if (!s.empty() && s.front() == '"' && s.back() == '"')
        return s.size() < 2 ? std::string() : std::string(s.substr(1, s.size() - 2));
    return std::string(s);
}

bool evalComparison(std::string_view text, Work& work)
{
    work.spend(text.size() * 7 + 1);
    const std::vector<char> mask = quotedMask(text);
    static constexpr std::string_view ops[] = {"<>", ">=", "<=", ">", "<", "="};
    for (std::size_t k = 0; k < std::size(ops); ++k) {
        std::size_t p = text.find(ops[k]);
        while (p != npos && mask[p])
            p = text.find(ops[k], p + 1);
        if (p == npos)
            continue;
        std::string left = unquote(trimBlanks(text.substr(0, p)));
        std::string right = unquote(trimBlanks(text.substr(p + ops[k].size())));
        if (equalsNoCase(left, "NOW"))
            left = KvDoubleText(KvNowDayCount());
        if (equalsNoCase(right, "NOW"))
            right = KvDoubleText(KvNowDayCount());
        const int c = left.compare(right);
        switch (k) {
        case 0: return c != 0;
        case 1: return c >= 0;
        case 2: return c <= 0;
        case 3: return c > 0;
        case 4: return c < 0;
        default: return c == 0;
        }
    }
    const std::string_view t = trimBlanks(text);
    if (equalsNoCase(t, "true"))
        return true;
    if (equalsNoCase(t, "false"))
        return false;
    throw CommonError(KvBadLogicOperand);
}

bool evalLogic(std::string text, Work& work)
{
    Cursor c(std::move(text), true, work);
    bool negate = false;
    for (;;) {
        c.resolveGroups([&work](std::string inner) {
            return std::string(evalLogic(std::move(inner), work) ? "true" : "false");
        });
        if (const std::size_t q = c.find('|'); q != npos) {
            if (evalLogic(c.take(q), work))
                return !negate;
        } else if (const std::size_t q = c.find('&'); q != npos) {
            if (!evalLogic(c.take(q), work))
                return negate;
        } else if (const std::size_t q = c.find('!'); q != npos) {
            // Negates what follows the "!", whatever blanks stand before it.
            c.take(q);
            negate = !negate;
        } else {
            return evalComparison(c.rest(), work) != negate;
        }
    }
}

} // namespace

double EvaluateNumber(const std::string& text)
{
    Work work;
    return evalNumber(text, work);
}

bool EvaluateLogic(const std::string& text)
{
    Work work;
    return evalLogic(text, work);
}

bool EvaluateComparison(const std::string& text)
{
    Work work;
    return evalComparison(text, work);
}

std::string KvSubstituteVariables(const KvSNMPVarList& list, const std::string& expression,
                                  bool quoteStrings, const std::string& marker)
{
    if (marker.empty())
        return expression;
    std::string out;
    std::size_t pos = 0;
    for (std::size_t m = expression.find(marker); m != npos; m = expression.find(marker, pos)) {
        out.append(expression, pos, m - pos);
        std::size_t i = m + marker.size();
        std::uint64_t index = 0;
        for (; i < expression.size() && expression[i] >= '0' && expression[i] <= '9'; ++i)
            index = std::min<std::uint64_t>(index * 10 + static_cast<unsigned>(expression[i] - '0'), 1u << 31);
        pos = i;
        if (index >= static_cast<std::uint64_t>(list.Count()))
            throw LibraryError(KvBadSyntaxInExpression);

        const KvSNMPVarItem& item = list.ItemAt(static_cast<int>(index));
        const std::string value = item.Options ? item.Options->ValueOf(item.Value) : item.Value;
        if (value == KvNullText)
            throw LibraryError(KvNullInExpression);
        // A syntax with a number form enters as that number; any other as a text.
        const KvSyntaxCodec* codec = KvFindSyntaxCodec(item.Syntax);
        if (codec && codec->InExpression) {
            if (!codec->InExpression(value, out))
                throw LibraryError(KvBadSyntaxInExpression);
        } else {
            if (!quoteStrings)
                throw LibraryError(KvBadSyntaxInExpression);
            out += '"';
            out += value;
            out += '"';
        }
    }
    out.append(expression, pos, npos);
    return out;
}

const std::string& KvDerivedExpression(const KvSNMPVarItem& item, bool afterRead)
{
    return afterRead ? item.GetExpression : item.SetExpression;
}

void KvStoreDerivedValue(KvSNMPVarItem& item, double x)
{
    const KvSyntaxCodec* codec = KvFindSyntaxCodec(item.Syntax);
    if (!codec || !codec->FromNumber)
        throw LibraryError(KvBadSyntaxInExpression);
    const std::string text = codec->FromNumber(x);
    item.Value = item.Options ? item.Options->LabelOf(text) : text;
}
