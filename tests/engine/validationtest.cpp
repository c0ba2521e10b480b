#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/rulesfixture.h"

using glyph::Move;
using glyph::test::makeMove;
using glyph::test::putWord;
using glyph::test::RulesFixture;

namespace
{

/// Runs validateMove and returns the warning its problem gives ("" when it accepted the move);
/// validation itself shows nothing.
std::string validationWarning(RulesFixture& fixture, const Move& move, bool first = false)
{
    fixture.view.warnings.clear();
    const glyph::MoveProblem problem =
        first ? fixture.rules->validateFirstMove(move) : fixture.rules->validateMove(move);
    EXPECT_TRUE(fixture.view.warnings.empty());
    EXPECT_EQ(problem.ok(), problem.message().empty());
    return problem.message();
}

} // namespace

TEST(ValidateMove, FirstMoveMessages)
{
    RulesFixture fixture;
    EXPECT_EQ(validationWarning(fixture, makeMove(true, 8, 7, "CAT")), "");
    EXPECT_EQ(validationWarning(fixture, makeMove(false, 6, 8, "CAT")), "");
    EXPECT_EQ(validationWarning(fixture, makeMove(true, 8, 7, "C[T", "A")), "")
        << "a joker stands for its letter";
    EXPECT_EQ(validationWarning(fixture, makeMove(true, 8, 7, "CXT")), "Word CXT is NOT in dictionary");
    EXPECT_EQ(validationWarning(fixture, makeMove(true, 7, 7, "CAT")),
              "First word CAT MUST be on central line");
    EXPECT_EQ(validationWarning(fixture, makeMove(false, 6, 9, "CAT")),
              "First word CAT MUST be on central column");
    EXPECT_EQ(validationWarning(fixture, makeMove(true, 8, 5, "CAT")),
              "First word CAT MUST traverse central square")
        << "ends just before the centre";
    EXPECT_EQ(validationWarning(fixture, makeMove(true, 8, 9, "CAT")),
              "First word CAT MUST traverse central square")
        << "starts just after the centre";
    EXPECT_EQ(validationWarning(fixture, makeMove(true, 8, 8, "A"), true),
              "First word A must have lenght >= 2");
    EXPECT_EQ(validationWarning(fixture, makeMove(true, 8, 7, "C[T", "A"), true), "")
        << "jokers already spelled out";
}

TEST(ValidateMove, CrossWordsMustBeWordsWithTheDirectionsOwnMessage)
{
    RulesFixture acrossBoard;
    putWord(acrossBoard.game->board(), true, 8, 7, "CAT");
    EXPECT_EQ(validationWarning(acrossBoard, makeMove(false, 8, 10, "SO")), "") << "cross word CATS";
    EXPECT_EQ(validationWarning(acrossBoard, makeMove(false, 8, 10, "[O", "S")), "") << "joker S in CATS";
    EXPECT_EQ(validationWarning(acrossBoard, makeMove(false, 7, 10, "TO")),
              "Word CATO doesn't exist in dictionary");

    EXPECT_EQ(validationWarning(acrossBoard, makeMove(true, 8, 7, "CATX")), "Word CATX is NOT in dictionary")
        << "off the centre once it is taken";

    RulesFixture downBoard;
    putWord(downBoard.game->board(), false, 6, 8, "CAT");
    EXPECT_EQ(validationWarning(downBoard, makeMove(true, 9, 8, "SO")), "");
    EXPECT_EQ(validationWarning(downBoard, makeMove(true, 9, 8, "AT")), "Word CATA is NOT in dictionary");
}
