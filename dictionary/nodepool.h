#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace glyph
{

/// One letter of the builder's tree; siblings ascend by letter through `next`.
struct TrieNode {
    static constexpr std::uint8_t kEndOfWord = 1;
    static constexpr std::uint8_t kVisited = 2;

    char letter;
    std::uint8_t flags;
    std::int16_t height;     // 0 without children, else 1 + the tallest child
    std::int16_t listHeight; // on a list's first node: the tallest node of the whole list
    std::uint32_t index;     // array index given by the writer
    std::uint32_t hash;      // on a list's first node: signature of the whole list
    TrieNode* next;
    TrieNode* child;
    TrieNode* parent; // on a list's first node: the node whose child list it is
};

/// Hands out tree nodes from large blocks and frees them all at once; never one by one.
class NodePool
{
public:
    /// Nodes per block and blocks per pool: at most 8,388,352 nodes in all.
    static constexpr std::size_t kNodesPerBlock = 32767;
    static constexpr std::size_t kMaxBlocks = 256;

    explicit NodePool(std::size_t maxBlocks = kMaxBlocks);

    /// A cleared node with the given letter, or null when every block is used up.
    TrieNode* create(char letter);
    /// Frees every block; the next node opens a new first block.
    void reset();
    std::size_t blockCount() const { return m_blocks.size(); }

private:
    std::vector<std::unique_ptr<TrieNode[]>> m_blocks;
    std::size_t m_usedInBlock = kNodesPerBlock;
    std::size_t m_maxBlocks;
};

} // namespace glyph
