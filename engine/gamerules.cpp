#include "engine/gamerules.h"

#include "engine/game.h"
#include "engine/gameclassic.h"

namespace glyph
{

const GameType kGameTypes[] = {
    {kClassicGameType, "Tabulo Classic"},
    {kGameTypeEnd, "Last"},
};

namespace
{

/// The seat returned while no game is in progress: no name, no rack, no score.
Player& emptyPlayer()
{
    static Player empty;
    return empty;
}

} // namespace

const Player& GameRules::currentPlayer() const
{
    return inProgress() ? m_players[m_current] : emptyPlayer();
}

Player& GameRules::currentPlayer()
{
    if (inProgress())
        return m_players[m_current];
    // Whatever a caller wrote into the empty seat is wiped, so it stays empty.
    emptyPlayer() = Player{};
    return emptyPlayer();
}

void GameRules::amendSnapshot()
{
    if (m_historyPosition < 0 || m_historyPosition >= static_cast<int>(m_history.size()))
        return;
    m_history[m_historyPosition].players = m_players;
    m_history[m_historyPosition].bag = m_bag;
    m_history[m_historyPosition].board = m_game.board();
}

void GameRules::keepClocks()
{
    if (m_historyPosition < 0 || m_historyPosition >= static_cast<int>(m_history.size()))
        return;
    std::vector<Player>& stored = m_history[m_historyPosition].players;
    for (std::size_t i = 0; i < stored.size() && i < m_players.size(); ++i)
        stored[i].timeLeft = m_players[i].timeLeft;
}

void GameRules::addRecordEvent(const RecordEvent& event)
{
    if (m_historyPosition >= 0 && m_historyPosition < static_cast<int>(m_history.size()))
        m_history[m_historyPosition].events.push_back(event);
}

std::unique_ptr<GameRules> createRules(unsigned char typeCode, Game& game)
{
    if (typeCode == kClassicGameType)
        return std::make_unique<GameClassic>(game);
    return nullptr;
}

} // namespace glyph
