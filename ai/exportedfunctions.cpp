#include "ai/exportedfunctions.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstring>
#include <lua.hpp>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/endgamesolver.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "ai/positioncopy.h"
#include "ai/rackinference.h"
#include "ai/simulator.h"
#include "base/letters.h"
#include "engine/game.h"
#include "engine/gamerules.h"
#include "engine/gameview.h"
#include "engine/unseentiles.h"

namespace glyph
{

namespace
{

/// Longest text SetSolution keeps for the word and for the jokers.
constexpr std::size_t kSolutionTextLength = sizeof(Move::word) - 1;
/// TableLetter answers for lines and columns 1..kTableLetterBound whatever the board size.
constexpr int kTableLetterBound = 30;
/// Results of a function that returns a move.
constexpr int kMoveValues = 6;
/// Largest score, either way, that SetSolution accepts: far above any real move (a whole
/// board of the dearest letters on triple words stays below it), and small enough that the
/// scores of every move a game can hold add up without overflowing a player's total.
constexpr int kLargestScriptScore = 1000000;
/// Bounds of SimulateMoves' arguments.
constexpr int kMaxCandidates = 100;
constexpr int kMaxPlies = 8;
/// Longest search a profile may ask for; the profile's own time limit cuts it shorter.
constexpr int kMaxSearchMs = 600000;
/// Mixed into the position's seed for the draws that read the opponent's last move, so that
/// they do not repeat the deals of the look-ahead's rounds.
constexpr std::uint32_t kInferenceSeedSalt = 0x9e3779b9u;
/// Time left to the script after a search, before its own time limit stops it.
constexpr std::chrono::milliseconds kScriptMargin{250};

/// A number argument as a whole number, truncated toward zero; anything else reads as 0.
int wholeNumber(lua_State* state, int index)
{
    const double value = static_cast<double>(lua_tonumber(state, index));
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

/// A string argument copied into a Move text field; other values give an empty text.
void copyText(lua_State* state, int index, char* field)
{
    std::size_t length = 0;
    const char* text = nullptr;
    if (lua_type(state, index) == LUA_TSTRING || lua_type(state, index) == LUA_TNUMBER)
        text = lua_tolstring(state, index, &length);
    const std::size_t kept = text == nullptr ? 0 : strnlen(text, std::min(length, kSolutionTextLength));
    if (kept > 0)
        std::memcpy(field, text, kept);
    field[kept] = 0;
}

int pushMove(lua_State* state, const Move& move)
{
    lua_pushinteger(state, move.horiz);
    lua_pushinteger(state, move.col);
    lua_pushinteger(state, move.lin);
    lua_pushinteger(state, move.score);
    lua_pushlstring(state, move.word, strnlen(move.word, sizeof move.word));
    lua_pushlstring(state, move.jokers, strnlen(move.jokers, sizeof move.jokers));
    return kMoveValues;
}

Game& gameOf(lua_State* state)
{
    return LuaHost::fromState(state).game();
}

/// Writes the values of a Debug call, separated by blanks, as one line of script output.
void writeDebugLine(lua_State* state)
{
    LuaHost& host = LuaHost::fromState(state);
    const int count = lua_gettop(state);
    for (int index = 1; index <= count; ++index) {
        if (index > 1)
            host.writeScriptText(" ");
        switch (lua_type(state, index)) {
        case LUA_TSTRING:
        case LUA_TNUMBER: {
            lua_pushvalue(state, index);
            std::size_t length = 0;
            const char* text = lua_tolstring(state, -1, &length);
            host.writeScriptText(std::string_view(text, length));
            lua_pop(state, 1);
            break;
        }
        case LUA_TNIL:
            host.writeScriptText("nil");
            break;
        case LUA_TBOOLEAN:
            host.writeScriptText(lua_toboolean(state, index) ? "true" : "false");
            break;
        default:
            host.writeScriptText(luaL_typename(state, index));
            break;
        }
        // Thousands of long values in one call: the limits must hold within the call.
        LuaHost::checkLimits(state);
    }
    host.writeScriptText("\n");
}

/// Debug goes the way of `print`: long lines cut, output counted against the memory limit.
int debugLine(lua_State* state)
{
    writeDebugLine(state);
    LuaHost::checkLimits(state);
    return 0;
}

int setSolution(lua_State* state)
{
    if (lua_gettop(state) != kMoveValues)
        return 0;
    Move move;
    move.horiz = wholeNumber(state, 1) != 0 ? 1 : 0;
    move.col = static_cast<std::int8_t>(wholeNumber(state, 2));
    move.lin = static_cast<std::int8_t>(wholeNumber(state, 3));
    move.score = std::clamp(wholeNumber(state, 4), -kLargestScriptScore, kLargestScriptScore);
    copyText(state, 5, move.word);
    copyText(state, 6, move.jokers);
    LuaHost::fromState(state).setSolution(move);
    return 0;
}

int movesNumber(lua_State* state)
{
    lua_pushinteger(state, moveGenerator(gameOf(state)).size());
    return 1;
}

int moveAt(lua_State* state)
{
    if (lua_gettop(state) < 1)
        return 0;
    const Move* move = moveGenerator(gameOf(state)).moveAt(wholeNumber(state, 1));
    return move == nullptr ? 0 : pushMove(state, *move);
}

int playerRack(lua_State* state)
{
    const GameRules* rules = gameOf(state).rules();
    const char* rack = rules != nullptr ? rules->currentPlayer().rack : "";
    lua_pushlstring(state, rack, strnlen(rack, sizeof(Player::rack)));
    return 1;
}

int tableLetter(lua_State* state)
{
    if (lua_gettop(state) < 2)
        return 0;
    const int lin = wholeNumber(state, 1);
    const int col = wholeNumber(state, 2);
    if (lin < 1 || lin > kTableLetterBound || col < 1 || col > kTableLetterBound)
        return 0;
    const Game& game = gameOf(state);
    Square square;
    if (lin <= game.rows() && col <= game.columns())
        square = game.board()[lin][col];
    const char text[2] = {square.letter, 0};
    lua_pushstring(state, text);
    lua_pushboolean(state, square.letter != 0 && square.joker != 0);
    return 2;
}

int letterPoints(lua_State* state)
{
    std::size_t length = 0;
    const char* text = lua_type(state, 1) == LUA_TSTRING ? lua_tolstring(state, 1, &length) : "";
    // Lower case reads as upper case and "?" as the joker "[", as LeaveValue reads them.
    std::string codes = letters::upperCased(std::string(text, length));
    std::replace(codes.begin(), codes.end(), '?', kJoker);
    lua_pushinteger(state, letters::stringValue(gameOf(state).letterSet(), codes));
    return 1;
}

int bagLettersNumber(lua_State* state)
{
    const GameRules* rules = gameOf(state).rules();
    lua_pushinteger(state, rules != nullptr ? rules->bag().total() : 0);
    return 1;
}

int findMoveWithScore(lua_State* state)
{
    if (lua_gettop(state) < 1)
        return 0;
    return pushMove(state, moveGenerator(gameOf(state)).findMoveWithScore(wholeNumber(state, 1)));
}

/// A string argument read as rack letters ('?' also names a joker and lower case is
/// accepted); nothing when it is not a string or holds anything else.
std::optional<std::string> rackLetters(lua_State* state, int index)
{
    if (lua_gettop(state) < index || lua_type(state, index) != LUA_TSTRING)
        return std::nullopt;
    // Read to its length: a NUL byte inside is a character like any other, not the end.
    std::size_t length = 0;
    const char* text = lua_tolstring(state, index, &length);
    std::string letters;
    for (const char code : std::string_view(text, length)) {
        if (code >= 'a' && code <= 'z')
            letters += static_cast<char>(code - 'a' + 'A');
        else if (code == '?')
            letters += kJoker;
        else if (code >= 'A' && code <= kJoker)
            letters += code;
        else
            return std::nullopt;
    }
    return letters;
}

int exchangeLetters(lua_State* state)
{
    const std::optional<std::string> letters = rackLetters(state, 1);
    lua_pushboolean(state, letters && LuaHost::fromState(state).requestExchange(*letters));
    return 1;
}

int leaveValue(lua_State* state)
{
    std::size_t length = 0;
    const char* letters = lua_type(state, 1) == LUA_TSTRING ? lua_tolstring(state, 1, &length) : "";
    lua_pushnumber(state, leaveValues(gameOf(state)).value(std::string_view(letters, length)));
    return 1;
}

std::string rackOf(const Player& player)
{
    return std::string(player.rack, strnlen(player.rack, sizeof player.rack));
}

/// When a search asked for `milliseconds` must end: before the script's own time limit.
std::chrono::steady_clock::time_point searchDeadline(const LuaHost& host, int milliseconds)
{
    const auto now = std::chrono::steady_clock::now();
    const auto asked = now + std::chrono::milliseconds(milliseconds);
    return std::max(now, std::min(asked, host.deadline() - kScriptMargin));
}

/// A seed that the game's own draws decide: the bag's order, the board, the rack and the turn.
/// A game played from the same seed simulates the same way.
std::uint32_t positionSeed(const Game& game, const GameRules& rules)
{
    std::uint32_t hash = 2166136261u;
    auto add = [&hash](std::uint8_t byte) { hash = (hash ^ byte) * 16777619u; };
    std::uint8_t bag[Bag::kImageSize];
    rules.bag().writeImage(bag);
    for (std::uint8_t byte : bag)
        add(byte);
    for (int row = 1; row <= game.rows(); ++row)
        for (int column = 1; column <= game.columns(); ++column)
            add(static_cast<std::uint8_t>(game.board()[row][column].letter));
    for (char code : rackOf(rules.currentPlayer()))
        add(static_cast<std::uint8_t>(code));
    add(static_cast<std::uint8_t>(rules.history().size()));
    return hash;
}

bool sameMove(const Move& a, const Move& b)
{
    return a.horiz == b.horiz && a.col == b.col && a.lin == b.lin &&
           std::strncmp(a.word, b.word, sizeof a.word) == 0 &&
           std::strncmp(a.jokers, b.jokers, sizeof a.jokers) == 0;
}

/// Puts these moves at the head of the generator's list, in this order; the others follow as
/// they were.
void putFirst(MoveGenerator& generator, const std::vector<Move>& first)
{
    std::vector<Move> ordered = first;
    for (const Move& move : generator.moves())
        if (std::none_of(first.begin(), first.end(),
                         [&move](const Move& head) { return sameMove(head, move); }))
            ordered.push_back(move);
    generator.replaceMoves(std::move(ordered));
}

/// What the one opponent probably kept from the move they just played (see RackInference);
/// empty when the last turn was not theirs or laid no tile.
std::vector<std::string> opponentLeaves(Game& game, const GameRules& rules, const Simulator::Setup& setup,
                                        std::chrono::steady_clock::time_point deadline)
{
    const std::optional<RackInference::Turn> turn = RackInference::opponentsLastTurn(rules);
    if (!turn)
        return {};
    std::vector<std::unique_ptr<PositionCopy>>& copies = aiPlayers(game).positionCopies();
    if (copies.empty())
        copies.push_back(std::make_unique<PositionCopy>());
    copies.front()->take(game);
    return RackInference::keptLeaves(*copies.front(), leaveValues(game), *turn, setup.unseen,
                                     setup.seed ^ kInferenceSeedSalt, deadline);
}

/// The look-ahead SimulateMoves' arguments ask for, from the position of the player to move.
Simulator::Setup simulationSetup(lua_State* state, LuaHost& host, const GameRules& rules)
{
    Game& game = host.game();
    const int current = rules.currentPlayerIndex();
    Simulator::Setup setup;
    setup.rack = rackOf(rules.currentPlayer());
    setup.candidates =
        Simulator::bestByEquity(moveGenerator(game).moves(), game, leaveValues(game), setup.rack,
                                std::clamp(wholeNumber(state, 1), 1, kMaxCandidates));
    setup.plies = std::clamp(wholeNumber(state, 2), 1, kMaxPlies);
    const std::vector<Player>& players = rules.players();
    for (std::size_t k = 1; k < players.size(); ++k)
        setup.opponentRacks.push_back(static_cast<int>(
            rackOf(players[(static_cast<std::size_t>(current) + k) % players.size()]).size()));
    setup.unseen = unseentiles::counts(rules, current);
    setup.seed = positionSeed(game, rules);
    if (lua_gettop(state) >= 5 && lua_toboolean(state, 5))
        setup.lead = Simulator::leadOf(rules, current);
    // An exchange is weighed only against some move, and only when the rules allow it now.
    if (const std::optional<std::string> exchange = rackLetters(state, 6);
        exchange && !setup.candidates.empty() && host.canExchange(*exchange))
        setup.exchange = *exchange;
    return setup;
}

Simulator::Limits simulationLimits(lua_State* state, LuaHost& host)
{
    Simulator::Limits limits;
    limits.deadline = searchDeadline(host, std::clamp(wholeNumber(state, 3), 0, kMaxSearchMs));
    limits.stop = &host.interruptFlag();
    // Rounds that are not a positive number (nil, false, 0, below) mean no fixed number.
    if (const int rounds = wholeNumber(state, 4); rounds > 0)
        limits.rounds = std::min(rounds, Simulator::kMaxRounds);
    limits.threads = aiPlayers(host.game()).searchThreads();
    return limits;
}

int simulateMoves(lua_State* state)
{
    LuaHost& host = LuaHost::fromState(state);
    Game& game = host.game();
    const GameRules* rules = game.rules();
    if (rules == nullptr || !rules->inProgress() || lua_gettop(state) < 3) {
        lua_pushinteger(state, 0);
        lua_pushboolean(state, 0);
        return 2;
    }
    Simulator::Setup setup = simulationSetup(state, host, *rules);
    const Simulator::Limits limits = simulationLimits(state, host);
    const bool worthRunning = Simulator::candidateCount(setup) >= 2;
    // A quarter of the time at most goes to reading the opponent's last move.
    const auto now = std::chrono::steady_clock::now();
    if (worthRunning && limits.deadline > now)
        setup.opponentLeaves = opponentLeaves(game, *rules, setup, now + (limits.deadline - now) / 4);
    Simulator simulator(game, leaveValues(game), aiPlayers(game).positionCopies());
    const int rounds = worthRunning ? simulator.run(setup, limits) : 0;
    std::vector<Move> ranked;
    if (rounds > 0) {
        for (const Simulator::Result& result : simulator.results())
            if (!result.exchange)
                ranked.push_back(result.move);
    } else {
        ranked = setup.candidates;
    }
    putFirst(moveGenerator(game), ranked);
    lua_pushinteger(state, rounds);
    lua_pushboolean(state, rounds > 0 && simulator.results().front().exchange);
    return 2;
}

int solveEndgame(lua_State* state)
{
    LuaHost& host = LuaHost::fromState(state);
    Game& game = host.game();
    const GameRules* rules = game.rules();
    if (rules == nullptr || !rules->inProgress() || rules->bag().total() > 0 || rules->players().size() != 2)
        return 0;
    const int current = rules->currentPlayerIndex();
    const Player& opponent = rules->players()[static_cast<std::size_t>(1 - current)];
    AiPlayers& ai = aiPlayers(game);
    if (ai.positionCopies().empty())
        ai.positionCopies().push_back(std::make_unique<PositionCopy>());
    EndgameSolver solver(game, *ai.positionCopies().front());
    const int milliseconds = lua_gettop(state) >= 1 ? std::clamp(wholeNumber(state, 1), 0, kMaxSearchMs) : 0;
    const EndgameSolver::Result result =
        solver.solve(rackOf(rules->currentPlayer()), rackOf(opponent), rules->passCount(),
                     searchDeadline(host, milliseconds), &host.interruptFlag());
    putFirst(moveGenerator(game), {result.move});
    lua_pushinteger(state, result.value);
    lua_pushboolean(state, result.exact ? 1 : 0);
    return 2;
}

} // namespace

const ExportedFunction kExportedFunctions[kExportedFunctionRows] = {
    {"Debug", "...", "", debugLine},
    {"SetSolution", "bool horiz, int col, int lin, int score, str word, str jokers", "", setSolution},
    {"MovesNumber", "", "int number", movesNumber},
    {"MoveAt", "int index", "bool horiz, int col, int lin, int score, str word, str jokers", moveAt},
    {"PlayerRack", "", "str rack", playerRack},
    {"TableLetter", "int lin, int col", "str letter, bool isJoker", tableLetter},
    {"BagLettersNumber", "", "int total", bagLettersNumber},
    {"FindMoveWithScore", "int score", "bool horiz, int col, int lin, int score, str word, str jokers",
     findMoveWithScore},
    {"ExchangeLetters", "str letters", "bool accepted", exchangeLetters},
    {"LeaveValue", "str letters", "num value", leaveValue},
    {"LetterPoints", "str letters", "int points", letterPoints},
    {"SimulateMoves",
     "int candidates, int plies, int milliseconds, [int rounds], [bool forWins], [str exchange]",
     "int rounds, bool exchangeWins", simulateMoves},
    {"SolveEndgame", "int milliseconds", "int spread, bool exact", solveEndgame},
};

const ExportedFunction* findExportedFunction(std::string_view name)
{
    for (int row = 0; row < kExportedFunctionRows && kExportedFunctions[row].name != nullptr; ++row) {
        if (name == kExportedFunctions[row].name)
            return &kExportedFunctions[row];
    }
    return nullptr;
}

} // namespace glyph
