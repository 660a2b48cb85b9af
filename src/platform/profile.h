#pragma once
// INI files read and written by the rules of the Windows profile functions.
//
// Names and values are code-page bytes. Section and key names compare case-insensitively,
// blanks around names and values are trimmed when reading, the first of duplicate sections
// and keys wins. A write creates the file when missing, appends a missing section at the
// end, a new key at the end of its section, replaces an existing key's value where it
// stands, and leaves every other line byte for byte as it was. Lines end in CR LF.
#include <QString>
#include <string>
#include <string_view>

namespace platform::profile {

// A missing file, section or key reads as the empty text.
std::string read(const QString& file, std::string_view section, std::string_view key);
std::string readFromText(std::string_view content, std::string_view section, std::string_view key);

// Returns whether the file was written.
bool write(const QString& file, std::string_view section, std::string_view key, std::string_view value);
std::string writeToText(std::string_view content, std::string_view section, std::string_view key,
                        std::string_view value);

} // namespace platform::profile
