#include "dictionary/dawgvalidator.h"

#include <algorithm>
#include <memory>

#include "dictionary/nodepool.h"

namespace glyph
{

namespace
{

constexpr std::uint32_t kAlphabetLetters = 26;
// The most letters that the builder's tree can hold: a larger expanded tree cannot come from
// a word list, and walking it could take practically forever.
constexpr std::uint32_t kMaxTreeNodes = NodePool::kNodesPerBlock * NodePool::kMaxBlocks;

// One 32-bit word per entry, so that following a child index touches one place: zero while
// unseen, kOpen while its list is being checked, and once finished kDone with its height and
// tree size (the tree size is at most kMaxTreeNodes, which fits in kTreeBits).
constexpr std::uint32_t kUnseen = 0;
constexpr std::uint32_t kOpen = 1u << 31;
constexpr std::uint32_t kDone = 1u << 30;
constexpr int kTreeBits = 23;
constexpr std::uint32_t kTreeMask = (1u << kTreeBits) - 1;
static_assert(kMaxTreeNodes <= kTreeMask);

std::uint32_t letterField(DawgNode node)
{
    return node >> dicformat::kLetterShift;
}

// The height of entry i is the deepest path below the entries from i to the end of its list:
// height(i) = max(1 + height(child), height(i + 1) unless i is last). Alongside, tree(i) counts
// the nodes of the tree that those entries expand to. A list is first scanned forward (fields,
// order, end), then its entries are finished from its end back to its start, descending into
// unseen child lists first. So the entries of a list still open are the one being finished
// and those before it: a child list that reaches one of them contains a loop.
class HeightWalk
{
public:
    HeightWalk(const DawgNode* nodes, std::uint32_t count)
        : m_nodes(nodes), m_count(count), m_state(std::make_unique<std::uint32_t[]>(count))
    {
    }

    bool run(std::uint32_t start)
    {
        std::size_t depth = 0;
        if (!openList(start, m_frames[depth++]))
            return false;
        while (depth > 0) {
            Frame& frame = m_frames[depth - 1];
            const Step step = finishEntries(frame);
            if (step == Step::Failed)
                return false;
            if (step == Step::Finished) {
                --depth;
                continue;
            }
            if (depth == DawgValidator::kMaxDepth ||
                !openList(childIndex(m_nodes[frame.at]), m_frames[depth++]))
                return false;
        }
        return true;
    }

private:
    // One list being finished: entries start..end, `at` the entry in hand.
    struct Frame {
        std::uint32_t start;
        std::uint32_t end;
        std::uint32_t at;
    };
    enum class Step { Finished, Descend, Failed };

    // Checks the list's entries up to its last one, or up to an entry already finished.
    bool openList(std::uint32_t start, Frame& frame)
    {
        for (std::uint32_t index = start;; ++index) {
            const DawgNode node = m_nodes[index];
            if (letterField(node) >= kAlphabetLetters || childIndex(node) >= m_count)
                return false;
            m_state[index] = kOpen;
            if (isLast(node)) {
                frame = {start, index, index};
                return true;
            }
            // Look-ups stop at the first letter not smaller than the one sought: lists ascend.
            const std::uint32_t next = index + 1;
            if (next >= m_count || letterField(m_nodes[next]) <= letterField(node) || m_state[next] == kOpen)
                return false;
            if (m_state[next] != kUnseen) {
                frame = {start, index, index};
                return true;
            }
        }
    }

    // Finishes entries from `at` back to the start, stopping at a child list not seen yet.
    Step finishEntries(Frame& frame)
    {
        for (;; --frame.at) {
            const std::uint32_t index = frame.at;
            const DawgNode node = m_nodes[index];
            std::uint32_t height = 1;
            std::uint32_t tree = 1;
            if (const std::uint32_t child = childIndex(node); child != 0) {
                const std::uint32_t state = m_state[child];
                if (state == kUnseen)
                    return Step::Descend;
                if (state == kOpen)
                    return Step::Failed;
                height += heightOf(state);
                tree += state & kTreeMask;
            }
            if (!isLast(node)) {
                const std::uint32_t state = m_state[index + 1];
                height = std::max(height, heightOf(state));
                tree += state & kTreeMask;
            }
            // Each term is at most kMaxTreeNodes, so the sum cannot wrap.
            if (height > DawgValidator::kMaxDepth || tree > kMaxTreeNodes)
                return Step::Failed;
            m_state[index] = kDone | height << kTreeBits | tree;
            if (index == frame.start)
                return Step::Finished;
        }
    }

    static std::uint32_t heightOf(std::uint32_t state) { return (state & ~(kDone | kOpen)) >> kTreeBits; }

    const DawgNode* m_nodes;
    std::uint32_t m_count;
    std::unique_ptr<std::uint32_t[]> m_state;
    Frame m_frames[DawgValidator::kMaxDepth];
};

} // namespace

bool DawgValidator::isSound(const DawgNode* nodes, std::uint32_t count)
{
    if (nodes == nullptr || count <= dicformat::kFirstLetterListIndex)
        return false;
    const DawgNode root = nodes[0];
    if (!isLast(root) || childIndex(root) != dicformat::kFirstLetterListIndex)
        return false;
    HeightWalk walk(nodes, count);
    return walk.run(dicformat::kFirstLetterListIndex);
}

} // namespace glyph
