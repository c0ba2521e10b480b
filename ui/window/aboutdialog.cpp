#include "ui/window/aboutdialog.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "ui/common/prompter.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{
constexpr int kPagePointSize = 10;
} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    showPage(*program, "/Help/Program.html");
    showPage(*author, "/Help/Author.html");
    showPage(*license, "/Help/GNU.html");
}

AboutDialog::~AboutDialog() {}

void AboutDialog::showPage(QTextBrowser& browser, const QString& name)
{
    QFont font = browser.font();
    font.setPointSize(kPagePointSize);
    browser.setFont(font);
    const QString path = QDir::currentPath() + name;
    // QTextBrowser complains on the console about a missing source; a missing page is normal.
    if (QFileInfo(path).isFile())
        browser.setSource(QUrl::fromLocalFile(path));
}

} // namespace glyph
