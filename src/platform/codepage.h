#pragma once
// The program's code page: GBK, read and written through GB18030.
//
// A page's text is bytes in the code page. The edit box holds the same text as UTF-8 in which
// every byte that is not valid GB18030 is kept raw (never valid UTF-8 there), so that
// encode(decode(bytes)) == bytes for every byte string, and every Unicode character a user
// can type encodes (GB18030's four-byte forms where GBK has none).
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace platform::codepage {

// Code-page bytes to the edit box's UTF-8, appended to out. With final = false a sequence
// that may continue in the next chunk is left undecoded; the result is how many input bytes
// were consumed (all of them when final is true).
std::size_t decodeAppend(std::string_view bytes, std::string& out, bool final = true);
std::string decode(std::string_view bytes);

// The edit box's UTF-8 (with raw bytes) back to code-page bytes, appended to out. With
// final = false an incomplete UTF-8 sequence at the end is left for the next chunk.
std::size_t encodeAppend(std::string_view utf8, std::string& out, bool final = true);
std::string encode(std::string_view utf8);

// Names, captions and typed text cross into the code page here. Raw bytes that are not
// valid GB18030 become U+FFFD on the way to a QString.
QString toQString(std::string_view bytes);
std::string fromQString(const QString& text);

// The first n bytes of a text (the whole text when it is shorter); a double-byte character
// that starts at byte n is cut in half, as byte counting demands.
std::string firstBytes(std::string_view text, std::size_t n);

// Splits at every occurrence of separator; n separators give n + 1 parts. An occurrence counts
// only where it starts and ends on character boundaries (a trail byte is never a separator).
std::vector<std::string> split(std::string_view text, std::string_view separator);

// Full-width forms (GBK A3A1..A3FE, and the ideographic space A1A1) to their single-byte
// forms; every other byte stays as it is.
std::string fullWidthToSingleByte(std::string_view text);

} // namespace platform::codepage
