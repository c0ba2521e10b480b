#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace glyph::test
{

/// A deliberately plain builder: inserts sorted words into a tree, then shares lists by
/// comparing every pair of lists with the same head height and letter, recursively, and
/// writes the ".dic" bytes. The real builder must produce exactly the same bytes.
class PairwiseOracle
{
public:
    /// The ".dic" bytes for words already sorted in byte order (duplicates allowed).
    std::string build(const std::vector<std::string>& words, const std::string& author)
    {
        m_root = make('A');
        for (const std::string& word : words)
            insert(word);
        measure(m_root);
        compact();
        return write(author);
    }

private:
    struct Node {
        char letter = 'A';
        bool endOfWord = false;
        bool visited = false;
        int height = 0;
        std::uint32_t hash = 0;
        std::uint32_t index = 0;
        Node* next = nullptr;
        Node* child = nullptr;
        Node* parent = nullptr;
    };

    Node* make(char letter)
    {
        m_nodes.emplace_back();
        m_nodes.back().letter = letter;
        return &m_nodes.back();
    }

    void insert(const std::string& word)
    {
        Node* node = m_root;
        for (std::size_t i = 0;; ++i) {
            while (node->letter < word[i] && node->next != nullptr)
                node = node->next;
            if (node->letter != word[i]) {
                Node* created = make(word[i]);
                created->next = node->next;
                node->next = created;
                node = created;
            }
            if (i + 1 == word.size()) {
                node->endOfWord = true;
                ++m_words;
                return;
            }
            if (node->child == nullptr) {
                node->child = make(word[i + 1]);
                node->child->parent = node;
                m_firstLetter[word[i + 1] - 'A'].push_back(node->child);
            }
            node = node->child;
        }
    }

    void measure(Node* list)
    {
        for (Node* v = list; v != nullptr; v = v->next) {
            std::uint32_t hash = 0;
            int tallest = -1;
            std::uint32_t shift = 1;
            if (v->child != nullptr)
                measure(v->child);
            for (Node* c = v->child; c != nullptr; c = c->next, ++shift) {
                hash += c->hash << (shift % 32);
                tallest = std::max(tallest, c->height);
            }
            v->height = tallest + 1;
            const auto code = static_cast<std::uint32_t>(v->letter);
            hash += static_cast<std::uint32_t>(v->height) + 2 * code;
            hash += v->endOfWord ? 7u << (code % 32) : 3u;
            if (v->next != nullptr)
                hash += v->next->next != nullptr ? code * 2 : code;
            v->hash = hash;
        }
    }

    static bool equal(const Node* a, const Node* b)
    {
        if (a == b)
            return true;
        if (a == nullptr || b == nullptr)
            return false;
        return a->hash == b->hash && a->height == b->height && a->letter == b->letter &&
               a->endOfWord == b->endOfWord && equal(a->next, b->next) && equal(a->child, b->child);
    }

    void compact()
    {
        std::vector<Node*> buckets[30][26];
        for (int letter = 0; letter < 26; ++letter)
            for (Node* head : m_firstLetter[letter])
                buckets[head->height][letter].push_back(head);
        for (auto& row : buckets) {
            for (auto& bucket : row) {
                for (std::size_t i = 0; i < bucket.size(); ++i) {
                    for (std::size_t j = i + 1; j < bucket.size();) {
                        if (equal(bucket[i], bucket[j])) {
                            bucket[j]->parent->child = bucket[i];
                            bucket.erase(bucket.begin() + static_cast<std::ptrdiff_t>(j));
                        } else {
                            ++j;
                        }
                    }
                }
            }
        }
    }

    // Numbers (or lists) every node not yet visited, list by list, revisiting shared lists.
    void traverse(Node* list, std::vector<Node*>& order)
    {
        for (Node* v = list; v != nullptr; v = v->next) {
            if (!v->visited) {
                v->visited = true;
                v->index = static_cast<std::uint32_t>(order.size());
                order.push_back(v);
            }
        }
        for (Node* v = list; v != nullptr; v = v->next)
            if (v->child != nullptr)
                traverse(v->child, order);
    }

    static void put(std::string& bytes, std::uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
    }

    std::string write(const std::string& author)
    {
        std::vector<Node*> order{nullptr};
        traverse(m_root, order);
        std::string bytes("Glyphmosaic", 11);
        bytes.resize(12, '\0');
        std::string field = author.substr(0, 29);
        field.resize(32, '\0');
        bytes += field;
        put(bytes, m_words);
        put(bytes, static_cast<std::uint32_t>(order.size()));
        put(bytes, static_cast<std::uint32_t>(order.size() * 4));
        put(bytes, 0x04000001);
        for (std::size_t k = 1; k < order.size(); ++k) {
            const Node* v = order[k];
            std::uint32_t value = static_cast<std::uint32_t>(v->letter - 'A') << 27;
            value |= v->next == nullptr ? 1u << 26 : 0;
            value |= v->endOfWord ? 1u << 25 : 0;
            value |= v->child != nullptr ? v->child->index : 0;
            put(bytes, value);
        }
        return bytes;
    }

    std::deque<Node> m_nodes;
    Node* m_root = nullptr;
    std::vector<Node*> m_firstLetter[26];
    std::uint32_t m_words = 0;
};

} // namespace glyph::test
