#include "ui/common/prompter.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

#include <optional>

#include "ui/common/appnames.h"
#include "ui/common/pausecounter.h"
#include "ui/common/uitext.h"

namespace glyph
{

std::optional<PauseCounter::Guard> Prompter::holdPause()
{
    if (m_pauses == nullptr)
        return std::nullopt;
    return m_pauses->hold();
}

int Prompter::message(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                      const QStringList& buttons)
{
    const auto pause = holdPause();
    if (m_messageHandler)
        return m_messageHandler(MessageRequest{icon, text, buttons});
    return showMessageBox(parent, icon, text, buttons);
}

void Prompter::warn(QWidget* parent, const QString& text)
{
    message(parent, QMessageBox::Warning, text, {QCoreApplication::translate("glyph::Prompter", "OK")});
}

int Prompter::showMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                             const QStringList& buttons)
{
    QMessageBox box(icon, QString::fromLatin1(appnames::kProductName), text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> added;
    // The first button accepts, the last rejects (Escape), any between is destructive.
    for (const QString& caption : buttons) {
        const bool last = added.size() == buttons.size() - 1;
        const QMessageBox::ButtonRole role = added.isEmpty() ? QMessageBox::AcceptRole
                                             : last          ? QMessageBox::RejectRole
                                                             : QMessageBox::DestructiveRole;
        added.append(box.addButton(caption, role));
    }
    if (!added.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton*>(added.first()));
    // A short text would leave the box too narrow for its caption.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(uitext::captionWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
    return static_cast<int>(added.indexOf(box.clickedButton()));
}

int Prompter::runDialog(QDialog& dialog)
{
    const auto pause = holdPause();
    if (m_dialogHandler)
        return m_dialogHandler(dialog);
    return dialog.exec();
}

QString Prompter::openFileName(const QString& folder, const QString& filter, const QStringList& places)
{
    const auto pause = holdPause();
    if (m_openFileNameHandler)
        return m_openFileNameHandler(folder, filter);
    return runFileDialog(nullptr, false, folder, filter, places);
}

QString Prompter::saveFileName(const QString& folder, const QString& filter, const QStringList& places)
{
    const auto pause = holdPause();
    if (m_saveFileNameHandler)
        return m_saveFileNameHandler(folder, filter);
    return runFileDialog(nullptr, true, folder, filter, places);
}

QString Prompter::runFileDialog(QWidget* parent, bool save, const QString& folder, const QString& filter,
                                const QStringList& places)
{
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save)
        dialog.setDefaultSuffix(saveSuffix(filter));
    // Qt has no Romanian of its own for this dialog: its caption and the words beside its fields
    // are the program's, in the language chosen.
    dialog.setWindowTitle(save ? tr("Save As") : tr("Open"));
    dialog.setLabelText(QFileDialog::LookIn, tr("Look in:"));
    dialog.setLabelText(QFileDialog::FileName, tr("File name:"));
    dialog.setLabelText(QFileDialog::FileType, tr("Files of type:"));
    dialog.setLabelText(QFileDialog::Accept, save ? tr("&Save") : tr("&Open"));
    dialog.setLabelText(QFileDialog::Reject, tr("Cancel"));
    QList<QUrl> shown;
    for (const QString& place : places)
        shown << QUrl::fromLocalFile(place);
    dialog.setSidebarUrls(shown + dialog.sidebarUrls());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString Prompter::saveSuffix(const QString& filter)
{
    // The filters are separated by line breaks or ";;"; the callers add the extension of the first.
    const QString first = filter.section(QRegularExpression("\\n|;;"), 0, 0);
    static const QRegularExpression pattern("\\*\\.(\\w+)(?=[\\s;)]|$)");
    return pattern.match(first).captured(1);
}

} // namespace glyph
