#pragma once

#include <QDialog>

#include "ui_jokerdialog.h"

namespace glyph
{

/// Asks which letter a joker dropped on the board stands for: accepted with Close, rejected
/// (the joker is not laid) with Escape or the close box.
class JokerDialog : public QDialog, private Ui::UIJokerDialog
{
    Q_OBJECT

public:
    /// Lists the letters A to Z, A current.
    explicit JokerDialog(QWidget* parent);
    /// The letter shown in the list (chosen or not).
    char letter() const;
};

} // namespace glyph
