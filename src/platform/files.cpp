#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::files {

namespace {

SystemCalls realSystemCalls() {
    return {[](const char* from, const char* to) { return ::rename(from, to); },
            [](int fd, const void* data, std::size_t size) {
                return static_cast<long>(::write(fd, data, size));
            }};
}

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A symbolic link is written through: resolve the chain to the file it names.
QString writeTarget(const QString& path) {
    QFileInfo info(path);
    for (int hops = 0; info.isSymLink() && hops < 40; ++hops) {
        QString target = info.symLinkTarget();
        if (target.isEmpty()) break;
        info = QFileInfo(target);
    }
    return info.absoluteFilePath();
}

} // namespace

SystemCalls& systemCalls() {
    static SystemCalls calls = realSystemCalls();
    return calls;
}

void restoreSystemCalls() {
    systemCalls() = realSystemCalls();
}

namespace {

// Reads the file in chunks; stopAtZero ends the reading at the first zero byte.
bool readChunks(const QString& path, std::size_t chunkSize, bool stopAtZero,
                const std::function<void(std::string_view)>& chunk) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return false;
    }
    std::string buffer(chunkSize, '\0');
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        const std::string_view got(buffer.data(), static_cast<std::size_t>(n));
        const std::size_t zero = stopAtZero ? got.find('\0') : std::string_view::npos;
        if (zero != std::string_view::npos) {
            if (zero > 0) chunk(got.substr(0, zero));
            break;
        }
        chunk(got);
    }
    ::close(fd);
    return ok;
}

} // namespace

bool readTextChunks(const QString& path, std::size_t chunkSize,
                    const std::function<void(std::string_view)>& chunk) {
    return readChunks(path, chunkSize, true, chunk);
}

std::string readAll(const QString& path) {
    std::string bytes;
    bytes.reserve(sizeOf(path));
    if (!readChunks(path, 1 << 20, false, [&](std::string_view c) { bytes.append(c); })) return {};
    return bytes;
}

std::string readText(const QString& path) {
    std::string text;
    text.reserve(sizeOf(path));
    if (!readTextChunks(path, 1 << 20, [&](std::string_view c) { text.append(c); })) return {};
    return text;
}

std::size_t sizeOf(const QString& path) {
    QFileInfo info(path);
    return info.isFile() ? static_cast<std::size_t>(info.size()) : 0;
}

WriteResult writeAtomically(const QString& path, std::string_view bytes) {
    if (path.isEmpty()) return {false, systemReason(ENOENT)};
    const QString target = writeTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    const QFileInfo info(target);
    if (info.isDir()) return {false, systemReason(EISDIR)};

    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode_t mode = 0666 & ~mask; // a new file gets what a plain create would give it
    struct stat st {};
    const bool replacing = ::stat(targetName.constData(), &st) == 0;
    if (replacing) mode = st.st_mode & 07777;

    QByteArray tempName = QFile::encodeName(info.absolutePath() + "/.tingyeben-XXXXXX");
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) return {false, systemReason(errno)};
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(tempName.constData());
        return WriteResult{false, systemReason(error)};
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long n = systemCalls().write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(n < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(n);
    }
    // The file keeps its owner where the system lets us (an administrator saving a user's
    // file); failing that, it belongs to whoever saved it, as a new file would.
    if (replacing && (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
        ::fchown(fd, st.st_uid, st.st_gid) != 0) {
        // not allowed: the saver owns the new file
    }
    if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(tempName.constData());
        return {false, systemReason(error)};
    }
    if (systemCalls().rename(tempName.constData(), targetName.constData()) != 0) {
        const int error = errno;
        ::unlink(tempName.constData());
        return {false, systemReason(error)};
    }
    return {true, {}};
}

bool exists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}


QString programDirectory() {
    QString dir = QCoreApplication::applicationDirPath();
    while (dir.size() > 1 && dir.endsWith('/'))
        dir.chop(1);
    return dir;
}

QString temporaryDirectory() {
    const QByteArray temp = qgetenv("temp");
    if (!temp.isEmpty()) return QFile::decodeName(temp);
    return QDir::tempPath();
}

} // namespace platform::files
