#pragma once

#include <string>

namespace glyph
{

class Game;

/// The glyphplay commands on game records: export a saved game as GCG, import a GCG record
/// as a saved game, and analyse every turn of either.
class RecordCommands
{
public:
    explicit RecordCommands(Game& game) : m_game(game) {}

    /// `export GAME.tc OUT.gcg`; 0 on success.
    int exportGame(const std::string& game, const std::string& out);
    /// `import GAME.gcg OUT.tc`: prints each line whose score differs from the rules'; 0 on success.
    int importGame(const std::string& record, const std::string& out);
    /// `analyze GAME.tc|GAME.gcg`: a table of the turns and a summary per player; 0 on success.
    int analyseGame(const std::string& file);

private:
    /// Loads a saved game, or imports a record when the name ends in .gcg (any case).
    bool open(const std::string& file);
    std::string moveText(const struct Move& move) const;

    Game& m_game;
};

} // namespace glyph
