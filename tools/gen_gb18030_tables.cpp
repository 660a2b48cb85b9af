// Builds the GB18030 tables of the code page layer (src/platform/codepage.cpp) from ICU's
// "gb18030" converter, without fallbacks.
//
//   gen_gb18030_tables <out-path>
//
// Only mappings that survive a round trip through ICU are kept: a code whose decoding does
// not encode back to exactly the same bytes is left out of the tables, so the program keeps
// its bytes raw. The generator fails (and the build with it) when ICU's data breaks what the
// codec relies on: a BMP code point without an exact encoding, or a supplementary code point
// off GB18030's linear four-byte range.
#include <unicode/ucnv.h>
#include <unicode/uversion.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kLeadCount = 0xFE - 0x81 + 1;          // 126 lead bytes
constexpr int kTrailColumns = 0x100 - 0x40;          // trail columns 0x40..0xFF; 0x7F and 0xFF never valid
constexpr std::uint32_t kFourByteBmpCount = 39420;   // 81 30 81 30 .. 84 31 A4 39
constexpr std::uint32_t kSupplementaryBase = 189000; // linear index of 90 30 81 30 = U+10000

class Converter {
  public:
    Converter() {
        UErrorCode err = U_ZERO_ERROR;
        cnv_ = ucnv_open("gb18030", &err);
        if (U_FAILURE(err)) throw std::runtime_error(std::string("ucnv_open: ") + u_errorName(err));
        ucnv_setFallback(cnv_, false);
        ucnv_setToUCallBack(cnv_, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
        ucnv_setFromUCallBack(cnv_, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
        if (U_FAILURE(err)) throw std::runtime_error(std::string("callbacks: ") + u_errorName(err));
    }
    ~Converter() { ucnv_close(cnv_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // The single code point the bytes decode to, or -1 (unmapped, illegal, or not exactly one).
    std::int32_t decode(const std::string& bytes) {
        UChar buf[8];
        UErrorCode err = U_ZERO_ERROR;
        ucnv_reset(cnv_);
        const int32_t n = ucnv_toUChars(cnv_, buf, 8, bytes.data(), static_cast<int32_t>(bytes.size()), &err);
        if (U_FAILURE(err) || err == U_STRING_NOT_TERMINATED_WARNING || n < 1 || n > 2) return -1;
        if (n == 1) return (buf[0] >= 0xD800 && buf[0] <= 0xDFFF) ? -1 : buf[0];
        if (buf[0] < 0xD800 || buf[0] > 0xDBFF || buf[1] < 0xDC00 || buf[1] > 0xDFFF) return -1;
        return 0x10000 + ((buf[0] - 0xD800) << 10) + (buf[1] - 0xDC00);
    }

    // The bytes a code point encodes to, empty when ICU has no mapping.
    std::string encode(std::uint32_t cp) {
        UChar u[2];
        int32_t len = 0;
        if (cp < 0x10000) {
            u[len++] = static_cast<UChar>(cp);
        } else {
            u[len++] = static_cast<UChar>(0xD800 + ((cp - 0x10000) >> 10));
            u[len++] = static_cast<UChar>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
        char buf[16];
        UErrorCode err = U_ZERO_ERROR;
        ucnv_reset(cnv_);
        const int32_t n = ucnv_fromUChars(cnv_, buf, sizeof buf, u, len, &err);
        if (U_FAILURE(err) || n <= 0) return {};
        return std::string(buf, static_cast<std::size_t>(n));
    }

  private:
    UConverter* cnv_ = nullptr;
};

std::string fourBytes(std::uint32_t linear) {
    std::string s(4, '\0');
    s[3] = static_cast<char>(0x30 + linear % 10);
    linear /= 10;
    s[2] = static_cast<char>(0x81 + linear % 126);
    linear /= 126;
    s[1] = static_cast<char>(0x30 + linear % 10);
    linear /= 10;
    s[0] = static_cast<char>(0x81 + linear);
    return s;
}

// UTF-8 of a BMP code point in the low bytes (first byte lowest), its length in the top byte.
std::uint32_t packUtf8(std::uint32_t cp) {
    if (cp < 0x80) return cp | 1u << 24;
    if (cp < 0x800) return (0xC0 | cp >> 6) | (0x80 | (cp & 0x3F)) << 8 | 2u << 24;
    return (0xE0 | cp >> 12) | (0x80 | ((cp >> 6) & 0x3F)) << 8 | (0x80 | (cp & 0x3F)) << 16 | 3u << 24;
}

// Code-page bytes in memory order (first byte lowest); two-byte codes leave the top half zero.
std::uint32_t packBytes(const std::string& bytes) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        v |= std::uint32_t(std::uint8_t(bytes[i])) << (8 * i);
    return v;
}

std::string hex(const std::string& bytes) {
    std::ostringstream s;
    for (unsigned char c : bytes) {
        char b[4];
        std::snprintf(b, sizeof b, "%02X", c);
        s << b;
    }
    return s.str();
}

template <typename T>
void writeArray(std::ostream& out, const char* type, const char* name, const std::vector<T>& values,
                const char* comment) {
    out << "// " << comment << "\n";
    out << "inline constexpr " << type << ' ' << name << '[' << values.size() << "] = {";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i % 12 == 0) out << "\n   ";
        char b[16];
        std::snprintf(b, sizeof b, " 0x%X,", static_cast<unsigned>(values[i]));
        out << b;
    }
    out << "\n};\n\n";
}

int run(const char* outPath) {
    Converter icu;
    int problems = 0;
    auto report = [&](const std::string& what) { std::cerr << "gen_gb18030_tables: " << what << '\n'; };

    // Two-byte codes.
    std::vector<std::uint32_t> twoByte(kLeadCount * kTrailColumns, 0);
    int twoByteDropped = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const std::string bytes{char(lead), char(trail)};
            const std::int32_t cp = icu.decode(bytes);
            if (cp < 0 || icu.encode(std::uint32_t(cp)) != bytes) {
                ++twoByteDropped;
                report("two-byte " + hex(bytes) + " does not round-trip; kept raw");
                // The decoder keeps the lead byte raw and goes on with the trail. A raw UTF-8
                // lead followed by a raw continuation byte could read back as a character.
                if (lead >= 0xC2 && lead <= 0xF4 && trail >= 0x80 && trail <= 0xBF) {
                    ++problems;
                    report("  its raw bytes could form UTF-8; the round trip of raw bytes would break");
                }
                continue;
            }
            if (cp < 0x80 || cp > 0xFFFF) {
                ++problems;
                report("two-byte " + hex(bytes) + " decodes outside U+0080..U+FFFF");
                continue;
            }
            twoByte[(lead - 0x81) * kTrailColumns + (trail - 0x40)] = packUtf8(std::uint32_t(cp));
        }
    }

    // Four-byte codes inside the BMP.
    std::vector<std::uint16_t> fourByte(kFourByteBmpCount, 0);
    int fourByteDropped = 0;
    for (std::uint32_t i = 0; i < kFourByteBmpCount; ++i) {
        const std::string bytes = fourBytes(i);
        const std::int32_t cp = icu.decode(bytes);
        if (cp < 0 || icu.encode(std::uint32_t(cp)) != bytes) {
            ++fourByteDropped;
            report("four-byte " + hex(bytes) + " does not round-trip; kept raw");
            continue;
        }
        if (cp < 0x80 || cp > 0xFFFF) {
            ++problems;
            report("four-byte " + hex(bytes) + " decodes outside U+0080..U+FFFF");
            continue;
        }
        fourByte[i] = static_cast<std::uint16_t>(cp);
    }

    // Every BMP code point (but the surrogates) must have an exact encoding.
    std::vector<std::uint32_t> bmp(0x10000, 0);
    for (std::uint32_t cp = 0; cp <= 0xFFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const std::string bytes = icu.encode(cp);
        if (bytes.empty() || icu.decode(bytes) != std::int32_t(cp)) {
            ++problems;
            report("U+" + hex(std::string{char(cp >> 8), char(cp & 0xFF)}) + " has no exact encoding");
            continue;
        }
        if (cp < 0x80) {
            if (bytes != std::string(1, char(cp))) {
                ++problems;
                report("ASCII is not identity in ICU's gb18030");
            }
            continue; // ASCII never goes through the table
        }
        if (bytes.size() != 2 && bytes.size() != 4) {
            ++problems;
            report("U+" + hex(std::string{char(cp >> 8), char(cp & 0xFF)}) + " encodes to " + hex(bytes));
            continue;
        }
        // The encoding must be one the decode tables hold, or decoding would not give cp back.
        const auto b = [&](int k) { return std::uint8_t(bytes[k]); };
        const bool inTables =
            bytes.size() == 2 ? twoByte[(b(0) - 0x81) * kTrailColumns + (b(1) - 0x40)] == packUtf8(cp) : [&] {
                const std::uint32_t lin =
                    ((b(0) - 0x81) * 10 + (b(1) - 0x30)) * 1260 + (b(2) - 0x81) * 10 + (b(3) - 0x30);
                return lin < kFourByteBmpCount && fourByte[lin] == cp;
            }();
        if (!inTables) {
            ++problems;
            report("U+" + hex(std::string{char(cp >> 8), char(cp & 0xFF)}) + " encodes to " + hex(bytes) +
                   ", which the decode tables do not map back");
            continue;
        }
        bmp[cp] = packBytes(bytes);
    }

    // Single bytes: 0x00..0x7F are ASCII, 0x80 and 0xFF map to nothing.
    for (int byte = 0x80; byte <= 0xFF; byte += 0x7F) {
        if (icu.decode(std::string(1, char(byte))) >= 0) {
            ++problems;
            report("single byte " + hex(std::string(1, char(byte))) + " is mapped by ICU");
        }
    }

    // Supplementary code points: GB18030's linear four-byte range.
    for (std::uint32_t cp = 0x10000; cp <= 0x10FFFF; ++cp) {
        const std::string bytes = fourBytes(kSupplementaryBase + (cp - 0x10000));
        if (icu.encode(cp) != bytes || icu.decode(bytes) != std::int32_t(cp)) {
            ++problems;
            report("supplementary code point off the linear range at " + hex(bytes));
            break;
        }
    }

    if (problems) {
        std::cerr << "gen_gb18030_tables: " << problems << " problem(s) in ICU's data; no tables written\n";
        return 1;
    }

    std::ostringstream out;
    out << "// Generated by tools/gen_gb18030_tables.cpp from ICU " << U_ICU_VERSION
        << " (\"gb18030\", no fallbacks). Do not edit.\n"
        << "// Codes without an exact round trip: " << twoByteDropped << " two-byte, " << fourByteDropped
        << " four-byte (BMP).\n"
        << "#pragma once\n#include <cstdint>\n\nnamespace platform::codepage::gb18030 {\n\n"
        << "inline constexpr int kTrailColumns = " << kTrailColumns << ";\n"
        << "inline constexpr std::uint32_t kFourByteBmpCount = " << kFourByteBmpCount << ";\n"
        << "inline constexpr std::uint32_t kSupplementaryBase = " << kSupplementaryBase << ";\n\n";
    writeArray(out, "std::uint32_t", "twoByteToUtf8", twoByte,
               "[(lead - 0x81) * kTrailColumns + (trail - 0x40)]: UTF-8 bytes, first byte lowest, length "
               "in the top byte; 0 = no valid code");
    writeArray(
        out, "std::uint16_t", "fourByteToBmp", fourByte,
        "[linear index of a four-byte code below kFourByteBmpCount]: BMP code point; 0 = no valid code");
    writeArray(out, "std::uint32_t", "bmpToBytes", bmp,
               "[code point]: code-page bytes, first byte lowest (two bytes when the top half is 0, else "
               "four); 0 for ASCII (not looked up) and the surrogates");
    out << "} // namespace platform::codepage::gb18030\n";

    std::ofstream file(outPath, std::ios::binary);
    file << out.str();
    file.close();
    if (!file) {
        std::cerr << "gen_gb18030_tables: cannot write " << outPath << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: gen_gb18030_tables <out-path>\n";
        return 2;
    }
    try {
        return run(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "gen_gb18030_tables: " << e.what() << '\n';
        return 1;
    }
}
