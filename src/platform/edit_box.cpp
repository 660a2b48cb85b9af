#include "platform/edit_box.h"

#include "platform/clipboard.h"
#include "platform/codepage.h"
#include "platform/drop_text.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

#include <QAccessible>
#include <QAccessibleWidget>
#include <algorithm>
#include <cmath>

namespace platform {

using S = QsciScintillaBase;

EditBox::EditBox(QWidget* parent) : QsciScintillaBase(parent) {
    // Only insertions and deletions matter, and without their text.
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT));
    for (unsigned long margin = 0; margin < 5; ++margin)
        SendScintilla(SCI_SETMARGINWIDTHN, margin, 0L);
    SendScintilla(SCI_SETMARGINLEFT, 0UL, 2L);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1UL);
    SendScintilla(SCI_SETSCROLLWIDTH, 1UL);
    SendScintilla(SCI_SETBUFFEREDDRAW, 1UL);
    // The document is shown as it is: no lexer, no styling, no folding.
    SendScintilla(SCI_SETLEXER, static_cast<unsigned long>(SCLEX_NULL));
    showText(PageText());
    viewport()->setAcceptDrops(true);
    viewport()->installEventFilter(this);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int type, const char*, int, int, int, int, int, int, int) {
                if ((type & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)) && onTextChanged) onTextChanged();
            });
}

void EditBox::showText(const PageText& text) {
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

std::string EditBox::bytes() const {
    return codepage::encode(utf8());
}

void EditBox::clear() {
    SendScintilla(SCI_CLEARALL);
}

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

Colour EditBox::background() const {
    return background_;
}
Colour EditBox::foreground() const {
    return foreground_;
}

void EditBox::setTextFont(const QString& family, int pixelHeight, bool bold) {
    const QByteArray name = family.toUtf8();
    SendScintilla(SCI_STYLESETFONT, static_cast<unsigned long>(STYLE_DEFAULT), name.constData());
    SendScintilla(SCI_STYLESETFONT, 0UL, name.constData());
    // Sizes are in points: a pixel height becomes points at the screen's dots per inch.
    const int dotsPerInch = logicalDpiY() > 0 ? logicalDpiY() : 96;
    const long hundredths = std::lround(pixelHeight * 7200.0 / dotsPerInch);
    styleAll(SCI_STYLESETSIZEFRACTIONAL, hundredths);
    styleAll(SCI_STYLESETBOLD, bold ? 1 : 0);
}

bool EditBox::eventFilter(QObject* watched, QEvent* event) {
    // Drops reach the viewport, where the library would insert dropped text; the program
    // takes every drop as a list of paths instead.
    if (watched != viewport()) return QsciScintillaBase::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton) {
        pastePrimarySelection(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    if (!onDrop) return QsciScintillaBase::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // Always as a copy: a source that moves would delete what was dragged (the
        // library's own drag of a selection among them).
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (dropText(*drag->mimeData())) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const auto text = dropText(*drop->mimeData());
        if (!text) return true;
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        onDrop(*text);
        return true;
    }
    default:
        return QsciScintillaBase::eventFilter(watched, event);
    }
}

QMimeData* EditBox::toMimeData(const QByteArray& text, bool) const {
    return clipboard::mimeDataFor(codepage::encode(std::string_view(text.constData(), text.size())));
}

void EditBox::pastePrimarySelection(QPoint at) {
    // The library's own middle-click paste goes through QString and rewrites line ends.
    const auto bytes = clipboard::text(clipboard::Board::Selection);
    if (!bytes) return;
    const long position = SendScintilla(SCI_POSITIONFROMPOINT, static_cast<unsigned long>(at.x()), at.y());
    SendScintilla(SCI_GOTOPOS, static_cast<unsigned long>(position));
    replaceSelection(codepage::decode(*bytes));
}

bool EditBox::hasSelection() const {
    return SendScintilla(SCI_GETSELECTIONEMPTY) == 0;
}

std::string EditBox::selectedUtf8() const {
    // With a null buffer the message gives the length; the filled buffer may end in a zero.
    const long length = SendScintilla(SCI_GETSELTEXT, 0UL, static_cast<void*>(nullptr));
    std::string text(static_cast<std::size_t>(std::max(length, 0L)) + 1, '\0');
    SendScintilla(SCI_GETSELTEXT, 0UL, static_cast<void*>(text.data()));
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

void EditBox::removeSelectionOrNextCharacter() {
    SendScintilla(SCI_CLEAR);
    update();
}

void EditBox::replaceSelection(std::string_view utf8) {
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_REPLACESEL, 0UL, "");
    if (!utf8.empty()) SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.data());
    SendScintilla(SCI_ENDUNDOACTION);
    SendScintilla(SCI_SCROLLCARET);
}

void EditBox::replaceSelectionUnrecorded(std::string_view utf8) {
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    SendScintilla(SCI_REPLACESEL, 0UL, "");
    if (!utf8.empty()) SendScintilla(SCI_ADDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.data());
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SCROLLCARET);
}

void EditBox::selectAll() {
    SendScintilla(SCI_SETSEL, 0UL, SendScintilla(SCI_GETLENGTH));
    SendScintilla(SCI_SCROLLCARET);
}

void EditBox::undo() {
    SendScintilla(SCI_UNDO);
}

void EditBox::leaveEditKeysToWindow() {
    const struct {
        int key;
        int modifiers;
    } keys[] = {
        {'Z', SCMOD_CTRL},               // undo
        {SCK_DELETE, SCMOD_NORM},        // delete
        {'X', SCMOD_CTRL},               // cut
        {'C', SCMOD_CTRL},               // copy
        {'V', SCMOD_CTRL},               // paste
        {'A', SCMOD_CTRL},               // select all
        {'T', SCMOD_CTRL},               // insert date (the box: swap lines)
        {'D', SCMOD_CTRL},               // insert time (the box: duplicate)
        {SCK_DELETE, SCMOD_SHIFT},       // the box's other cut key
        {SCK_INSERT, SCMOD_CTRL},        // the box's other copy key
        {SCK_INSERT, SCMOD_SHIFT},       // the box's other paste key
        {'L', SCMOD_CTRL},               // the box's line cut
        {'T', SCMOD_CTRL | SCMOD_SHIFT}, // the box's line copy
    };
    for (const auto& k : keys)
        SendScintilla(SCI_CLEARCMDKEY, static_cast<unsigned long>(k.key + (k.modifiers << 16)));
    SendScintilla(SCI_USEPOPUP, static_cast<unsigned long>(SC_POPUP_NEVER));
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
