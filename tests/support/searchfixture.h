#pragma once

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

    TempDir folder;
    RecordingView view;
    Dictionary dictionary;
    LetterSet letterSet;
    std::string path;
};

} // namespace glyph::test
