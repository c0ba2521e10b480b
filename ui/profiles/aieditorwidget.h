#pragma once

#include <QWidget>

#include <functional>

#include "ui_aieditorwidget.h"

namespace glyph
{

class Game;
class GameSession;

/// The "AI Editor" page: loads, edits, saves and tests computer-player profiles (".cpu" Lua
/// scripts); the output of the scripts' Debug calls and their errors appear in `log`.
class AIEditorWidget : public QWidget, private Ui::UIAIEditorWidget
{
    Q_OBJECT

public:
    /// Asks the user for a file (to save when `save` is true); returns an empty text when
    /// cancelled. Stands in for the file dialogs where no user is present.
    using FileChooser = std::function<QString(bool save, const QString& start, const QString& filter)>;

    AIEditorWidget(GameSession& session, QWidget* parent);

    /// Appends one line to `log` and moves its cursor to the last line.
    void appendOutput(const QString& line);
    /// Replaces the file dialogs (null: real dialogs).
    void setFileChooser(FileChooser chooser) { m_fileChooser = std::move(chooser); }

public slots:
    /// Empties the editor, after asking whether to save the script's changes when it has any;
    /// Cancel keeps the script.
    void newClicked();
    /// Loads a profile chosen in Profiles/ (the user's when it holds any, with the shipped one
    /// beside it) into the editor; a path without ".cpu" is ignored, an unreadable file gives
    /// "Can't open %s" and changes nothing. A script with changes is first offered for saving,
    /// as by New.
    void browseClicked();
    /// Writes the script as Latin-1 text under a chosen name (".cpu" appended unless the name
    /// holds it), offered in the user's Profiles/ unless the current file's folder can be
    /// written; a failure gives "Can't save %s" and changes nothing. A script holding
    /// characters Latin-1 has not is refused with a warning naming them, before any file is chosen.
    void saveClicked();
    /// Lists the moves of the current player's rack and runs the script on them; nothing is
    /// played. A script holding characters Latin-1 has not is refused with a warning naming them.
    void testClicked();

    /// True when the script may be replaced or left: it has no changes, or the user saved it or
    /// chose to discard them.
    bool changesSettled();

private:
    QString chooseFile(bool save, const QString& start, const QString& filter);
    /// Saves the script as `saveClicked` does; true when it was written.
    bool saveScript();
    QString saveStart() const;
    void warn(const QString& format, const QString& path);
    /// The script as Latin-1 bytes; false, after warning with `refusal` (its "%s" the characters
    /// Latin-1 has not), when the script holds any.
    bool scriptBytes(const QString& refusal, QByteArray& bytes);

    Game& m_game;
    GameSession& m_session;
    FileChooser m_fileChooser;
};

} // namespace glyph
