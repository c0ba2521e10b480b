#pragma once

#include <QDialog>

#include "dictionary/palindromelist.h"
#include "ui_palindromdialog.h"

namespace glyph
{

class Game;

/// Lists the palindromes of the loaded dictionary, longest first, and copies them to the
/// clipboard.
class PalindromDialog : public QDialog, private Ui::UIPalindromDialog
{
    Q_OBJECT

public:
    /// Collects and lists the palindromes; pauses the clocks.
    PalindromDialog(Game& game, QWidget* parent);
    /// Lets the clocks run again.
    ~PalindromDialog() override;

public slots:
    /// Puts the list on the clipboard, one word per line, each line ending with "\n".
    void copyClicked();

private:
    PalindromeList m_list;
};

} // namespace glyph
