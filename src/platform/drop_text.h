#pragma once
// What was dropped, as the one text the program takes from every kind of drop: files (their
// full paths, each followed by CR LF when there are several), links (a file: link stands for
// its path), plain text, and formatted text (its plain text).
#include <QMimeData>
#include <QString>
#include <optional>

namespace platform {

std::optional<QString> dropText(const QMimeData& data);

} // namespace platform
