#include "recordcommands.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>

#include "ai/aiplayers.h"
#include "ai/gameanalysis.h"
#include "base/atomicfile.h"
#include "base/letters.h"
#include "engine/game.h"
#include "engine/gameclassic.h"
#include "engine/gcgimporter.h"
#include "engine/gcgwriter.h"
#include "engine/moveplacement.h"

namespace glyph
{

namespace
{

bool endsWithGcg(const std::string& file)
{
    if (file.size() < 4)
        return false;
    std::string end = file.substr(file.size() - 4);
    std::transform(end.begin(), end.end(), end.begin(), [](unsigned char c) { return std::tolower(c); });
    return end == ".gcg";
}

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

/// A player's name cut to `width` characters, never inside one (names are UTF-8), and padded
/// with blanks to that width.
std::string nameColumn(const Player& player, std::size_t width)
{
    const std::string name(player.name, strnlen(player.name, sizeof player.name));
    std::string column;
    std::size_t characters = 0;
    for (const char byte : name) {
        const bool startsCharacter = (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
        if (startsCharacter && characters == width)
            break;
        characters += startsCharacter ? 1 : 0;
        column += byte;
    }
    return column.append(width - characters, ' ');
}

} // namespace

bool RecordCommands::open(const std::string& file)
{
    if (endsWithGcg(file)) {
        GcgImporter importer(m_game);
        if (!importer.importFile(file))
            return false;
        for (const std::string& report : importer.reports())
            std::printf("%s\n", report.c_str());
        return true;
    }
    m_game.setRules(std::make_unique<GameClassic>(m_game));
    return m_game.rules()->load(file);
}

int RecordCommands::exportGame(const std::string& game, const std::string& out)
{
    if (!open(game))
        return 1;
    const std::string text = GcgWriter(m_game).write(*m_game.rules());
    std::string error;
    if (writeFileAtomically(out, text, &error) != WriteResult::Written) {
        std::fprintf(stderr, "glyphplay: cannot write %s: %s\n", out.c_str(), error.c_str());
        return 1;
    }
    return 0;
}

int RecordCommands::importGame(const std::string& record, const std::string& out)
{
    GcgImporter importer(m_game);
    if (!importer.importFile(record))
        return 1;
    for (const std::string& report : importer.reports())
        std::printf("%s\n", report.c_str());
    if (!m_game.rules()->save(out))
        return 1;
    std::printf("%d turns imported\n", static_cast<int>(m_game.rules()->history().size()) - 1);
    return 0;
}

std::string RecordCommands::moveText(const Move& move) const
{
    if (move.isPass())
        return "-";
    std::string word;
    int joker = 0;
    for (int i = 0; i < placement::wordLength(move); ++i)
        word += move.word[i] == kJoker
                    ? static_cast<char>(std::tolower(static_cast<unsigned char>(move.jokers[joker++])))
                    : move.word[i];
    return GcgWriter::coordinates(move) + " " + word;
}

int RecordCommands::analyseGame(const std::string& file)
{
    if (!open(file))
        return 1;
    const GameRules& rules = *m_game.rules();
    GameAnalysis analysis(m_game, leaveValues(m_game));
    const std::vector<GameAnalysis::Turn> turns = analysis.analyse(rules);
    std::printf("%4s %-16s %-8s %-20s %5s %-20s %5s %-20s %7s %5s %7s  %s\n", "turn", "player", "rack",
                "played", "score", "best by score", "score", "best by equity", "equity", "lost", "eq.lost",
                "notes");
    for (const GameAnalysis::Turn& turn : turns) {
        std::string played = moveText(turn.played);
        if (turn.kind == "exchange")
            played = std::string("-").append(letters::toUserText(turn.exchanged));
        else if (turn.kind == "withdrawn")
            played = "-- (withdrawn)";
        std::string notes = turn.missedSeven ? "missed 7" : "";
        if (!turn.phonies.empty())
            notes += (notes.empty() ? "" : "; ") + std::string("not in dictionary: ") + joined(turn.phonies);
        if (turn.pointsLost >= 10 || turn.equityLost >= 10)
            notes = std::string("costly").append(notes.empty() ? "" : "; ").append(notes);
        std::printf("%4d %s %-8s %-20s %5d %-20s %5d %-20s %7.1f %5d %7.1f  %s\n", turn.turn,
                    nameColumn(rules.players()[static_cast<std::size_t>(turn.player)], 16).c_str(),
                    letters::toUserText(turn.rack).c_str(), played.c_str(),
                    turn.played.isPass() ? 0 : turn.played.score, moveText(turn.bestByScore).c_str(),
                    turn.bestByScore.score, moveText(turn.bestByEquity).c_str(), turn.bestEquity,
                    turn.pointsLost, turn.equityLost, notes.c_str());
    }
    const auto summaries = GameAnalysis::summarise(turns, static_cast<int>(rules.players().size()));
    // The scores at the end of the game, whichever position a loaded game shows.
    const std::vector<Player>& ending = rules.history().back().players;
    std::printf("\n%-16s %5s %6s %12s %12s %13s %8s %6s\n", "player", "turns", "score", "points lost",
                "per turn", "equity/turn", "missed 7", "phony");
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        const GameAnalysis::Summary& summary = summaries[i];
        std::printf("%s %5d %6d %12lld %12.1f %13.1f %8d %6d\n", nameColumn(ending[i], 16).c_str(),
                    summary.turns, ending[i].score, summary.pointsLost, summary.averagePointsLost(),
                    summary.averageEquityLost(), summary.missedSevens, summary.phonies);
    }
    return 0;
}

} // namespace glyph
