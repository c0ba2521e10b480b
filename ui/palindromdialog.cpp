#include "ui/palindromdialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableWidgetItem>

#include "engine/game.h"
#include "ui/mainwindow.h"

namespace glyph
{

PalindromDialog::PalindromDialog(Game& game, MainWindow& window, QWidget* parent)
    : QDialog(parent), m_window(window)
{
    setupUi(this);
    m_window.setPaused(true);
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

PalindromDialog::~PalindromDialog()
{
    m_window.setPaused(false);
}

void PalindromDialog::copyClicked()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(m_list.clipboardText()));
}

} // namespace glyph
