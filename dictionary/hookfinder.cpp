#include "dictionary/hookfinder.h"

#include "dictionary/dicformat.h"
#include "dictionary/dictionary.h"

namespace glyph
{

namespace
{

/// The word in upper case, or nothing when it holds anything but letters.
std::optional<std::string> upperLetters(std::string_view word)
{
    std::string upper(word);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c < 'A' || c > 'Z')
            return std::nullopt;
    }
    return upper;
}

} // namespace

std::string HookFinder::Hooks::markedWord(std::string_view word) const
{
    std::string marked;
    marked.reserve(word.size() + 2);
    if (frontInner)
        marked += '.';
    marked += word;
    if (backInner)
        marked += '.';
    return marked;
}

HookFinder::Hooks HookFinder::find(std::string_view word) const
{
    Hooks hooks;
    const std::optional<std::string> upper = upperLetters(word);
    if (!upper || upper->empty() || m_dictionary.nodes() == nullptr)
        return hooks;
    const std::uint32_t firstLetters = dicformat::kFirstLetterListIndex;
    if (const auto last = follow(firstLetters, *upper))
        hooks.back = endingLetters(*last);
    // A front hook is a first letter from whose node the whole word follows to a word's end.
    const DawgNode* nodes = m_dictionary.nodes();
    for (std::uint32_t index = firstLetters;; ++index) {
        const std::uint32_t child = childIndex(nodes[index]);
        if (child != 0 && isWord(child, *upper))
            hooks.front += letter(nodes[index]);
        if (isLast(nodes[index]))
            break;
    }
    const std::string_view letters(*upper);
    hooks.frontInner = letters.size() > 1 && isWord(firstLetters, letters.substr(1));
    hooks.backInner = letters.size() > 1 && isWord(firstLetters, letters.substr(0, letters.size() - 1));
    return hooks;
}

std::optional<std::uint32_t> HookFinder::follow(std::uint32_t listIndex, std::string_view letters) const
{
    const DawgNode* nodes = m_dictionary.nodes();
    std::uint32_t index = listIndex;
    for (std::size_t i = 0;; ++i) {
        while (letter(nodes[index]) < letters[i] && !isLast(nodes[index]))
            ++index;
        if (letter(nodes[index]) != letters[i])
            return std::nullopt;
        if (i + 1 == letters.size())
            return index;
        index = childIndex(nodes[index]);
        if (index == 0)
            return std::nullopt;
    }
}

std::string HookFinder::endingLetters(std::uint32_t entry) const
{
    const DawgNode* nodes = m_dictionary.nodes();
    std::string letters;
    std::uint32_t index = childIndex(nodes[entry]);
    if (index == 0)
        return letters;
    for (;; ++index) {
        if (isEndOfWord(nodes[index]))
            letters += letter(nodes[index]);
        if (isLast(nodes[index]))
            return letters;
    }
}

bool HookFinder::isWord(std::uint32_t listIndex, std::string_view letters) const
{
    const auto entry = follow(listIndex, letters);
    return entry && isEndOfWord(m_dictionary.nodes()[*entry]);
}

} // namespace glyph
