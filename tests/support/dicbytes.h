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

/// The dictionary of the words AN, IN and TAN as written out by hand, byte for byte.
inline std::string exampleDicBytes()
{
    static const unsigned char bytes[] = {
        'G', 'l', 'y', 'p',  'h', 'm', 'o', 's', 'a', 'i', 'c', 0,             // signature
        'G', 'l', 'y', 'p',  'h', 'm', 'o', 's', 'a', 'i', 'c', 0, 0, 0, 0, 0, // author
        0,   0,   0,   0,    0,   0,   0,   0,   0,   0,   0,   0, 0, 0, 0, 0, //
        3,   0,   0,   0,                                                      // word count
        6,   0,   0,   0,                                                      // node count
        24,  0,   0,   0,                                                      // data size
        1,   0,   0,   4,                                                      // root
        4,   0,   0,   0,                                                      // A -> 4
        4,   0,   0,   0x40,                                                   // I -> 4
        5,   0,   0,   0x9C,                                                   // T, last -> 5
        0,   0,   0,   0x6E,                                                   // N, last, end of word
        4,   0,   0,   0x04,                                                   // A, last -> 4
    };
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
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
