#include "dictionary/dawgvalidator.h"

#include <algorithm>
#include <vector>

namespace glyph
{

namespace
{

constexpr std::uint32_t kLetterCount = 26;
constexpr std::uint32_t kFirstLetterList = 1;

// Per entry: not seen yet, being evaluated (on the path), or done with a known height.
constexpr std::uint8_t kUnseen = 0;
constexpr std::uint8_t kOpen = 1;
constexpr std::uint8_t kDoneBase = 2;

std::uint32_t letterCode(DawgNode node)
{
    return node >> 27;
}

// The height of entry i is the deepest path below any entry from i to the end of its list:
// height(i) = max(1 + height(child), height(i + 1) unless i is last). It is evaluated
// depth-first with an explicit stack; meeting an open entry again means a path loops.
class HeightWalk
{
public:
    HeightWalk(const DawgNode* nodes, std::uint32_t count) : m_nodes(nodes), m_count(count), m_state(count) {}

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
        std::uint32_t result = 1 + (childIndex(node) != 0 ? height(childIndex(node)) : 0);
        if (!isLast(node))
            result = std::max(result, height(index + 1));
        if (result > DawgValidator::kMaxDepth)
            return false;
        m_state[index] = static_cast<std::uint8_t>(kDoneBase + result);
        return true;
    }

    const DawgNode* m_nodes;
    std::uint32_t m_count;
    std::vector<std::uint8_t> m_state;
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
