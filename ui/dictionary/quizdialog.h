#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "dictionary/quiz.h"
#include "ui_quizdialog.h"

namespace glyph
{

class Dictionary;

/// The anagram quiz of a study list: shows each alphagram in turn, takes the anagrams typed,
/// says which were found, missed or no anagram at all, and gives the score at the end.
class QuizDialog : public QDialog, private Ui::UIQuizDialog
{
    Q_OBJECT

public:
    /// Asks the alphagrams of the words; the answers are the dictionary's anagrams of each.
    QuizDialog(const Dictionary& dictionary, const std::vector<std::string>& words, QWidget* parent);

    const Quiz& quiz() const { return m_quiz; }

public slots:
    /// Marks the typed anagrams against the question shown and moves to the next one.
    void checkClicked();

private:
    void showQuestion();
    void showScore();

    Quiz m_quiz;
};

} // namespace glyph
