#include "support/dicfilewriter.h"

#include <fstream>

#include "support/dicbytes.h"

namespace glyph::test
{

std::string DicFileWriter::bytes(const std::vector<std::string>& words, const std::string& author)
{
    Tree root;
    root.children['A'];
    for (const std::string& word : words) {
        Tree* tree = &root;
        for (char c : word)
            tree = &tree->children[c];
        tree->endOfWord = true;
    }
    DicFileWriter writer;
    writer.m_nodes.push_back(kRootNode);
    writer.number(root.children, false);
    return dicBytes(writer.m_nodes, static_cast<std::uint32_t>(words.size()), author.substr(0, 29));
}

bool DicFileWriter::write(const std::string& path, const std::vector<std::string>& words)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes(words);
    return static_cast<bool>(out);
}

std::string DicFileWriter::spell(const std::map<char, Tree>& list)
{
    std::string text;
    for (const auto& [letter, tree] : list)
        text += letter + std::string(tree.endOfWord ? "." : "") + "(" + spell(tree.children) + ")";
    return text;
}

// Gives the list's entries their places, list by list, and returns the first place.
std::uint32_t DicFileWriter::number(const std::map<char, Tree>& list, bool shared)
{
    const std::string text = spell(list);
    const auto first = static_cast<std::uint32_t>(m_nodes.size());
    if (shared && !m_places.try_emplace(text, first).second)
        return m_places[text];
    for (const auto& [letter, tree] : list)
        m_nodes.push_back(node(letter, &tree == &list.rbegin()->second, tree.endOfWord, 0));
    std::uint32_t place = first;
    for (const auto& [letter, tree] : list)
        m_nodes[place++] |= tree.children.empty() ? 0 : number(tree.children, true);
    return first;
}

} // namespace glyph::test
