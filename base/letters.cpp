#include "base/letters.h"

#include "base/letterset.h"

namespace glyph::letters
{

namespace
{

constexpr int kDigitGroup = 3;

bool isLetterCode(char code)
{
    return code >= 'A' && code <= kJoker;
}

} // namespace

int value(const LetterSet& set, char code)
{
    return set.entry(code).value;
}

int stringValue(const LetterSet& set, const std::string& word)
{
    int sum = 0;
    for (char code : word)
        sum += value(set, code);
    return sum;
}

bool isVowel(const LetterSet& set, char code)
{
    return set.entry(code).vowel != 0;
}

char upperCase(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string upperCased(std::string text)
{
    for (char& c : text)
        c = upperCase(c);
    return text;
}

std::string fromUserText(const std::string& text)
{
    std::string codes;
    for (char c : text) {
        if (const char upper = upperCase(c); upper >= 'A' && upper <= 'Z')
            codes += upper;
        else if (c == '?')
            codes += kJoker;
    }
    return codes;
}

std::string toUserText(const std::string& codes)
{
    std::string text = codes;
    for (char& c : text) {
        if (c == kJoker)
            c = '?';
    }
    return text;
}

std::array<int, kLetterCount> histogram(const std::string& word)
{
    std::array<int, kLetterCount> counts{};
    for (char code : word) {
        if (isLetterCode(code))
            ++counts[code - 'A'];
    }
    return counts;
}

bool isAnagram(const std::string& a, const std::string& b)
{
    return histogram(a) == histogram(b);
}

bool takeLetters(std::string& rack, const std::string& taken)
{
    bool all = true;
    for (char letter : taken) {
        const std::size_t at = rack.find(letter);
        if (at == std::string::npos)
            all = false;
        else
            rack.erase(at, 1);
    }
    return all;
}

std::string withThousands(unsigned long long number)
{
    const std::string digits = std::to_string(number);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::size_t remaining = digits.size() - i;
        if (i > 0 && remaining % kDigitGroup == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

} // namespace glyph::letters
