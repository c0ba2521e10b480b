// GCG records written by hand: every kind of line, encodings and line ends, and damaged or
// hostile files, refused with one message naming the line and leaving the game as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <regex>

#include "base/letters.h"
#include "base/random.h"
#include "engine/gcgimporter.h"
#include "engine/gcgwriter.h"
#include "support/rulesfixture.h"

using glyph::GcgImporter;
using glyph::GcgWriter;
using glyph::RecordEvent;
using glyph::test::GameInProgress;
using glyph::test::RulesFixture;

namespace
{

// Ten turns on the fixture's board (word x2 on 8H, letter x2 on 8I, word x3 on 9K): a play, a
// play through a tile, exchanges of letters and of a count, a withdrawn phony, a challenge
// bonus, a blank, passes with and without a rack, notes, the racks left and a time penalty.
const std::string kEveryKind = "#character-encoding UTF-8\n"
                               "#title Every kind of line\n"
                               "#lexicon test.dic\n"
                               "#description read and left alone\n"
                               "#player1 ann Ann \xC3\x85ngstr\xC3\xB6m\n"
                               "#player2 bob Bob\n"
                               "#note before the first move\n"
                               ">ann: ACT?QJX 8G CAT +12 12\n"
                               "#note a fine start\n"
                               ">bob: ODGEEEE I8 .O +2 2\n"
                               ">ann: ?QJXEEE -QJX +0 12\n"
                               ">bob: DGEEEER -3 +0 2\n"
                               ">ann: ?EEEAIS 9I .EE +9 21\n"
                               ">ann: ?EEEAIS -- -9 12\n"
                               ">bob: DGERSTU 10I UT +5 7\n"
                               ">bob: DGERSTU (challenge) +5 12\n"
                               ">ann: ?EEEAIS 11I sEA +7 19\n"
                               ">bob: DGERSAB - +0 12\n"
                               ">ann: - +0 19\n"
                               ">bob: DGERSAB - +0 12\n"
                               ">ann: EEISNOR (EEISNOR) -7 12\n"
                               ">bob: DGERSAB (DGERSAB) -11 1\n"
                               ">ann: (time) -10 2\n";
} // namespace

TEST(GcgRecord, ReplaysEveryKindOfLineInEitherEncodingWithAnyLineEndAndWritesItBackTheSameWay)
{
    // Without the encoding line a record is Latin-1.
    std::string latin1 = kEveryKind.substr(kEveryKind.find('\n') + 1);
    latin1.replace(latin1.find("\xC3\x85ngstr\xC3\xB6m"), 10, "\xC5ngstr\xF6m");
    for (const std::string& text : {kEveryKind, std::regex_replace(latin1, std::regex("\n"), "\r\n"),
                                    std::regex_replace(latin1, std::regex("\n"), "\r")}) {
        SCOPED_TRACE(text.substr(0, 30));
        RulesFixture f;
        GcgImporter importer(*f.game);
        ASSERT_TRUE(importer.importText(text)) << importer.error();
        EXPECT_EQ(importer.reports(), std::vector<std::string>{});
        EXPECT_EQ(importer.title(), "Every kind of line");

        const auto& rules = *f.game->rules();
        const auto& history = rules.history();
        ASSERT_EQ(history.size(), 11u);
        EXPECT_EQ(rules.historyPosition(), 10);
        EXPECT_STREQ(rules.players()[0].name, "Ann \xC3\x85ngstr\xC3\xB6m");
        EXPECT_TRUE(rules.isGameOver());
        EXPECT_EQ(history[3].exchanged, "QJX");
        EXPECT_STREQ(history[4].players[1].rack, "DGERSTU");
        // The withdrawn phony left no tile and counted as a pass; the blank lies as a joker S.
        const glyph::Board& board = f.game->board();
        EXPECT_EQ(board[9][10].letter, 0);
        EXPECT_EQ(history[5].passCount, 1);
        EXPECT_EQ(board[11][9], (glyph::Square{'S', 1}));
        EXPECT_EQ(board[10][10].letter, 'T');
        ASSERT_EQ(history[0].events.size(), 1u);
        EXPECT_EQ(history[0].events[0].text, "before the first move");
        EXPECT_EQ(history[1].events[0].text, "a fine start");
        EXPECT_EQ(history[6].events[0].kind, RecordEvent::Kind::ChallengeBonus);
        EXPECT_EQ(f.view.gameOverDialogs, 0);

        const std::string written = GcgWriter(*f.game).write(rules, importer.title());
        // Nicknames come from the names; the withdrawn phony follows its play; the exchange by
        // count is written with its letters; the last lines carry the final racks, scores and the
        // time penalty.
        const std::string ann = ">Ann_\xC3\x85ngstr\xC3\xB6m: ";
        EXPECT_NE(written.find("#player1 Ann_\xC3\x85ngstr\xC3\xB6m Ann \xC3\x85ngstr\xC3\xB6m\n"),
                  std::string::npos);
        EXPECT_NE(written.find(ann + "?EEEAIS 9I .EE +9 21\n" + ann + "?EEEAIS -- -9 12\n"),
                  std::string::npos)
            << written;
        EXPECT_NE(written.find(">Bob: DGEEEER -EEE +0 2\n"), std::string::npos) << written;
        EXPECT_NE(written.find(">Bob: DGERSAB - +0 12\n"), std::string::npos) << "a pass is no exchange";
        EXPECT_TRUE(written.ends_with(ann + "EEISNOR (EEISNOR) -7 12\n>Bob: DGERSAB (DGERSAB) -11 1\n" + ann +
                                      "EEISNOR (time) -10 2\n"))
            << written;
        ASSERT_TRUE(importer.importText(written)) << importer.error();
        EXPECT_EQ(GcgWriter(*f.game).write(*f.game->rules(), importer.title()), written);
    }
}

TEST(GcgRecord, ReportsScoresThatDifferAndReadsPlayThroughAsLetters)
{
    RulesFixture f;
    GcgImporter importer(*f.game);
    const std::string record = "#player1 ann Ann\n#player2 bob Bob\n"
                               ">ann: ACT?QJX 8G CAT +13 13\n"
                               ">bob: ODGEEEE I8 TO +2 2\n"
                               ">ann: ?QJX - +0 13\n";
    ASSERT_TRUE(importer.importText(record)) << importer.error();
    EXPECT_EQ(importer.reports(),
              (std::vector<std::string>{"Line 3: the record scores 13, the rules 12",
                                        "Line 5: Ann ends on 13 in the record, 12 by the rules"}));
    EXPECT_EQ(f.game->board()[9][9].letter, 'O');

    // An exchange by count gives up that many tiles, also when it draws the same letters back.
    RulesFixture g;
    GcgImporter counted(*g.game);
    ASSERT_TRUE(counted.importText("#player1 ann Ann\n#player2 bob Bob\n>ann: ACT?QJX -7 +0 0\n"
                                   ">bob: ODGEEEE - +0 0\n>ann: ACT?QJX - +0 0\n"))
        << counted.error();
    EXPECT_EQ(g.game->rules()->history()[1].exchanged.size(), 7u);
}

TEST(GcgRecord, RefusesDamagedAndHostileRecordsWithOneMessageAndChangesNothing)
{
    const std::string players = "#player1 ann Ann\n#player2 bob Bob\n";
    const std::string megabyteLine = "#note " + std::string(1 << 20, 'x') + "\n";
    std::string manyNotes = players;
    for (int line = 3; line <= 20001; ++line)
        manyNotes += "#note " + std::to_string(line) + "\n";
    // Exchanges are no passes, so turns of them could run on for ever.
    std::string manyTurns = players;
    for (int turn = 0; turn <= GcgImporter::kMaxTurns; ++turn)
        manyTurns += turn % 2 == 0 ? ">ann: AEINRST -AEINRST +0 0\n" : ">bob: AEINRST -AEINRST +0 0\n";
    std::string manyPlayers;
    for (int i = 1; i <= 10000; ++i)
        manyPlayers += "#player" + std::to_string(i) + " p" + std::to_string(i) + "\n";
    // The 100 tiles of the set deal a tile to 15 seats, not to 16: the 16th seat's line says so.
    const std::string sixteenPlayers =
        "#note the seats\n" + manyPlayers.substr(0, manyPlayers.find("#player17"));
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {players + ">ann: ACT?QJX 8G CAT +12 12\n\x01\x02\xff\n", "Line 4: the line holds binary data"},
        {std::string("#player1 a A\n\0\0\0", 16), "Line 2: the line holds binary data"},
        {players + megabyteLine, "Line 3: the line is longer than 65,536 characters"},
        {players + ">ann: ACT?QJX 8P CAT +12 12\n", "Line 3: the move CAT runs off the 15 x 15 board"},
        {players + ">ann: ACT?QJX H14 CAT +12 12\n", "Line 3: the move CAT runs off the 15 x 15 board"},
        {players + ">ann: ACT?QJX 8ZZ CAT +12 12\n", "Line 3: the move CAT runs off the 15 x 15 board"},
        {players + ">ann: ACT?QJX 8AAA CAT +12 12\n",
         "Line 3: the square 8AAA is neither 8D (across) nor D8 (down)"},
        {players + "#board-of-directors yes\n", "Line 3: unknown pragma #board-of-directors"},
        {manyPlayers, "Line 143: player 143 is not a seat from 1 to 142"},
        {sixteenPlayers, "Line 17: the letter set has 100 tiles: too few for 16 players"},
        {players + ">ann: ACT?QJX 8G CAT +99999999999 12\n",
         "Line 3: the score +99999999999 is out of range"},
        {players + ">ann: ACT?QJX 8G CAT +12 -1000000001\n", "Line 3: the score -1000000001 is out of range"},
        {">ann: ACT?QJX 8G CAT +12 12\n" + players, "Line 1: a move before any #player line"},
        {players + ">cid: ACT?QJX 8G CAT +12 12\n", "Line 3: no #player line names cid"},
        {players + ">bob: ACT?QJX 8G CAT +12 12\n", "Line 3: it is the turn of Ann, not of Bob"},
        {players + ">ann: ACT?QJX 8G CAT +12 12\n#player3 cid Cid\n",
         "Line 4: a #player line after the first move"},
        {players + ">ann: ACTQJXS 8G CAT?? +12 12\n",
         "Line 3: the word CAT?? holds other characters than letters and ."},
        {players + ">ann: ACT?QJX 8G .AT +12 12\n", "Line 3: the move plays through 8G, which is empty"},
        {players + ">ann: ACT?QJX 7G CAT +12 12\n", "Line 3: First word CAT MUST be on central line"},
        {players + ">ann: ACT?QJX 8G DOG +12 12\n",
         "Line 3: Move (H7)DOG needs letters that are not in the rack"},
        {players + ">ann: ACT?QJX 8G CAT +12 12\n>bob: ODGEEEE 8G D.. +2 2\n",
         "Line 4: the move has D on 8G, where the board holds C"},
        {players + ">ann: ZZZZ 8G CAT +12 12\n",
         "Line 3: the rack ZZZZ of Ann holds tiles that are neither in the bag "
         "nor free to take from a rack"},
        {players + ">ann: ACT?QJX -- -3 0\n", "Line 3: a withdrawal (--) that follows no play of ann"},
        {players + ">ann: (EIT) +3 3\n", "Line 3: end-of-game rack points while the game goes on"},
        {"#note nobody\n", "the record names no player (no #player1 line)"},
        {"#character-encoding UTF-8\n#player1 a \xC3\x28\n", "Line 2: the line is not UTF-8 text"},
        {players + "#character-encoding UTF-8\n", "Line 3: #character-encoding must be the first line"},
        // An overlong encoding and a surrogate are no UTF-8 either.
        {"#character-encoding UTF-8\n#player1 a \xE0\x80\xAF\n", "Line 2: the line is not UTF-8 text"},
        {"#character-encoding UTF-8\n#player1 a \xED\xA0\x80\n", "Line 2: the line is not UTF-8 text"},
        {"#player1 ann Ann\n#player2 ann Bob\n", "Line 2: two players have the nickname ann"},
        {manyNotes, "Line 20001: the record holds more than 20,000 lines"},
        {manyTurns, "Line 2003: the record holds more than 2,000 turns"},
        {players + ">ann: ACT -5 +0 0\n", "Line 3: the exchange gives up more tiles than the rack holds"},
    };
    for (const auto& item : cases) {
        GameInProgress target;
        const std::string before = target.state();
        GcgImporter importer(*target.game);
        EXPECT_FALSE(importer.importText(item.text));
        EXPECT_EQ(importer.error(), item.error) << item.text.substr(0, 200);
        EXPECT_EQ(target.state(), before) << item.error;
    }
    // A file that cannot be read or imported gives one warning.
    GameInProgress target;
    GcgImporter importer(*target.game);
    EXPECT_FALSE(importer.importFile(target.dir.path().string()));
    const std::string bad = target.dir.write("bad.gcg", "#player1 a A\n>a: - +0 x\n");
    EXPECT_FALSE(importer.importFile(bad));
    ASSERT_EQ(target.view.warnings.size(), 2u);
    EXPECT_EQ(target.view.warnings[1], "Can't import " + bad + ": Line 2: the score x is not a whole number");
    EXPECT_TRUE(importer.importFile(target.dir.write("good.gcg", kEveryKind)));
    EXPECT_EQ(target.view.warnings.size(), 2u);
    // Too many seats for the set: one warning, naming the line, and the rules say nothing else.
    const std::string crowded = target.dir.write("crowded.gcg", sixteenPlayers);
    EXPECT_FALSE(importer.importFile(crowded));
    ASSERT_EQ(target.view.warnings.size(), 3u);
    EXPECT_EQ(target.view.warnings[2],
              "Can't import " + crowded + ": Line 17: the letter set has 100 tiles: too few for 16 players");
    // Fifteen seats are dealt.
    const std::string fifteen = sixteenPlayers.substr(0, sixteenPlayers.find("#player16"));
    EXPECT_TRUE(importer.importFile(target.dir.write("fifteen.gcg", fifteen)));
    EXPECT_EQ(target.view.warnings.size(), 3u);
}

TEST(GcgRecord, ARecordCutAnywhereIsReadOrRefusedWithoutChangingTheGame)
{
    auto target = std::make_unique<GameInProgress>();
    std::string before = target->state();
    int refused = 0;
    auto tryImport = [&](const std::string& text) {
        GcgImporter importer(*target->game);
        if (importer.importText(text)) {
            target = std::make_unique<GameInProgress>();
            before = target->state();
            return;
        }
        ++refused;
        EXPECT_EQ(importer.error().find('\n'), std::string::npos);
        EXPECT_EQ(target->state(), before) << importer.error();
    };
    for (std::size_t cut = 0; cut < kEveryKind.size(); ++cut)
        tryImport(kEveryKind.substr(0, cut));
    EXPECT_GT(refused, 100);
    // Random bytes here and there: refused or read, never a crash, nothing half done.
    std::mt19937 random(23);
    for (int round = 0; round < 200; ++round) {
        std::string noisy = kEveryKind;
        for (int k = 0; k < 4; ++k)
            noisy[random() % noisy.size()] = static_cast<char>(random() % 256);
        tryImport(noisy);
    }
}

namespace
{
// The game as imported writes a record that reads back to a game writing the same record.
void expectWrittenRecordReadsBackTheSame(RulesFixture& f, GcgImporter& importer)
{
    const std::string written = GcgWriter(*f.game).write(*f.game->rules(), "");
    ASSERT_TRUE(importer.importText(written)) << importer.error();
    EXPECT_EQ(GcgWriter(*f.game).write(*f.game->rules(), ""), written);
}
} // namespace

TEST(GcgRecord, ANameCutToItsFieldWritesAndReadsBackTheSame)
{
    // A name longer than the player's field is cut; where the cut falls among blanks, the
    // blanks left at its end would be written and then trimmed when read back.
    for (const std::string& gap :
         {std::string(60, ' '), std::string(60, '\t'), std::string(47, ' ') + "\t  "}) {
        SCOPED_TRACE(gap.size());
        RulesFixture f;
        GcgImporter importer(*f.game);
        ASSERT_TRUE(importer.importText("#player1 ann Ann" + gap + "Smith\n#player2 bob Bob\n"))
            << importer.error();
        EXPECT_STREQ(f.game->rules()->players()[0].name, "Ann");
        expectWrittenRecordReadsBackTheSame(f, importer);
    }
}

TEST(GcgRecord, AnyNamesASavedGameHoldsWriteARecordThatReadsBack)
{
    // Nicknames kept apart however the names repeat, and names that are not UTF-8 (Latin-1, from
    // older saved games) or hold a control byte, written as text a reader takes.
    RulesFixture f;
    f.start({"A_3", "A", "A", "Ren\xE9",
             "Bo\x7F"
             "b"});
    GcgImporter importer(*f.game);
    expectWrittenRecordReadsBackTheSame(f, importer);
    EXPECT_STREQ(f.game->rules()->players()[3].name, "Ren\xC3\xA9");
}

TEST(GcgRecord, PlaysWithoutRacksKeepTheSizeOfTheRackOnceTheBagIsEmpty)
{
    // Ten tiles: Ann holds seven, Bob three, the bag none. Bob's DOG must be his three tiles
    // whatever he was dealt: he goes out, and Ann keeps her four.
    std::array<int, 27> counts{};
    for (const char letter : std::string("CAATTDOGSE"))
        ++counts[static_cast<std::size_t>(letter - 'A')];
    for (int deal = 0; deal < 20; ++deal) {
        SCOPED_TRACE(deal);
        RulesFixture f(glyph::test::kTestWords, counts);
        GcgImporter importer(*f.game);
        ASSERT_TRUE(importer.importText("#player1 ann Ann\n#player2 bob Bob\n"
                                        ">ann: 8G CAT +10 10\n>bob: J6 DOG +5 5\n"))
            << importer.error();
        const glyph::GameRules& rules = *f.game->rules();
        EXPECT_STREQ(rules.players()[1].rack, "");
        EXPECT_EQ(std::string(rules.players()[0].rack).size(), 4u);
        EXPECT_TRUE(rules.isGameOver());
    }
}

TEST(GcgRecord, AnExchangeOfNamedLettersWithoutARackGivesThePlayerThoseLetters)
{
    for (int deal = 0; deal < 10; ++deal) {
        SCOPED_TRACE(deal);
        RulesFixture f;
        GcgImporter importer(*f.game);
        ASSERT_TRUE(importer.importText("#player1 ann Ann\n#player2 bob Bob\n>ann: -QZ +0 0\n"))
            << importer.error();
        const glyph::HistoryEntry& exchange = f.game->rules()->history().back();
        EXPECT_EQ(exchange.exchanged, "QZ");
        EXPECT_EQ(std::string(exchange.players[0].rack).size(), 7u);
    }
}

TEST(GcgRecord, ARackLineWithoutTilesSaysNothing)
{
    RulesFixture f;
    GcgImporter importer(*f.game);
    ASSERT_TRUE(importer.importText("#player1 ann Ann\n#player2 bob Bob\n#rack1\n#rack2 \n"))
        << importer.error();
    EXPECT_EQ(std::string(f.game->rules()->players()[0].rack).size(), 7u);
    expectWrittenRecordReadsBackTheSame(f, importer);
}

TEST(GcgRecord, NamesColumnsAfterZAsAaAbAc)
{
    EXPECT_EQ(GcgWriter::columnName(27), "AA");
    for (int column = 1; column <= 26 * 27; ++column)
        ASSERT_EQ(glyph::GcgParser::columnNumber(GcgWriter::columnName(column)), column);
}

namespace
{

/// The game of `f` saved as .tc and loaded into `loaded`, which keeps scores and racks but no
/// record events and no exchanged letters.
void saveAndLoad(RulesFixture& f, RulesFixture& loaded)
{
    // An import gives the game rules of its own: the game's, not the fixture's first.
    ASSERT_TRUE(f.game->rules()->save(f.dir.file("game.tc")));
    ASSERT_TRUE(loaded.game->rules()->load(f.dir.file("game.tc")));
    loaded.game->rules()->goLast();
}

/// The letters after "-" of each exchange line of a record, in order, each sorted.
std::vector<std::string> exchangesIn(const std::string& record)
{
    std::vector<std::string> exchanges;
    const std::regex exchange(": [A-Z?]+ -([A-Z?]+) \\+0 ");
    for (auto it = std::sregex_iterator(record.begin(), record.end(), exchange); it != std::sregex_iterator();
         ++it) {
        std::string letters = (*it)[1];
        std::sort(letters.begin(), letters.end());
        exchanges.push_back(letters);
    }
    return exchanges;
}

} // namespace

TEST(GcgRecord, ASavedGameWritesTheLettersEachExchangeGaveUp)
{
    // Exchanges of one to seven tiles by the rules: the bag's order tells the tiles drawn, also
    // when one matches a letter given up or kept.
    glyph::random::seed(2024);
    RulesFixture f;
    f.start({"Ann", "Bob"});
    std::vector<std::string> given;
    int drawnBack = 0; // exchanges that drew a letter they gave up
    for (int turn = 0; turn < 40 && f.rules->canExchange(); ++turn) {
        const std::string rack = f.rules->currentPlayer().rack;
        const std::size_t count = 1 + turn % rack.size();
        const std::string letters = rack.substr(0, count);
        std::string kept = rack.substr(count);
        // The bag's tile after those drawn must not match the first kept one: an exchange of
        // that tile too would leave the same racks and bag, and no reader could tell them apart.
        const glyph::Bag& bag = f.rules->bag();
        const char following = bag.sequence()[static_cast<std::size_t>(bag.next()) + count];
        const auto differs = std::find_if(kept.begin(), kept.end(), [&](char c) { return c != following; });
        if (differs == kept.end() && !kept.empty())
            continue;
        std::rotate(kept.begin(), differs, kept.end());
        const std::string drawn(bag.sequence().data() + bag.next(), count);
        drawnBack += std::any_of(drawn.begin(), drawn.end(),
                                 [&](char c) { return letters.find(c) != std::string::npos; });
        ASSERT_TRUE(f.rules->passOrExchange(letters, kept));
        std::string shown = glyph::letters::toUserText(letters);
        std::sort(shown.begin(), shown.end());
        given.push_back(shown);
    }
    ASSERT_GE(given.size(), 20u);
    ASSERT_GT(drawnBack, 0) << "no exchange drew a letter it gave up";
    RulesFixture loaded;
    saveAndLoad(f, loaded);
    EXPECT_EQ(exchangesIn(GcgWriter(*loaded.game).write(*loaded.game->rules())), given);

    // Racks set in a record's order, the kept letters first: the letters the rack after lacks.
    RulesFixture imported;
    GcgImporter importer(*imported.game);
    ASSERT_TRUE(importer.importText("#player1 al Al\n#player2 bo Bo\n>al: AEINRST -AEI +0 0\n"
                                    ">bo: CDEHLOO - +0 0\n>al: NRSTUVW - +0 0\n"))
        << importer.error();
    RulesFixture reloaded;
    saveAndLoad(imported, reloaded);
    EXPECT_EQ(exchangesIn(GcgWriter(*reloaded.game).write(*reloaded.game->rules())),
              std::vector<std::string>{"AEI"});
}

TEST(GcgRecord, ASavedGameWritesTotalsThatAddUpToItsScores)
{
    // A saved game keeps the points of challenges and time penalties in the scores but not the
    // lines that gave them: the record carries them so that its totals end on the same scores,
    // turn by turn, and reads back to them.
    RulesFixture f;
    GcgImporter importer(*f.game);
    ASSERT_TRUE(importer.importText(kEveryKind)) << importer.error();
    RulesFixture loaded;
    saveAndLoad(f, loaded);
    const std::string written = GcgWriter(*loaded.game).write(*loaded.game->rules());
    GcgImporter again(*loaded.game);
    ASSERT_TRUE(again.importText(written)) << again.error() << "\n" << written;
    EXPECT_EQ(again.reports(), std::vector<std::string>{}) << written;
    const auto& before = f.game->rules()->history();
    const auto& after = loaded.game->rules()->history();
    ASSERT_EQ(after.size(), before.size()) << written;
    for (std::size_t turn = 0; turn < before.size(); ++turn)
        for (std::size_t seat = 0; seat < before[turn].players.size(); ++seat)
            EXPECT_EQ(after[turn].players[seat].score, before[turn].players[seat].score)
                << "turn " << turn << ", seat " << seat << "\n"
                << written;
    EXPECT_NE(written.find(" (challenge) +5 12\n"), std::string::npos) << written;
    EXPECT_TRUE(written.ends_with("EEISNOR (time) -10 2\n")) << written;
}
