#include "support/dicfilewriter.h"

#include <fstream>
#include <map>

#include "support/dicbytes.h"

namespace glyph::test
{

namespace
{

struct TrieNode {
    std::map<char, TrieNode> children;
    bool endOfWord = false;
};

// Lays out the children of `tree` as one list at the end of `nodes`, then the lists below it;
// returns the list's index.
std::uint32_t placeList(const TrieNode& tree, std::vector<std::uint32_t>& nodes)
{
    const auto first = static_cast<std::uint32_t>(nodes.size());
    nodes.resize(nodes.size() + tree.children.size());
    std::uint32_t index = first;
    for (const auto& [letter, child] : tree.children) {
        const bool last = index + 1 == first + tree.children.size();
        const std::uint32_t childList = child.children.empty() ? 0 : placeList(child, nodes);
        nodes[index++] = node(letter, last, child.endOfWord, childList);
    }
    return first;
}

} // namespace

std::vector<std::uint32_t> DicFileWriter::nodesFor(const std::vector<std::string>& words)
{
    TrieNode root;
    for (const std::string& word : words) {
        TrieNode* at = &root;
        for (char letter : word)
            at = &at->children[letter];
        at->endOfWord = !word.empty();
    }
    std::vector<std::uint32_t> nodes{kRootNode};
    if (root.children.empty())
        nodes.push_back(node('A', true, false, 0)); // the root's list is never empty
    else
        placeList(root, nodes);
    return nodes;
}

bool DicFileWriter::write(const std::string& path, const std::vector<std::string>& words)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << dicBytes(nodesFor(words), static_cast<std::uint32_t>(words.size()), "tests");
    return static_cast<bool>(out);
}

} // namespace glyph::test
