#include "ui/dictionary/quizdialog.h"

#include <QStringList>

#include "ui/common/uitext.h"

namespace glyph
{

namespace
{

/// The question's letters are shown large, so that they read as the tiles of a rack.
constexpr double kQuestionScale = 2.0;

QString joined(const std::vector<std::string>& words)
{
    QStringList list;
    for (const std::string& word : words)
        list << QString::fromStdString(word);
    return list.join(' ');
}

} // namespace

QuizDialog::QuizDialog(const Dictionary& dictionary, const std::vector<std::string>& words, QWidget* parent)
    : QDialog(parent), m_quiz(dictionary, words)
{
    setupUi(this);
    QFont big = question->font();
    big.setPointSizeF(big.pointSizeF() * kQuestionScale);
    big.setBold(true);
    question->setFont(big);
    connect(check, &QPushButton::clicked, this, &QuizDialog::checkClicked);
    // Return in the answer checks it; Check is no default button, or Return would answer twice.
    connect(answer, &QLineEdit::returnPressed, this, &QuizDialog::checkClicked);
    connect(closeQuiz, &QPushButton::clicked, this, &QDialog::accept);
    showQuestion();
}

void QuizDialog::checkClicked()
{
    if (m_quiz.finished())
        return;
    const QString asked = QString::fromStdString(m_quiz.question());
    const Quiz::Marking marked = m_quiz.answer(uitext::withoutDiacritics(answer->text()).toStdString());
    QStringList lines{tr("%1: found %2 of %3")
                          .arg(asked)
                          .arg(marked.found.size())
                          .arg(marked.found.size() + marked.missed.size())};
    if (!marked.missed.empty())
        lines << tr("Missed: %1").arg(joined(marked.missed));
    if (!marked.wrong.empty())
        lines << tr("Not anagrams: %1").arg(joined(marked.wrong));
    marking->setText(lines.join('\n'));
    answer->clear();
    showQuestion();
}

void QuizDialog::showScore()
{
    score->setText(tr("Score: %1 of %2").arg(m_quiz.score()).arg(m_quiz.possible()));
}

void QuizDialog::showQuestion()
{
    showScore();
    if (m_quiz.finished()) {
        progress->setText(tr("All %1 questions answered.").arg(m_quiz.questionCount()));
        question->setText(tr("Done"));
        hint->clear();
        answer->setEnabled(false);
        check->setEnabled(false);
        // Not the default button: the Return that answered the last question would close it.
        closeQuiz->setFocus();
        return;
    }
    progress->setText(tr("Question %1 of %2").arg(m_quiz.current() + 1).arg(m_quiz.questionCount()));
    question->setText(QString::fromStdString(m_quiz.question()));
    hint->setText(tr("Anagrams to find: %1").arg(m_quiz.answerCount()));
    answer->setFocus();
}

} // namespace glyph
