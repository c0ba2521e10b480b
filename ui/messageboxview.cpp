#include "ui/messageboxview.h"

#include <QMessageBox>
#include <QString>

void MessageBoxView::showWarning(const std::string& text)
{
    QMessageBox::warning(nullptr, QStringLiteral("Glyphmosaic"), QString::fromStdString(text));
}
