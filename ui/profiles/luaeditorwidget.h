#pragma once

#include <QPlainTextEdit>

#include <string>

#include "ai/namescanner.h"

class QLabel;
class QListWidget;

namespace glyph
{

/// The profile editor's script text: a plain text editor with a completion list of names
/// (Ctrl+Space) and a one-line tip with the signature of an exported function, shown when
/// "(" is typed after its name. The names come from a rescan of the text after each key that
/// changes it.
class LuaEditorWidget : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit LuaEditorWidget(QWidget* parent = nullptr);

    const NameScanner& scanner() const { return m_scanner; }
    /// The completion list ("List Box") and the tip ("Variable list"); hidden when idle.
    QListWidget* completionList() const { return m_list; }
    QLabel* tip() const { return m_tip; }

    /// Rescans the whole text for names and reports the scanner's message (empty: none).
    void rescan();

public slots:
    /// Inserts the rest of the list's current item after the word before the cursor and
    /// hides the list (the index is not used).
    void listBoxSelected(int index);

signals:
    /// What the last scan has to say; an empty text clears the previous one.
    void scanMessage(const QString& text);

protected:
    /// Ctrl+Space shows the list; while it is up other keys leave the text alone, Down moves
    /// into it and a closing key hides it; "(" shows the tip, ")" or a closing key hides it.
    void keyPressEvent(QKeyEvent* event) override;
    /// Return and Escape in the completion list choose an item and close it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showList(int line, int column);
    void showTip(int line, int column);
    void hideList();
    void hideTip();
    void placeUnderLine(QWidget& popup, int line, int column);
    void followScroll();
    std::string lineText(int line) const;
    std::string wordBeforeCursor() const;
    void insertCompletion(const QString& item);

    NameScanner m_scanner;
    QLabel* m_tip = nullptr;
    QListWidget* m_list = nullptr;
    bool m_textChanged = false;
    /// Where the shown tip and list were placed, so that they follow when the text scrolls.
    int m_popupLine = 0;
    int m_popupColumn = 0;
};

} // namespace glyph
