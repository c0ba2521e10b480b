#include "ui/board/jokerdialog.h"

#include "ui/common/uitext.h"

namespace glyph
{

JokerDialog::JokerDialog(QWidget* parent) : QDialog(parent)
{
    setupUi(this);
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        joker->addItem(QString(QChar::fromLatin1(letter)));
    joker->setCurrentIndex(0);
    // Close chooses the letter shown; Escape and the close box take the joker back.
    connect(Ui::UIJokerDialog::close, &QPushButton::clicked, this, &QDialog::accept);
    uitext::fitCaption(*this);
}

char JokerDialog::letter() const
{
    const QString text = joker->currentText();
    return text.isEmpty() ? 'A' : text.at(0).toLatin1();
}

} // namespace glyph
