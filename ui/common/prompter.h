#pragma once

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "ui/common/pausecounter.h"

class QDialog;
class QWidget;

namespace glyph
{

/// Asks the user: message boxes captioned "Glyphmosaic", modal dialogs and file choosers,
/// each holding the clocks' pause while it is up. Tests replace the user with handlers.
class Prompter
{
    Q_DECLARE_TR_FUNCTIONS(Prompter)

public:
    /// A message box as it is about to be shown.
    struct MessageRequest {
        QMessageBox::Icon icon;
        QString text;
        QStringList buttons;
    };
    /// Answers a message box instead of the user: the index of the button pressed, -1 for none.
    using MessageHandler = std::function<int(const MessageRequest&)>;
    /// Runs a modal dialog instead of exec(): returns the dialog's result.
    using DialogHandler = std::function<int(QDialog&)>;
    /// Chooses a file instead of the file dialog, from a start folder and a filter: returns the
    /// name, empty when cancelled.
    using FileNameHandler = std::function<QString(const QString& folder, const QString& filter)>;

    /// The clocks' pause counter that every prompt holds while it is up (null: none).
    void setPauseCounter(PauseCounter* counter) { m_pauses = counter; }

    /// Shows a message box with the given buttons (the first is the default, the last is
    /// Escape); returns the index of the button pressed, -1 when the box was closed otherwise.
    int message(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QStringList& buttons);
    /// A warning with one OK button.
    void warn(QWidget* parent, const QString& text);
    /// Runs a dialog modally (or through the dialog handler) and returns its result.
    int runDialog(QDialog& dialog);
    /// The file to open or to save to, from a start folder and a filter; empty when cancelled.
    /// The `places` (the user's and the shipped data folders) are listed beside the files.
    QString openFileName(const QString& folder, const QString& filter, const QStringList& places = {});
    QString saveFileName(const QString& folder, const QString& filter, const QStringList& places = {});
    /// The file dialog itself, for widgets with a test hook of their own.
    /// A save dialog appends `saveSuffix(filter)` to a name typed without an extension before
    /// it asks whether to replace an existing file, so that it asks about the file written.
    static QString runFileDialog(QWidget* parent, bool save, const QString& folder, const QString& filter,
                                 const QStringList& places);
    /// The extension of the filter's first "*.ext" pattern ("txt" for "Text (*.txt)"), empty
    /// when its first filter names none ("*.*", "*").
    static QString saveSuffix(const QString& filter);

    void setMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }
    void setDialogHandler(DialogHandler handler) { m_dialogHandler = std::move(handler); }
    void setOpenFileNameHandler(FileNameHandler handler) { m_openFileNameHandler = std::move(handler); }
    void setSaveFileNameHandler(FileNameHandler handler) { m_saveFileNameHandler = std::move(handler); }

private:
    std::optional<PauseCounter::Guard> holdPause();
    int showMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                       const QStringList& buttons);

    PauseCounter* m_pauses = nullptr;
    MessageHandler m_messageHandler;
    DialogHandler m_dialogHandler;
    FileNameHandler m_openFileNameHandler;
    FileNameHandler m_saveFileNameHandler;
};

} // namespace glyph
