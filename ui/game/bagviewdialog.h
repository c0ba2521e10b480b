#pragma once

#include <QDialog>

#include "ui_bagviewdialog.h"

namespace glyph
{

class Game;

/// The tiles left in the bag, letter by letter, with the count of vowels, consonants and all;
/// below them the tiles the player to move cannot see (the bag and the other players' racks),
/// each letter with its count.
class BagViewDialog : public QDialog, private Ui::UIBagViewDialog
{
    Q_OBJECT

public:
    /// Fills the text from the bag and pauses the clocks.
    BagViewDialog(Game& game, QWidget* parent);
    /// Resumes the clocks.
    ~BagViewDialog() override;

private:
    void showUnseen(const Game& game);
};

} // namespace glyph
