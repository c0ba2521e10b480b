#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/letterset.h"
#include "dictionary/dictionary.h"
#include "support/dicbytes.h"
#include "support/dicfilewriter.h"
#include "support/recordingview.h"

namespace glyph::test
{

/// The usual English tile values and vowels, with no tiles counted.
inline LetterSet englishValues()
{
    static const int values[26] = {1, 3, 3, 2,  1, 4, 2, 4, 1, 8, 5, 1, 3,
                                   1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10};
    LetterSet set;
    for (int i = 0; i < 26; ++i) {
        set.entryAt(i).value = static_cast<std::int16_t>(values[i]);
        const char c = static_cast<char>('A' + i);
        set.entryAt(i).vowel = (c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U') ? 1 : 0;
    }
    return set;
}

/// A test with a dictionary of its own words, written to a temporary file and loaded.
class DictionaryFixture : public ::testing::Test
{
protected:
    DictionaryFixture() : dictionary(view), letterSet(englishValues()) {}
    void loadWords(const std::vector<std::string>& words)
    {
        path = folder.file("words.dic");
        ASSERT_TRUE(DicFileWriter::write(path, words));
        ASSERT_TRUE(dictionary.load(path, true));
        ASSERT_TRUE(view.warnings.empty());
    }

    TempDir folder;
    RecordingView view;
    Dictionary dictionary;
    LetterSet letterSet;
    std::string path;
};

} // namespace glyph::test
