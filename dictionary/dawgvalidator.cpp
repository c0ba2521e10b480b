#include "dictionary/dawgvalidator.h"

#include <algorithm>

#include "dictionary/nodepool.h"
#include <vector>

namespace glyph
{

namespace
{

constexpr std::uint32_t kLetterCount = 26;
constexpr std::uint32_t kFirstLetterList = 1;
// The most letters that the builder's tree can hold: a larger expanded tree cannot come from
// a word list, and walking it could take practically forever.
constexpr std::uint32_t kMaxTreeNodes = NodePool::kNodesPerBlock * NodePool::kMaxBlocks;

// Per entry: not seen yet, being evaluated (on the path), or done with a known height.
constexpr std::uint8_t kUnseen = 0;
constexpr std::uint8_t kOpen = 1;
constexpr std::uint8_t kDoneBase = 2;

std::uint32_t letterCode(DawgNode node)
{
    return node >> 27;
}

// The height of entry i is the deepest path below any entry from i to the end of its list:
// height(i) = max(1 + height(child), height(i + 1) unless i is last). Alongside, tree(i) counts
// the nodes of the tree that the entries from i to the end of the list expand to. Both are
// evaluated depth-first with an explicit stack; meeting an open entry again means a loop.
class HeightWalk
{
public:
    HeightWalk(const DawgNode* nodes, std::uint32_t count)
        : m_nodes(nodes), m_count(count), m_state(count), m_treeNodes(count)
    {
    }

    bool run(std::uint32_t start)
    {
        m_stack.push_back(start);
        while (!m_stack.empty()) {
            const std::uint32_t index = m_stack.back();
            const std::uint8_t state = m_state[index];
            if (state >= kDoneBase) {
                m_stack.pop_back();
            } else if (state == kOpen) {
                if (!finish(index))
                    return false;
                m_stack.pop_back();
            } else if (!open(index)) {
                return false;
            }
        }
        return true;
    }

private:
    // Checks the entry's own fields and queues what its height depends on.
    bool open(std::uint32_t index)
    {
        const DawgNode node = m_nodes[index];
        if (letterCode(node) >= kLetterCount)
            return false;
        m_state[index] = kOpen;
        // Look-ups stop at the first letter not smaller than the one sought: lists must ascend.
        if (!isLast(node) && (index + 1 >= m_count || letterCode(m_nodes[index + 1]) <= letterCode(node)))
            return false;
        if (!isLast(node) && !queue(index + 1))
            return false;
        return childIndex(node) == 0 || queue(childIndex(node));
    }

    bool queue(std::uint32_t index)
    {
        if (index >= m_count || m_state[index] == kOpen)
            return false;
        if (m_state[index] == kUnseen)
            m_stack.push_back(index);
        return true;
    }

    std::uint32_t height(std::uint32_t index) const { return m_state[index] - kDoneBase; }

    bool finish(std::uint32_t index)
    {
        const DawgNode node = m_nodes[index];
        std::uint32_t result = 1;
        std::uint32_t tree = 1;
        if (childIndex(node) != 0) {
            result += height(childIndex(node));
            tree += m_treeNodes[childIndex(node)];
        }
        if (!isLast(node)) {
            result = std::max(result, height(index + 1));
            tree += m_treeNodes[index + 1];
        }
        // Each term is at most kMaxTreeNodes, so the sum cannot wrap.
        if (result > DawgValidator::kMaxDepth || tree > kMaxTreeNodes)
            return false;
        m_state[index] = static_cast<std::uint8_t>(kDoneBase + result);
        m_treeNodes[index] = tree;
        return true;
    }

    const DawgNode* m_nodes;
    std::uint32_t m_count;
    std::vector<std::uint8_t> m_state;
    std::vector<std::uint32_t> m_treeNodes;
    std::vector<std::uint32_t> m_stack;
};

} // namespace

bool DawgValidator::isSound(const DawgNode* nodes, std::uint32_t count)
{
    if (nodes == nullptr || count <= kFirstLetterList)
        return false;
    const DawgNode root = nodes[0];
    if (!isLast(root) || childIndex(root) != kFirstLetterList)
        return false;
    HeightWalk walk(nodes, count);
    return walk.run(kFirstLetterList);
}

} // namespace glyph
