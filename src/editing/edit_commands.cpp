#include "editing/edit_commands.h"

#include "app/main_window.h"
#include "platform/clipboard.h"
#include "platform/codepage.h"

namespace editing {

namespace {

platform::EditBox& box(app::Program& p) {
    return *p.window->编辑框_文本显示;
}

// The selection's code-page bytes.
std::string selectedBytes(app::Program& p) {
    return platform::codepage::encode(box(p).selectedUtf8());
}

void replaceSelectionUnrecorded(app::Program& p, const QString& text) {
    box(p).replaceSelectionUnrecorded(platform::codepage::decode(platform::codepage::fromQString(text)));
}

} // namespace

QString dateText(const QDateTime& at) {
    const QDate d = at.date();
    return QString("%1年%2月%3日").arg(d.year()).arg(d.month()).arg(d.day());
}

QString timeText(const QDateTime& at) {
    const QTime t = at.time();
    return QString("%1时%2分%3秒").arg(t.hour()).arg(t.minute()).arg(t.second());
}

void undo(app::Program& p) {
    box(p).undo();
}

void deleteSelectionOrNext(app::Program& p) {
    box(p).removeSelectionOrNextCharacter();
}

void copy(app::Program& p) {
    if (!box(p).hasSelection()) return;
    platform::clipboard::putText(selectedBytes(p));
}

void cut(app::Program& p) {
    if (!box(p).hasSelection()) return;
    platform::clipboard::putText(selectedBytes(p));
    box(p).replaceSelection({});
}

void paste(app::Program& p) {
    const auto text = platform::clipboard::text();
    if (!text) return;
    // A page's text ends at its first zero byte; whatever another program put after one
    // does not belong in it.
    const std::string bytes = text->substr(0, text->find('\0'));
    if (bytes.empty()) return;
    box(p).replaceSelection(platform::codepage::decode(bytes));
}

void selectAll(app::Program& p) {
    box(p).selectAll();
}

void insertDate(app::Program& p) {
    replaceSelectionUnrecorded(p, dateText(p.clock.now()));
}

void insertTime(app::Program& p) {
    replaceSelectionUnrecorded(p, timeText(p.clock.now()));
}

void copyAll(app::Program& p) {
    box(p).selectAll();
    platform::clipboard::putText(box(p).bytes());
}

} // namespace editing
