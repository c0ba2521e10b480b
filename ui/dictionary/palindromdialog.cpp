#include "ui/dictionary/palindromdialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableWidgetItem>

#include "engine/game.h"
#include "ui/common/prompter.h"
#include "ui/session/gamesession.h"

namespace glyph
{

PalindromDialog::PalindromDialog(Game& game, QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    m_list.collect(game.dictionary());

    table->setColumnCount(1);
    table->setHorizontalHeaderLabels({tr("Words")});
    const std::vector<std::string>& words = m_list.words();
    table->setRowCount(static_cast<int>(words.size()));
    for (int row = 0; row < static_cast<int>(words.size()); ++row)
        table->setItem(row, 0,
                       new QTableWidgetItem(QString::fromStdString(words[static_cast<std::size_t>(row)])));
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true); // and no empty band beside it

    connect(copyClipboard, &QPushButton::clicked, this, &PalindromDialog::copyClicked);
}

PalindromDialog::~PalindromDialog() {}

void PalindromDialog::copyClicked()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(m_list.clipboardText()));
}

} // namespace glyph
