#include "platform/profile.h"

#include "platform/files.h"

#include <optional>
#include <vector>

namespace platform::profile {

namespace {

struct Line {
    std::size_t begin; // first byte of the line
    std::size_t end;   // one past its last byte before the line end
    std::size_t next;  // first byte of the following line
};

std::vector<Line> splitLines(std::string_view s) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t lf = s.find('\n', pos);
        const std::size_t next = lf == std::string_view::npos ? s.size() : lf + 1;
        std::size_t end = lf == std::string_view::npos ? s.size() : lf;
        if (end > pos && s[end - 1] == '\r') --end;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// ASCII letters compare without case; the bytes of a double-byte character compare exactly,
// since a trail byte may look like a letter.
bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x >= 0x81 && x <= 0xFE && i + 1 < a.size()) {
            if (x != y || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
        if (lower(x) != lower(y)) return false;
    }
    return true;
}

// The section name of a header line "[name]", or nothing for any other line. A line
// without its closing bracket is an ordinary line.
std::optional<std::string_view> sectionName(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const std::size_t close = t.find(']');
    if (close == std::string_view::npos || close == 0) return std::nullopt;
    return trim(t.substr(1, close - 1));
}

struct KeyLine {
    std::string_view name;
    std::string_view value;
};

KeyLine keyOf(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return {trim(line), {}};
    return {trim(line.substr(0, eq)), trim(line.substr(eq + 1))};
}

struct Found {
    std::optional<std::size_t> header; // index of the section's header line
    std::optional<std::size_t> key;    // index of the key's line
    std::size_t lastContent = 0;       // last non-blank line of the section (or the header)
};

Found locate(std::string_view s, const std::vector<Line>& lines, std::string_view section,
             std::string_view key) {
    Found f;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = s.substr(lines[i].begin, lines[i].end - lines[i].begin);
        if (auto name = sectionName(text)) {
            if (inSection) break; // the first section of that name wins
            if (sameName(*name, section)) {
                inSection = true;
                f.header = i;
                f.lastContent = i;
            }
            continue;
        }
        if (!inSection) continue;
        if (!trim(text).empty()) f.lastContent = i;
        if (!f.key && text.find('=') != std::string_view::npos && sameName(keyOf(text).name, key)) f.key = i;
    }
    return f;
}

} // namespace

std::string readFromText(std::string_view content, std::string_view section, std::string_view key) {
    const auto lines = splitLines(content);
    const Found f = locate(content, lines, section, key);
    if (!f.key) return {};
    const Line& l = lines[*f.key];
    return std::string(keyOf(content.substr(l.begin, l.end - l.begin)).value);
}

std::string writeToText(std::string_view content, std::string_view section, std::string_view key,
                        std::string_view value) {
    const auto lines = splitLines(content);
    const Found f = locate(content, lines, section, key);
    std::string out;
    out.reserve(content.size() + section.size() + key.size() + value.size() + 8);
    const std::string keyLine = std::string(key) + "=" + std::string(value);

    if (f.key) { // the value is replaced where it stands; the key keeps its spelling
        const Line& l = lines[*f.key];
        const std::string_view text = content.substr(l.begin, l.end - l.begin);
        out.append(content.substr(0, l.begin));
        out.append(keyOf(text).name).append("=").append(value);
        out.append(content.substr(l.end));
        return out;
    }
    if (f.header) { // a new key goes after the section's last non-blank line
        const Line& l = lines[f.lastContent];
        out.append(content.substr(0, l.next));
        if (l.next == l.end) out.append("\r\n"); // that line ended the file without a line end
        out.append(keyLine).append("\r\n");
        out.append(content.substr(l.next));
        return out;
    }
    out.append(content);
    if (!out.empty() && out.back() != '\n') out.append("\r\n");
    out.append("[").append(section).append("]\r\n").append(keyLine).append("\r\n");
    return out;
}

std::string read(const QString& file, std::string_view section, std::string_view key) {
    return readFromText(files::readAll(file), section, key);
}

bool write(const QString& file, std::string_view section, std::string_view key, std::string_view value) {
    const std::string content = files::readAll(file); // every byte, zero bytes included
    return files::writeAtomically(file, writeToText(content, section, key, value)).ok;
}

} // namespace platform::profile
