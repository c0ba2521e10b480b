#pragma once

#include <QDialog>
#include <QStringList>

#include "ui_tipofdaydialog.h"

namespace glyph
{

class Game;

/// Shows one tip of the file named by "TipFileKey" (tips are separated by empty lines) with
/// the logo, another on Next, and asks whether to show a tip at the next start.
class TipOfDayDialog : public QDialog, private Ui::UITipOfDayDialog
{
    Q_OBJECT

public:
    /// Shows a tip picked at random; pauses the clocks. "Show tip next time" starts unticked.
    TipOfDayDialog(Game& game, QWidget* parent);
    /// Stores "TipShowKey" from the check box and lets the clocks run again.
    ~TipOfDayDialog() override;

    /// Moves the dialog to the middle of `window` as it will stand: of its screen's free area
    /// when it is maximized (the window manager may not have enlarged it yet).
    void centreOn(const QWidget& window);

    /// The lines of a tip file without line-end and backspace characters; empty when it
    /// cannot be read.
    static QStringList readLines(const QString& fileName);
    /// Number of empty lines, that is of tip separators.
    static int separatorCount(const QStringList& lines);
    /// The tip after `index` empty lines, each line followed by a line feed; the whole file
    /// when it has no empty line at all.
    static QString tipAt(const QStringList& lines, int index);

public slots:
    /// Shows another tip picked at random (nothing changes when the file cannot be read).
    void nextClicked();

private:
    Game& m_game;
};

} // namespace glyph
