#include "ui/helpdialog.h"

#include "ui/aboutdialog.h"
#include "ui/mainwindow.h"

namespace glyph
{

HelpDialog::HelpDialog(MainWindow& window, QWidget* parent) : QDialog(parent), m_window(window)
{
    setupUi(this);
    m_window.setPaused(true);
    AboutDialog::showPage(*browser, "/Help/Program.html");
}

HelpDialog::~HelpDialog()
{
    m_window.setPaused(false);
}

} // namespace glyph
