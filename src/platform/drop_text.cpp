#include "platform/drop_text.h"

#include <QTextDocumentFragment>
#include <QUrl>

namespace platform {

std::optional<QString> dropText(const QMimeData& data) {
    if (data.hasUrls()) {
        const QList<QUrl> urls = data.urls();
        QStringList items;
        for (const QUrl& url : urls)
            items << (url.isLocalFile() ? url.toLocalFile() : url.toString());
        if (items.size() == 1) return items.front();
        QString text;
        for (const QString& item : items)
            text += item + "\r\n";
        return text;
    }
    if (data.hasText()) return data.text();
    if (data.hasHtml()) return QTextDocumentFragment::fromHtml(data.html()).toPlainText();
    return std::nullopt;
}

} // namespace platform
