#include "ui/common/messageboxview.h"

#include <QMessageBox>
#include <QString>

#include "ui/common/translation.h"

void MessageBoxView::showWarning(const std::string& text)
{
    QMessageBox::warning(nullptr, QStringLiteral("Glyphmosaic"), QString::fromStdString(text));
}

std::string MessageBoxView::translate(const char* text)
{
    return translation::translateFormat(translation::kCoreContext, text).toStdString();
}
