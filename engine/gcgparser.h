#pragma once

#include <cstdarg>
#include <string>
#include <vector>

namespace glyph
{

class WarningSink;

/// Reads the text of a GCG game record into its players and events, checking every line's
/// form (not the moves against a board: that is `GcgImporter`'s). The input is hostile: the
/// file, line and name lengths, the player numbers and the scores are bounded, binary data and
/// bad UTF-8 refused, and the first fault stops the reading with one message naming its line.
/// Text is UTF-8 when the first line says `#character-encoding UTF-8`, else ISO-8859-1; line
/// ends may be CR, LF or CR LF.
class GcgParser
{
public:
    /// Faults are told in the language of `language` (English without one, as the tools
    /// print them).
    explicit GcgParser(WarningSink* language = nullptr);

    /// Largest record read.
    static constexpr long long kMaxFileBytes = 4LL * 1024 * 1024;
    /// Longest line read, in bytes, line end excluded.
    static constexpr int kMaxLineLength = 64 * 1024;
    /// Most lines that are not blank: records hold a few hundred.
    static constexpr int kMaxLines = 20'000;
    /// Largest score or running total a line may give (the game's own score bound).
    static constexpr long long kMaxPoints = 1'000'000'000;

    /// One line of the record that is an event of the game.
    struct Event {
        enum class Kind {
            Play,
            Pass,
            Exchange,
            /// "--": the play before it was withdrawn.
            Withdrawn,
            ChallengeBonus,
            /// "(TILES)": the points of the racks left at the end.
            EndPoints,
            TimePenalty,
            Note,
            /// "#rackN": a player's rack.
            Rack,
        };
        Kind kind = Kind::Note;
        /// Line number, from 1.
        int line = 0;
        /// Seat, from 0.
        int player = -1;
        /// The rack before the line (letter codes, '[' for a blank) when the line gives one.
        bool rackGiven = false;
        std::string rack;
        /// A play: across ("8D") or down ("D8"), the first square (from 1) and the word as
        /// written: capitals for tiles, small letters for blanks, '.' for tiles already there.
        bool across = true;
        int row = 0;
        int column = 0;
        std::string word;
        /// An exchange's letters or an end line's tiles in parentheses (letter codes).
        std::string letters;
        /// An exchange written as a count ("-3"), else 0.
        int count = 0;
        long long score = 0;
        long long total = 0;
        /// A note's text, UTF-8.
        std::string text;
    };

    struct Record {
        std::vector<std::string> nicknames;
        /// Full names, UTF-8 (the nickname when the line gives none).
        std::vector<std::string> names;
        /// The line of each player's #player line.
        std::vector<int> playerLines;
        std::string title;
        std::string lexicon;
        bool incomplete = false;
        std::vector<Event> events;
    };

    /// Reads the record; false at the first fault, with `error` naming its line.
    bool parse(const std::string& bytes);
    const Record& record() const { return m_record; }
    /// "Line 12: ..." (or a fault of the whole file); empty after a successful parse.
    const std::string& error() const { return m_error; }

    /// Column number of "A".."Z", "AA".. (1 for "A"); 0 when the text is not a column name
    /// of one or two capitals.
    static int columnNumber(const std::string& text);
    /// A fault of a record's line as the parser and the importer tell it: "Line N: " and the
    /// format filled in, in the language of `language` (English without one); the text alone
    /// for line 0 (a fault of the whole file).
    static std::string lineMessage(WarningSink* language, int line, const char* format, va_list args);

private:
    /// Sets the error, "Line N: " and the format filled in; false.
    bool fail(int line, const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 3, 4)))
#endif
        ;
    bool checkText(int line, std::string& text);
    bool parseLine(int line, const std::string& text);
    bool parsePragma(int line, const std::string& text);
    bool parsePlayer(int line, int number, const std::string& rest);
    bool parseEvent(int line, const std::string& text);
    bool parseMiddle(Event& event, const std::vector<std::string>& middle);
    bool parseSpecial(Event& event, const std::string& token);
    bool parsePlay(Event& event, const std::string& position, const std::string& word);
    bool parseRack(int line, const std::string& token, std::string& rack);
    bool parsePoints(int line, const std::string& token, long long& value);
    bool parseSeat(int line, const std::string& digits, int& seat, bool existing);

    Record m_record;
    std::string m_error;
    bool m_utf8 = false;
    WarningSink* m_language;
};

} // namespace glyph
