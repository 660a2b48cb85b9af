#include "platform/clipboard.h"

#include "platform/codepage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace platform::clipboard {

namespace {

class CodePageMimeData : public QMimeData {
  public:
    explicit CodePageMimeData(std::string bytes) : bytes_(std::move(bytes)) {}

    QStringList formats() const override { return {kCodePageBytesType, "text/plain"}; }
    bool hasFormat(const QString& type) const override { return formats().contains(type); }

  protected:
    QVariant retrieveData(const QString& type, QMetaType) const override {
        if (type == kCodePageBytesType)
            return QByteArray(bytes_.data(), static_cast<qsizetype>(bytes_.size()));
        if (type == "text/plain") return codepage::toQString(bytes_);
        return {};
    }

  private:
    std::string bytes_;
};

QClipboard::Mode modeOf(Board board) {
    return board == Board::Selection ? QClipboard::Selection : QClipboard::Clipboard;
}

} // namespace

QMimeData* mimeDataFor(std::string bytes) {
    return new CodePageMimeData(std::move(bytes));
}

void putText(std::string_view bytes) {
    QClipboard* board = QGuiApplication::clipboard();
    if (!board) return;
    board->setMimeData(mimeDataFor(std::string(bytes))); // the clipboard owns it now
}

std::optional<std::string> text(Board which) {
    const QClipboard* board = QGuiApplication::clipboard();
    const QClipboard::Mode mode = modeOf(which);
    if (!board || (mode == QClipboard::Selection && !board->supportsSelection())) return std::nullopt;
    const QMimeData* data = board->mimeData(mode);
    if (!data) return std::nullopt;
    if (data->hasFormat(kCodePageBytesType)) return data->data(kCodePageBytesType).toStdString();
    if (data->hasText()) return codepage::fromQString(data->text());
    return std::nullopt;
}

} // namespace platform::clipboard
