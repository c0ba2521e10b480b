#include "toolsupport.h"

#include <cstdio>

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
