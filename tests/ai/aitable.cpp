#include "aitable.h"
#include "ai/aiplayers.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "ai/luahost.h"
#include "engine/gameclassic.h"
#include "engine/gamerules.h"
#include "support/dicbytes.h"

namespace glyph::test
{

namespace
{

struct TreeNode {
    std::map<char, TreeNode> children;
    bool endOfWord = false;
};

// Lays out the children of `tree` as one list at the end of `nodes`; returns its index.
std::uint32_t placeList(const TreeNode& tree, std::vector<DawgNode>& nodes)
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

// Usual English tile counts and values, 'A'..'Z' then the joker; vowels flagged.
const char* const kLetterSet = "9 1 1\n2 3 0\n2 3 0\n4 2 0\n12 1 1\n2 4 0\n3 2 0\n2 4 0\n9 1 1\n1 8 0\n"
                               "1 5 0\n4 1 0\n2 3 0\n6 1 0\n8 1 1\n2 3 0\n1 10 0\n6 1 0\n4 1 0\n6 1 0\n"
                               "4 1 1\n2 4 0\n2 4 0\n1 8 0\n2 4 0\n1 10 0\n2 0 0\n";

} // namespace

std::vector<DawgNode> letterTreeNodes(const std::vector<std::string>& words)
{
    TreeNode root;
    root.children['A'];
    for (const std::string& word : words) {
        TreeNode* at = &root;
        for (char letter : word)
            at = &at->children[letter];
        at->endOfWord = true;
    }
    std::vector<DawgNode> nodes{kRootNode};
    placeList(root, nodes);
    return nodes;
}

AiTable::AiTable(const std::vector<std::string>& words, int rows, int columns)
{
    static std::atomic<int> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("glyph-ai-" + std::to_string(stamp) + "-" + std::to_string(++serial));
    std::filesystem::create_directories(folder);
    m_folder = folder.string() + "/";
    const std::string dictionary =
        writeFile("Test.dic", dicBytes(letterTreeNodes(words), static_cast<std::uint32_t>(words.size())));
    const std::string set = writeFile("Test.set", kLetterSet);
    m_preferences = std::make_unique<Preferences>(file("Preferences.ini"), &m_view);
    m_preferences->setInteger("TableRowsKey", rows);
    m_preferences->setInteger("TableColumnsKey", columns);
    m_preferences->setString("GameSetKey", set);
    m_preferences->setString("GameDictionaryKey", dictionary);
    m_preferences->setInteger("GameBonusKey", 50);
    m_preferences->setString("MultiWordsX3Key", "1 1 | 1 8 | 8 1 | 29 29 |");
    m_preferences->setString("MultiWordsX2Key", "2 2 | 3 3 | 4 4 | 8 8 | 5 12 |");
    m_preferences->setString("MultiLettersX3Key", "2 6 | 6 2 | 6 6 | 7 9 |");
    m_preferences->setString("MultiLettersX2Key", "1 4 | 4 1 | 7 7 | 8 4 | 9 8 |");
    m_game = std::make_unique<Game>(*m_preferences, m_view);
    attachAiPlayers(*m_game);
    m_game->setRules(std::make_unique<GameClassic>(*m_game));
    scriptHost(*m_game).setProfileFolder(m_folder);
}

AiTable::~AiTable()
{
    m_game.reset();
    m_preferences.reset();
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

std::string AiTable::file(const std::string& name) const
{
    return m_folder + name;
}

std::string AiTable::writeFile(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file(name);
}

void AiTable::put(int row, int column, char letter, bool joker)
{
    m_game->board()[row][column] = Square{letter, static_cast<std::uint8_t>(joker ? 1 : 0)};
}

void AiTable::write(int row, int column, const std::string& word, bool across)
{
    for (char letter : word) {
        put(row, column, letter);
        (across ? column : row) += 1;
    }
}

void AiTable::start(const std::vector<Player>& players)
{
    GameRules& rules = *m_game->rules();
    rules.start(players);
    for (std::size_t i = 0; i < players.size() && i < rules.players().size(); ++i)
        rules.players()[i].setRack(players[i].rack);
}

std::string AiTable::writeProfile(const std::string& name, const std::string& text)
{
    writeFile(name, text);
    return name;
}

Player makePlayer(const std::string& name, const std::string& profile, const std::string& rack)
{
    Player player;
    player.setName(name);
    player.setProfile(profile);
    player.setRack(rack);
    return player;
}

} // namespace glyph::test
