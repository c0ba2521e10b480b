#include "dictionary/nodepool.h"

namespace glyph
{

NodePool::NodePool(std::size_t maxBlocks) : m_maxBlocks(maxBlocks) {}

TrieNode* NodePool::create(char letter)
{
    if (m_usedInBlock == kNodesPerBlock) {
        if (m_blocks.size() >= m_maxBlocks)
            return nullptr;
        // Left uninitialised on purpose: every node is cleared when it is handed out.
        m_blocks.emplace_back(new TrieNode[kNodesPerBlock]);
        m_usedInBlock = 0;
    }
    TrieNode* node = &m_blocks.back()[m_usedInBlock++];
    *node = TrieNode{};
    node->letter = letter;
    return node;
}

void NodePool::reset()
{
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_usedInBlock = kNodesPerBlock;
}

} // namespace glyph
