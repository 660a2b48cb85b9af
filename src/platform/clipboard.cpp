#include "platform/clipboard.h"

#include "platform/codepage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform::clipboard {

void putText(std::string_view bytes) {
    QClipboard* board = QGuiApplication::clipboard();
    if (!board) return;
    auto* data = new QMimeData;
    data->setData(kCodePageBytesType, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    data->setText(codepage::toQString(bytes));
    board->setMimeData(data); // the clipboard owns it now
}

std::optional<std::string> text() {
    const QClipboard* board = QGuiApplication::clipboard();
    const QMimeData* data = board ? board->mimeData() : nullptr;
    if (!data) return std::nullopt;
    if (data->hasFormat(kCodePageBytesType)) return data->data(kCodePageBytesType).toStdString();
    if (data->hasText()) return codepage::fromQString(data->text());
    return std::nullopt;
}

} // namespace platform::clipboard
