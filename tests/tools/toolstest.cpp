// The command-line tools glyphdict and glyphplay, run as a user runs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/board.h"
#include "support/readonlyfolder.h"
#include "support/toolrun.h"

using glyph::test::quoted;
using glyph::test::TempDir;
using glyph::test::ToolRun;

namespace
{

// Runs glyphplay from `folder` (dist/, where the relative data paths hold, unless given).
ToolRun glyphplay(const TempDir& dir, const std::string& arguments,
                  const std::string& folder = GLYPH_DIST_DIR)
{
    return glyph::test::runTool(dir, "( cd " + quoted(folder) + " && " + quoted(GLYPH_DIST_DIR "/glyphplay") +
                                         " " + arguments + " )");
}

// Makes dir/game a game folder whose `shipped` data folders are those of dist/; the others are
// the test's own to fill.
void gameFolderSharing(const TempDir& dir, std::initializer_list<const char*> shipped)
{
    std::filesystem::create_directories(dir.path() / "game");
    for (const char* data : shipped)
        std::filesystem::create_directory_symlink(std::string(GLYPH_DIST_DIR "/") + data,
                                                  dir.path() / "game" / data);
}

class Glyphdict : public ::testing::Test
{
protected:
    // A game folder: Dictionaries/words.dic built from an unsorted list, the shipped English set.
    // The list's other lines stay out of the dictionary: neither ICE nor R is a word of it.
    void SetUp() override
    {
        std::filesystem::create_directories(dir.path() / "Dictionaries");
        std::filesystem::create_directories(dir.path() / "Sets");
        std::filesystem::copy_file(GLYPH_DIST_DIR "/Sets/English.set", dir.file("Sets/English.set"));
        const std::string x34(34, 'x');
        const std::string list = dir.write("words.txt", "tan\nan\n# mine\nin\nact\ncat's\ncat\nice-cream\n"
                                                        "r\xC3\xA9sum\xC3\xA9\nlevel\n" +
                                                            x34 + "\nnoon\nvat\n");
        const ToolRun built = run("build " + quoted(list) + " " + dic + " --author Me");
        ASSERT_EQ(built.status, 0) << built.err;
        EXPECT_NE(built.err.find("Left out 5 lines"), std::string::npos) << built.err;
    }

    ToolRun run(const std::string& arguments) { return glyph::test::glyphdict(dir, arguments); }

    // What a search printed, up to the time on its last line ("Total: N\t00:000 sec").
    std::string searched(const std::string& arguments)
    {
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_TRUE(result.out.ends_with(" sec\n")) << result.out;
        return result.out.substr(0, result.out.rfind('\t'));
    }

    TempDir dir;
    const std::string dic = quoted(dir.file("Dictionaries/words.dic"));
};

} // namespace

TEST_F(Glyphdict, SearchesStudiesLooksUpEditsListsAndDescribesADictionary)
{
    // Values from the letter set beside the dictionary's folder, or the one given.
    const std::pair<std::string, std::string> cases[] = {
        {"anagram " + dic + " TAC", "ACT\t5\t1\t2\t3\nCAT\t5\t1\t2\t3\nTotal: 2"},
        {"search " + dic + " '*' --limit 2 --set " + quoted(GLYPH_DIST_DIR "/Sets/English.set"),
         "ACT\t5\t1\t2\t3\nAN\t2\t1\t1\t2\nTotal: 8"},
        {"advanced " + dic +
             " '?AT*' --min-length 3 --max-length 4 --min-value 4 --max-value 6 --forced T "
             "--optional CATV --banned S",
         "CAT\t5\t1\t2\t3\nVAT\t6\t1\t2\t3\nTotal: 2"},
        {"palindromes " + dic, "LEVEL\t8\t2\t3\t5\nNOON\t4\t2\t2\t4\nTotal: 2"},
        // Joker letters in lower case and worth nothing; plus one names the added letter.
        {"fromrack " + dic + " TA?",
         "AcT\t2\t1\t2\t3\ncAT\t2\t1\t2\t3\nTAn\t2\t1\t2\t3\nvAT\t2\t1\t2\t3\nAn\t1\t1\t1\t2\nTotal: 5"},
        {"plusone " + dic + " ta",
         "ACT\tC\t5\t1\t2\t3\nCAT\tC\t5\t1\t2\t3\nTAN\tN\t3\t1\t2\t3\nVAT\tV\t6\t1\t2\t3\nTotal: 4"},
        // The most likely first, with the rank within the length: more A, N and T than C and V.
        {"search " + dic + " '\?\?\?' --order probability",
         "TAN\t3\t1\t2\t3\t1\nACT\t5\t1\t2\t3\t2\nCAT\t5\t1\t2\t3\t2\nVAT\t6\t1\t2\t3\t2\nTotal: 4"},
        {"fromrack " + dic + " TAN --order probability --limit 1", "AN\t2\t1\t1\t2\t1\nTotal: 2"},
        // Letters with marks are searched plain, as the window takes them, whether typed as one
        // character or as a letter and its combining mark.
        {"search " + dic + " '\xC8\x9A?N'", "TAN\t3\t1\t2\t3\nTotal: 1"},
        {"search " + dic + " 'T\xC3\xA2*'", "TAN\t3\t1\t2\t3\nTotal: 1"},
        {"anagram " + dic + " 'c\xC5\xA2\xC4\x83'", "ACT\t5\t1\t2\t3\nCAT\t5\t1\t2\t3\nTotal: 2"},
        {"advanced " + dic + " '*' --max-length 9 --max-value 99 --forced 'T\xCC\xA6' --banned '\xC3\x8E'",
         "ACT\t5\t1\t2\t3\nCAT\t5\t1\t2\t3\nTAN\t3\t1\t2\t3\nVAT\t6\t1\t2\t3\nTotal: 4"},
        {"plusone " + dic + " '\xC8\x9B\xC3\xA1'",
         "ACT\tC\t5\t1\t2\t3\nCAT\tC\t5\t1\t2\t3\nTAN\tN\t3\t1\t2\t3\nVAT\tV\t6\t1\t2\t3\nTotal: 4"},
    };
    for (const auto& [arguments, output] : cases)
        EXPECT_EQ(searched(arguments), output) << arguments;
    // A set named as the dictionary, beside its folder, gives the values (Romanian: C and T are 1).
    std::filesystem::copy_file(GLYPH_DIST_DIR "/Sets/Romana.set", dir.file("Sets/other.set"));
    std::filesystem::copy_file(dir.file("Dictionaries/words.dic"), dir.file("Dictionaries/other.dic"));
    EXPECT_EQ(searched("anagram " + quoted(dir.file("Dictionaries/other.dic")) + " TAC"),
              "ACT\t3\t1\t2\t3\nCAT\t3\t1\t2\t3\nTotal: 2");
    const std::string speed = searched("speed " + dic + " --seconds 0");
    EXPECT_TRUE(speed.starts_with(" Current ") && speed.ends_with("\nTotal: 1")) << speed;

    ToolRun result = run("hooks " + dic + " at Tan an");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "CV\tAT\t\n\t.TAN\t\nT\tAN\t\n");
    result = run("lookup " + dic + " an TAN ta an1 qzx ice r '\xC8\x9A\xC4\x82N' '\xC3\xA6n'");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              "an yes\nTAN yes\nta no\nan1 no\nqzx no\nice no\nr no\n\xC8\x9A\xC4\x82N yes\n\xC3\xA6n no\n");
    EXPECT_EQ(run("lookup " + dic + " an in").status, 0);

    // Words out of order and of either case; the old file, under a second name, keeps its bytes.
    const std::string before = dir.read("Dictionaries/words.dic");
    std::filesystem::create_hard_link(dir.file("Dictionaries/words.dic"), dir.file("old.dic"));
    const std::string q29(29, 'Q');
    ASSERT_EQ(run("add " + dic + " Zebra bat " + q29).status, 0);
    ASSERT_EQ(run("delete " + dic + " vat level Cat noon").status, 0);
    EXPECT_EQ(dir.read("old.dic"), before);
    EXPECT_EQ(run("list " + dic).out, "ACT\nAN\nBAT\nIN\n" + q29 + "\nTAN\nZEBRA\n");
    result = run("info " + dic);
    EXPECT_NE(result.out.find("Author: Me\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Words: 7\n"), std::string::npos) << result.out;

    // A word the dictionary cannot store stops the whole edit: too long, or not letters A-Z.
    const std::string edited = dir.read("Dictionaries/words.dic");
    const std::string refused[] = {std::string(30, 'Q'), "cat's", "caf\xc3\xa9"};
    for (const std::string& word : refused)
        for (const char* command : {"add ", "delete "}) {
            result = run(command + dic + " dog " + quoted(word));
            EXPECT_EQ(result.status, 2) << word;
            EXPECT_EQ(result.err, "glyphdict: not a word of 1 to 29 letters A-Z: " + word + "\n");
        }
    EXPECT_EQ(dir.read("Dictionaries/words.dic"), edited);
}

TEST_F(Glyphdict, ErrorsAreOneLineOnStderrWithANonZeroStatusAndTheListIsNeverBuiltOver)
{
    const std::string bad = dir.write("bad.dic", "Not a dictionary at all");
    const std::string list = dir.write("sorted.txt", "ACT\nACT\nAN\nCAT\nCAT\n");
    const std::string link = dir.file("link.txt");
    std::filesystem::create_symlink(list, link);
    const std::string itself = " is the word list itself; the dictionary needs another file\n";
    const struct {
        std::string arguments;
        int status;
        std::string message; // the start of stderr, one line when the status is 1
    } cases[] = {
        {"add " + quoted(bad) + " cat", 1, "glyphdict: Invalid " + bad + " file\n"},
        {"anagram " + dic + " TAC --set " + quoted(dir.file("none.set")), 1, "glyphdict: Can't open"},
        {"frobnicate", 2, "glyphdict: unknown command"},
        {"search " + dic + " CAT --bogus 1", 2, "glyphdict: unknown option --bogus"},
        {"anagram " + dic, 2, "usage: glyphdict anagram DIC LETTERS"},
        {"fromrack " + dic + " 'AB\?\?\?'", 2,
         "glyphdict: a rack is 1 to 38 letters and at most 2 '?' jokers: AB???"},
        {"plusone " + dic + " TA --order best", 2, "glyphdict: unknown order best (natural or probability)"},
        {"hooks " + dic + " " + quoted("cat's"), 1, "glyphdict: not a word of letters A-Z: cat's\n"},
        {"build /tmp " + quoted(dir.file("out.dic")), 1, "glyphdict: "},
        {"build " + quoted(list) + " " + quoted(list), 1, "glyphdict: " + list + itself},
        {"build " + quoted(list) + " " + quoted(link), 1, "glyphdict: " + link + itself},
        {"speed " + dic + " --seconds 2147483647abc", 2,
         "glyphdict: --seconds takes a whole number, not 2147483647abc\n"},
        {"search " + dic + " '*' --limit 5x", 2, "glyphdict: --limit takes a whole number, not 5x\n"},
        {"advanced " + dic + " '*' --min-length -1", 2,
         "glyphdict: --min-length takes a whole number, not -1\n"},
        {"search " + dic + " '*' --limit ''", 2, "glyphdict: --limit takes a whole number, not \n"},
        {"search " + dic + " '*' --limit 4294967296", 2,
         "glyphdict: --limit takes a whole number, not 4294967296\n"},
        // A character no plain letter stands for is refused by name, never dropped.
        {"search " + dic + " 'STRA\xC3\x9F*'", 2,
         "glyphdict: '\xC3\x9F' is no letter A-Z, even without its marks: STRA\xC3\x9F*\n"},
        {"advanced " + dic + " '*' --banned '\xCE\xB1'", 2,
         "glyphdict: '\xCE\xB1' is no letter A-Z, even without its marks: \xCE\xB1\n"},
        {"anagram " + dic + " 'T\xC3\xA6'", 2, "glyphdict: '\xC3\xA6' is no letter A-Z"},
    };
    for (const auto& c : cases) {
        const ToolRun result = run(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_EQ(result.err.rfind(c.message, 0), 0u) << c.arguments << ": " << result.err;
        EXPECT_TRUE(c.status != 1 || std::count(result.err.begin(), result.err.end(), '\n') == 1)
            << result.err;
    }
    EXPECT_EQ(dir.read("bad.dic"), "Not a dictionary at all");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.dic")));
    EXPECT_EQ(dir.read("sorted.txt"), "ACT\nACT\nAN\nCAT\nCAT\n");
    EXPECT_EQ(run("search " + dic + " '*' --limit 4294967295").status, 0);

    // A build that fails names the file it could not write, after its progress lines.
    const ToolRun unwritable = run("build " + quoted(list) + " " + quoted(dir.file("none/out.dic")));
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.ends_with("\nglyphdict: could not write " + dir.file("none/out.dic") + "\n"))
        << unwritable.err;

    const ToolRun full = glyph::test::runTool(dir, "( " + quoted(GLYPH_DIST_DIR "/glyphdict") + " list " +
                                                       dic + " > /dev/full )");
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err.rfind("glyphdict: cannot write to standard output", 0), 0u) << full.err;
    const ToolRun help = run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("\n  anagram DIC LETTERS"), std::string::npos) << help.out;
}

TEST(Glyphplay, PlaysListsExportsImportsAndAnalysesCheckedGamesOnEveryBoardAndRefusesBadInputWithOneLine)
{
    // Started from a folder without data, it uses the data beside it and keeps file arguments
    // relative to the folder it was started from.
    TempDir dir;
    const std::string folder = dir.path().string();
    // Narrow boards block quickly; there an exchange (which is no pass) could go on forever.
    const std::string shapes[] = {"1 --cols 1",  "1 --cols 29", "29 --cols 1", "2 --cols 2",  "3 --cols 29",
                                  "29 --cols 3", "28 --cols 5", "5 --cols 28", "15 --cols 15"};
    const std::string selfplay = "selfplay --games 2 --players Strategist.cpu,Beginner.cpu,Greedy.cpu,"
                                 "Casual.cpu --seed 3 --check --save last.tc --rows ";
    for (const std::string& shape : shapes) {
        const ToolRun run = glyphplay(dir, selfplay + shape, folder);
        EXPECT_EQ(run.status, 0) << shape << "\n" << run.out << run.err;
        // Each game has one win, shared among the players who tie (shown to one decimal).
        double wins = 0;
        for (std::size_t at = run.out.find("wins "); at != std::string::npos;
             at = run.out.find("wins ", at + 1))
            wins += std::stod(run.out.substr(at + 5));
        EXPECT_NEAR(wins, 2.0, 0.25) << shape << "\n" << run.out;
    }

    // Seats rotate: the second game (the one saved) seats the second profile first.
    const std::string last = dir.read("last.tc");
    EXPECT_LT(last.find("Beginner 2"), last.find("Strategist 1"));

    // A line "notation score" per move in the generator's order (its own tests check the order),
    // the pass among them; a script sees the same list.
    ToolRun run = glyphplay(dir, "moves last.tc --entry 2", folder);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nPAS / CHANGE 0\n"), std::string::npos) << run.out;
    const std::string best = run.out.substr(0, run.out.find('\n'));
    const auto moveCount = std::count(run.out.begin(), run.out.end(), '\n');

    const std::string saved = quoted(dir.file("last.tc"));
    const std::string script =
        dir.write("Say.cpu", "Debug('moves', MovesNumber())\nSetSolution(MoveAt(0))\n");
    run = glyphplay(dir, "script " + quoted(script) + " " + saved + " --entry 2");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "moves " + std::to_string(moveCount) + "\nbest: " + best + "\nsolution: " + best + "\n");

    // Bad arguments, profiles and files are refused with one line.
    const std::string broken = quoted(dir.write("Broken.cpu", "local x = = 1\n"));
    run = glyphplay(dir, "script " + broken + " " + saved);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.rfind("Error: [string \"local x = = 1...\"]:1:", 0), 0u) << run.out;

    for (const char* arguments :
         {"", "selfplay --games 0 --players Greedy.cpu,Greedy.cpu",
          "selfplay --games 2x --players Greedy.cpu,Greedy.cpu", "selfplay --games 2 --players Greedy.cpu",
          "selfplay --players Greedy.cpu,Greedy.cpu --rows 30 --cols 5"})
        EXPECT_EQ(glyphplay(dir, arguments).status, 2) << arguments;
    std::string many = "Greedy.cpu";
    for (int i = 1; i < 150; ++i)
        many += ",Greedy.cpu";
    run = glyphplay(dir, "selfplay --games 1 --players " + many + " --save " + quoted(dir.file("x.tc")));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "glyphplay: 150 players given, a game seats at most 142\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.tc")));

    const std::string profile = quoted(dir.write("Pass.cpu", "\n"));
    for (const std::string& arguments :
         {std::string("selfplay --games 2 --players Greedy.cpu,Nobody.cpu"),
          std::string("selfplay --games 1 --players ../Profiles/Greedy.cpu,Greedy.cpu"),
          "moves " + saved + " --entry 9999", std::string("moves /tmp"), "script /tmp " + saved,
          "script " + profile + " /tmp", "moves " + saved + " > /dev/full"}) {
        run = glyphplay(dir, arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << run.err;
    }

    // The saved game as a GCG record, imported and exported again to the same text.
    run = glyphplay(dir, "export last.tc game.gcg", folder);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string record = dir.read("game.gcg");
    EXPECT_EQ(
        record.rfind("#character-encoding UTF-8\n#title Beginner 2 vs Greedy 3 vs Casual 4 vs Strategist 1\n"
                     "#lexicon English.dic\n#player1 Beginner_2 Beginner 2\n",
                     0),
        0u)
        << record;
    run = glyphplay(dir, "import game.gcg again.tc", folder);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.ends_with(" turns imported\n")) << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    ASSERT_EQ(glyphplay(dir, "export again.tc again.gcg", folder).status, 0);
    EXPECT_EQ(dir.read("again.gcg"), record);

    // A row per turn, then a summary row per player.
    run = glyphplay(dir, "analyze game.gcg", folder);
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(record);
    long long turns = 0;
    for (std::string line; std::getline(lines, line);)
        turns += line[0] == '>' && line.find(" (") == std::string::npos;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1 + turns + 2 + 4) << run.out;
    for (const char* name : {"\nStrategist 1 ", "\nBeginner 2 ", "\nGreedy 3 ", "\nCasual 4 "})
        EXPECT_NE(run.out.find(name), std::string::npos) << run.out;

    // An import whose save fails claims nothing; a long name is cut between its characters.
    run = glyphplay(dir, "import game.gcg /nonexistent/again.tc", folder);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    std::string breves;
    for (int i = 0; i < 16; ++i)
        breves += "\xC4\x82";
    const std::string named = quoted(
        dir.write("named.gcg", "#character-encoding UTF-8\n#player1 a a" + breves + "\n#player2 b B\n"));
    run = glyphplay(dir, "analyze " + named, folder);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\na" + breves.substr(0, 30) + " "), std::string::npos) << run.out;

    const std::string bad = quoted(dir.write("bad.gcg", "#player1 a A\n>a: 8H ZZZZZZZZZ +0 0\n"));
    for (const std::string& arguments :
         {"import " + bad + " out.tc", "analyze " + bad, std::string("export nothing.tc out.gcg"),
          std::string("export last.tc /nonexistent/out.gcg")}) {
        run = glyphplay(dir, arguments, folder);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.tc")));
    EXPECT_EQ(glyphplay(dir, "import game.gcg", folder).status, 2);
}

// The shipped dictionaries: English made for word games, without the abbreviations of a spelling
// list; Romanian made by the build from hunspell-ro, and computer games played on it with its set.
TEST(ShippedData, DictionariesHoldTheGameWordsAndComputerPlayersFinishRomanianGames)
{
    TempDir dir;
    const std::string english = "lookup " + quoted(GLYPH_DIST_DIR "/Dictionaries/English.dic") + " ";
    EXPECT_EQ(glyph::test::glyphdict(dir, english + "qi za xu quixotic bd qt tv").out,
              "qi yes\nza yes\nxu yes\nquixotic yes\nbd no\nqt no\ntv no\n");
    const std::string lookup = "lookup " + quoted(GLYPH_DIST_DIR "/Dictionaries/Romana.dic") + " ";
    // casă, țară, încă, șarpe, pâine, învățătoare: diacritics folded to the set's letters.
    EXPECT_EQ(glyph::test::glyphdict(dir, lookup + "casa tara inca sarpe paine invatatoare").status, 0);
    // Not there: proper names, words the set cannot spell even with its jokers (k, e, y, w: three
    // letters the set lacks), and words of more than 15 letters.
    EXPECT_EQ(glyph::test::glyphdict(dir, lookup + "bucuresti keyword neabacterianului").out,
              "bucuresti no\nkeyword no\nneabacterianului no\n");
    // Nor abbreviations, acronyms, units or Roman numerals; the interjections hm and st stay.
    EXPECT_EQ(glyph::test::glyphdict(dir, lookup + "bd dv etc cm kg dvd pdf ssh xml usb xiv hm st").out,
              "bd no\ndv no\netc no\ncm no\nkg no\ndvd no\npdf no\nssh no\nxml no\nusb no\nxiv no\n"
              "hm yes\nst yes\n");
    std::ifstream list(GLYPH_DIST_DIR "/Dictionaries/Romana.txt");
    std::vector<std::string> withoutVowel;
    for (std::string word; std::getline(list, word);)
        if (word.find_first_of("aeiou") == std::string::npos)
            withoutVowel.push_back(word);
    EXPECT_EQ(withoutVowel, (std::vector<std::string>{"hm", "st"}));
    // The About box credits the English list the build uses.
    std::ifstream authors(GLYPH_DIST_DIR "/Help/Author.html");
    const std::string credits{std::istreambuf_iterator<char>(authors), {}};
    EXPECT_NE(credits.find("<i>word-list</i> package by Sindre Sorhus"), std::string::npos) << credits;

    gameFolderSharing(dir, {"Sets", "Dictionaries", "Profiles"});
    std::filesystem::create_directories(dir.path() / "game/Games");
    dir.write("game/Preferences.ini",
              "GameDictionaryKey\nDictionaries/Romana.dic\nGameSetKey\nSets/Romana.set\n");
    const ToolRun run = glyphplay(
        dir, "selfplay --games 4 --players Greedy.cpu,Strategist.cpu --seed 3 --check", dir.file("game"));
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
}

// The Expert, cut to a few rounds a move, plays checked games to their end with every option of
// its exchange, also on a narrow board where moves soon run out; its script never fails.
TEST(ShippedData, TheExpertFinishesCheckedGamesWithoutAScriptError)
{
    TempDir dir;
    for (const std::string weigh : {"false", "true"})
        for (const std::string shape : {"15 --cols 15", "3 --cols 29"}) {
            const ToolRun run =
                glyphplay(dir, "selfplay --games 2 --players Expert.cpu,Strategist.cpu --seed 5 "
                               "--check --setup \"ExpertRounds=4 ExpertMilliseconds=50 "
                               "ExpertWeighExchange=" +
                                   weigh + "\" --rows " + shape);
            EXPECT_EQ(run.status, 0) << weigh << " " << shape << "\n" << run.out << run.err;
            EXPECT_TRUE(run.err.empty()) << weigh << " " << shape << "\n" << run.err;
            EXPECT_NE(run.out.find("2 games in"), std::string::npos) << run.out;
        }
}

// A global kept by a profile never reaches the next game: a seeded game plays the same whatever
// thread plays it and whatever it played before.
TEST(Glyphplay, StartsEveryGameWithFreshProfileGlobals)
{
    TempDir dir;
    gameFolderSharing(dir, {"Sets", "Dictionaries"});
    std::filesystem::create_directories(dir.path() / "game/Profiles");
    dir.write("game/Profiles/Greedy.cpu", "");
    // Greedy while it has played fewer than 30 turns (no two-player game lasts that long), then
    // passes: a count carried over from earlier games would make it pass by the third game.
    dir.write("game/Profiles/Counting.cpu",
              "Turns = (Turns or 0) + 1\n"
              "if Turns > 30 then SetSolution(MoveAt(MovesNumber() - 1)) end\n");
    const auto results = [&](const std::string& players, const std::string& threads) {
        const ToolRun run =
            glyphplay(dir, "selfplay --games 6 --seed 4 --players " + players + threads, dir.file("game"));
        EXPECT_EQ(run.status, 0) << run.err;
        std::string wins;
        for (std::size_t at = run.out.find("wins "); at != std::string::npos;
             at = run.out.find("wins ", at + 1))
            wins += run.out.substr(at, run.out.find('\n', at) - at) + "\n";
        return wins;
    };
    const std::string greedy = results("Greedy.cpu,Greedy.cpu", "");
    ASSERT_NE(greedy.find("average score"), std::string::npos) << greedy;
    EXPECT_EQ(results("Counting.cpu,Greedy.cpu", " --threads 1"), greedy);
    EXPECT_EQ(results("Counting.cpu,Greedy.cpu", " --threads 2"), greedy);
}

// A set of more tiles than the bag holds fills the bag with a choice of them: the check counts
// the tiles in play against that, not against the whole set; a set the bag holds whole is
// checked letter by letter.
TEST(Glyphplay, ChecksTheTilesOfASetLargerThanTheBag)
{
    TempDir dir;
    gameFolderSharing(dir, {"Dictionaries", "Profiles"});
    std::filesystem::create_directories(dir.path() / "game/Sets");
    dir.write("game/Preferences.ini", "GameSetKey\nSets/Big.set\n");
    // 27 x 37 tiles fill the bag exactly; more are cut to the bag's 999.
    for (const char* tilesPerLetter : {"37", "40", "32767"}) {
        std::string set;
        for (int letter = 0; letter < glyph::kLetterCount; ++letter)
            set += std::string(tilesPerLetter) + " 1 1\n";
        dir.write("game/Sets/Big.set", set);
        const ToolRun run = glyphplay(
            dir, "selfplay --games 2 --players Greedy.cpu,Greedy.cpu --seed 3 --check", dir.file("game"));
        EXPECT_EQ(run.status, 0) << tilesPerLetter << "\n" << run.out << run.err;
        EXPECT_NE(run.out.find("2 games in"), std::string::npos) << tilesPerLetter << "\n" << run.out;
    }
}

TEST(Glyphplay, TrainsLeaveValuesReproduciblyFromTheSeed)
{
    TempDir dir;
    const std::string common =
        "train-leaves --set Sets/English.set --dictionary Dictionaries/English.dic --games 6 ";
    const std::string runs[][2] = {{"--seed 7 --threads 1", "one.leaves"},
                                   {"--seed 7 --threads 2", "two.leaves"},
                                   {"--seed 8", "other.leaves"}};
    for (const auto& [options, file] : runs) {
        const ToolRun run = glyphplay(dir, common + options + " --out " + quoted(dir.file(file)));
        ASSERT_EQ(run.status, 0) << options << run.err;
        EXPECT_NE(run.out.find("6 games"), std::string::npos) << run.out;
    }
    EXPECT_EQ(dir.read("one.leaves"), dir.read("two.leaves"));
    EXPECT_NE(dir.read("one.leaves"), dir.read("other.leaves"));
    EXPECT_NE(dir.read("one.leaves").find("tile ? "), std::string::npos);

    // The training plays on the standard board whatever settings the working folder holds.
    dir.write("Preferences.ini", "TableRowsKey\n5\nTableColumnsKey\n5\nGameBonusKey\n0\n");
    const std::string data = quoted(GLYPH_DIST_DIR);
    const ToolRun elsewhere =
        glyphplay(dir,
                  "train-leaves --set " + data + "/Sets/English.set --dictionary " + data +
                      "/Dictionaries/English.dic --games 6 --seed 7 --out " + quoted(dir.file("here.leaves")),
                  dir.path().string());
    ASSERT_EQ(elsewhere.status, 0) << elsewhere.err;
    EXPECT_EQ(dir.read("here.leaves"), dir.read("one.leaves"));

    EXPECT_EQ(glyphplay(dir, common + "--out x.leaves").status, 2) << "no seed";
    const ToolRun run =
        glyphplay(dir, "train-leaves --set /tmp --dictionary Dictionaries/English.dic --games 2 "
                       "--seed 1 --out " +
                           quoted(dir.file("x.leaves")));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.leaves")));
}

TEST(GlyphdictBuild, AnUnsortedListThatCannotBeRewrittenIsBuiltWithAWarningNamingIt)
{
    TempDir dir;
    const std::string list = "ZEBRA\nCAT\nDOG\n";
    const glyph::test::ReadOnlyFolder readOnly(dir.path() / "locked", [&](const std::filesystem::path& path) {
        std::ofstream(path / "list.txt") << list;
    });
    if (!readOnly.isLocked())
        GTEST_SKIP() << "no folder this user cannot write (root where no tmpfs may be mounted)";
    const std::string source = dir.file("locked/list.txt"), dic = dir.file("out.dic");
    const ToolRun built = glyph::test::glyphdict(dir, "build " + quoted(source) + " " + quoted(dic));
    EXPECT_EQ(built.status, 0) << built.err;
    EXPECT_NE(built.err.find("\nglyphdict: warning: could not reorder " + source +
                             " in place; it stays as it was, and the dictionary was built from its "
                             "words sorted in memory\nWrote " +
                             dic + ": 3 words"),
              std::string::npos)
        << built.err;
    EXPECT_EQ(dir.read("locked/list.txt"), list);
    EXPECT_EQ(glyph::test::glyphdict(dir, "list " + quoted(dic)).out, "CAT\nDOG\nZEBRA\n");
}
