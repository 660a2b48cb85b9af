#include "platform/codepage.h"
#include "platform/profile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

std::string g(const char* utf8) {
    return codepage::fromQString(QString::fromUtf8(utf8));
}

struct WriteCase {
    const char* what;
    std::string before;
    std::string section, key, value;
    std::string after;
};

} // namespace

TEST(Profile, WritesChangeOnlyTheLineTheyMust) {
    const std::string sec = g("程序设置"), op = g("程序透明度"), mp3 = g("MP3播放器");
    const WriteCase cases[] = {
        {"empty file gets the section and the key", "", sec, op, "200",
         "[" + sec + "]\r\n" + op + "=200\r\n"},
        {"missing section goes at the end", "[a]\r\nx=1\r\n", "b", "y", "2", "[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
        {"no line end at the end of the file", "[a]\r\nx=1", "b", "y", "2", "[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
        {"new key at the end of its section", "[a]\r\nx=1\r\n[b]\r\nz=3\r\n", "a", "y", "2",
         "[a]\r\nx=1\r\ny=2\r\n[b]\r\nz=3\r\n"},
        {"new key before the blank lines that close a section", "[a]\r\nx=1\r\n\r\n[b]\r\n", "a", "y", "2",
         "[a]\r\nx=1\r\ny=2\r\n\r\n[b]\r\n"},
        {"new key in the last section without a final line end", "[a]\r\nx=1", "a", "y", "2",
         "[a]\r\nx=1\r\ny=2\r\n"},
        {"existing value replaced where it stands", "; note\r\n[a]\r\nx = 1 \r\ny=2\r\n", "a", "x", "9",
         "; note\r\n[a]\r\nx=9\r\ny=2\r\n"},
        {"names compare without case", "[Prog]\r\nKey=1\r\n", "PROG", "key", "2", "[Prog]\r\nKey=2\r\n"},
        {"the first of duplicate sections wins", "[a]\r\nx=1\r\n[a]\r\nx=2\r\n", "a", "x", "3",
         "[a]\r\nx=3\r\n[a]\r\nx=2\r\n"},
        {"the first of duplicate keys wins", "[a]\r\nx=1\r\nx=2\r\n", "a", "x", "3", "[a]\r\nx=3\r\nx=2\r\n"},
        {"lone line feeds are kept", "[a]\nx=1\ny=2\n", "a", "x", "5", "[a]\nx=5\ny=2\n"},
        {"GBK names", "[" + mp3 + "]\r\n" + g("默认背景音乐") + "=" + g("歌.mp3") + "\r\n", mp3,
         g("默认背景音乐"), g("新歌.mp3"),
         "[" + mp3 + "]\r\n" + g("默认背景音乐") + "=" + g("新歌.mp3") + "\r\n"},
        {"a header without its bracket is an ordinary line", "[a\r\nx=1\r\n", "a", "x", "2",
         "[a\r\nx=1\r\n[a]\r\nx=2\r\n"},
        {"binary bytes elsewhere stay as they are", std::string("\x00\xff\x80[z]\r\n", 8) + "[a]\r\nx=1\r\n",
         "a", "x", "2", std::string("\x00\xff\x80[z]\r\n", 8) + "[a]\r\nx=2\r\n"},
        {"an empty value", "[a]\r\nx=1\r\n", "a", "x", "", "[a]\r\nx=\r\n"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.path() + "/t.ini";
        QFile::remove(path);
        if (!c.before.empty()) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.before.data(), static_cast<qint64>(c.before.size()));
        }
        ASSERT_TRUE(profile::write(path, c.section, c.key, c.value)) << c.what;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll().toStdString(), c.after) << c.what;
        EXPECT_EQ(profile::read(path, c.section, c.key), c.value) << c.what;
    }
}

TEST(Profile, Reads) {
    const std::string file =
        "junk line\r\n[ a ]\r\n  x  =  hello world  \r\ny=\r\nnoequals\r\n[b]\r\nx=other\r\n";
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"a", "x", "hello world"}, {"A", "X", "hello world"}, {"a", "y", ""},
        {"a", "missing", ""},      {"b", "x", "other"},       {"c", "x", ""},
        {"a", "noequals", ""},     {"a", "junk line", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(profile::readFromText(file, c.section, c.key), c.value) << c.section << "/" << c.key;
    EXPECT_EQ(profile::read("/nonexistent/ConfigQdx.INI", "a", "x"), "");
}

TEST(Profile, FilesThatAreNoIniFiles) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary.push_back(static_cast<char>((i * 131 + 7) % 256));
    const std::string longLine(1 << 20, 'k');
    const std::string inputs[] = {binary,
                                  longLine,
                                  "[" + longLine,
                                  "[a]\r\nx=" + longLine,
                                  "[[[]]]=\r\n=\r\n[",
                                  std::string("\r\r\r\n\n\0[a]", 9)};
    for (const auto& in : inputs) {
        (void)profile::readFromText(in, "a", "x");
        const std::string out = profile::writeToText(in, "a", "x", "1");
        EXPECT_EQ(profile::readFromText(out, "a", "x"), "1");
        // Only the key's line (or the appended section) differs: the old content is a prefix
        // of the new one, or the new one differs in one line at most.
        const std::string again = profile::writeToText(out, "a", "x", "2");
        EXPECT_EQ(again.size(), out.size());
        std::size_t differing = 0;
        for (std::size_t i = 0; i < out.size(); ++i)
            differing += out[i] != again[i];
        EXPECT_EQ(differing, 1u);
    }
}
