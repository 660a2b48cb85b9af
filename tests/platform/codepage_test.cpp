#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <QString>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace cp = platform::codepage;

namespace {

const std::string kZhong = "\xD6\xD0";                                // 中
const std::string kSemicolon = "\xA3\xBB";                            // ；
const std::string kMeetingNotes = "\xBB\xE1\xD2\xE9\xBC\xC7\xC2\xBC"; // 会议记录

std::string hex(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string s;
    for (unsigned char c : bytes) {
        if (!s.empty()) s += ' ';
        s += digits[c >> 4];
        s += digits[c & 15];
    }
    return s;
}

void appendUtf8(std::string& s, std::uint32_t c) {
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | c >> 6);
        s += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += char(0xE0 | c >> 12);
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xF0 | c >> 18);
        s += char(0x80 | ((c >> 12) & 0x3F));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
}

using AppendFn = std::size_t (*)(std::string_view, std::string&, bool);

// Feeds input in chunks that end at the given cuts (ascending), each time passing on what the
// previous call left, then a final call with the rest. A call that is not final may hold back
// only the start of one character (at most three bytes).
std::string chunked(AppendFn append, std::string_view input, const std::vector<std::size_t>& cuts) {
    std::string out;
    std::size_t done = 0;
    for (std::size_t cut : cuts) {
        done += append(input.substr(done, cut - done), out, false);
        EXPECT_LE(cut - done, 3u) << "held back too much at cut " << cut << " of " << hex(input);
    }
    EXPECT_EQ(append(input.substr(done), out, true), input.size() - done);
    return out;
}

// Random code-page-ish texts: the pieces a real file holds, plus what a broken one holds.
class TextGenerator {
  public:
    explicit TextGenerator(std::uint32_t seed) : rng_(seed) {}

    std::string next() {
        std::string s;
        const int pieces = pick(0, 12);
        for (int i = 0; i < pieces; ++i)
            addPiece(s);
        if (pick(0, 9) == 0) s += char(pick(0x81, 0xFE)); // a lead byte at the very end
        return s;
    }

    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  private:
    void addPiece(std::string& s) {
        switch (pick(0, 9)) {
        case 0: // ASCII run, long enough to cross the 8-byte steps
            for (int n = pick(1, 20); n > 0; --n)
                s += char(pick(0x00, 0x7F));
            break;
        case 1: {
            static const char* const ends[] = {"\r\n", "\r", "\n"};
            s += ends[pick(0, 2)];
            break;
        }
        case 2:
        case 3: // valid two-byte codes
            for (int n = pick(1, 6); n > 0; --n) {
                s += char(pick(0x81, 0xFE));
                const int t = pick(0x40, 0xFD);
                s += char(t < 0x7F ? t : t + 1);
            }
            break;
        case 4: // four-byte forms: BMP, the unassigned gap, supplementary, beyond U+10FFFF
            s += char(pick(0, 3) == 0 ? pick(0x81, 0x84) : pick(0x81, 0xFE));
            s += char(pick(0x30, 0x39));
            s += char(pick(0x81, 0xFE));
            s += char(pick(0x30, 0x39));
            break;
        case 5: { // UTF-8, whole or cut short
            std::string u;
            std::uint32_t c = std::uint32_t(pick(0x80, 0x10FFFF));
            if (c >= 0xD800 && c <= 0xDFFF) c -= 0x800;
            appendUtf8(u, c);
            s += pick(0, 2) == 0 ? u.substr(0, u.size() - 1) : u;
            break;
        }
        case 6:
            s += pick(0, 1) ? '\x80' : '\xFF';
            break;
        case 7: // a lead followed by something that is no trail
            s += char(pick(0x81, 0xFE));
            s += "\x7F\xFF\x20\x3A\x30"[pick(0, 4)];
            break;
        default: // garbage
            for (int n = pick(1, 8); n > 0; --n)
                s += char(pick(0x00, 0xFF));
            break;
        }
    }

    std::mt19937 rng_;
};

} // namespace

TEST(CodepageRoundTrip, RandomBytesComeBackExactly) {
    TextGenerator gen(20240601);
    for (int i = 0; i < 100000; ++i) {
        const std::string bytes = gen.next();
        const std::string utf8 = cp::decode(bytes);
        ASSERT_EQ(hex(cp::encode(utf8)), hex(bytes)) << "case " << i;

        // One random cut must not change either direction.
        const auto cutIn = std::size_t(gen.pick(0, int(bytes.size())));
        ASSERT_EQ(hex(chunked(cp::decodeAppend, bytes, {cutIn})), hex(utf8)) << "decode, case " << i;
        const auto cutOut = std::size_t(gen.pick(0, int(utf8.size())));
        ASSERT_EQ(hex(chunked(cp::encodeAppend, utf8, {cutOut})), hex(bytes)) << "encode, case " << i;
    }
}

TEST(CodepageRoundTrip, EveryScalarValueEncodesAndDecodesBack) {
    std::string all;
    for (std::uint32_t c = 1; c <= 0x10FFFF; ++c)
        if (c < 0xD800 || c > 0xDFFF) appendUtf8(all, c);
    const std::string bytes = cp::encode(all);
    EXPECT_TRUE(cp::decode(bytes) == all);
}

TEST(CodepageRoundTrip, EveryTwoByteCodeIsACharacter) {
    // Three times over: 140 KB of nothing but double-byte characters, converted in one call.
    std::string bytes;
    int codes = 0;
    for (int round = 0; round < 3; ++round)
        for (int lead = 0x81; lead <= 0xFE; ++lead)
            for (int trail = 0x40; trail <= 0xFE; ++trail)
                if (trail != 0x7F) {
                    bytes += char(lead);
                    bytes += char(trail);
                    ++codes;
                }
    const std::string utf8 = cp::decode(bytes);
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    EXPECT_FALSE(text.contains(QChar(0xFFFD))) << "a two-byte code was kept raw";
    EXPECT_EQ(text.size(), codes);
    EXPECT_EQ(cp::encode(utf8), bytes);
}

TEST(CodepageMapping, KnownCharacters) {
    struct Case {
        const char* utf8;
        const char* bytes;
    };
    const Case cases[] = {
        {"A\r\n", "A\r\n"},
        {"中", "\xD6\xD0"},
        {"；", "\xA3\xBB"},
        {"€", "\xA2\xE3"}, // GB18030 has no single-byte euro
        {"\u3000", "\xA1\xA1"},
        {"·", "\xA1\xA4"},
        {"会议记录", "\xBB\xE1\xD2\xE9\xBC\xC7\xC2\xBC"},
        {"\u0080", "\x81\x30\x81\x30"}, // first four-byte code
        {"¥", "\x81\x30\x84\x36"},
        {"\uFFFF", "\x84\x31\xA4\x39"}, // last four-byte code of the BMP
        {"\U00010000", "\x90\x30\x81\x30"},
        {"\U00020087", "\x95\x32\x90\x31"},
        {"\U0010FFFF", "\xE3\x32\x9A\x35"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hex(cp::encode(c.utf8)), hex(c.bytes)) << c.utf8;
        EXPECT_EQ(cp::decode(c.bytes), c.utf8) << hex(c.bytes);
    }
}

TEST(CodepageMapping, InvalidCodePageBytesStayRaw) {
    struct Case {
        std::string bytes, utf8;
    };
    const Case cases[] = {
        {"\x80", "\x80"},
        {"\xFF", "\xFF"},
        {"\xD6", "\xD6"},                                   // lead at the very end
        {"\xD6\x7F\xD6\xFF\xD6 ", "\xD6\x7F\xD6\xFF\xD6 "}, // lead before a byte that is no trail
        {"\xD6\xD0\x80\xD6\xD0", "中\x80中"},
        {"\x81\x30\x81", "\x81\x30\x81"},   // four-byte form cut short
        {"\x81\x30\xD6\xD0", "\x81\x30中"}, // third byte no lead
        {"\x81\x30\x81\x30\x81", "\u0080\x81"},
        {"\x84\x31\xA5\x30", "\x84\x31\xA5\x30"}, // just past the BMP
        {"\x8F\x39\xFE\x39", "\x8F\x39\xFE\x39"}, // just before U+10000
        {"\xE3\x32\x9A\x36", "\xE3\x32\x9A\x36"}, // past U+10FFFF
        {"\xFE\x39\xFE\x39", "\xFE\x39\xFE\x39"},
        {std::string("\xC3\x00\x80", 3), std::string("\xC3\x00\x80", 3)}, // raw lead, NUL, raw 0x80
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hex(cp::decode(c.bytes)), hex(c.utf8)) << hex(c.bytes);
        EXPECT_EQ(hex(cp::encode(c.utf8)), hex(c.bytes)) << hex(c.bytes);
    }
}

TEST(CodepageMapping, InvalidUtf8IsCopiedRaw) {
    const std::string cases[] = {
        "\x80",             // lone continuation
        "\xC0\x80",         // overlong NUL
        "\xC1\xBF",         // overlong
        "\xE0\x80\xAF",     // overlong
        "\xE0\x9F\xBF",     // overlong
        "\xF0\x8F\xBF\xBF", // overlong
        "\xED\xA0\x80",     // surrogate
        "\xED\xBF\xBF",     // surrogate
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xF5\x80\x80\x80",
        "\xFE\xFF",
        "\xE4\xB8",     // cut short at the end
        "\xE4\xB8\x41", // cut short before ASCII
        "\xF0\x9F\x98",
    };
    for (const std::string& utf8 : cases) {
        EXPECT_EQ(hex(cp::encode(utf8)), hex(utf8));
        EXPECT_EQ(hex(cp::encode("中" + utf8 + "中")), hex("\xD6\xD0" + utf8 + "\xD6\xD0"));
    }
}

TEST(CodepageChunked, EveryPairOfCutsGivesTheWholeResult) {
    const std::string codePage[] = {
        "ab\xD6\xD0\x81\x30\x81\x30\x90\x30\x81\x30\r\n\x80\xFF\x81\x30\x81\xD6",
        "\x84\x31\xA5\x30\x85\x30\x81\x30\xE3\x32\x9A\x36\xD6\x7F\xD6\x30\x81",
        "0123456789abcdef\xD6\xD0\xD6\xD0xyz\xB1\x5C\x81\x30",
    };
    const std::string utf8[] = {
        "中\xE4\xB8\x41\xF0\x9F\x98\x80\xED\xA0\x80\xC0\x80\xF4\x90\x80\x80€",
        "0123456789abcdef中文\xE4\xB8\xF0\x9F",
        "\u0080\uFFFF\U0010FFFF\xC2",
    };
    for (const std::string& s : codePage) {
        const std::string whole = cp::decode(s);
        for (std::size_t i = 0; i <= s.size(); ++i)
            for (std::size_t j = i; j <= s.size(); ++j)
                ASSERT_EQ(hex(chunked(cp::decodeAppend, s, {i, j})), hex(whole)) << i << ' ' << j;
        ASSERT_EQ(hex(cp::encode(whole)), hex(s));
    }
    for (const std::string& s : utf8) {
        const std::string whole = cp::encode(s);
        for (std::size_t i = 0; i <= s.size(); ++i)
            for (std::size_t j = i; j <= s.size(); ++j)
                ASSERT_EQ(hex(chunked(cp::encodeAppend, s, {i, j})), hex(whole)) << i << ' ' << j;
    }
}

TEST(CodepageChunked, AppendsToWhatIsThere) {
    std::string out = "x";
    EXPECT_EQ(cp::decodeAppend("\xD6\xD0\xD6", out, false), 2u);
    EXPECT_EQ(out, "x中");
    EXPECT_EQ(cp::encodeAppend("中\xE4", out, false), 3u);
    EXPECT_EQ(out, "x中\xD6\xD0");
}

TEST(CodepageQString, ConvertsThroughTheCodePage) {
    EXPECT_EQ(cp::toQString(kZhong + kSemicolon + "ab"), QString::fromUtf8("中；ab"));
    EXPECT_EQ(cp::toQString("a\x80\xD6"), QString::fromUtf8("a\uFFFD\uFFFD"));
    EXPECT_EQ(hex(cp::fromQString(QString::fromUtf8("中；€\U00020087"))),
              hex("\xD6\xD0\xA3\xBB\xA2\xE3\x95\x32\x90\x31"));
    EXPECT_EQ(cp::fromQString(QString()), "");
}

TEST(CodepageText, FirstBytes) {
    struct Case {
        std::string text;
        std::size_t n;
        std::string expected;
    };
    const Case cases[] = {
        {"abcdefg\xD6\xD0", 8, "abcdefg\xD6"},          // a double-byte character cut at the 8th byte
        {kMeetingNotes + "2010.txt", 8, kMeetingNotes}, // four characters fill the 8 bytes
        {"notes", 8, "notes"},
        {"abc", 0, ""},
        {"", 8, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hex(cp::firstBytes(c.text, c.n)), hex(c.expected)) << c.text;
}

TEST(CodepageText, Split) {
    struct Case {
        std::string text, separator;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        {"0" + kSemicolon + "32768", kSemicolon, {"0", "32768"}},
        {"a\xA3\xBB", "\xA3\xBB", {"a", ""}}, // separator at the end
        {"\xA3\xBB", "\xA3\xBB", {"", ""}},
        {"", "\xA3\xBB", {""}},
        {"a\r\n\r\nb\r\n", "\r\n", {"a", "", "b", ""}},
        {"abc", "", {"abc"}},
        {"\xD6\xA3\xBB\x31", kSemicolon, {"\xD6\xA3\xBB\x31"}},    // A3 is the trail of D6 A3
        {"a\\\xB1\x5C\\b", "\\", {"a", "\xB1\x5C", "b"}},          // 5C is the trail of B1 5C
        {"1\x81\x30\x81\x30\x30", "0", {"1\x81\x30\x81\x30", ""}}, // 30 inside a four-byte code
        {"a\xD6\xD0", "a\xD6", {"a\xD6\xD0"}},                     // would end inside a character
        {"\xD6x\xD6x\xD6 ", "\xD6x\xD6", {"\xD6x", " "}},          // first match ends inside, second fits
    };
    for (const Case& c : cases)
        EXPECT_EQ(cp::split(c.text, c.separator), c.parts) << hex(c.text);
}

TEST(CodepageText, FullWidthToSingleByte) {
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", "12.5"},
        {"\xA1\xA1\xA3\xAD\xA3\xB3", " -3"},
        {"\xA3\xA1\xA3\xFE\xA3\xC1\xA3\xE1", "!~Aa"},
        {"\xA3\xA4", "$"},                        // ￥ is the full-width form of $
        {"\xA3\xA0\xA1\xA2", "\xA3\xA0\xA1\xA2"}, // not full-width forms
        {kZhong + "7" + kSemicolon, kZhong + "7;"},
        {"\xB0\xA3\xB1", "\xB0\xA3\xB1"}, // A3 B1 straddles a character
        {"\xB0\xA1\xA1", "\xB0\xA1\xA1"}, // so does A1 A1
        {"\xA3", "\xA3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hex(cp::fullWidthToSingleByte(c.text)), hex(c.expected)) << hex(c.text);
}
