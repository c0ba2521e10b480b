// Rack handling and keyboard play: reordering, taking back, and typing words onto the board.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/rackeditor.h"
#include "support/rulesfixture.h"

using glyph::RackEditor;
using Typed = RackEditor::Typed;

namespace
{

std::string rackText(const glyph::Game& game)
{
    std::string text;
    for (int i = 0; i < game.rackSlotCount(); ++i)
        text += game.rackSlots()[i].letter;
    return text;
}

int placedCount(const glyph::Game& game)
{
    return static_cast<int>(std::count_if(game.rackSlots().begin(), game.rackSlots().end(),
                                          [](const glyph::RackSlot& slot) { return slot.placed != 0; }));
}

} // namespace

TEST(RackEditor, ShufflesAndSortsTheRackAndTakesEveryLaidTileBack)
{
    glyph::test::RulesFixture fixture;
    fixture.start({"Ann", "Bob"});
    fixture.setRack(0, "T[CAZEA");
    RackEditor editor(*fixture.game);
    editor.click(8, 8);
    ASSERT_EQ(editor.type('Z', false), Typed::Laid);
    editor.alphabetize();
    EXPECT_EQ(rackText(*fixture.game), "AACETZ[");
    // The laid Z went along with its slot.
    EXPECT_EQ(fixture.game->rackSlots()[5].placed * 100 + fixture.game->rackSlots()[5].column, 108);
    bool moved = false;
    for (int round = 0; round < 20; ++round) {
        editor.shuffle();
        std::string letters = rackText(*fixture.game);
        moved = moved || letters != "AACETZ[";
        std::sort(letters.begin(), letters.end());
        EXPECT_EQ(letters, "AACETZ[");
        EXPECT_EQ(placedCount(*fixture.game), 1);
        EXPECT_EQ(fixture.game->selectedSlot(), -1);
    }
    EXPECT_TRUE(moved);
    editor.click(9, 8);
    ASSERT_EQ(editor.type('A', false), Typed::Laid);
    EXPECT_EQ(editor.takeBackAll(), 2);
    EXPECT_EQ(placedCount(*fixture.game), 0);
    EXPECT_FALSE(editor.backspace());
}

TEST(RackEditor, TypedLettersMakeTheMoveAcrossOrDownThroughTheTilesOnTheBoard)
{
    glyph::test::RulesFixture fixture;
    fixture.start({"Ann", "Bob"});
    fixture.setRack(0, "CTS[OGE");
    fixture.game->board()[8][8] = {'A', 0};
    RackEditor editor(*fixture.game);
    editor.click(8, 7);
    EXPECT_EQ(editor.type('C', false), Typed::Laid);
    EXPECT_EQ(editor.cursorColumn(), 9) << "past the A on the board";
    EXPECT_EQ(editor.type('X', false), Typed::NoTile);
    EXPECT_EQ(editor.type('T', false), Typed::Laid);
    EXPECT_EQ(editor.type('S', true), Typed::Laid); // the joker, standing for S
    glyph::Move move;
    ASSERT_TRUE(fixture.game->buildHumanMove(move));
    EXPECT_EQ(fixture.game->moveText(move, fixture.game->board()), "(H7)CATs");
    // Backspace takes the tiles back last first, and the cursor with them.
    EXPECT_TRUE(editor.backspace());
    EXPECT_TRUE(editor.backspace());
    EXPECT_EQ(editor.cursorColumn(), 9);
    EXPECT_EQ(placedCount(*fixture.game), 1);
    editor.takeBackAll();

    // A second click on the same square switches to down; S then goes below the A.
    editor.click(7, 8);
    editor.click(7, 8);
    EXPECT_FALSE(editor.across());
    EXPECT_EQ(editor.type('A', false), Typed::NoTile);
    editor.moveCursor(-1, 0);
    EXPECT_EQ(editor.cursorRow(), 6);
    editor.moveCursor(1, 0);
    EXPECT_EQ(editor.type('T', false), Typed::Laid);
    EXPECT_EQ(editor.cursorRow(), 9);
    EXPECT_EQ(editor.type('O', false), Typed::Laid);
    ASSERT_TRUE(fixture.game->buildHumanMove(move));
    EXPECT_EQ(fixture.game->moveText(move, fixture.game->board()), "(8G)TAO");
    // A tile dragged back since is skipped by Backspace, which takes the one typed before it.
    fixture.game->rackSlots()[4].placed = 0; // the O
    EXPECT_TRUE(editor.backspace());
    EXPECT_EQ(placedCount(*fixture.game), 0);

    // At the edge the cursor stays on the last square, which then holds a tile.
    editor.click(15, 15);
    EXPECT_EQ(editor.type('G', false), Typed::Laid);
    EXPECT_EQ(editor.cursorRow(), 15);
    EXPECT_EQ(editor.type('E', false), Typed::Occupied);
    editor.moveCursor(5, 5);
    EXPECT_EQ(editor.cursorRow() * 100 + editor.cursorColumn(), 1515);
}
