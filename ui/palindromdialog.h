#pragma once

#include <QDialog>

#include "dictionary/palindromelist.h"
#include "ui_palindromdialog.h"

namespace glyph
{

class Game;
class MainWindow;

/// Lists the palindromes of the loaded dictionary, longest first, and copies them to the
/// clipboard.
class PalindromDialog : public QDialog, public Ui::UIPalindromDialog
{
    Q_OBJECT

public:
    /// Collects and lists the palindromes; pauses the clocks.
    PalindromDialog(Game& game, MainWindow& window, QWidget* parent);
    /// Lets the clocks run again.
    ~PalindromDialog() override;

public slots:
    /// Puts the list on the clipboard, one word per line, each line ending with "\n".
    void copyClicked();

private:
    MainWindow& m_window;
    PalindromeList m_list;
};

} // namespace glyph
