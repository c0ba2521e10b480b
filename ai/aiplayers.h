#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ai/leavevalues.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "ai/positioncopy.h"
#include "engine/computerplayers.h"

namespace glyph
{

class Game;

/// The computer players of one game: the move generator and the Lua host that runs the
/// profiles. Attached to the game by `attachAiPlayers`, reached through the helpers below.
class AiPlayers final : public ComputerPlayers
{
public:
    explicit AiPlayers(Game& game) : m_game(game), m_generator(game), m_host(game) {}

    MoveGenerator& generator() { return m_generator; }
    LuaHost& host() { return m_host; }
    /// The leave values of the letter set the game uses: the ".leaves" file beside the set,
    /// read again when the set changes, or the hand-written values when there is none (a file
    /// that cannot be read is reported once through the view).
    const LeaveValues& leaveValues();
    /// The position copies of the searches that look ahead, one per thread, kept between turns.
    std::vector<std::unique_ptr<PositionCopy>>& positionCopies() { return m_copies; }
    /// Threads a search uses: every core unless set otherwise (at least one).
    int searchThreads() const { return m_searchThreads; }
    void setSearchThreads(int threads) { m_searchThreads = threads < 1 ? 1 : threads; }

private:
    Game& m_game;
    MoveGenerator m_generator;
    LuaHost m_host;
    LeaveValues m_leaves;
    std::string m_leavesSet;
    bool m_leavesRead = false;
    std::vector<std::unique_ptr<PositionCopy>> m_copies;
    int m_searchThreads = defaultSearchThreads();

    static int defaultSearchThreads();
};

/// The computer players attached to `game`, which must have them.
AiPlayers& aiPlayers(Game& game);
/// Creates the computer players of `game` and attaches them (replacing any attached before).
AiPlayers& attachAiPlayers(Game& game);
/// The move generator of the computer players and the top-moves list; the game must have
/// its computer players attached.
MoveGenerator& moveGenerator(Game& game);
const MoveGenerator& moveGenerator(const Game& game);
/// The Lua host that runs the computer players' profiles; attached as above.
LuaHost& scriptHost(Game& game);
/// The leave values for the game's letter set; attached as above.
const LeaveValues& leaveValues(Game& game);

} // namespace glyph
