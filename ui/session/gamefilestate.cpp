#include "ui/session/gamefilestate.h"

#include <QFileInfo>

#include <cstdint>
#include <cstring>
#include <string>

#include "engine/game.h"
#include "engine/gamerules.h"

namespace glyph
{

namespace
{

/// FNV-1a over the bytes given, field by field (no padding is ever read).
class Fingerprint
{
public:
    void add(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i)
            m_hash = (m_hash ^ bytes[i]) * 1099511628211ull;
    }
    template <typename Number> void addNumber(Number number) { add(&number, sizeof number); }
    void addText(const char* text, std::size_t capacity) { add(text, strnlen(text, capacity) + 1); }
    std::uint64_t value() const { return m_hash; }

private:
    std::uint64_t m_hash = 14695981039346656037ull;
};

} // namespace

std::string GameFileState::fingerprint(const GameRules& rules)
{
    // What a save keeps of every turn, but the clocks: stepping through the history keeps the
    // time used at the position left, which is no change worth asking to save.
    Fingerprint print;
    for (const HistoryEntry& entry : rules.history()) {
        const Move& move = entry.move;
        print.addNumber(move.horiz);
        print.addNumber(move.col);
        print.addNumber(move.lin);
        print.addNumber(move.score);
        print.addText(move.word, sizeof move.word);
        print.addText(move.jokers, sizeof move.jokers);
        print.add(entry.exchanged.data(), entry.exchanged.size() + 1);
        print.addNumber(entry.round);
        print.addNumber(entry.currentPlayer);
        print.addNumber(entry.passCount);
        for (const Player& player : entry.players) {
            print.addText(player.name, sizeof player.name);
            print.addText(player.profile, sizeof player.profile);
            print.addText(player.rack, sizeof player.rack);
            print.addNumber(player.score);
        }
        for (const auto& row : entry.board)
            for (const Square& square : row) {
                print.addNumber(square.letter);
                print.addNumber(square.joker);
            }
    }
    return std::to_string(rules.history().size()) + ' ' + std::to_string(print.value());
}

void GameFileState::markSaved(const Game& game, const QString& fileName)
{
    m_rules = game.rules();
    m_fingerprint = m_rules != nullptr ? fingerprint(*m_rules) : std::string();
    m_fileName = fileName;
}

void GameFileState::markNew(const Game& game)
{
    markSaved(game, QString());
}

bool GameFileState::isTracked(const Game& game) const
{
    return game.rules() != nullptr && game.rules() == m_rules;
}

bool GameFileState::unsaved(const Game& game) const
{
    const GameRules* rules = game.rules();
    if (rules == nullptr || !rules->inProgress() || rules->history().size() < 2)
        return false;
    return !isTracked(game) || fingerprint(*rules) != m_fingerprint;
}

QString GameFileState::fileName(const Game& game) const
{
    return isTracked(game) ? QFileInfo(m_fileName).fileName() : QString();
}

} // namespace glyph
