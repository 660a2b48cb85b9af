#pragma once
// The one multi-line edit box that shows whichever page is current. It shows a page's
// document directly; the text-changed callback runs on every change of its text, typed or
// set by the program.
#include "platform/page_text.h"

#include <Qsci/qsciscintillabase.h>
#include <functional>

namespace platform {

// Colours are packed blue * 65536 + green * 256 + red.
using Colour = long;

class EditBox : public QsciScintillaBase {
    Q_OBJECT
public:
    explicit EditBox(QWidget* parent = nullptr);

    // Shows text; the undo record starts afresh. Runs the text-changed callback, as any
    // change of the box's text does.
    void show(const PageText& text);
    PageText text() const;         // the shown document (a handle, no copy)
    std::string utf8() const;      // the shown text, decoded form (a copy)
    std::string bytes() const;     // the shown text in the code page
    void clear();                  // empties the shown text

    void setColours(Colour background, Colour foreground);
    Colour background() const;
    Colour foreground() const;
    void setTextFont(const QString& family, int pixelHeight, bool bold);

    std::function<void()> onTextChanged;

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
