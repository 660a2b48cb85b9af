#include "platform/edit_box.h"

#include "platform/codepage.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace platform {

using S = QsciScintillaBase;

EditBox::EditBox(QWidget* parent) : QsciScintillaBase(parent) {
    // Only insertions and deletions matter, and without their text.
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT));
    for (unsigned long margin = 0; margin < 5; ++margin) SendScintilla(SCI_SETMARGINWIDTHN, margin, 0L);
    SendScintilla(SCI_SETMARGINLEFT, 0UL, 2L);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1UL);
    SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
    SendScintilla(SCI_SETBUFFEREDDRAW, 1UL);
    // The document is shown as it is: no lexer, no styling, no folding.
    SendScintilla(SCI_SETLEXER, static_cast<unsigned long>(SCLEX_NULL));
    show(PageText());
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, [this](int, int type, const char*, int, int, int, int, int, int, int) {
        if ((type & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)) && onTextChanged) onTextChanged();
    });
}

void EditBox::show(const PageText& text) {
    SendScintilla(SCI_SETDOCPOINTER, 0UL, text.document());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    if (onTextChanged) onTextChanged();
}

PageText EditBox::text() const {
    return PageText::adopt(reinterpret_cast<void*>(SendScintilla(SCI_GETDOCPOINTER)));
}

std::string EditBox::utf8() const {
    const long length = SendScintilla(SCI_GETLENGTH);
    const char* p = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return std::string(p, static_cast<std::size_t>(length));
}

std::string EditBox::bytes() const { return codepage::encode(utf8()); }

void EditBox::clear() { SendScintilla(SCI_CLEARALL); }

void EditBox::styleAll(unsigned msg, long value) {
    SendScintilla(msg, static_cast<unsigned long>(STYLE_DEFAULT), value);
    SendScintilla(msg, 0UL, value);
}

void EditBox::setColours(Colour background, Colour foreground) {
    background_ = background;
    foreground_ = foreground;
    // Scintilla packs colours the way the program does: red in the low byte.
    styleAll(SCI_STYLESETBACK, background);
    styleAll(SCI_STYLESETFORE, foreground);
    SendScintilla(SCI_SETCARETFORE, static_cast<unsigned long>(foreground));
    update();
}

Colour EditBox::background() const { return background_; }
Colour EditBox::foreground() const { return foreground_; }

void EditBox::setTextFont(const QString& family, int pixelHeight, bool bold) {
    const QByteArray name = family.toUtf8();
    SendScintilla(SCI_STYLESETFONT, static_cast<unsigned long>(STYLE_DEFAULT), name.constData());
    SendScintilla(SCI_STYLESETFONT, 0UL, name.constData());
    // Sizes are in points; at 96 dots per inch a point is 4/3 pixels.
    const long hundredths = pixelHeight * 75L;
    styleAll(SCI_STYLESETSIZEFRACTIONAL, hundredths);
    styleAll(SCI_STYLESETBOLD, bold ? 1 : 0);
}

void installPlainAccessibilityForEditBoxes() {
    QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
        if (!object || !object->isWidgetType()) return nullptr;
        if (className == QLatin1String("QsciScintillaBase") || className == QLatin1String("QsciScintilla") ||
            className == QLatin1String("platform::EditBox"))
            return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
        return nullptr;
    });
}

} // namespace platform
