#include "support/bench_common.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <random>
#include <sys/resource.h>

namespace bench {

std::string chineseText(std::size_t bytes, unsigned seed) {
    std::mt19937 random(seed);
    std::string text;
    text.reserve(bytes + 100);
    int column = 0, lineLength = 60;
    while (text.size() < bytes) {
        const unsigned r = random() % 100;
        if (r < 4) {
            text += "\xa3\xac"; // a full-width comma
        } else if (r < 7) {
            text += static_cast<char>(" .,;:!?"[random() % 7]);
        } else {
            text += static_cast<char>(0xB0 + random() % 40); // a level-1 character
            text += static_cast<char>(0xA1 + random() % 94);
        }
        if (++column >= lineLength) {
            text += "\r\n";
            column = 0;
            lineLength = 40 + static_cast<int>(random() % 41);
        }
    }
    return text;
}

QString writeTempFile(const QString& name, const std::string& bytes) {
    const QString path = QDir::tempPath() + "/tingyeben-bench-" + name;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

long peakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace bench
