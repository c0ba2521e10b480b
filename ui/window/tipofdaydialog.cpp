#include "ui/window/tipofdaydialog.h"

#include <QFile>
#include <QPixmap>
#include <QScreen>

#include "base/random.h"
#include "base/regularfile.h"
#include "engine/game.h"
#include "preferences/keys.h"
#include "preferences/preferences.h"
#include "ui/common/appnames.h"
#include "ui/common/prompter.h"
#include "ui/session/gamesession.h"

namespace glyph
{

namespace
{
constexpr int kLogoHeight = 96;
// A tip file is a few kilobytes; anything far larger is not one.
constexpr std::uint64_t kLargestTipFile = 1 << 20;
} // namespace

TipOfDayDialog::TipOfDayDialog(Game& game, QWidget* parent) : QDialog(parent), m_game(game)
{
    setupUi(this);
    const QPixmap picture(appnames::kLogoFile);
    if (!picture.isNull())
        logo->setPixmap(picture.scaledToHeight(kLogoHeight, Qt::SmoothTransformation));
    showNextTime->setChecked(false);
    connect(next, &QPushButton::clicked, this, &TipOfDayDialog::nextClicked);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    nextClicked();
}

TipOfDayDialog::~TipOfDayDialog()
{
    m_game.preferences().setInteger(keys::kTipShow, showNextTime->isChecked() ? 1 : 0);
}

void TipOfDayDialog::centreOn(const QWidget& window)
{
    const QScreen* screen = window.screen();
    const QPoint centre = window.isMaximized() && screen != nullptr ? screen->availableGeometry().center()
                                                                    : window.frameGeometry().center();
    // Its size as it will be shown: the form's, or more where the layout needs it.
    const QSize shown = size().expandedTo(minimumSizeHint());
    move(centre - QPoint(shown.width() / 2, shown.height() / 2));
}

QStringList TipOfDayDialog::readLines(const QString& fileName)
{
    std::string bytes;
    if (RegularFile::readFile(QFile::encodeName(fileName).toStdString(), kLargestTipFile, bytes) !=
        RegularFile::Status::Read)
        return {};
    QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    text.remove(QChar('\r'));
    text.remove(QChar('\b'));
    QStringList lines = text.split(QChar('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the line feed that ends the last line
    return lines;
}

int TipOfDayDialog::separatorCount(const QStringList& lines)
{
    return static_cast<int>(lines.count(QString()));
}

QString TipOfDayDialog::tipAt(const QStringList& lines, int index)
{
    const bool whole = separatorCount(lines) == 0;
    QString tip;
    int passed = 0;
    for (const QString& line : lines) {
        if (line.isEmpty() && !whole) {
            if (passed++ == index)
                break;
            continue;
        }
        if (passed == index || whole)
            tip += line + QChar('\n');
    }
    return tip;
}

void TipOfDayDialog::nextClicked()
{
    const QStringList lines = readLines(QString::fromStdString(m_game.preferences().string(keys::kTipFile)));
    if (lines.isEmpty())
        return;
    // The text after the last empty line is a tip too, unless the file ends with empty lines.
    const int tips = separatorCount(lines) + (lines.last().isEmpty() ? 0 : 1);
    const int index = tips > 1 ? random::uniform(0, tips - 1) : 0;
    tip->setPlainText(tipAt(lines, index));
}

} // namespace glyph
