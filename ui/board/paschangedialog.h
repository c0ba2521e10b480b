#pragma once

#include <QDialog>
#include <QList>

#include "ui_paschangedialog.h"

class QCheckBox;

namespace glyph
{

class Game;

/// Picks the tiles of the current player's rack to exchange; none ticked is a pass.
class PasChangeDialog : public QDialog, private Ui::UIPasChangeDialog
{
    Q_OBJECT

public:
    /// One check box per tile of the current rack, in rack order, all off.
    PasChangeDialog(Game& game, QWidget* parent);
    /// Stores the geometry under "PasDialogKey".
    ~PasChangeDialog() override;

    /// The check boxes, one per rack tile in rack order.
    const QList<QCheckBox*>& toggles() const { return m_toggles; }

private:
    Game& m_game;
    QList<QCheckBox*> m_toggles;
};

} // namespace glyph
