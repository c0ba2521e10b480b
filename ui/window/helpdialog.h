#pragma once

#include <QDialog>

#include "ui_helpdialog.h"

namespace glyph
{

/// The manual, "Help/Program.html", in a browser window with Back and Close.
class HelpDialog : public QDialog, private Ui::UIHelpDialog
{
    Q_OBJECT

public:
    /// Shows the manual (an empty page when it is missing); pauses the clocks.
    HelpDialog(QWidget* parent);
    /// Lets the clocks run again.
    ~HelpDialog() override;

private:
};

} // namespace glyph
