#pragma once
// Whole-file reading and writing of code-page bytes, and the few places of the system the
// program needs (its own folder, the temporary folder).
#include <QString>
#include <functional>
#include <string>
#include <string_view>

namespace platform::files {

// The file's bytes up to, not including, its first zero byte. A missing file, a folder or
// an unreadable file reads as empty.
std::string readText(const QString& path);

// Every byte of the file, zero bytes included; empty when unreadable.
std::string readAll(const QString& path);

// The text's bytes, handed over in chunks of at most chunkSize bytes (for very large files,
// so that no second whole copy is ever held). Returns false when nothing could be read.
bool readTextChunks(const QString& path, std::size_t chunkSize,
                    const std::function<void(std::string_view)>& chunk);

// The byte size readTextChunks would deliver at most (the file's size; 0 when unreadable).
std::size_t sizeOf(const QString& path);

struct WriteResult {
    bool ok = false;
    QString reason; // the system's reason when the write failed
};

// Replaces the file's content with bytes without ever leaving it half-written: the bytes go
// into a new file beside it, which is then renamed over it. The file keeps its permissions;
// through a symbolic link the link's target is written.
WriteResult writeAtomically(const QString& path, std::string_view bytes);

bool exists(const QString& path);

// The folder that holds the running executable, without a trailing separator.
QString programDirectory();

// The environment variable "temp" when set, else the system's temporary folder.
QString temporaryDirectory();

// System calls the atomic write goes through; tests replace them to make them fail.
struct SystemCalls {
    std::function<int(const char* from, const char* to)> rename;
    std::function<long(int fd, const void* data, std::size_t size)> write;
};
SystemCalls& systemCalls();
void restoreSystemCalls();

} // namespace platform::files
