#include "dictionary/patternmatcher.h"

#include <algorithm>

#include "base/letters.h"
#include "base/letterset.h"

namespace glyph
{

namespace
{

constexpr int kHighValue = 3;       // '$': letters worth more than this
constexpr int kVeryHighValue = 7;   // '>': letters worth more than this
constexpr int kZeroDigitValue = 10; // the digit '0' stands for letters worth 10
// Longest word whose '&' pieces are remembered; dictionary words are far shorter, and longer
// ones are simply looked up again.
constexpr std::size_t kMaxRememberedLength = 64;

bool isPatternLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

template <typename Predicate> std::string letterSetText(const LetterSet& letterSet, Predicate wanted)
{
    std::string text = "{";
    for (char c = 'A'; c <= 'Z'; ++c) {
        if (wanted(letterSet.entry(c)))
            text += c;
    }
    return text + "}";
}

std::string translateCharacter(char c, const LetterSet& set)
{
    using Entry = LetterSet::Entry;
    if ((c >= 'A' && c <= 'Z') || c == '*' || c == '?' || c == '&')
        return std::string(1, c);
    switch (c) {
    case '/':
        return letterSetText(set, [](const Entry& e) { return e.vowel != 0; });
    case '\\':
        return letterSetText(set, [](const Entry& e) { return e.vowel == 0; });
    case '$':
        return letterSetText(set, [](const Entry& e) { return e.value > kHighValue; });
    case '>':
        return letterSetText(set, [](const Entry& e) { return e.value > kVeryHighValue; });
    default:
        break;
    }
    if (c >= '0' && c <= '9') {
        const int wantedValue = c == '0' ? kZeroDigitValue : c - '0';
        return letterSetText(set, [wantedValue](const Entry& e) { return e.value == wantedValue; });
    }
    return {};
}

std::size_t fewestLetters(const PatternElement& element)
{
    switch (element.kind) {
    case PatternElement::Literal:
        return element.text.size();
    case PatternElement::AnyRun:
        return 0;
    default:
        return 1;
    }
}

} // namespace

std::string PatternMatcher::translatePattern(const std::string& userPattern, const LetterSet& letterSet)
{
    std::string internal;
    for (char c : userPattern)
        internal += translateCharacter(letters::upperCase(c), letterSet);
    return internal;
}

void PatternMatcher::compile(const std::string& internalPattern)
{
    m_elements.clear();
    std::size_t i = 0;
    while (i < internalPattern.size()) {
        const char c = internalPattern[i];
        if (isPatternLetter(c)) {
            std::size_t end = i;
            while (end < internalPattern.size() && isPatternLetter(internalPattern[end]))
                ++end;
            m_elements.push_back({PatternElement::Literal, internalPattern.substr(i, end - i), false});
            i = end;
        } else if (c == '*' || c == '?' || c == '&') {
            const auto kind = c == '*'   ? PatternElement::AnyRun
                              : c == '?' ? PatternElement::OneLetter
                                         : PatternElement::WordPart;
            m_elements.push_back({kind, std::string(1, c), false});
            ++i;
        } else if (c == '{') {
            std::size_t end = internalPattern.find('}', i + 1);
            if (end == std::string::npos)
                end = internalPattern.size();
            m_elements.push_back(
                {PatternElement::LetterSet, internalPattern.substr(i + 1, end - i - 1), false});
            i = end + 1;
        } else {
            ++i;
        }
    }
    if (!m_elements.empty())
        m_elements.back().isLast = true;

    const std::size_t count = m_elements.size();
    m_minLetters.assign(count + 1, 0);
    m_nextNotRun.assign(count, count);
    m_memoColumn.assign(count, 0);
    m_memoColumns = 0;
    // Only an element other than '*' that follows a '*' or an '&' is ever retried from several
    // places, so only those get a column.
    for (std::size_t k = 1; k < count; ++k) {
        const std::int32_t before = m_elements[k - 1].kind;
        if (m_elements[k].kind != PatternElement::AnyRun &&
            (before == PatternElement::AnyRun || before == PatternElement::WordPart))
            m_memoColumn[k] = m_memoColumns++;
    }
    for (std::size_t k = count; k-- > 0;) {
        m_minLetters[k] = m_minLetters[k + 1] + fewestLetters(m_elements[k]);
        if (k + 1 < count)
            m_nextNotRun[k] = m_elements[k + 1].kind == PatternElement::AnyRun ? m_nextNotRun[k + 1] : k + 1;
    }
    m_hasWordParts = std::any_of(m_elements.begin(), m_elements.end(),
                                 [](const PatternElement& e) { return e.kind == PatternElement::WordPart; });
    m_failed.clear();
    m_wordAsked.clear();
    m_wordAnswer.clear();
    m_stamp = 0;
}

bool PatternMatcher::match(std::string_view word, std::size_t elementIndex)
{
    if (elementIndex >= m_elements.size() || word.size() < m_minLetters[elementIndex])
        return false;
    m_word = word;
    startWord();
    return matchFrom(0, elementIndex);
}

void PatternMatcher::startWord()
{
    // A fresh stamp forgets the failures recorded for the previous word without clearing.
    ++m_stamp;
    if (m_stamp == 0) {
        std::fill(m_failed.begin(), m_failed.end(), 0);
        std::fill(m_wordAsked.begin(), m_wordAsked.end(), 0);
        m_stamp = 1;
    }
    // One row per position, one column per element that follows a '*' or an '&'.
    const std::size_t needed = (m_word.size() + 1) * m_memoColumns;
    if (m_failed.size() < needed)
        m_failed.resize(needed, 0);
    const std::size_t side = m_word.size() + 1;
    if (m_hasWordParts && m_word.size() <= kMaxRememberedLength && m_wordAsked.size() < side * side) {
        m_wordAsked.resize(side * side, 0);
        m_wordAnswer.resize(side * side, 0);
    }
}

bool PatternMatcher::matchFrom(std::size_t position, std::size_t element)
{
    while (position < m_word.size()) {
        const std::size_t left = m_word.size() - position;
        if (left < m_minLetters[element])
            return false;
        const PatternElement& e = m_elements[element];
        switch (e.kind) {
        case PatternElement::Literal:
            if (e.isLast && left != e.text.size())
                return false;
            // The first letter alone turns most words away, before a full comparison.
            if (m_word[position] != e.text[0] || m_word.compare(position, e.text.size(), e.text) != 0)
                return false;
            if (e.isLast)
                return true;
            position += e.text.size();
            break;
        case PatternElement::AnyRun:
            return e.isLast || matchAfterRun(position, element);
        case PatternElement::OneLetter:
            if (e.isLast)
                return left == 1;
            ++position;
            break;
        case PatternElement::LetterSet:
            if (e.isLast && left > 1)
                return false;
            if (e.text.find(m_word[position]) == std::string::npos)
                return false;
            if (e.isLast)
                return true;
            ++position;
            break;
        case PatternElement::WordPart:
            return e.isLast ? isWord(position, left) : matchAfterWord(position, element);
        default:
            return false;
        }
        ++element;
    }
    // The word is used up: the rest matches when every element left is a '*' (each standing
    // for no letters), which are the only elements that need no letter.
    return m_minLetters[element] == 0;
}

bool PatternMatcher::matchAfterRun(std::size_t position, std::size_t element)
{
    // A run of consecutive '*' before another element hands that element any non-empty rest of
    // the word, exactly as a single '*' does, so the run is tried as one. When only '*' remain,
    // they take the rest together.
    const std::size_t next = m_nextNotRun[element];
    if (next == m_elements.size())
        return true;
    // The rest must leave at least the letters the remaining elements need; a final literal,
    // '?' or set takes exactly that many, so only one start can work for it.
    const std::size_t latest = m_word.size() - m_minLetters[next];
    const PatternElement& target = m_elements[next];
    const bool exactLength = target.isLast && target.kind != PatternElement::WordPart;
    for (std::size_t start = exactLength ? latest : position; start <= latest; ++start) {
        if (tryFrom(start, next))
            return true;
    }
    return false;
}

bool PatternMatcher::matchAfterWord(std::size_t position, std::size_t element)
{
    const std::size_t next = element + 1;
    const bool nextIsRun = m_elements[next].kind == PatternElement::AnyRun;
    // The piece must leave at least the letters the following elements need.
    for (std::size_t length = 1; position + length + m_minLetters[next] <= m_word.size(); ++length) {
        if (!isWord(position, length))
            continue;
        // A '*' next only hands on to remembered elements, so it is tried directly.
        if (nextIsRun ? matchFrom(position + length, next) : tryFrom(position + length, next))
            return true;
    }
    return false;
}

bool PatternMatcher::tryFrom(std::size_t position, std::size_t element)
{
    // Only elements other than '*' that follow a '*' or an '&' come here.
    // Each (position, element) pair is worked out at most once per word, which keeps patterns
    // with many '*' and '&' polynomial in the word length.
    std::uint32_t& failedMark = m_failed[position * m_memoColumns + m_memoColumn[element]];
    if (failedMark == m_stamp)
        return false;
    if (matchFrom(position, element))
        return true;
    failedMark = m_stamp;
    return false;
}

bool PatternMatcher::isWord(std::size_t position, std::size_t length)
{
    if (m_word.size() > kMaxRememberedLength)
        return askWordTest(position, length);
    const std::size_t index = position * (m_word.size() + 1) + length;
    if (m_wordAsked[index] != m_stamp) {
        m_wordAsked[index] = m_stamp;
        m_wordAnswer[index] = askWordTest(position, length) ? 1 : 0;
    }
    return m_wordAnswer[index] != 0;
}

bool PatternMatcher::askWordTest(std::size_t position, std::size_t length)
{
    if (!m_wordTest)
        return false;
    m_wordBuffer.assign(m_word.substr(position, length));
    return m_wordTest(m_wordBuffer.c_str());
}

} // namespace glyph
