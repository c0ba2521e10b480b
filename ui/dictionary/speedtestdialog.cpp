#include "ui/dictionary/speedtestdialog.h"

#include "base/letters.h"
#include "engine/game.h"
#include "ui/common/prompter.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{
constexpr int kTickMs = 1000;

/// A rate cut to a whole number, with "," between groups of three digits.
QByteArray rateText(double rate)
{
    const unsigned long long whole = rate > 0.0 ? static_cast<unsigned long long>(rate) : 0;
    return QByteArray::fromStdString(letters::withThousands(whole));
}

} // namespace

SpeedTestDialog::SpeedTestDialog(Game& game, QWidget* parent)
    : QDialog(parent), m_dictionary(game.dictionary()), m_speedTest(game.dictionary())
{
    setupUi(this);
    connect(Ui::UISpeedTestDialog::close, &QPushButton::clicked, this, &QWidget::close);
    connect(&m_timer, &QTimer::timeout, this, &SpeedTestDialog::timeOut);
    m_timer.start(kTickMs);
}

SpeedTestDialog::~SpeedTestDialog() {}

void SpeedTestDialog::timeOut()
{
    m_timer.stop();
    const double rate = m_speedTest.measureRate();
    m_speedTest.addRate(rate);
    message->setText(QString::asprintf(
        qPrintable(tr(" Current %s words/s \n Average %s words/s \n %s")), rateText(rate).constData(),
        rateText(m_speedTest.average()).constData(), m_dictionary.fileName().c_str()));
    m_timer.start(kTickMs);
}

} // namespace glyph
