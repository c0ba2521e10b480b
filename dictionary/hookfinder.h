#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glyph
{

class Dictionary;

/// The hooks of a word: the letters that make another word when put before it or after it,
/// and whether it stays a word when it loses its first or its last letter (inner hooks).
class HookFinder
{
public:
    struct Hooks {
        /// Letters A-Z in alphabetical order.
        std::string front;
        std::string back;
        bool frontInner = false;
        bool backInner = false;

        bool operator==(const Hooks&) const = default;
        /// The word with a '.' before it when it loses its first letter to a word and after
        /// it when it loses its last: ".ABLE." style.
        std::string markedWord(std::string_view word) const;
    };

    explicit HookFinder(const Dictionary& dictionary) : m_dictionary(dictionary) {}

    /// The hooks of a word of letters (either case; a lower-case joker letter counts as its
    /// letter); none for an empty word, one with other characters or before a dictionary loads.
    Hooks find(std::string_view word) const;

private:
    /// The node entry that spells the letters from the list at listIndex on, or nothing.
    std::optional<std::uint32_t> follow(std::uint32_t listIndex, std::string_view letters) const;
    /// The end-of-word letters of a node's child list.
    std::string endingLetters(std::uint32_t entry) const;
    bool isWord(std::uint32_t listIndex, std::string_view letters) const;

    const Dictionary& m_dictionary;
};

} // namespace glyph
