#include "ui/common/messageboxview.h"

#include <QMessageBox>
#include <QString>

#include <cstdio>

#include "ui/common/translation.h"

void MessageBoxView::showWarning(const std::string& text)
{
    if (!m_interactive) {
        std::fprintf(stderr, "glyphmosaic: %s\n", text.c_str());
        return;
    }
    QMessageBox::warning(nullptr, QStringLiteral("Glyphmosaic"), QString::fromStdString(text));
}

std::string MessageBoxView::translate(const char* text)
{
    return translation::translateFormat(translation::kCoreContext, text).toStdString();
}
