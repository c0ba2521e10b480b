#include "dictionary/studylist.h"

#include <algorithm>
#include <string_view>

#include "base/atomicfile.h"
#include "base/letters.h"
#include "base/regularfile.h"
#include "base/textscan.h"
#include "base/warningsink.h"
#include "dictionary/hookfinder.h"

namespace glyph
{

namespace
{

constexpr char kInnerMark = '.';

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

/// True when a hooks field is capital letters only (or empty).
bool isHookField(const std::string& field)
{
    return std::all_of(field.begin(), field.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

} // namespace

std::string StudyList::text(const std::vector<std::string>& words, const HookFinder* hooks)
{
    std::string text;
    for (const std::string& word : words) {
        const std::string upper = letters::upperCased(word);
        if (hooks == nullptr) {
            text += upper;
        } else {
            const HookFinder::Hooks found = hooks->find(upper);
            text += found.front + '\t' + found.markedWord(upper) + '\t' + found.back;
        }
        text += '\n';
    }
    return text;
}

bool StudyList::save(const std::string& path, const std::vector<std::string>& words, const HookFinder* hooks,
                     WarningSink& warnings)
{
    if (writeFileAtomically(path, text(words, hooks)) == WriteResult::Written)
        return true;
    showWarning(warnings, "Can't open %s for writing", path.c_str());
    return false;
}

std::string StudyList::wordOfLine(const std::string& line)
{
    std::string word = line;
    // A hooks line: letters, the marked word and letters, tab-separated.
    const std::size_t first = line.find('\t');
    if (first != std::string::npos) {
        const std::size_t second = line.find('\t', first + 1);
        if (second == std::string::npos || line.find('\t', second + 1) != std::string::npos ||
            !isHookField(line.substr(0, first)) || !isHookField(line.substr(second + 1)))
            return {};
        word = line.substr(first + 1, second - first - 1);
        if (!word.empty() && word.front() == kInnerMark)
            word.erase(0, 1);
        if (!word.empty() && word.back() == kInnerMark)
            word.pop_back();
    }
    if (word.empty() || word.size() > kMaxWordLength || !std::all_of(word.begin(), word.end(), isLetter))
        return {};
    return letters::upperCased(word);
}

bool StudyList::load(const std::string& path, std::vector<std::string>& words, WarningSink& warnings)
{
    std::string bytes;
    if (RegularFile::readFile(path, kMaxFileBytes, bytes) != RegularFile::Status::Read) {
        showWarning(warnings, "Can't open %s for reading", path.c_str());
        return false;
    }
    std::vector<std::string> read;
    std::size_t start = bytes.size() - textscan::withoutByteOrderMark(bytes).size();
    while (start < bytes.size()) {
        // A line ends at '\n' (Unix), '\r' (old Mac) or "\r\n" (Windows): the last one is read
        // as a line and a blank one, and blank lines are skipped.
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        // Backspaces are not part of the line, nor are the spaces around it (a tab stays: it
        // separates the hooks, which may be none).
        line.erase(std::remove(line.begin(), line.end(), '\b'), line.end());
        line.erase(0, line.find_first_not_of(' '));
        line.erase(line.find_last_not_of(' ') + 1);
        if (line.empty())
            continue;
        std::string word = wordOfLine(line);
        if (word.empty()) {
            showWarning(warnings, "Invalid %s file", path.c_str());
            return false;
        }
        // Counted as read, so that the words kept never pass the bound.
        if (read.size() == kMaxWords) {
            showWarning(warnings, "%s holds more than %s words: too many for a study list", path.c_str(),
                        letters::withThousands(kMaxWords).c_str());
            return false;
        }
        read.push_back(std::move(word));
    }
    words = std::move(read);
    return true;
}

} // namespace glyph
