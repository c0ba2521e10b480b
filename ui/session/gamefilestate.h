#pragma once

#include <QString>

#include <string>

namespace glyph
{

class Game;
class GameRules;

/// Remembers which game was last saved or opened, under which file name and how far it had
/// been played, so that the window can tell whether the game in progress has unsaved turns.
class GameFileState
{
public:
    /// Records the game as it is now as saved in (or opened from) fileName.
    void markSaved(const Game& game, const QString& fileName);
    /// Records a game just started, which has no file yet.
    void markNew(const Game& game);
    /// True when a game is in progress with at least one turn played that is not in the file
    /// it was last saved to or opened from (a new game has no file).
    bool unsaved(const Game& game) const;
    /// The file name of the game in progress, when it is the game last saved or opened.
    QString fileName(const Game& game) const;

private:
    /// What identifies a game's played turns: its history length and its last entry's move.
    static std::string fingerprint(const GameRules& rules);
    bool isTracked(const Game& game) const;

    const GameRules* m_rules = nullptr;
    std::string m_fingerprint;
    QString m_fileName;
};

} // namespace glyph
