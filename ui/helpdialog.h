#pragma once

#include <QDialog>

#include "ui_helpdialog.h"

namespace glyph
{

class MainWindow;

/// The manual, "Help/Program.html", in a browser window with Back and Close.
class HelpDialog : public QDialog, public Ui::UIHelpDialog
{
    Q_OBJECT

public:
    /// Shows the manual (an empty page when it is missing); pauses the clocks.
    HelpDialog(MainWindow& window, QWidget* parent);
    /// Lets the clocks run again.
    ~HelpDialog() override;

private:
    MainWindow& m_window;
};

} // namespace glyph
