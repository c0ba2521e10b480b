#pragma once

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/letterset.h"
#include "dictionary/dictionary.h"
#include "support/dicbytes.h"
#include "support/dicfilewriter.h"
#include "support/englishset.h"
#include "support/recordingview.h"

namespace glyph::test
{

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

    /// A number from low to high, and least to most letters of the alphabet, at random.
    int pick(int low, int high) { return low + static_cast<int>(random() % (high - low + 1)); }
    std::string someLetters(int least, int most, const std::string& alphabet)
    {
        std::string text;
        for (int n = pick(least, most); n > 0; --n)
            text += alphabet[static_cast<std::size_t>(pick(0, static_cast<int>(alphabet.size()) - 1))];
        return text;
    }

    TempDir folder;
    RecordingView view;
    Dictionary dictionary;
    LetterSet letterSet;
    std::string path;
    std::mt19937 random{2026};
};

} // namespace glyph::test
