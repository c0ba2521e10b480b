#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/dictionary.h"
#include "support/tempdir.h"

namespace glyph::test
{

constexpr std::uint32_t kRootNode = 0x04000001;
constexpr std::uint32_t kLastFlag = 1u << 26;
constexpr std::uint32_t kEndOfWordFlag = 1u << 25;

/// One packed node built from its parts, for hand-made arrays.
inline DawgNode node(char letter, bool last, bool endOfWord, std::uint32_t child)
{
    return static_cast<std::uint32_t>(letter - 'A') << 27 | (last ? kLastFlag : 0) |
           (endOfWord ? kEndOfWordFlag : 0) | child;
}

inline void appendUint32(std::string& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>((value >> shift) & 0xFFu));
}

/// A 56-byte ".dic" header with the given fields.
inline std::string dicHeader(const std::string& author, std::uint32_t wordCount, std::uint32_t nodeCount,
                             std::uint32_t dataSize)
{
    std::string bytes("Glyphmosaic", 11);
    bytes.resize(12, '\0');
    std::string authorField = author.substr(0, 32);
    authorField.resize(32, '\0');
    bytes += authorField;
    appendUint32(bytes, wordCount);
    appendUint32(bytes, nodeCount);
    appendUint32(bytes, dataSize);
    return bytes;
}

/// A whole ".dic" file holding the given node array.
inline std::string dicBytes(const std::vector<DawgNode>& nodes, std::uint32_t wordCount = 0,
                            const std::string& author = "Glyphmosaic")
{
    const auto count = static_cast<std::uint32_t>(nodes.size());
    std::string bytes = dicHeader(author, wordCount, count, count * 4);
    for (DawgNode n : nodes)
        appendUint32(bytes, n);
    return bytes;
}

/// The dictionary of the words AN, IN and TAN, its nodes written out by hand byte for byte: the
/// root; A -> 4, I -> 4, T (last) -> 5; N (last, end of word); A (last) -> 4.
inline std::string exampleDicBytes()
{
    return dicHeader("Glyphmosaic", 3, 6, 24) + std::string("\x01\0\0\x04"
                                                            "\x04\0\0\0"
                                                            "\x04\0\0\x40"
                                                            "\x05\0\0\x9C"
                                                            "\0\0\0\x6E"
                                                            "\x04\0\0\x04",
                                                            24);
}

/// Every word of a dictionary, in walk order.
inline std::vector<std::string> allWords(const Dictionary& dictionary)
{
    std::vector<std::string> words;
    dictionary.forEachWord(
        [](const char* word, void* context) {
            static_cast<std::vector<std::string>*>(context)->push_back(word);
        },
        &words);
    return words;
}

} // namespace glyph::test
