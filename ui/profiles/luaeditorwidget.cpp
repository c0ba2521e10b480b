#include "ui/profiles/luaeditorwidget.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>

#include <algorithm>

#include "ai/exportedfunctions.h"

namespace glyph
{

namespace
{

constexpr int kListWidth = 150;
constexpr int kListHeight = 100;
/// Pixels between the cursor's line and a popup placed under it.
constexpr int kPopupGap = 5;
constexpr int kTipMargin = 2;

bool isReturn(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

LuaEditorWidget::LuaEditorWidget(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);

    m_tip = new QLabel(this);
    m_tip->setObjectName("Variable list");
    m_tip->setAlignment(Qt::AlignCenter);
    m_tip->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_tip->setMargin(kTipMargin);
    m_tip->setPalette(QToolTip::palette());
    m_tip->setAutoFillBackground(true);
    m_tip->hide();

    m_list = new QListWidget(this);
    m_list->setObjectName("List Box");
    m_list->resize(kListWidth, kListHeight);
    m_list->installEventFilter(this);
    m_list->hide();
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { listBoxSelected(m_list->row(item)); });

    connect(document(), &QTextDocument::contentsChange, this, [this] { m_textChanged = true; });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &LuaEditorWidget::followScroll);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &LuaEditorWidget::followScroll);
}

void LuaEditorWidget::rescan()
{
    const QByteArray text = toPlainText().toLatin1();
    m_scanner.scan(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    emit scanMessage(QString::fromStdString(m_scanner.message()));
}

void LuaEditorWidget::keyPressEvent(QKeyEvent* event)
{
    const QTextCursor cursor = textCursor();
    const int line = cursor.blockNumber();
    const int column = cursor.positionInBlock();
    const int key = event->key();
    if (key == Qt::Key_Space && (event->modifiers() & Qt::ControlModifier) != 0) {
        showList(line, column);
        return;
    }

    const bool listShown = !m_list->isHidden();
    if (listShown) {
        // The text stays as it is while the list is up.
        event->accept();
    } else {
        m_textChanged = false;
        QPlainTextEdit::keyPressEvent(event);
        if (m_textChanged)
            rescan();
    }

    const QString text = event->text();
    const QChar character = text.size() == 1 ? text[0] : QChar();
    const bool printable = !text.isEmpty() && text[0].isPrint();
    const bool closing =
        !(key == Qt::Key_Shift || printable || key == Qt::Key_Delete || key == Qt::Key_Backspace);
    if (character == u'(')
        showTip(line, column);
    if (closing || character == u')')
        hideTip();
    if (!listShown)
        return;
    showList(line, column);
    if (m_list->isHidden())
        return;
    if (key == Qt::Key_Down) {
        m_list->setCurrentRow(0);
        m_list->setFocus();
    } else if (closing) {
        hideList();
    }
}

bool LuaEditorWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (isReturn(key)) {
            listBoxSelected(m_list->currentRow());
            return true;
        }
        if (key == Qt::Key_Escape) {
            hideList();
            return true;
        }
    }
    return QPlainTextEdit::eventFilter(watched, event);
}

void LuaEditorWidget::showList(int line, int column)
{
    const std::string word = NameScanner::wordBefore(lineText(line), static_cast<std::size_t>(column), false);
    m_list->clear();
    for (const std::string& name : m_scanner.completions(word))
        m_list->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    if (m_list->count() == 1) {
        m_list->setCurrentRow(0);
        listBoxSelected(0);
        return;
    }
    // The first name is chosen, so that Return completes at once.
    m_list->setCurrentRow(0);
    placeUnderLine(*m_list, line, column);
    m_list->show();
    m_list->raise();
}

void LuaEditorWidget::showTip(int line, int column)
{
    const std::string word = NameScanner::wordBefore(lineText(line), static_cast<std::size_t>(column), true);
    const ExportedFunction* function = word.empty() ? nullptr : findExportedFunction(word);
    if (function == nullptr) {
        hideTip();
        return;
    }
    m_tip->setText(QString::fromLatin1(function->output) + '\n' + QString::fromLatin1(function->name) + '\n' +
                   QString::fromLatin1(function->input));
    m_tip->adjustSize();
    placeUnderLine(*m_tip, line, column);
    m_tip->show();
    m_tip->raise();
}

void LuaEditorWidget::hideList()
{
    m_list->hide();
    setFocus();
}

void LuaEditorWidget::hideTip()
{
    m_tip->hide();
    setFocus();
}

void LuaEditorWidget::followScroll()
{
    for (QWidget* popup : {static_cast<QWidget*>(m_tip), static_cast<QWidget*>(m_list)}) {
        if (!popup->isHidden())
            placeUnderLine(*popup, m_popupLine, m_popupColumn);
    }
}

void LuaEditorWidget::placeUnderLine(QWidget& popup, int line, int column)
{
    m_popupLine = line;
    m_popupColumn = column;
    const QTextBlock block = document()->findBlockByNumber(line);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + std::clamp(column, 0, std::max(0, block.length() - 1)));
    // The cursor rectangle follows the scroll position, so the popup stays beside the text.
    const QRect lineRect = cursorRect(cursor).translated(viewport()->mapTo(this, QPoint(0, 0)));
    QPoint at(lineRect.left(), lineRect.bottom() + 1 + kPopupGap);
    if (at.y() + popup.height() > height() && lineRect.top() - kPopupGap - popup.height() >= 0)
        at.setY(lineRect.top() - kPopupGap - popup.height());
    at.setX(std::max(0, std::min(at.x(), width() - popup.width())));
    popup.move(at);
}

std::string LuaEditorWidget::lineText(int line) const
{
    return document()->findBlockByNumber(line).text().toLatin1().toStdString();
}

std::string LuaEditorWidget::wordBeforeCursor() const
{
    const QTextCursor cursor = textCursor();
    return NameScanner::wordBefore(lineText(cursor.blockNumber()),
                                   static_cast<std::size_t>(cursor.positionInBlock()), false);
}

void LuaEditorWidget::listBoxSelected(int)
{
    // The current item is the one chosen, whichever index the signal carried.
    if (const QListWidgetItem* item = m_list->currentItem())
        insertCompletion(item->text());
    hideList();
}

void LuaEditorWidget::insertCompletion(const QString& item)
{
    const auto typed = static_cast<qsizetype>(wordBeforeCursor().size());
    QTextCursor cursor = textCursor();
    cursor.insertText(item.mid(typed));
    setTextCursor(cursor);
}

} // namespace glyph
