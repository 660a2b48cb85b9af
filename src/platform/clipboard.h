#pragma once
// The system clipboard for page text. The program's own bytes travel under a private type,
// so that a copy and a paste within the program keep every byte (invalid sequences, mixed
// line ends); other programs get the same text as UTF-8 plain text. The X11 primary
// selection (select, then middle-click) carries the same two forms.
#include <optional>
#include <string>
#include <string_view>

class QMimeData;

namespace platform::clipboard {

inline constexpr const char* kCodePageBytesType = "application/x-tingyeben-gbk";

enum class Board { Clipboard, Selection };

// Code-page bytes in both forms; the plain text is only made when another program asks.
QMimeData* mimeDataFor(std::string bytes);

// Replaces what the clipboard holds with code-page bytes.
void putText(std::string_view bytes);

// The board's text in the code page: the program's own bytes when they are there,
// otherwise plain text converted to the code page; nothing when it holds no text.
std::optional<std::string> text(Board board = Board::Clipboard);

} // namespace platform::clipboard
