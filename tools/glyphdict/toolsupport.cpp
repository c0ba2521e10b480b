#include "toolsupport.h"

#include <algorithm>
#include <cstdio>

#include "base/letters.h"
#include "command.h"
#include "dictionary/dawgbuilder.h"

namespace glyph::tool
{

void StderrWarnings::showWarning(const std::string& text)
{
    std::fprintf(stderr, "glyphdict: %s\n", text.c_str());
}

LoadedDictionary::LoadedDictionary(const std::string& path) : m_ok(m_dictionary.load(path)) {}

std::string dictionaryWord(const std::string& text)
{
    return DawgBuilder::normalizedWord(text);
}

std::optional<std::string> plainText(const std::string& typed)
{
    std::string plain = letters::withoutDiacritics(typed);
    const auto outside = std::find_if(plain.begin(), plain.end(), [](char c) { return (c & 0x80) != 0; });
    if (outside == plain.end())
        return plain;
    // The whole character: its first byte and the continuation bytes after it.
    const auto end = std::find_if(outside + 1, plain.end(), [](char c) { return (c & 0xC0) != 0x80; });
    fail("'" + std::string(outside, end) + "' is no letter A-Z, even without its marks: " + typed);
    return std::nullopt;
}

namespace
{
DataFolders& dataFoldersStore()
{
    static DataFolders folders;
    return folders;
}
} // namespace

void setDataFolders(const DataFolders& folders)
{
    dataFoldersStore() = folders;
}

const DataFolders& dataFolders()
{
    return dataFoldersStore();
}

} // namespace glyph::tool
