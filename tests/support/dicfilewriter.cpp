#include "support/dicfilewriter.h"

#include <fstream>
#include <map>
#include <memory>

namespace glyph::test
{

namespace
{

constexpr std::uint32_t kRootNode = 0x04000001;
constexpr std::uint32_t kBareANode = 0x04000000;
constexpr std::uint32_t kLastBit = 1u << 26;
constexpr std::uint32_t kEndOfWordBit = 1u << 25;
constexpr int kLetterShift = 27;
constexpr std::size_t kSignatureSize = 12;
constexpr std::size_t kAuthorSize = 32;

struct TrieNode {
    bool endOfWord = false;
    std::map<char, std::unique_ptr<TrieNode>> children;
};

void putWord(std::ofstream& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.put(static_cast<char>((value >> shift) & 0xFF));
}

} // namespace

std::vector<std::uint32_t> DicFileWriter::nodesFor(const std::vector<std::string>& words)
{
    TrieNode root;
    for (const std::string& word : words) {
        TrieNode* node = &root;
        for (char c : word) {
            auto& child = node->children[c];
            if (!child)
                child = std::make_unique<TrieNode>();
            node = child.get();
        }
        node->endOfWord = !word.empty();
    }
    std::vector<std::uint32_t> nodes{kRootNode};
    if (root.children.empty()) {
        nodes.push_back(kBareANode);
        return nodes;
    }
    // Breadth first: each node list is laid out whole; a parent's child index is patched in
    // when its children's list gets its place.
    std::vector<std::pair<const TrieNode*, std::size_t>> pending{{&root, 0}};
    for (std::size_t next = 0; next < pending.size(); ++next) {
        const auto [parent, parentIndex] = pending[next];
        if (parent->children.empty())
            continue;
        const auto first = static_cast<std::uint32_t>(nodes.size());
        if (parent != &root)
            nodes[parentIndex] |= first;
        std::size_t remaining = parent->children.size();
        for (const auto& [c, child] : parent->children) {
            std::uint32_t node = static_cast<std::uint32_t>(c - 'A') << kLetterShift;
            if (--remaining == 0)
                node |= kLastBit;
            if (child->endOfWord)
                node |= kEndOfWordBit;
            pending.emplace_back(child.get(), nodes.size());
            nodes.push_back(node);
        }
    }
    return nodes;
}

bool DicFileWriter::write(const std::string& path, const std::vector<std::string>& words)
{
    const std::vector<std::uint32_t> nodes = nodesFor(words);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const char signature[kSignatureSize] = "Glyphmosaic";
    out.write(signature, sizeof signature);
    const char author[kAuthorSize] = "tests";
    out.write(author, sizeof author);
    putWord(out, static_cast<std::uint32_t>(words.size()));
    putWord(out, static_cast<std::uint32_t>(nodes.size()));
    putWord(out, static_cast<std::uint32_t>(nodes.size() * 4));
    for (std::uint32_t node : nodes)
        putWord(out, node);
    return static_cast<bool>(out);
}

} // namespace glyph::test
