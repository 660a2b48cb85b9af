#include "platform/codepage.h"

#include "gb18030_tables.inc"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

// GB18030 byte structure:
//   00..7F                        one byte (ASCII)
//   81..FE  40..7E, 80..FE        two bytes (GBK)
//   81..FE  30..39  81..FE  30..39 four bytes, numbered linearly: the BMP from 81 30 81 30,
//                                 U+10000..U+10FFFF from 90 30 81 30
//   80, FF                        never valid
// Anything else is kept as raw bytes. The decoder only ever emits a raw byte that cannot join
// its neighbours into valid UTF-8: a raw lead byte is followed by ASCII, 0xFF or the end (every
// two-byte code is in the table; the generator refuses data where that could break), and a raw
// 0x80 follows something complete. So the encoder, which copies every byte that is not strict
// UTF-8, gives back exactly the bytes that were decoded.

namespace platform::codepage {

namespace {

namespace gb = gb18030;
using uchar = unsigned char;

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

std::uint64_t load64(const uchar* p) {
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// How many of the 8 bytes in w, in memory order, are ASCII before the first that is not.
int asciiPrefix(std::uint64_t w) {
    const std::uint64_t high = w & kHighBits;
    if (high == 0) return 8;
    if constexpr (std::endian::native == std::endian::little)
        return std::countr_zero(high) >> 3;
    else
        return std::countl_zero(high) >> 3;
}

// Writes the four bytes of v, lowest first. The caller advances by the bytes that count.
void store32(char* o, std::uint32_t v) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(o, &v, 4);
    } else {
        o[0] = char(v);
        o[1] = char(v >> 8);
        o[2] = char(v >> 16);
        o[3] = char(v >> 24);
    }
}

int putUtf8(char* o, std::uint32_t cp) {
    if (cp < 0x800) {
        o[0] = char(0xC0 | cp >> 6);
        o[1] = char(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        o[0] = char(0xE0 | cp >> 12);
        o[1] = char(0x80 | ((cp >> 6) & 0x3F));
        o[2] = char(0x80 | (cp & 0x3F));
        return 3;
    }
    o[0] = char(0xF0 | cp >> 18);
    o[1] = char(0x80 | ((cp >> 12) & 0x3F));
    o[2] = char(0x80 | ((cp >> 6) & 0x3F));
    o[3] = char(0x80 | (cp & 0x3F));
    return 4;
}

// The code point of a complete four-byte form at p (p[0] a lead, p[1] a digit), 0 if the form
// is malformed or unassigned.
std::uint32_t fourByteCodePoint(const uchar* p) {
    const unsigned b3 = p[2] - 0x81u, b4 = p[3] - 0x30u;
    if (b3 >= 126 || b4 >= 10) return 0;
    const std::uint32_t linear = ((p[0] - 0x81u) * 10 + (p[1] - 0x30u)) * 1260 + b3 * 10 + b4;
    if (linear < gb::kFourByteBmpCount) return gb::fourByteToBmp[linear];
    if (linear - gb::kSupplementaryBase < 0x100000) return 0x10000 + (linear - gb::kSupplementaryBase);
    return 0;
}

// A lead and a digit with fewer than four bytes in hand: could more input complete the form?
bool fourByteMayContinue(const uchar* p, const uchar* end) {
    return end - p == 2 || p[2] - 0x81u < 126;
}

std::uint32_t twoByteEntry(unsigned lead, unsigned trail) {
    return gb::twoByteToUtf8[(lead - 0x81) * gb::kTrailColumns + (trail - 0x40)];
}

// Length of the unit at p in the decoder's reading: 2 or 4 for a valid code, 1 for ASCII and
// for a raw byte.
std::size_t unitLength(const uchar* p, const uchar* end) {
    if (p[0] - 0x81u >= 126 || end - p < 2) return 1;
    const unsigned trail = p[1];
    if (trail - 0x40u < 0xC0) return twoByteEntry(p[0], trail) ? 2 : 1;
    if (trail - 0x30u < 10 && end - p >= 4 && fourByteCodePoint(p)) return 4;
    return 1;
}

// Strict UTF-8 at p: the sequence's length with its code point in cp, 0 if the byte at p does
// not start a valid sequence, -1 if the bytes up to end are a valid but incomplete start.
int parseUtf8(const uchar* p, const uchar* end, std::uint32_t& cp) {
    const unsigned b = p[0];
    int len;
    unsigned lo = 0x80, hi = 0xBF; // allowed range of the second byte
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if (b < 0xC2) {
        return 0;
    } else if (b < 0xE0) {
        len = 2;
        cp = b & 0x1F;
    } else if (b < 0xF0) {
        len = 3;
        cp = b & 0x0F;
        if (b == 0xE0) lo = 0xA0;
        if (b == 0xED) hi = 0x9F;
    } else if (b < 0xF5) {
        len = 4;
        cp = b & 0x07;
        if (b == 0xF0) lo = 0x90;
        if (b == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    for (int i = 1; i < len; ++i) {
        if (p + i == end) return -1;
        const unsigned c = p[i];
        if (i == 1 ? (c < lo || c > hi) : (c & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (c & 0x3F);
    }
    return len;
}

// Code-page bytes of a code point of U+0080 and above (not a surrogate); returns their count.
int putCodePage(char* o, std::uint32_t cp) {
    if (cp < 0x10000) {
        const std::uint32_t v = gb::bmpToBytes[cp];
        store32(o, v);
        return v > 0xFFFF ? 4 : 2;
    }
    std::uint32_t linear = gb::kSupplementaryBase + (cp - 0x10000);
    o[3] = char(0x30 + linear % 10);
    linear /= 10;
    o[2] = char(0x81 + linear % 126);
    linear /= 126;
    o[1] = char(0x30 + linear % 10);
    o[0] = char(0x81 + linear / 10);
    return 4;
}

// Copies the ASCII bytes at p, eight at a time where eight are left; true when it copied
// any, so the caller looks at p again.
inline bool copyAscii(const uchar*& p, const uchar* end, char*& o) {
    if (end - p >= 8) {
        const std::uint64_t w = load64(p);
        std::memcpy(o, p, 8);
        const int n = asciiPrefix(w);
        o += n;
        p += n;
        return n == 8;
    }
    if (*p < 0x80) {
        *o++ = char(*p++);
        return true;
    }
    return false;
}

// Decodes from p while p < limit, looking ahead as far as end; o must have room for 1.5 times
// what is read plus 16 bytes. Returns false when it stopped before an incomplete sequence.
bool decodeRun(const uchar*& pos, const uchar* limit, const uchar* end, char*& out, bool final) {
    const uchar* p = pos; // locals: stores through char* could alias the references
    char* o = out;
    const auto stop = [&](bool more) {
        pos = p;
        out = o;
        return more;
    };
    while (p < limit) {
        if (copyAscii(p, end, o)) continue;

        // Runs of two-byte codes, the bulk of a Chinese text, stay in this loop.
        while (p < limit && end - p >= 2) {
            const unsigned lead = p[0] - 0x81u, trail = p[1] - 0x40u;
            if (lead >= 126 || trail >= 0xC0) break;
            const std::uint32_t e = gb::twoByteToUtf8[lead * gb::kTrailColumns + trail];
            if (e == 0) break;
            store32(o, e);
            o += e >> 24;
            p += 2;
        }
        if (p >= limit || *p < 0x80) continue;

        const unsigned b = *p;
        if (b - 0x81u < 126) {
            if (end - p < 2) {
                if (!final) return stop(false);
            } else if (p[1] - 0x30u < 10) {
                if (end - p < 4) {
                    if (!final && fourByteMayContinue(p, end)) return stop(false);
                } else if (const std::uint32_t cp = fourByteCodePoint(p)) {
                    o += putUtf8(o, cp);
                    p += 4;
                    continue;
                }
            }
        }
        *o++ = char(b); // raw: 0x80, 0xFF, or a lead that starts no valid code
        ++p;
    }
    return stop(true);
}

// Encodes from p while p < limit, looking ahead as far as end; o must have room for twice
// what is read plus 16 bytes. Returns false when it stopped before an incomplete sequence.
bool encodeRun(const uchar*& pos, const uchar* limit, const uchar* end, char*& out, bool final) {
    const uchar* p = pos; // locals: stores through char* could alias the references
    char* o = out;
    const auto stop = [&](bool more) {
        pos = p;
        out = o;
        return more;
    };
    while (p < limit) {
        if (copyAscii(p, end, o)) continue;

        // Three-byte sequences (all of CJK) stay in this loop. An overlong form gives a code
        // point below U+0800, a surrogate has no table entry; both fall to the strict parse.
        while (p < limit && end - p >= 3) {
            const unsigned b = p[0], c1 = p[1], c2 = p[2];
            if ((b & 0xF0) != 0xE0 || (c1 & 0xC0) != 0x80 || (c2 & 0xC0) != 0x80) break;
            const std::uint32_t cp = (b & 0x0F) << 12 | (c1 & 0x3F) << 6 | (c2 & 0x3F);
            const std::uint32_t v = gb::bmpToBytes[cp];
            if (cp < 0x800 || v == 0) break;
            store32(o, v);
            o += v > 0xFFFF ? 4 : 2;
            p += 3;
        }
        if (p >= limit || *p < 0x80) continue;

        std::uint32_t cp;
        const int len = parseUtf8(p, end, cp);
        if (len > 0) {
            o += putCodePage(o, cp);
            p += len;
            continue;
        }
        if (len < 0 && !final) return stop(false);
        *o++ = char(*p++); // raw: not strict UTF-8
    }
    return stop(true);
}

// Runs a conversion over the input in blocks. Room for the whole output is reserved at once,
// but the string grows (and is zero-filled) a block at a time, while that part is in the
// cache. A run produces at most `growth` halves of a byte per byte read, and may read up to
// 7 bytes past its block's limit.
template <typename Run>
std::size_t convertAppend(std::string_view in, std::string& out, bool final, std::size_t growth, Run run) {
    constexpr std::size_t kBlock = 64 * 1024;
    const auto room = [growth](std::size_t n) { return (n + 8) * growth / 2 + 16; };
    const auto* const begin = reinterpret_cast<const uchar*>(in.data());
    const auto* const end = begin + in.size();
    const uchar* p = begin;
    std::size_t used = out.size();
    out.reserve(used + room(in.size()));
    bool more = true;
    while (more && p < end) {
        const std::size_t block = std::min<std::size_t>(std::size_t(end - p), kBlock);
        out.resize(used + room(block));
        char* o = out.data() + used;
        more = run(p, p + block, end, o, final);
        used = std::size_t(o - out.data());
    }
    out.resize(used);
    return std::size_t(p - begin);
}

} // namespace

std::size_t decodeAppend(std::string_view bytes, std::string& out, bool final) {
    // Two bytes give at most three.
    return convertAppend(bytes, out, final, 3, decodeRun);
}

std::string decode(std::string_view bytes) {
    std::string out;
    decodeAppend(bytes, out, true);
    return out;
}

std::size_t encodeAppend(std::string_view utf8, std::string& out, bool final) {
    // A two-byte UTF-8 sequence may need a four-byte code.
    return convertAppend(utf8, out, final, 4, encodeRun);
}

std::string encode(std::string_view utf8) {
    std::string out;
    encodeAppend(utf8, out, true);
    return out;
}

QString toQString(std::string_view bytes) {
    const std::string utf8 = decode(bytes);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

std::string fromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return encode(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

std::string firstBytes(std::string_view text, std::size_t n) {
    return std::string(text.substr(0, n));
}

std::vector<std::string> split(std::string_view text, std::string_view separator) {
    // A match counts only where it starts and ends on character boundaries: the trail byte of
    // a double-byte character can look like ASCII ("\", "|", letters) or like the lead of the
    // separator.
    std::vector<std::string> parts;
    if (separator.empty()) {
        parts.emplace_back(text);
        return parts;
    }
    const auto* const p = reinterpret_cast<const uchar*>(text.data());
    const auto* const end = p + text.size();
    std::size_t partStart = 0, pos = 0; // pos is always on a boundary
    for (;;) {
        const std::size_t hit = text.find(separator, pos);
        if (hit == std::string_view::npos) break;
        while (pos < hit)
            pos += unitLength(p + pos, end);
        if (pos > hit) continue; // the match starts inside a character
        const std::size_t after = hit + separator.size();
        while (pos < after)
            pos += unitLength(p + pos, end);
        if (pos > after) { // the match ends inside a character; look on after its first one
            pos = hit + unitLength(p + hit, end);
            continue;
        }
        parts.emplace_back(text.substr(partStart, hit - partStart));
        partStart = after;
    }
    parts.emplace_back(text.substr(partStart));
    return parts;
}

std::string fullWidthToSingleByte(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    const auto* p = reinterpret_cast<const uchar*>(text.data());
    const auto* const end = p + text.size();
    while (p < end) {
        const std::size_t len = unitLength(p, end);
        if (len == 2 && p[0] == 0xA3 && p[1] >= 0xA1 && p[1] <= 0xFE) {
            out += char(p[1] - 0x80);
        } else if (len == 2 && p[0] == 0xA1 && p[1] == 0xA1) {
            out += ' ';
        } else {
            out.append(reinterpret_cast<const char*>(p), len);
        }
        p += len;
    }
    return out;
}

} // namespace platform::codepage
