#pragma once

#include <QDialog>

#include "ui_aboutdialog.h"

class QTextBrowser;

namespace glyph
{

/// The about box: the program's manual, its author and its licence, each from a page in
/// "Help/" of the working folder, in three tabs.
class AboutDialog : public QDialog, private Ui::UIAboutDialog
{
    Q_OBJECT

public:
    /// Loads the three pages (a missing page leaves its tab empty); pauses the clocks.
    AboutDialog(QWidget* parent);
    /// Lets the clocks run again.
    ~AboutDialog() override;

    /// Shows the page in the working folder's path + name in the browser at 10 points;
    /// leaves it empty, without a message, when the file is missing.
    static void showPage(QTextBrowser& browser, const QString& name);

private:
};

} // namespace glyph
