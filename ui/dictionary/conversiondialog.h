#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/dawgbuilder.h"
#include "ui/dictionary/conversionworker.h"
#include "ui_conversiondialog.h"

namespace glyph
{

class Game;
class GameSession;

/// Builds a dictionary on the worker thread: from a word list, or the loaded dictionary with
/// words added or deleted. Shows the builder's progress once a second and can stop it. A word
/// list built over the loaded dictionary's file is read again at once.
class ConversionDialog : public QDialog, private Ui::UIConversionDialog
{
    Q_OBJECT

public:
    /// Idle, set to build "Test.dic" in the user's "Dictionaries" folder (created when missing)
    /// from "Dictionaries/English.txt"; pauses the clocks.
    ConversionDialog(GameSession& session, QWidget* parent);
    /// Stops a run still going on and waits for it, stores the geometry under
    /// "ConversionDialogKey" and lets the clocks run again.
    ~ConversionDialog() override;

    /// What Start does; the words are those to add or delete (ignored for a word list).
    void setMode(ConversionMode mode, std::vector<std::string> words);
    /// Sets the dialog up to add or delete these words in the dictionary file: the file is both
    /// source and destination, and no word list is chosen.
    void editDictionary(const QString& fileName, ConversionMode mode, std::vector<std::string> words);
    ConversionMode mode() const { return m_mode; }
    /// True from Start until the run's end has been shown.
    bool isRunning() const { return m_running; }
    /// The builder whose progress the table shows.
    DawgBuilder& builder() { return m_builder; }

    /// The destination name for a chosen file: ".dic" appended when its file name holds no ".".
    static QString dictionaryName(const QString& chosen);

public slots:
    void browseInClicked();
    void browseOutClicked();
    /// Starts the run with the fields' paths and author; does nothing while one goes on.
    void startClicked();
    /// Asks the run to stop, waits for the worker and shows the result.
    void stopClicked();
    /// Writes the progress rows; once the worker has ended, goes back to idle and shows the result.
    void timeOut();
    /// Closing the window stops a run first (without a result box).
    void reject() override;

private:
    void setRunning(bool running);
    void showProgress();
    void finishRun(bool report);
    /// After a word list was built into the loaded dictionary's file: the game reads it again.
    void reloadRebuiltDictionary();
    /// "Conversion success", with the count of lines left out of the dictionary when there are,
    /// and a note when the word list could not be reordered in place.
    QString successText() const;
    /// The builder's status in the user's language.
    static QString statusText(const std::string& status);
    void stopWorker();
    void workerFinished();

    Game& m_game;
    GameSession& m_session;
    QTimer m_timer;
    QElapsedTimer m_runClock;
    DawgBuilder m_builder;
    ConversionWorker m_worker;
    ConversionMode m_mode = ConversionMode::BuildFromWordList;
    std::vector<std::string> m_words;
    bool m_running = false;
    /// Set by Stop, so that the end of the run tells a stop from a failure.
    bool m_stopped = false;
    /// The live node count at the previous tick, for the merge rate.
    std::uint32_t m_previousNodes = 0;
};

} // namespace glyph
