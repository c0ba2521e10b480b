// glyphplay: plays, lists and tests computer players from the command line, with the game's
// data and preferences found as the window finds them (a portable copy's folder, else the
// installed data and the user's folders).
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ai/aiplayers.h"
#include "ai/leavetrainer.h"
#include "ai/luahost.h"
#include "ai/movegenerator.h"
#include "base/board.h"
#include "base/letters.h"
#include "base/regularfile.h"
#include "engine/game.h"
#include "engine/gameclassic.h"
#include "engine/player.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"
#include "recordcommands.h"
#include "selfplay.h"
#include "toolview.h"
#include "userfolders.h"

namespace
{

using glyph::Game;
using glyph::Move;
using glyph::RegularFile;

/// Largest profile read, as in the profile editor.
constexpr std::uint64_t kMaxProfileBytes = 8 * 1024 * 1024;

const char* const kUsage =
    "usage:\n"
    "  glyphplay selfplay --games N --players PROFILE,PROFILE[,...] [--seed S] [--check] [--save FILE.tc]\n"
    "           [--rows R --cols C] [--threads T] [--setup LUA]\n"
    "  glyphplay moves GAME.tc [--entry K]\n"
    "  glyphplay script PROFILE.cpu GAME.tc [--entry K]\n"
    "  glyphplay train-leaves --set SET --dictionary DIC --games N --seed K --out FILE [--threads T]\n"
    "  glyphplay export GAME.tc OUT.gcg [--rows R --cols C]\n"
    "  glyphplay import GAME.gcg OUT.tc [--rows R --cols C]\n"
    "  glyphplay analyze GAME.tc|GAME.gcg [--rows R --cols C]\n"
    "Profiles are file names in Profiles/ of the user's data folder or of the game's data\n"
    "(a portable copy's folder: the working folder or the program's folder when they hold\n"
    "the data, else ~/.local/share/glyphmosaic and the installed data).\n";

int usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

bool parseNumber(const std::string& text, long long low, long long high, long long& out)
{
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end != 0 || value < low || value > high)
        return false;
    out = value;
    return true;
}

std::vector<std::string> splitList(const std::string& text)
{
    std::vector<std::string> items;
    std::stringstream stream(text);
    for (std::string item; std::getline(stream, item, ',');)
        if (!item.empty())
            items.push_back(item);
    return items;
}

std::string moveLine(const Game& game, const Move& move)
{
    return game.moveText(move, game.board()) + " " + std::to_string(move.score);
}

// Loads a saved game and goes to the history entry asked for (the last by default).
bool openGame(Game& game, const std::string& file, const std::string& entry)
{
    game.setRules(std::make_unique<glyph::GameClassic>(game));
    glyph::GameRules& rules = *game.rules();
    if (!rules.load(file))
        return false;
    long long index = static_cast<long long>(rules.history().size()) - 1;
    if (!entry.empty() && !parseNumber(entry, 0, index, index)) {
        std::fprintf(stderr, "glyphplay: entry %s is not between 0 and %lld\n", entry.c_str(), index);
        return false;
    }
    rules.goTo(static_cast<int>(index));
    return true;
}

int listMoves(Game& game, const std::string& file, const std::string& entry)
{
    if (!openGame(game, file, entry))
        return 1;
    glyph::MoveGenerator& generator = moveGenerator(game);
    generator.generate(game.rules()->currentPlayer().rack);
    for (const Move& move : generator.moves())
        std::printf("%s\n", moveLine(game, move).c_str());
    return 0;
}

int testScript(Game& game, glyph::ToolView& view, const std::string& profile, const std::string& file,
               const std::string& entry)
{
    std::string text;
    const RegularFile::Status status = RegularFile::readFile(profile, kMaxProfileBytes, text);
    if (status != RegularFile::Status::Read) {
        std::fprintf(stderr, "glyphplay: %s\n", RegularFile::describe(status, profile).c_str());
        return 1;
    }
    if (!openGame(game, file, entry))
        return 1;
    // As the editor's Test does: list the moves, then run the text; the solution is not
    // preset, so a script that sets nothing leaves the previous solution (a pass here).
    const Move best = moveGenerator(game).generate(game.rules()->currentPlayer().rack);
    view.printScriptOutput(true);
    const bool ran = scriptHost(game).runText(text);
    std::printf("best: %s\n", moveLine(game, best).c_str());
    std::printf("solution: %s\n", moveLine(game, scriptHost(game).solution()).c_str());
    if (!scriptHost(game).exchangeLetters().empty())
        std::printf("exchange: %s\n", glyph::letters::toUserText(scriptHost(game).exchangeLetters()).c_str());
    return ran ? 0 : 1;
}

int selfPlay(Game& game, const std::vector<std::string>& args)
{
    glyph::SelfPlay::Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        long long number = 0;
        if (arg == "--games" && hasValue && parseNumber(args[++i], 1, 100000000, number))
            options.games = static_cast<int>(number);
        else if (arg == "--players" && hasValue)
            options.profiles = splitList(args[++i]);
        else if (arg == "--seed" && hasValue && parseNumber(args[++i], 0, UINT32_MAX, number)) {
            options.seeded = true;
            options.seed = static_cast<std::uint32_t>(number);
        } else if (arg == "--check")
            options.check = true;
        else if (arg == "--save" && hasValue)
            options.saveFile = args[++i];
        else if (arg == "--threads" && hasValue && parseNumber(args[++i], 1, 64, number))
            options.threads = static_cast<int>(number);
        else if (arg == "--setup" && hasValue)
            options.setup = args[++i];
        else if (arg == "--rows" && hasValue && parseNumber(args[++i], 1, glyph::kMaxBoardSize, number))
            options.rows = static_cast<int>(number);
        else if (arg == "--cols" && hasValue && parseNumber(args[++i], 1, glyph::kMaxBoardSize, number))
            options.columns = static_cast<int>(number);
        else
            return usage();
    }
    if (options.profiles.size() < 2)
        return usage();
    if (options.profiles.size() > static_cast<std::size_t>(glyph::kMaxPlayers)) {
        std::fprintf(stderr, "glyphplay: %zu players given, a game seats at most %d\n",
                     options.profiles.size(), glyph::kMaxPlayers);
        return 1;
    }
    for (const std::string& profile : options.profiles)
        if (!glyph::Player::isProfileName(profile) ||
            RegularFile(scriptHost(game).profilePath(profile)).status() != RegularFile::Status::Read) {
            std::fprintf(stderr, "glyphplay: no profile %s (looked for %s)\n", profile.c_str(),
                         scriptHost(game).profilePath(profile).c_str());
            return 1;
        }
    glyph::SelfPlay play(game, options);
    return play.run() ? 0 : 1;
}

int trainLeaves(const std::vector<std::string>& args)
{
    glyph::LeaveTrainer::Options options;
    bool seeded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        long long number = 0;
        if (arg == "--set" && hasValue)
            options.set = args[++i];
        else if (arg == "--dictionary" && hasValue)
            options.dictionary = args[++i];
        else if (arg == "--out" && hasValue)
            options.out = args[++i];
        else if (arg == "--games" && hasValue && parseNumber(args[++i], 2, 10000000, number))
            options.games = static_cast<int>(number);
        else if (arg == "--seed" && hasValue && parseNumber(args[++i], 0, UINT32_MAX, number)) {
            options.seed = static_cast<std::uint32_t>(number);
            seeded = true;
        } else if (arg == "--threads" && hasValue && parseNumber(args[++i], 1, 64, number))
            options.threads = static_cast<int>(number);
        else
            return usage();
    }
    if (options.set.empty() || options.dictionary.empty() || options.out.empty() || !seeded)
        return usage();
    glyph::LeaveTrainer trainer(options);
    return trainer.run() ? 0 : 1;
}

// export, import and analyze: the file names, then --rows R --cols C for a board size other
// than the one in the preferences (a record and a saved game do not store it).
int recordCommand(Game& game, const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    int rows = game.rows();
    int columns = game.columns();
    for (std::size_t i = 1; i < args.size(); ++i) {
        long long number = 0;
        const bool size = (args[i] == "--rows" || args[i] == "--cols") && i + 1 < args.size();
        if (size && parseNumber(args[i + 1], 1, glyph::kMaxBoardSize, number))
            (args[i] == "--rows" ? rows : columns) = static_cast<int>(number);
        else if (size || args[i].rfind("--", 0) == 0)
            return usage();
        else
            files.push_back(args[i]);
        i += size ? 1 : 0;
    }
    const std::size_t wanted = args[0] == "analyze" ? 1 : 2;
    if (files.size() != wanted)
        return usage();
    game.storeBoardSize(rows, columns);
    if (!game.loadSettings()) {
        std::fprintf(stderr, "glyphplay: the settings could not be loaded\n");
        return 1;
    }
    glyph::RecordCommands records(game);
    if (args[0] == "export")
        return records.exportGame(files[0], files[1]);
    if (args[0] == "import")
        return records.importGame(files[0], files[1]);
    return records.analyseGame(files[0]);
}

int run(const std::vector<std::string>& args, const char* program)
{
    if (args.empty())
        return usage();
    const glyph::DataFolders folders = glyph::userfolders::forProgram(program);
    glyph::ToolView view;
    // The tool reads the preferences but never saves them (loading a game changes some keys).
    glyph::Preferences preferences(folders.preferencesFile(), &view);
    Game game(preferences, view, folders);
    attachAiPlayers(game);
    const std::string& command = args[0];
    auto option = [&args](std::size_t from, const char* name) {
        for (std::size_t i = from; i + 1 < args.size(); ++i)
            if (args[i] == name)
                return args[i + 1];
        return std::string();
    };
    if (command == "train-leaves")
        return trainLeaves(std::vector<std::string>(args.begin() + 1, args.end()));
    if (command == "selfplay")
        return selfPlay(game, std::vector<std::string>(args.begin() + 1, args.end()));
    if (command == "moves" && (args.size() == 2 || (args.size() == 4 && args[2] == "--entry")))
        return listMoves(game, args[1], option(2, "--entry"));
    if (command == "script" && (args.size() == 3 || (args.size() == 5 && args[3] == "--entry")))
        return testScript(game, view, args[1], args[2], option(3, "--entry"));
    if (command == "export" || command == "import" || command == "analyze")
        return recordCommand(game, args);
    return usage();
}

// What was printed only counts when it reached standard output: a full disk or a closed pipe
// turns a success into a failure.
int checkedOutput(int status)
{
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0)
        return status;
    const int error = errno;
    std::fprintf(stderr, "glyphplay: cannot write to standard output: %s\n", std::strerror(error));
    return status == 0 ? 1 : status;
}

} // namespace

int main(int argc, char** argv)
{
    int status = 1;
    try {
        status = run(std::vector<std::string>(argv + 1, argv + argc), argv[0]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "glyphplay: stopped: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "glyphplay: stopped by an unexpected error\n");
    }
    return checkedOutput(status);
}
