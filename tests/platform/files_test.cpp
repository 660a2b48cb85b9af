#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

void put(const QString& path, const std::string& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string get(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return "<unreadable>";
    return f.readAll().toStdString();
}

// Files in dir other than the ones named: a failed write must leave no temporary behind.
QStringList strays(const QString& dir, const QStringList& expected) {
    QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& e : expected)
        names.removeAll(e);
    return names;
}

class Files : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString at(const QString& name) { return dir.path() + "/" + name; }
    void TearDown() override { files::restoreSystemCalls(); }
};

} // namespace

TEST_F(Files, ReadingCutsAtTheFirstZeroByteAndUnreadableReadsEmpty) {
    put(at("zero"), std::string("ab\0cd", 5));
    put(at("plain"), "a\r\nb\rc\n\x80\xff");
    put(at("empty"), "");
    EXPECT_EQ(files::readText(at("zero")), "ab");
    EXPECT_EQ(files::readAll(at("zero")), std::string("ab\0cd", 5));
    EXPECT_EQ(files::readText(at("plain")), "a\r\nb\rc\n\x80\xff");
    EXPECT_EQ(files::readText(at("empty")), "");
    EXPECT_EQ(files::readText(at("missing")), "");
    EXPECT_EQ(files::readText(dir.path()), "");
    EXPECT_EQ(files::readText(""), "");
    if (geteuid() != 0) {
        put(at("locked"), "secret");
        QFile::setPermissions(at("locked"), QFileDevice::Permissions());
        EXPECT_EQ(files::readText(at("locked")), "");
    }
}

TEST_F(Files, ChunkedReadingDeliversTheSameBytes) {
    std::string big;
    for (int i = 0; i < 300000; ++i)
        big.push_back(static_cast<char>(1 + i % 255));
    big += std::string("\0tail", 5);
    put(at("big"), big);
    std::string got;
    int chunks = 0;
    ASSERT_TRUE(files::readTextChunks(at("big"), 4096, [&](std::string_view c) {
        EXPECT_LE(c.size(), 4096u);
        got.append(c);
        ++chunks;
    }));
    EXPECT_EQ(got, big.substr(0, 300000));
    EXPECT_GT(chunks, 1);
}

TEST_F(Files, AtomicWriteReplacesKeepsPermissionsAndFollowsLinks) {
    auto r = files::writeAtomically(at("new.txt"), "hello");
    ASSERT_TRUE(r.ok) << r.reason.toStdString();
    EXPECT_EQ(get(at("new.txt")), "hello");

    put(at("old.txt"), "a much longer old content");
    QFile::setPermissions(at("old.txt"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    ASSERT_TRUE(files::writeAtomically(at("old.txt"), "short").ok);
    EXPECT_EQ(get(at("old.txt")), "short");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(at("old.txt")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    ASSERT_TRUE(files::writeAtomically(at("old.txt"), "").ok);
    EXPECT_EQ(get(at("old.txt")), "");

    put(at("target.txt"), "target");
    ASSERT_TRUE(QFile::link(at("target.txt"), at("link.txt")));
    ASSERT_TRUE(files::writeAtomically(at("link.txt"), "through the link").ok);
    EXPECT_TRUE(QFileInfo(at("link.txt")).isSymLink());
    EXPECT_EQ(get(at("target.txt")), "through the link");
    EXPECT_TRUE(strays(dir.path(), {"new.txt", "old.txt", "target.txt", "link.txt"}).isEmpty());
}

TEST_F(Files, AReplacedFileKeepsItsOwner) {
    if (geteuid() != 0) GTEST_SKIP() << "only an administrator can save another user's file";
    put(at("theirs.txt"), "theirs");
    ASSERT_EQ(::chown(QFile::encodeName(at("theirs.txt")).constData(), 65534, 65534), 0);
    ASSERT_TRUE(files::writeAtomically(at("theirs.txt"), "edited by root").ok);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(at("theirs.txt")).constData(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(get(at("theirs.txt")), "edited by root");
}

TEST_F(Files, FailedWritesSayWhyAndLeaveTheOldFileIntact) {
    put(at("keep.txt"), "precious");
    const struct {
        const char* what;
        int failingCall; // 0 write, 1 rename
        int error;
    } cases[] = {{"disk full while writing", 0, ENOSPC},
                 {"rename refused", 1, EACCES},
                 {"rename across devices", 1, EXDEV}};
    for (const auto& c : cases) {
        files::restoreSystemCalls();
        if (c.failingCall == 0)
            files::systemCalls().write = [&](int, const void*, std::size_t) {
                errno = c.error;
                return -1L;
            };
        else
            files::systemCalls().rename = [&](const char*, const char*) {
                errno = c.error;
                return -1;
            };
        const auto r = files::writeAtomically(at("keep.txt"), "replacement that must not land");
        EXPECT_FALSE(r.ok) << c.what;
        EXPECT_EQ(r.reason, QString::fromLocal8Bit(strerror(c.error))) << c.what;
        EXPECT_EQ(get(at("keep.txt")), "precious") << c.what;
        EXPECT_TRUE(strays(dir.path(), {"keep.txt"}).isEmpty()) << c.what;
    }
}

TEST_F(Files, WritesWhereNoFileCanBeMadeFail) {
    auto r = files::writeAtomically(at("no/such/folder/x.txt"), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.isEmpty());
    r = files::writeAtomically(dir.path(), "x");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.reason.isEmpty());
}

TEST_F(Files, WritingIntoAReadOnlyFolderFails) {
    if (geteuid() == 0) GTEST_SKIP() << "a read-only folder does not stop root";
    files::WriteResult r;
    QDir().mkdir(at("ro"));
    put(at("ro/keep.txt"), "old");
    QFile::setPermissions(at("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    r = files::writeAtomically(at("ro/keep.txt"), "new");
    QFile::setPermissions(at("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, QString::fromLocal8Bit(strerror(EACCES)));
    EXPECT_EQ(get(at("ro/keep.txt")), "old");
}

TEST_F(Files, TemporaryFolderComesFromTempOrTheSystem) {
    const QByteArray saved = qgetenv("temp");
    qputenv("temp", "/some/where");
    EXPECT_EQ(files::temporaryDirectory(), "/some/where");
    qunsetenv("temp");
    EXPECT_EQ(files::temporaryDirectory(), QDir::tempPath());
    if (!saved.isEmpty()) qputenv("temp", saved);
}
