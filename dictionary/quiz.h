#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace glyph
{

class Dictionary;

/// An anagram quiz on a study list: one question per distinct alphagram (the word's letters in
/// alphabetical order) of its words, in list order; the answers are every dictionary word of
/// exactly those letters.
class Quiz
{
public:
    /// What one answer got: the anagrams typed, those left out, and typed words that are not.
    struct Marking {
        std::vector<std::string> found;
        std::vector<std::string> missed;
        std::vector<std::string> wrong;
    };

    /// Prepares the questions of the words (either case; words with other characters left out).
    Quiz(const Dictionary& dictionary, const std::vector<std::string>& words);

    /// The letters of a word, upper-cased and sorted.
    static std::string alphagram(const std::string& word);

    std::size_t questionCount() const { return m_questions.size(); }
    /// The number of the current question, from 0; questionCount() once all are answered.
    std::size_t current() const { return m_current; }
    bool finished() const { return m_current >= m_questions.size(); }
    /// The alphagram of the current question; empty when finished.
    std::string question() const;
    /// How many anagrams the current question has; 0 when finished.
    std::size_t answerCount() const;
    /// Marks the typed words (separated by anything that is not a letter, either case, each
    /// counted once) against the current question and moves on; nothing when finished.
    Marking answer(const std::string& typed);

    /// Anagrams found so far, and the anagrams of the questions answered so far.
    std::size_t score() const { return m_score; }
    std::size_t possible() const { return m_possible; }

private:
    struct Question {
        std::string alphagram;
        std::vector<std::string> anagrams;
    };

    std::vector<Question> m_questions;
    std::size_t m_current = 0;
    std::size_t m_score = 0;
    std::size_t m_possible = 0;
};

} // namespace glyph
