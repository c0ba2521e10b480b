#include "ui/window/helpdialog.h"

#include "ui/common/prompter.h"
#include "ui/session/gamesession.h"
#include "ui/window/aboutdialog.h"

namespace glyph
{

HelpDialog::HelpDialog(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    AboutDialog::showPage(*browser, "/Help/Program.html");
}

HelpDialog::~HelpDialog() {}

} // namespace glyph
