#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "dictionary/dicformat.h"

namespace glyph
{

class RegularFile;
class WarningSink;

/// A packed DAWG node: letter code (bits 31-27), last-of-list (26), end-of-word (25) and
/// child index (24-0; 0 = no children).
using DawgNode = std::uint32_t;

inline char letter(DawgNode node)
{
    return static_cast<char>('A' + (node >> dicformat::kLetterShift));
}
inline bool isLast(DawgNode node)
{
    return (node & dicformat::kLastFlag) != 0;
}
inline bool isEndOfWord(DawgNode node)
{
    return (node & dicformat::kEndOfWordFlag) != 0;
}
inline std::uint32_t childIndex(DawgNode node)
{
    return node & dicformat::kChildMask;
}

/// The loaded word list: a ".dic" file's node array, used as is. Read-only in memory.
class Dictionary
{
public:
    /// Called once per word during a walk; `word` is valid only during the call.
    using WordCallback = void (*)(const char* word, void* context);

    explicit Dictionary(WarningSink& warnings);
    ~Dictionary();

    /// Loads a ".dic" file; the same path again is a no-op unless forced. False after one of
    /// the warnings "Can't open %s for reading", "Invalid %s file" (both keep the dictionary)
    /// or "Corrupted data in %s file" (the dictionary is then empty, with no file name).
    /// A loaded array is sound: ascending lists, indexes inside it, no loops, no path deeper
    /// than 39 letters.
    bool load(const std::string& path, bool force = false);
    /// Takes a copy of another dictionary's words and file name (for work on another thread,
    /// which then needs a dictionary of its own).
    void copyFrom(const Dictionary& other);
    /// True when the upper-case word is in the dictionary; false when nothing is loaded.
    bool contains(const char* word) const;
    /// Calls back once per word, in alphabetical order; the callback may be null.
    void forEachWord(WordCallback callback, void* context) const;

    const std::string& fileName() const { return m_fileName; }
    const std::string& author() const { return m_author; }
    std::uint32_t wordCount() const { return m_wordCount; }
    std::uint32_t nodeCount() const { return m_nodeCount; }
    /// The node array (entry 0 is the root), or null before a successful load.
    const DawgNode* nodes() const { return m_nodes.get(); }
    /// Changes each time the node array is replaced or dropped, so that users of the graph
    /// (the move generator) can tell that what they derived from it is stale.
    std::uint64_t generation() const { return m_generation; }

private:
    /// Reads the node array that the header announces and takes the header over; false when
    /// the data is short or the array is not sound. Changes nothing on failure.
    bool readNodes(RegularFile& file, const unsigned char* header);
    /// Back to the state before the first load: no file, no array.
    void clear();

    WarningSink& m_warnings;
    std::string m_fileName;
    std::string m_author = "Glyphmosaic";
    std::uint32_t m_wordCount = 0;
    std::uint32_t m_nodeCount = 0;
    std::unique_ptr<DawgNode[]> m_nodes;
    std::uint64_t m_generation = 0;
};

} // namespace glyph
