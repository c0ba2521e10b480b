#include "ui/session/gamefilestate.h"

#include <QFileInfo>

#include <cstring>
#include <sstream>

#include "engine/game.h"
#include "engine/gamerules.h"

namespace glyph
{

std::string GameFileState::fingerprint(const GameRules& rules)
{
    // Stepping through the history changes nothing that a save would keep differently.
    std::ostringstream text;
    text << rules.history().size();
    if (!rules.history().empty()) {
        const HistoryEntry& last = rules.history().back();
        text << ' ' << int(last.move.lin) << ' ' << int(last.move.col) << ' ' << int(last.move.horiz) << ' '
             << std::string(last.move.word, strnlen(last.move.word, sizeof last.move.word));
        for (const Player& player : last.players)
            text << ' ' << player.score;
    }
    return text.str();
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
