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
std::filesystem::path& programFolderStore()
{
    static std::filesystem::path folder;
    return folder;
}
} // namespace

void setProgramFolder(const std::filesystem::path& folder)
{
    programFolderStore() = folder;
}

const std::filesystem::path& programFolder()
{
    return programFolderStore();
}

} // namespace glyph::tool
