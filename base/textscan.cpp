#include "base/textscan.h"

#include <charconv>

namespace glyph::textscan
{

namespace
{

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

void skipSpace(std::string_view& text)
{
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    text.remove_prefix(i);
}

bool readInt(std::string_view& text, int& out)
{
    std::string_view rest = text;
    skipSpace(rest);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    // from_chars takes no sign of its own, so the magnitude is read unsigned and checked.
    unsigned long long magnitude = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), magnitude);
    if (error != std::errc{})
        return false;
    constexpr unsigned long long kMaxPositive = 2147483647ULL;
    if (magnitude > kMaxPositive + (negative ? 1 : 0))
        return false;
    const long long value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    out = static_cast<int>(value);
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

bool parseWholeInt(std::string_view text, int& out)
{
    int value = 0;
    if (!readInt(text, value))
        return false;
    skipSpace(text);
    if (!text.empty())
        return false;
    out = value;
    return true;
}

std::string_view withoutByteOrderMark(std::string_view text)
{
    return text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text;
}

} // namespace glyph::textscan
