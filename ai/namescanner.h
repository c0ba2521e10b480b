#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace glyph
{

/// Collects the names a profile script uses, for the profile editor's completion list: the
/// functions it defines (kept for the scanner's life) and the identifiers of the last scan.
/// Works on 8-bit text; anything it cannot read is skipped, so any bytes are safe to scan.
class NameScanner
{
public:
    /// Token kinds; the kinds with a fixed text take it from a table of kTokenKinds entries.
    enum TokenKind {
        Nothing = 0,
        Comment = 1,
        Plus = 2,
        Minus,
        Times,
        Divide,
        Modulo,
        GreaterOrEqual,
        LessOrEqual,
        Greater,
        Less,
        Assign = 11,
        Function = 12,
        Local,
        For,
        Do,
        While,
        If,
        Else,
        Then,
        Return,
        End = 21,
        Call = 22,
        Identifier = 23,
        Number = 24,
        String = 25,
        Comma = 26,
        OpenParenthesis = 27,
        CloseParenthesis = 28,
    };
    static constexpr int kTokenKinds = 29;

    /// Rescans the whole text: empties the identifiers and the message, then adds the names of
    /// recognised function definitions to the defined functions and every other identifier met
    /// to the identifiers. Time proportional to the text.
    void scan(std::string_view text);

    /// Length of the token of `kind` at `position` of `text`, blanks before it included, or
    /// npos when it does not match there. A kind outside 0..28 matches nothing and sets the
    /// message "Parser: Unknow token <kind>".
    std::size_t matchToken(std::string_view text, std::size_t position, int kind);

    /// Every function whose definition a scan recognised; never emptied.
    const std::set<std::string>& definedFunctions() const { return m_definedFunctions; }
    /// The identifiers the last scan met outside recognised definitions.
    const std::set<std::string>& identifiers() const { return m_identifiers; }
    /// What the last scan or token request had to report; empty when nothing.
    const std::string& message() const { return m_message; }

    /// The names that begin with `word` and are longer (case significant): the exported
    /// functions, the defined functions and the identifiers, each source's names once, all
    /// sorted together.
    std::vector<std::string> completions(std::string_view word) const;

    /// The run of letters and digits that ends just before `column` of `line`; with `skip`,
    /// characters that are neither letters nor digits just before the column are passed over
    /// first. Empty when there is none.
    static std::string wordBefore(std::string_view line, std::size_t column, bool skip);

private:
    bool accept(int kind);
    bool acceptArgumentList();
    bool acceptDefinition();
    void acceptStatements();
    bool acceptStatement();
    bool acceptNestedStatement();
    bool acceptBlock(int opening, int middle);
    bool acceptIf();
    bool acceptSimpleStatement();
    bool atKeyword();
    std::size_t matchFrom(std::size_t start, int kind);
    std::size_t skipBlanks(std::size_t start);
    std::size_t matchString(std::size_t start);
    std::size_t matchCall(std::size_t start);

    std::set<std::string> m_definedFunctions;
    std::set<std::string> m_identifiers;
    /// Text of the identifier matched last.
    std::string m_tokenText;
    /// Name taken by the last recognised function definition.
    std::string m_functionName;
    std::string m_message;

    std::string_view m_text;
    std::size_t m_position = 0;
    /// Blocks the definition being read is nested in.
    int m_nesting = 0;
    /// No double quote lies at or after this offset of the text (known from a failed search),
    /// so an unclosed string is looked for to the end of the text once per scan.
    std::size_t m_noQuoteFrom = std::string_view::npos;
    /// The blanks that start at m_blanksFrom end at m_blanksTo.
    std::size_t m_blanksFrom = std::string_view::npos;
    std::size_t m_blanksTo = 0;
};

} // namespace glyph
