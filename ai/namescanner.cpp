#include "ai/namescanner.h"

#include <algorithm>

#include "ai/exportedfunctions.h"
#include "dictionary/patternmatcher.h"

namespace glyph
{

namespace
{

constexpr std::size_t kNoMatch = std::string_view::npos;
/// Deepest nesting of blocks the definition grammar follows; deeper text is not read as a
/// definition, so that a hostile script cannot exhaust the stack.
constexpr int kMaxNesting = 200;

/// The texts of the kinds matched by a fixed text (the comment's is its start); empty for the
/// kinds matched otherwise.
constexpr std::string_view kTokenTexts[NameScanner::kTokenKinds] = {
    "",       "--",  "+",        "-",     "*",   "/",  "%",     ">=", "<=",   ">",
    "<",      "=",   "function", "local", "for", "do", "while", "if", "else", "then",
    "return", "end", "",         "",      "",    "\"", ",",     "(",  ")"};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// Letters and digits of the script's own language: plain ASCII, whatever the bytes above it.
bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetterOrDigit(char c)
{
    return isLetter(c) || isDigit(c);
}

/// Whether a token of the kind can begin with the character; a quick test before matching.
bool canStart(int kind, char c)
{
    switch (kind) {
    case NameScanner::Nothing:
        return true;
    case NameScanner::Call:
    case NameScanner::Identifier:
        return isLetter(c);
    case NameScanner::Number:
        return isDigit(c);
    default:
        return kTokenTexts[kind][0] == c;
    }
}

} // namespace

void NameScanner::scan(std::string_view text)
{
    m_text = text;
    m_position = 0;
    m_noQuoteFrom = kNoMatch;
    m_blanksFrom = kNoMatch;
    m_message.clear();
    m_identifiers.clear();
    m_nesting = 0;
    while (m_position < m_text.size()) {
        if (acceptDefinition())
            continue;
        const std::size_t at = skipBlanks(m_position);
        const char first = at < m_text.size() ? m_text[at] : '\0';
        bool matched = false;
        for (int kind = Comment; kind < kTokenKinds && !matched; ++kind) {
            if (!canStart(kind, first) || !accept(kind))
                continue;
            matched = true;
            if (kind == Identifier)
                m_identifiers.insert(m_tokenText);
        }
        if (matched)
            continue;
        // Nothing readable here: pass over everything up to the next letter or digit.
        do
            ++m_position;
        while (m_position < m_text.size() && !isLetterOrDigit(m_text[m_position]));
    }
}

std::size_t NameScanner::matchToken(std::string_view text, std::size_t position, int kind)
{
    m_text = text;
    m_noQuoteFrom = kNoMatch;
    m_blanksFrom = kNoMatch;
    const std::size_t end = matchFrom(position, kind);
    return end == kNoMatch ? kNoMatch : end - position;
}

std::size_t NameScanner::matchFrom(std::size_t start, int kind)
{
    if (kind < 0 || kind >= kTokenKinds) {
        m_message = "Parser: Unknow token " + std::to_string(kind);
        return kNoMatch;
    }
    const std::size_t at = skipBlanks(start);
    if (at >= m_text.size() || !canStart(kind, m_text[at]))
        return kNoMatch;
    const std::string_view rest = m_text.substr(at);
    std::size_t end = at;
    switch (kind) {
    case Nothing:
        return at;
    case Comment:
        if (!rest.starts_with(kTokenTexts[Comment]))
            return kNoMatch;
        end = std::min(m_text.find('\n', at), m_text.size());
        break;
    case Call:
        return matchCall(at);
    case Identifier:
        if (!isLetter(rest[0]))
            return kNoMatch;
        while (end < m_text.size() && isLetterOrDigit(m_text[end]))
            ++end;
        m_tokenText.assign(m_text.substr(at, end - at));
        break;
    case Number:
        while (end < m_text.size() && isDigit(m_text[end]))
            ++end;
        if (end == at)
            return kNoMatch;
        break;
    case String:
        end = matchString(at);
        if (end == kNoMatch)
            return kNoMatch;
        break;
    default:
        if (!rest.starts_with(kTokenTexts[kind]))
            return kNoMatch;
        end = at + kTokenTexts[kind].size();
        break;
    }
    return end;
}

std::size_t NameScanner::skipBlanks(std::size_t start)
{
    // Every kind tried at one place skips the same blanks: remember the last answer.
    if (start != m_blanksFrom) {
        m_blanksFrom = start;
        m_blanksTo = start;
        while (m_blanksTo < m_text.size() && isBlank(m_text[m_blanksTo]))
            ++m_blanksTo;
    }
    return m_blanksTo;
}

std::size_t NameScanner::matchString(std::size_t start)
{
    if (m_text[start] != '"')
        return kNoMatch;
    if (m_noQuoteFrom != kNoMatch && start + 1 >= m_noQuoteFrom)
        return kNoMatch;
    const std::size_t closing = m_text.find('"', start + 1);
    if (closing == kNoMatch) {
        m_noQuoteFrom = start + 1;
        return kNoMatch;
    }
    return closing + 1;
}

std::size_t NameScanner::matchCall(std::size_t start)
{
    const std::size_t saved = m_position;
    m_position = start;
    const bool matched =
        accept(Identifier) && accept(OpenParenthesis) && acceptArgumentList() && accept(CloseParenthesis);
    const std::size_t end = matched ? m_position : kNoMatch;
    m_position = saved;
    return end;
}

bool NameScanner::accept(int kind)
{
    const std::size_t end = matchFrom(m_position, kind);
    if (end == kNoMatch)
        return false;
    m_position = end;
    return true;
}

bool NameScanner::acceptArgumentList()
{
    // An identifier is tried before a call, so a call inside the list is read as its name
    // followed by parentheses that end the list.
    bool any = false;
    while (accept(Number) || accept(Identifier) || accept(Call) || accept(Comma))
        any = true;
    return any;
}

bool NameScanner::acceptDefinition()
{
    const std::size_t start = m_position;
    if (accept(Function) && accept(Identifier)) {
        const std::string name = m_tokenText;
        if (accept(OpenParenthesis)) {
            acceptArgumentList();
            if (accept(CloseParenthesis)) {
                acceptStatements();
                if (accept(End)) {
                    m_functionName = name;
                    m_definedFunctions.insert(name);
                    return true;
                }
            }
        }
    }
    m_position = start;
    return false;
}

void NameScanner::acceptStatements()
{
    while (acceptStatement()) {
    }
}

bool NameScanner::acceptStatement()
{
    if (m_nesting >= kMaxNesting)
        return false;
    ++m_nesting;
    const bool accepted = acceptNestedStatement();
    --m_nesting;
    return accepted;
}

bool NameScanner::acceptNestedStatement()
{
    const std::size_t start = m_position;
    if (acceptIf())
        return true;
    m_position = start;
    if (acceptBlock(For, Do))
        return true;
    m_position = start;
    if (acceptBlock(While, Do))
        return true;
    m_position = start;
    if (accept(Call) || acceptSimpleStatement())
        return true;
    // Lua's return (with or without values) and local declarations are statements too;
    // without them no function that returns a value would be recognised.
    if (accept(Return)) {
        acceptSimpleStatement();
        return true;
    }
    if (accept(Local) && acceptSimpleStatement())
        return true;
    m_position = start;
    return false;
}

bool NameScanner::acceptIf()
{
    if (!accept(If))
        return false;
    acceptStatements();
    if (!accept(Then))
        return false;
    acceptStatements();
    if (accept(Else))
        acceptStatements();
    return accept(End);
}

bool NameScanner::acceptBlock(int opening, int middle)
{
    if (!accept(opening))
        return false;
    acceptStatements();
    if (!accept(middle))
        return false;
    acceptStatements();
    return accept(End);
}

bool NameScanner::atKeyword()
{
    const std::size_t at = skipBlanks(m_position);
    if (at >= m_text.size() || !isLetter(m_text[at]))
        return false;
    for (int kind = Function; kind <= End; ++kind) {
        if (canStart(kind, m_text[at]) && matchFrom(m_position, kind) != kNoMatch)
            return true;
    }
    return false;
}

bool NameScanner::acceptSimpleStatement()
{
    static constexpr int kStatementKinds[] = {
        Comment, Plus,   Minus,      Times,  Divide, Modulo, GreaterOrEqual,  LessOrEqual,     Greater,
        Less,    Assign, Identifier, Number, String, Comma,  OpenParenthesis, CloseParenthesis};
    int tokens = 0;
    while (!atKeyword()) {
        const std::size_t at = skipBlanks(m_position);
        const char first = at < m_text.size() ? m_text[at] : '\0';
        const auto matched =
            std::find_if(std::begin(kStatementKinds), std::end(kStatementKinds),
                         [this, first](int kind) { return canStart(kind, first) && accept(kind); });
        if (matched == std::end(kStatementKinds))
            break;
        ++tokens;
    }
    return tokens > 0;
}

std::vector<std::string> NameScanner::completions(std::string_view word) const
{
    PatternMatcher matcher;
    matcher.compile(std::string(word) + "*");
    std::vector<std::string> names;
    // The matcher drops digits from a pattern, so the prefix test keeps a word with digits to
    // the names that really begin with it. The word itself would complete nothing; it is
    // usually the very word being typed, which the last scan met as an identifier.
    const auto take = [&](std::string_view name) {
        if (name != word && name.starts_with(word) && matcher.match(name))
            names.emplace_back(name);
    };
    for (int row = 0; row < kExportedFunctionRows && kExportedFunctions[row].name != nullptr; ++row)
        take(kExportedFunctions[row].name);
    for (const std::string& name : m_definedFunctions)
        take(name);
    for (const std::string& name : m_identifiers)
        take(name);
    // A name met both as an exported function and as an identifier is listed once.
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::string NameScanner::wordBefore(std::string_view line, std::size_t column, bool skip)
{
    std::size_t end = std::min(column, line.size());
    if (skip) {
        while (end > 0 && !isLetterOrDigit(line[end - 1]))
            --end;
    }
    std::size_t begin = end;
    while (begin > 0 && isLetterOrDigit(line[begin - 1]))
        --begin;
    return std::string(line.substr(begin, end - begin));
}

} // namespace glyph
