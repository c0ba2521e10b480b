// The round trip of GCG records on games the move generator plays: export, import and export
// again gives the same text, and the import gives the same history, snapshot by snapshot.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ai/movegenerator.h"
#include "base/random.h"
#include "engine/gcgimporter.h"
#include "engine/gcgwriter.h"
#include "support/rulesfixture.h"

namespace
{

using glyph::Game;

/// A game on the shipped English set and dictionary, on a board of the given size.
std::unique_ptr<glyph::test::RulesFixture> englishGame(int size)
{
    auto fixture = std::make_unique<glyph::test::RulesFixture>();
    fixture->preferences->setString("GameSetKey", GLYPH_DIST_DIR "/Sets/English.set");
    fixture->preferences->setString("GameDictionaryKey", GLYPH_DIST_DIR "/Dictionaries/English.dic");
    fixture->preferences->setInteger("TableRowsKey", size);
    fixture->preferences->setInteger("TableColumnsKey", size);
    EXPECT_TRUE(fixture->game->loadSettings());
    return fixture;
}

/// Plays a game for at most `turns` turns, to its end by default: mostly the best move,
/// sometimes another listed move, a pass or an exchange of random letters.
void playRandomGame(Game& game, int players, std::mt19937& random, int turns = 500)
{
    std::vector<glyph::Player> seats(static_cast<std::size_t>(players));
    for (int i = 0; i < players; ++i)
        seats[static_cast<std::size_t>(i)].setName(i == 1 ? "Zo\xC3\xAB Smith"
                                                          : "Player " + std::to_string(i + 1));
    glyph::GameRules& rules = *game.rules();
    ASSERT_TRUE(rules.start(seats));
    glyph::MoveGenerator generator(game);
    for (int turn = 0; turn < turns && !rules.isGameOver(); ++turn) {
        const std::string rack = rules.currentPlayer().rack;
        generator.generate(rack);
        const int choice = static_cast<int>(random() % 100);
        if (choice < 4 || generator.size() <= 1) {
            rules.passOrExchange("", "");
        } else if (choice < 10 && rules.canExchange()) {
            std::string letters;
            std::string kept;
            for (char letter : rack)
                (random() % 2 ? letters : kept) += letter;
            rules.passOrExchange(letters.empty() ? rack : letters, letters.empty() ? "" : kept);
        } else {
            const int pick =
                choice < 75 ? 0 : static_cast<int>(random() % std::min(generator.size() - 1, 20));
            ASSERT_TRUE(rules.playMove(generator.moves()[static_cast<std::size_t>(pick)]));
        }
    }
    ASSERT_EQ(rules.isGameOver(), turns == 500);
}

/// What a snapshot holds that a record carries, as text (the bag by its counts: records do
/// not say in which order the tiles lie in the bag; clocks and profiles are not recorded).
std::string snapshotText(const glyph::HistoryEntry& entry, bool withExchanged)
{
    std::string text = std::to_string(entry.round) + " " + std::to_string(entry.currentPlayer) + " " +
                       std::to_string(entry.passCount) + " move " + std::to_string(entry.move.horiz) + " " +
                       std::to_string(entry.move.lin) + " " + std::to_string(entry.move.col) + " " +
                       std::to_string(entry.move.score) + " " + entry.move.word + "/" + entry.move.jokers +
                       " exchanged " + (withExchanged ? entry.exchanged : "?") + " bag " +
                       std::to_string(entry.bag.total());
    for (int k = 0; k < glyph::kLetterCount; ++k)
        text += " " + std::to_string(entry.bag.count(k));
    for (const glyph::Player& player : entry.players)
        text += std::string(" | ") + player.name + " " + std::to_string(player.score) + " " + player.rack +
                " " + std::to_string(player.timeLeft);
    text += " board ";
    for (const auto& row : entry.board)
        for (const auto& square : row)
            text += square.letter == 0
                        ? '.'
                        : (square.joker ? static_cast<char>(square.letter + 32) : square.letter);
    return text;
}

/// Exports the game, imports the text into `into`, checks the history and the text again.
/// A saved game does not know the letters of its exchanges: they are compared only when
/// `withExchanged`. Only the record of an unfinished game says it is incomplete.
void checkRoundTrip(Game& game, Game& into, const std::string& what, bool withExchanged, bool finished = true)
{
    const std::string text = glyph::GcgWriter(game).write(*game.rules());
    EXPECT_EQ(text.find("\n#incomplete\n") != std::string::npos, !finished) << what;
    glyph::GcgImporter importer(into);
    ASSERT_TRUE(importer.importText(text)) << what << ": " << importer.error() << "\n" << text;
    EXPECT_EQ(importer.reports(), std::vector<std::string>{}) << what;
    const auto& original = game.rules()->history();
    const auto& imported = into.rules()->history();
    ASSERT_EQ(imported.size(), original.size()) << what;
    for (std::size_t i = 0; i < original.size(); ++i)
        ASSERT_EQ(snapshotText(imported[i], withExchanged), snapshotText(original[i], withExchanged))
            << what << ", snapshot " << i << "\n"
            << text;
    EXPECT_EQ(glyph::GcgWriter(into).write(*into.rules()), text) << what;
}

/// The record of a two-player game as some programs end it: without the rack penalty lines, the
/// player who went out given twice the tiles left (and so another total).
std::string withDoubledEnding(const std::string& text)
{
    std::istringstream lines(text);
    std::string result;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        const std::vector<std::string> words{std::istream_iterator<std::string>(fields), {}};
        if (line[0] == '>' && words.size() == 5 && words[2][0] == '(')
            continue;
        if (line[0] == '>' && words.size() == 4 && words[1][0] == '(')
            line =
                words[0] + " " + words[1] + " +" + std::to_string(2 * std::stoi(words[2].substr(1))) + " 999";
        result += line + "\n";
    }
    return result;
}

} // namespace

TEST(GcgRoundTrip, HoldsOnRandomGamesOfTwoToFourPlayersOnEveryBoardSize)
{
    std::mt19937 random(2023);
    glyph::random::seed(2023);
    int doubledEndings = 0;
    for (int size : {15, 21, 29})
        for (int players = 2; players <= 4; ++players) {
            const auto played = englishGame(size);
            const auto imported = englishGame(size);
            playRandomGame(*played->game, players, random);
            const std::string what = std::to_string(players) + " players on " + std::to_string(size);
            checkRoundTrip(*played->game, *imported->game, what, true);
            // The same game saved and loaded, where the exchanged letters are not stored.
            ASSERT_TRUE(played->game->rules()->save(played->dir.file("game.tc")));
            const auto loaded = englishGame(size);
            ASSERT_TRUE(loaded->game->rules()->load(played->dir.file("game.tc")));
            checkRoundTrip(*loaded->game, *imported->game, what + " from a saved game", false);
            if (players > 2)
                continue;
            // Such an ending is read, and only the ending is reported as differing from the rules.
            const auto other = englishGame(size);
            glyph::GcgImporter importer(*other->game);
            const std::string text =
                withDoubledEnding(glyph::GcgWriter(*played->game).write(*played->game->rules()));
            ASSERT_TRUE(importer.importText(text)) << importer.error() << "\n" << text;
            for (const std::string& report : importer.reports()) {
                doubledEndings += report.find(" points for the racks left, the rules ") != std::string::npos;
                EXPECT_TRUE(report.find(" ends on ") != std::string::npos ||
                            report.find(" points for the racks left, the rules ") != std::string::npos)
                    << report;
            }
        }
    EXPECT_GT(doubledEndings, 0);
    // A game still going on says so, and comes back still going on.
    const auto going = englishGame(15);
    const auto imported = englishGame(15);
    playRandomGame(*going->game, 2, random, 6);
    checkRoundTrip(*going->game, *imported->game, "a game going on", true, false);
    EXPECT_FALSE(imported->game->rules()->isGameOver());
}
