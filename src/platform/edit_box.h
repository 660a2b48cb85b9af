#pragma once
// The one multi-line edit box that shows whichever page is current. It shows a page's
// document directly; the text-changed callback runs on every change of its text, typed or
// set by the program.
#include "platform/page_text.h"

#include <Qsci/qsciscintillabase.h>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

// Colours are packed blue * 65536 + green * 256 + red.
using Colour = long;

class EditBox : public QsciScintillaBase {
    Q_OBJECT
  public:
    explicit EditBox(QWidget* parent = nullptr);

    // Shows text; the undo record starts afresh. Runs the text-changed callback, as any
    // change of the box's text does.
    void showText(const PageText& text);
    PageText text() const;     // the shown document (a handle, no copy)
    std::string utf8() const;  // the shown text, decoded form (a copy)
    std::string bytes() const; // the shown text in the code page
    void clear();              // empties the shown text

    void setColours(Colour background, Colour foreground);
    Colour background() const;
    Colour foreground() const;
    void setTextFont(const QString& family, int pixelHeight, bool bold);

    std::function<void()> onTextChanged;

    // Editing for the program's own commands; texts are in the box's decoded form.
    bool hasSelection() const;
    std::string selectedUtf8() const;
    // Removes the selection, or with none the character after the caret (the Delete key).
    void removeSelectionOrNextCharacter();
    // Replaces the selection (with none: inserts at the caret) as one undo step; the caret
    // ends after the new text. The text goes in byte for byte, line ends included.
    void replaceSelection(std::string_view utf8);
    // The same without an undo step. The steps recorded before it no longer fit the text, so
    // the undo record is emptied rather than left to undo the wrong characters.
    void replaceSelectionUnrecorded(std::string_view utf8);
    // Anchor at 0, caret at the end, scrolled into view.
    void selectAll();
    void undo();
    // Inserts the primary selection's text at a point of the box (the middle button).
    void pastePrimarySelection(QPoint at);

    // Leaves the keys of the program's edit commands to the window's shortcuts, and drops
    // the box's own clipboard paths (its keys and pop-up menu), which go through QString and
    // lose bytes.
    void leaveEditKeysToWindow();
    // Whatever is dropped on the box arrives here as one text instead of being inserted.
    std::function<void(const QString&)> onDrop;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // What the library puts on the clipboard or the primary selection: the exact bytes too.
    QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override;

  private:
    void styleAll(unsigned msg, long value);
    Colour background_ = 0;
    Colour foreground_ = 0;
};

// Keeps the assistive-technology bridge away from the edit box: the library's own bridge
// recounts the whole document on every change and caret move. Call once, before any edit
// box exists.
void installPlainAccessibilityForEditBoxes();

} // namespace platform
