// The classic rules: placements around a word and at the board's edges, board sizes, the bag
// counts at which the rules change, passes, penalties, history and clocks.
#include <gtest/gtest.h>

#include <array>

#include "base/letters.h"
#include "support/rulesfixture.h"

using glyph::Move;
using glyph::test::makeMove;
using glyph::test::putWord;
using glyph::test::RulesFixture;

namespace
{

/// Whether the rules play the move from the current player's rack: a refused move is turned
/// into a pass.
bool plays(RulesFixture& fixture, Move move, const std::string& rack)
{
    fixture.setRack(fixture.rules->currentPlayerIndex(), rack);
    return fixture.play(move) && !fixture.rules->history().back().move.isPass();
}

const glyph::Player& player(RulesFixture& fixture, int index)
{
    return fixture.rules->players()[index];
}

void resize(RulesFixture& fixture, int rows, int columns)
{
    fixture.preferences->setInteger("TableRowsKey", rows);
    fixture.preferences->setInteger("TableColumnsKey", columns);
    ASSERT_TRUE(fixture.game->loadSettings());
}

} // namespace

TEST(GameClassic, MovesAroundAWordOnTheBoard)
{
    struct Case {
        const char* note;
        Move move;
        const char* rack;
        const char* warning; // nullptr when the move is played
    };
    const char* const kRefused = ""; // refused by the dictionary: the text is checked elsewhere
    // CAT across on the centre line (8,7..9) and AT in the bottom-right corner (15,14..15).
    const Case cases[] = {
        {"parallel below, cross words AT and TO", makeMove(true, 9, 8, "TO"), "TO", nullptr},
        {"parallel above, cross words TA and AT", makeMove(true, 7, 8, "TA"), "TA", nullptr},
        {"parallel, cross word AO is no word", makeMove(true, 9, 8, "OX"), "OX", kRefused},
        {"runs on into the C after its end", makeMove(true, 8, 5, "GO"), "GO", kRefused},
        {"follows the T before its start", makeMove(true, 8, 10, "SO"), "SO", kRefused},
        {"extends CAT", makeMove(true, 8, 7, "CATS"), "S", nullptr},
        {"extends CAT with a joker", makeMove(true, 8, 7, "CAT[", "S"), "[", nullptr},
        {"joker the rack does not hold", makeMove(true, 8, 7, "CAT[", "S"), "S",
         "Move (H7)CATs needs letters that are not in the rack"},
        {"letters the rack does not hold", makeMove(false, 8, 9, "TAX"), "AT",
         "Move (9H)TAX needs letters that are not in the rack"},
        {"down through the board's T", makeMove(false, 7, 9, "ATE"), "AE", nullptr},
        {"word not in the dictionary", makeMove(true, 8, 7, "CATA"), "A", "Word CATA is NOT in dictionary"},
        {"disagrees with the board's A", makeMove(true, 8, 7, "COTS"), "OS",
         "Move (H7)COTS does not agree with the tiles on the board"},
        {"part of a longer word", makeMove(true, 8, 8, "AT"), "AT",
         "Move (H8)AT does not cover the whole word on the board"},
        {"touches nothing", makeMove(true, 2, 2, "TO"), "TO",
         "Move (B2)TO does not touch the tiles on the board"},
        {"first row and column, touching nothing", makeMove(false, 1, 1, "AT"), "AT", kRefused},
        {"lays no tile", makeMove(true, 8, 7, "CAT"), "CAT", "Move (H7)CAT lays no tile"},
        {"jokers that do not match", makeMove(true, 9, 9, "[O", ""), "[O", "Move (I9)?O is not well formed"},
        {"down into the last row and column", makeMove(false, 14, 15, "AT"), "A", nullptr},
        {"across ending on the last column", makeMove(true, 15, 13, "EAT"), "E", nullptr},
        {"across one past the last column", makeMove(true, 15, 14, "ATE"), "E",
         "Move (O14)ATE does not fit on the board"},
        {"down one past the last row", makeMove(false, 14, 14, "TAX"), "TX", kRefused},
    };
    // Checked before playing, a person's refused move is not even a pass: the turn goes on.
    for (const bool checked : {false, true}) {
        for (const Case& c : cases) {
            RulesFixture fixture;
            fixture.preferences->setInteger("CheckBeforePlayingKey", checked ? 1 : 0);
            fixture.start({"Ann", "Bob"});
            putWord(fixture.game->board(), true, 8, 7, "CAT");
            putWord(fixture.game->board(), true, 15, 14, "AT");
            const auto boardBefore = fixture.game->board();
            EXPECT_EQ(plays(fixture, c.move, c.rack), c.warning == nullptr) << c.note;
            if (c.warning == nullptr)
                continue;
            // A refused move warns once and is a pass that changes nothing else.
            ASSERT_EQ(fixture.view.warnings.size(), 1u) << c.note;
            EXPECT_EQ(*c.warning != 0 ? fixture.view.warnings[0] : "", c.warning) << c.note;
            const glyph::Player& ann = fixture.rules->players()[0];
            EXPECT_TRUE(fixture.game->board() == boardBefore && ann.rack == std::string(c.rack) &&
                        ann.score == 0 && fixture.rules->passCount() == (checked ? 0 : 1) &&
                        fixture.rules->currentPlayerIndex() == (checked ? 0 : 1) &&
                        fixture.rules->history().size() == (checked ? 1u : 2u))
                << c.note << checked;
        }
    }
    // A computer player's faulty choice still costs its turn, so that a profile cannot stall.
    RulesFixture fixture;
    fixture.preferences->setInteger("CheckBeforePlayingKey", 1);
    fixture.start({"Ann", "Bob"});
    fixture.rules->players()[0].setProfile("Any.cpu");
    putWord(fixture.game->board(), true, 8, 7, "CAT");
    EXPECT_FALSE(plays(fixture, makeMove(true, 8, 7, "CATA"), "A"));
    EXPECT_EQ(fixture.rules->currentPlayerIndex(), 1);
}

TEST(GameClassic, BoardSizesFromOneToTwentyNineWithTheirEdges)
{
    RulesFixture fixture;
    // Sizes outside 1..29 fall back to 15.
    const std::array<std::array<int, 2>, 5> sizes = {{{0, 15}, {1, 1}, {29, 29}, {30, 15}, {-1, 15}}};
    for (const auto& [asked, used] : sizes) {
        resize(fixture, asked, 2);
        EXPECT_EQ(fixture.game->rows(), used) << asked;
        resize(fixture, 2, asked);
        EXPECT_EQ(fixture.game->columns(), used) << asked;
    }
    // Occupancy stops exactly at the edges of every size.
    for (const int size : {1, 2, 15, 29}) {
        resize(fixture, size, size);
        // The four corners, one past the last row and column, and row 0, all holding a tile.
        const std::array<std::array<int, 2>, 7> squares = {
            {{1, 1}, {1, size}, {size, 1}, {size, size}, {size + 1, 1}, {1, size + 1}, {0, 1}}};
        for (const auto& [row, column] : squares)
            fixture.game->board()[row][column] = {'A', 0};
        for (std::size_t k = 0; k < squares.size(); ++k)
            EXPECT_EQ(fixture.game->isOccupied(squares[k][0], squares[k][1]), k < 4) << size << ": " << k;
    }
}

TEST(GameClassic, StartDealsRacksSetsClocksAndTakesTheFirstSnapshot)
{
    RulesFixture fixture;
    EXPECT_FALSE(fixture.rules->playMove(makeMove(true, 8, 7, "CAT", "", 12))) << "no game in progress";
    EXPECT_FALSE(fixture.rules->passOrExchange("", ""));
    fixture.rules->tickClock();
    EXPECT_TRUE(fixture.rules->history().empty() && fixture.view.warnings.empty());

    fixture.preferences->setInteger("GameClassicTimeKey", 7);
    ASSERT_TRUE(fixture.game->loadSettings());
    fixture.start({"Ann", "Bob", "Cid"});
    EXPECT_TRUE(fixture.rules->inProgress());
    EXPECT_EQ(fixture.rules->currentPlayerIndex(), 0);
    EXPECT_EQ(fixture.rules->round(), 1);
    EXPECT_EQ(fixture.rules->bag().total(), 100 - 21);
    for (const auto& seat : fixture.rules->players()) {
        EXPECT_EQ(std::string(seat.rack).size(), 7u);
        EXPECT_EQ(seat.timeLeft, 7 * 60);
    }
    ASSERT_EQ(fixture.rules->history().size(), 1u);
    EXPECT_TRUE(fixture.rules->history()[0].move.isPass());
    EXPECT_EQ(fixture.game->rackSlotCount(), 7);
    EXPECT_TRUE(fixture.rules->playMove(makeMove(true, 8, 7, "CAT")));
    EXPECT_TRUE(fixture.view.warnings.empty()) << "a move scored 0 is a silent pass";
    EXPECT_EQ(fixture.rules->passCount(), 1);

    // The 100 tiles give the fifteenth of 15 players two tiles; a sixteenth would get none and
    // have gone out before the first turn, so such a game is refused and the one on stays.
    const std::size_t turns = fixture.rules->history().size();
    EXPECT_FALSE(fixture.rules->start(std::vector<glyph::Player>(16)));
    EXPECT_EQ(fixture.view.warnings,
              std::vector<std::string>{"The letter set has 100 tiles: too few for 16 players"});
    EXPECT_EQ(fixture.rules->players().size(), 3u);
    EXPECT_EQ(fixture.rules->history().size(), turns);
    EXPECT_EQ(fixture.rules->bag().total(), 100 - 21);
    ASSERT_TRUE(fixture.rules->start(std::vector<glyph::Player>(15)));
    EXPECT_EQ(std::string(fixture.rules->players()[14].rack).size(), 2u);
    EXPECT_FALSE(fixture.rules->isGameOver());
}

TEST(GameClassic, GameEndsWhenTheBagIsEmptyAndARackEmpties)
{
    RulesFixture fixture(glyph::test::kTestWords, glyph::letters::histogram("AACDEEGOOSTTXX"));
    fixture.start({"Ann", "Bob"});
    ASSERT_EQ(fixture.rules->bag().total(), 0);
    fixture.setRack(0, "CATS");
    fixture.rules->players()[1].setRack("OX");

    // The rules score every move themselves, whatever score it claims.
    ASSERT_TRUE(fixture.rules->playMove(makeMove(true, 8, 7, "CAT", "", 1000000)));
    EXPECT_EQ(player(fixture, 0).score, 12);
    EXPECT_EQ(fixture.rules->history().back().move.score, 12);
    EXPECT_STREQ(player(fixture, 0).rack, "S");
    EXPECT_FALSE(fixture.rules->isGameOver()) << "bag empty but no rack empty";
    ASSERT_TRUE(fixture.play(makeMove(false, 8, 9, "TO")));
    EXPECT_EQ(player(fixture, 1).score, 2);
    EXPECT_EQ(fixture.rules->round(), 2);
    EXPECT_EQ(fixture.view.gameOverDialogs, 0);

    ASSERT_TRUE(fixture.play(makeMove(true, 8, 7, "CATS")));
    EXPECT_TRUE(fixture.rules->isGameOver());
    EXPECT_EQ(fixture.view.gameOverDialogs, 1);
    EXPECT_EQ(player(fixture, 0).score, 12 + 6 + 8) << "Ann takes Bob's X";
    EXPECT_EQ(player(fixture, 1).score, 2 - 8);

    EXPECT_FALSE(fixture.rules->playMove(makeMove(true, 10, 9, "OX", "", 9)));
    EXPECT_FALSE(fixture.rules->passOrExchange("", ""));
    EXPECT_EQ(fixture.view.gameOverDialogs, 3) << "playing on only shows the dialog again";
    EXPECT_EQ(fixture.rules->history().size(), 4u);
    EXPECT_EQ(player(fixture, 1).score, -6) << "penalties are taken once";
}

TEST(GameClassic, ExchangeNeedsSevenTilesInTheBagAndTheLettersInTheRack)
{
    // Two racks of seven, then six or seven tiles left in the bag.
    for (const std::string left : {"ESTATE", "ESTATES"}) {
        RulesFixture fixture(glyph::test::kTestWords, glyph::letters::histogram("AACDEEGOOSTTXX" + left));
        fixture.start({"Ann", "Bob"});
        ASSERT_EQ(fixture.rules->bag().total(), static_cast<int>(left.size()));
        const bool allowed = left.size() == 7;
        EXPECT_EQ(fixture.rules->canExchange(), allowed);
        const std::string rack = player(fixture, 0).rack;
        EXPECT_FALSE(fixture.rules->passOrExchange("Q" + rack.substr(1), "")) << "a Q the player lacks";
        EXPECT_EQ(fixture.rules->passOrExchange(rack, ""), allowed) << left;
        EXPECT_EQ(fixture.rules->currentPlayerIndex(), allowed ? 1 : 0) << left;
        EXPECT_EQ(fixture.rules->bag().total(), static_cast<int>(left.size())) << left;
    }
}

TEST(GameClassic, PassesEndTheGameAndTheClocksAndAnExchangeStartsTheCountAgain)
{
    RulesFixture fixture;
    fixture.start({"Ann", "Bob"});
    fixture.setRack(0, "CAT");
    fixture.rules->players()[1].setRack("DOGXYZQ");
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
    ASSERT_TRUE(fixture.rules->passOrExchange("DOG", "XYZQ"));
    EXPECT_EQ(fixture.rules->passCount(), 0);
    EXPECT_EQ(std::string(player(fixture, 1).rack).substr(3), "XYZQ") << "kept letters stay at the end";
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
        EXPECT_FALSE(fixture.rules->isGameOver());
    }
    fixture.rules->players()[1].setRack("DOG");
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
    EXPECT_TRUE(fixture.rules->isGameOver()) << "three passes in a row end a two-player game";
    EXPECT_EQ(fixture.view.gameOverDialogs, 1);
    EXPECT_EQ(player(fixture, 0).score, -5);
    EXPECT_EQ(player(fixture, 1).score, -5);
    fixture.rules->tickClock();
    EXPECT_EQ(player(fixture, 0).timeLeft + player(fixture, 1).timeLeft, 2 * 25 * 60);
}

TEST(GameClassic, FinalScoringGivesThePenaltiesToTheLastPlayerWhoWentOut)
{
    RulesFixture fixture;
    fixture.start({"Ann", "Bob", "Cid"});
    const auto scoreRacks = [&](const std::array<const char*, 3>& racks, int score) {
        for (int i = 0; i < 3; ++i) {
            fixture.rules->players()[i].setRack(racks[i]);
            fixture.rules->players()[i].score = score;
        }
        fixture.rules->finalScoring();
        return std::array<int, 3>{player(fixture, 0).score, player(fixture, 1).score,
                                  player(fixture, 2).score};
    };
    EXPECT_EQ(scoreRacks({"C", "[", "TOGA"}, 0), (std::array<int, 3>{-3, 0, -5}))
        << "a joker costs nothing, and its holder has not gone out";
    EXPECT_EQ(scoreRacks({"", "[", "TOGA"}, 0), (std::array<int, 3>{5, 0, -5}))
        << "the one who went out is paid, not a later holder of a joker";
    EXPECT_EQ(scoreRacks({"", "", "C"}, 10), (std::array<int, 3>{10, 13, 7}))
        << "only the last finisher is paid";
}

TEST(GameClassic, HistoryNavigationClampsAndPlayingFromAnEarlierPositionTakesBackTheRest)
{
    RulesFixture fixture;
    fixture.start({"Ann", "Bob"});
    fixture.setRack(0, "CATXXXX");
    fixture.rules->players()[1].setRack("SOXXXXX");
    ASSERT_TRUE(fixture.play(makeMove(true, 8, 7, "CAT")));
    const auto afterCat = fixture.game->board();
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));
    ASSERT_TRUE(fixture.rules->passOrExchange("", ""));

    const std::size_t refreshes = fixture.view.refreshes.size();
    fixture.rules->goFirst();
    EXPECT_EQ(fixture.game->board(), glyph::Board{});
    EXPECT_EQ(fixture.view.refreshes.size(), refreshes + 1);
    fixture.rules->goPrevious();
    EXPECT_EQ(fixture.rules->historyPosition(), 0);
    fixture.rules->goTo(99);
    EXPECT_EQ(fixture.rules->historyPosition(), 3);
    fixture.rules->goNext();
    EXPECT_EQ(fixture.rules->historyPosition(), 3);
    EXPECT_EQ(fixture.rules->passCount(), 2);
    EXPECT_EQ(fixture.rules->round(), 2);
    fixture.rules->goTo(-4);
    EXPECT_EQ(fixture.rules->historyPosition(), 0);

    fixture.rules->goTo(1);
    EXPECT_EQ(fixture.game->board(), afterCat);
    EXPECT_EQ(fixture.rules->currentPlayerIndex(), 1);
    EXPECT_STREQ(player(fixture, 1).rack, "SOXXXXX");
    ASSERT_TRUE(fixture.play(makeMove(true, 8, 7, "CATS")));
    EXPECT_EQ(fixture.rules->historyPosition(), 2);
    EXPECT_EQ(fixture.rules->history().size(), 3u);
    EXPECT_EQ(fixture.game->board()[8][10].letter, 'S');
}

TEST(GameClassic, ClockCountsDownWarnsOnceAndStandsStillWhilePaused)
{
    RulesFixture fixture;
    fixture.start({"Ann", "Bob"});
    auto& ann = fixture.rules->players()[0];
    ann.timeLeft = 2;
    fixture.view.isPaused = true;
    fixture.rules->tickClock();
    EXPECT_EQ(ann.timeLeft, 2);
    fixture.view.isPaused = false;
    for (int tick = 0; tick < 3; ++tick)
        fixture.rules->tickClock();
    EXPECT_EQ(ann.timeLeft, 0);
    EXPECT_EQ(fixture.view.warnings, std::vector<std::string>{"Ann is out of time!!!"});
    EXPECT_EQ(fixture.rules->currentPlayerIndex(), 0) << "running out of time does not end the turn";
    EXPECT_EQ(fixture.rules->players()[1].timeLeft, 25 * 60);
}

TEST(ValidateMove, FirstMoveAndCrossWordMessages)
{
    const struct {
        const char* board; // "", or CAT laid "across" from (8,7) or "down" from (6,8)
        Move move;
        const char* warning; // "" when the move is accepted
        bool first = false;  // validateFirstMove rather than validateMove
    } cases[] = {
        {"", makeMove(true, 8, 7, "CAT"), ""},
        {"", makeMove(false, 6, 8, "CAT"), ""},
        {"", makeMove(true, 8, 7, "C[T", "A"), ""}, // a joker stands for its letter
        {"", makeMove(true, 8, 7, "CXT"), "Word CXT is NOT in dictionary"},
        {"", makeMove(true, 7, 7, "CAT"), "First word CAT MUST be on central line"},
        {"", makeMove(false, 6, 9, "CAT"), "First word CAT MUST be on central column"},
        {"", makeMove(true, 8, 5, "CAT"), "First word CAT MUST traverse central square"}, // ends before
        {"", makeMove(true, 8, 9, "CAT"), "First word CAT MUST traverse central square"}, // starts after
        {"", makeMove(true, 8, 8, "A"), "First word A must have lenght >= 2", true},
        {"", makeMove(true, 8, 7, "C[T", "A"), "", true},
        {"across", makeMove(false, 8, 10, "SO"), ""},      // cross word CATS
        {"across", makeMove(false, 8, 10, "[O", "S"), ""}, // a joker S in CATS
        {"across", makeMove(false, 7, 10, "TO"), "Word CATO doesn't exist in dictionary"},
        {"across", makeMove(true, 8, 7, "CATX"), "Word CATX is NOT in dictionary"}, // off the centre
        {"down", makeMove(true, 9, 8, "SO"), ""},
        {"down", makeMove(true, 9, 8, "AT"), "Word CATA is NOT in dictionary"},
    };
    for (const auto& c : cases) {
        RulesFixture fixture;
        if (*c.board != 0)
            putWord(fixture.game->board(), c.board[0] == 'a', c.board[0] == 'a' ? 8 : 6,
                    c.board[0] == 'a' ? 7 : 8, "CAT");
        const glyph::MoveProblem problem =
            c.first ? fixture.rules->validateFirstMove(c.move) : fixture.rules->validateMove(c.move);
        EXPECT_EQ(problem.message(), c.warning) << c.board << " " << c.move.word;
        EXPECT_EQ(problem.ok(), *c.warning == 0);
        EXPECT_TRUE(fixture.view.warnings.empty()) << "validation itself shows nothing";
    }
}
