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

// The plain letter of each precomposed Latin letter, one character per code point, '.' for a
// character that is no plain letter with marks (Æ, ß, ø, ...): what dropping the marks of its
// canonical decomposition leaves, as a Unicode normaliser would.
constexpr char32_t kLatinFirst = 0xC0; // Latin-1 Supplement to Latin Extended-B
constexpr std::string_view kLatinLetters =
    "AAAAAA.CEEEEIIII.NOOOOO..UUUUY..aaaaaa.ceeeeiiii.nooooo..uuuuy.y" // U+00C0
    "AaAaAaCcCcCcCcDd..EeEeEeEeEeGgGgGgGgHh..IiIiIiIiI...JjKk.LlLlLl." // U+0100
    "...NnNnNn...OoOoOo..RrRrRrSsSsSsSsTtTt..UuUuUuUuUuUuWwYyYZzZzZz." // U+0140
    "................................Oo.............Uu..............." // U+0180
    ".............AaIiOoUuUuUuUuUu.AaAa....GgKkOoOo..j...Gg..NnAa...." // U+01C0
    "AaAaEeEeIiIiOoOoRrRrUuUuSsTt..Hh......AaEeOoOoOoOoYy............" // U+0200
    "................";                                                // U+0240
constexpr char32_t kLatinAdditionalFirst = 0x1E00;                     // Latin Extended Additional
constexpr std::string_view kLatinAdditionalLetters =
    "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMm"  // U+1E00
    "MmMmNnNnNnNnOoOoOoOoPpPpRrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVv"  // U+1E40
    "WwWwWwWwWwXxXxYyZzZzZzhtwy......AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEe"  // U+1E80
    "EeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy......"; // U+1EC0
constexpr char kNoPlainLetter = '.';
constexpr char32_t kCombiningMarksFirst = 0x300;
constexpr char32_t kCombiningMarksLast = 0x36F;

// One UTF-8 character: its code point and its length in bytes.
struct Utf8Character {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The two- or three-byte character at `at`, or length 0 when the bytes there are not one
// (ASCII, four-byte characters and stray bytes are copied through as they are).
Utf8Character twoOrThreeByteCharacter(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead >= 0xC2 && lead <= 0xDF && at + 1 < text.size() && isContinuation(byte(1)))
        return {static_cast<char32_t>(((lead & 0x1Fu) << 6) | (byte(1) & 0x3Fu)), 2};
    if (lead >= 0xE0 && lead <= 0xEF && at + 2 < text.size() && isContinuation(byte(1)) &&
        isContinuation(byte(2))) {
        const auto codePoint =
            static_cast<char32_t>(((lead & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu));
        return {codePoint, codePoint >= 0x800 ? 3u : 0u};
    }
    return {};
}

// The plain letter of a Latin letter with marks, or kNoPlainLetter.
char plainLetter(char32_t codePoint)
{
    if (codePoint >= kLatinFirst && codePoint - kLatinFirst < kLatinLetters.size())
        return kLatinLetters[codePoint - kLatinFirst];
    if (codePoint >= kLatinAdditionalFirst &&
        codePoint - kLatinAdditionalFirst < kLatinAdditionalLetters.size())
        return kLatinAdditionalLetters[codePoint - kLatinAdditionalFirst];
    return kNoPlainLetter;
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

std::string withoutDiacritics(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Character character = twoOrThreeByteCharacter(text, at);
        if (character.length == 0) {
            plain += text[at++];
            continue;
        }
        const char letter = plainLetter(character.codePoint);
        const bool isMark =
            character.codePoint >= kCombiningMarksFirst && character.codePoint <= kCombiningMarksLast;
        if (letter != kNoPlainLetter)
            plain += letter;
        else if (!isMark)
            plain += text.substr(at, character.length);
        at += character.length;
    }
    return plain;
}

} // namespace glyph::letters
