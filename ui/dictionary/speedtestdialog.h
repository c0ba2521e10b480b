#pragma once

#include <QDialog>
#include <QTimer>

#include "dictionary/speedtest.h"
#include "ui_speedtestdialog.h"

namespace glyph
{

class Dictionary;
class Game;

/// Measures once a second how many words per second a walk of the loaded dictionary
/// delivers, and shows the current rate, the average and the dictionary's file name.
class SpeedTestDialog : public QDialog, private Ui::UISpeedTestDialog
{
    Q_OBJECT

public:
    /// Starts the one-second timer (the first text shows after it); pauses the clocks.
    SpeedTestDialog(Game& game, QWidget* parent);
    /// Lets the clocks run again.
    ~SpeedTestDialog() override;

public slots:
    /// One measurement, then the timer is started again, so the pauses stay one second long.
    void timeOut();

private:
    const Dictionary& m_dictionary;
    SpeedTest m_speedTest;
    QTimer m_timer;
};

} // namespace glyph
